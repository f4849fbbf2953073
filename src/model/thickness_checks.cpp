#include "model/thickness_checks.h"

#include <cmath>

#include "core/session.h"

namespace slv {

bool AcceptThickness(Session& session, double thickness)
{
    // An infinite or undefined length is refused with the same words: no
    // electron crosses it, so no calculation could use it.
    if (std::isfinite(thickness) && thickness >= 0.0)
        return true;
    session.dialogs.show(kNegativeThicknessText, MessageIcon::Exclamation);
    return false;
}

bool AcceptCoverage(Session& session, double coverage)
{
    if (coverage >= 0.0 && coverage <= 1.0)
        return true;
    session.dialogs.show(kCoverageRangeText, MessageIcon::Exclamation);
    return false;
}

}  // namespace slv
