#include "model/thickness_checks.h"

#include <cmath>

namespace slv {

bool AcceptThickness(double thickness, Findings& findings)
{
    // An infinite or undefined length is refused with the same words: no
    // electron crosses it, so no calculation could use it.
    if (std::isfinite(thickness) && thickness >= 0.0)
        return true;
    findings.warning(kNegativeThicknessText);
    return false;
}

bool AcceptCoverage(double coverage, Findings& findings)
{
    if (coverage >= 0.0 && coverage <= 1.0)
        return true;
    findings.warning(kCoverageRangeText);
    return false;
}

}  // namespace slv
