#include "cli/structure_options.h"

#include <ostream>

#include "cli/cli_app.h"
#include "model/model_check.h"
#include "model/model_name.h"
#include "model/thickness_checks.h"

namespace slv::cli {

int CheckStructureOptions(Session& session, const std::vector<double>& thicknesses,
                          const std::optional<double>& coverage, const std::string& option, std::ostream& err)
{
    const Document& doc = session.doc;
    if (!thicknesses.empty() && thicknesses.size() != static_cast<std::size_t>(doc.LayerCount)) {
        err << "error: " << option << " gives " << thicknesses.size() << " thicknesses for " << doc.LayerCount
            << " layers\n";
        return kExitUsage;
    }
    for (const double thickness : thicknesses)
        if (!AcceptThickness(session, thickness))
            return kExitUsage;
    if (coverage && doc.IslandMode != 1) {
        err << "error: --coverage applies only to islands; the model is " << ModelName(doc) << "\n";
        return kExitUsage;
    }
    if (coverage && !AcceptCoverage(session, *coverage))
        return kExitUsage;
    return kExitOk;
}

bool ModelTablePasses(Session& session)
{
    int errors = 0;
    std::string message;
    CheckModel(session, errors, message);
    ShowModelErrors(session, errors, message, MessageButtons::Ok);
    return ModelUsable(errors);
}

}  // namespace slv::cli
