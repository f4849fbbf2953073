#include "cli/structure_options.h"

#include <ostream>

#include "cli/cli_app.h"
#include "model/model_name.h"
#include "model/thickness_checks.h"

namespace slv::cli {

int CheckStructureOptions(Session& session, const std::vector<double>& thicknesses,
                          const std::optional<double>& coverage, const std::string& option, std::ostream& err)
{
    const Document& doc = session.doc();
    Findings findings(session.dialogs());
    const auto refused = [&] {
        session.present(findings);
        return kExitUsage;
    };
    if (!thicknesses.empty() && thicknesses.size() != static_cast<std::size_t>(doc.LayerCount)) {
        err << "error: " << option << " gives " << thicknesses.size() << " thicknesses for " << doc.LayerCount
            << " layers\n";
        return kExitUsage;
    }
    for (const double thickness : thicknesses)
        if (!AcceptThickness(thickness, findings))
            return refused();
    if (coverage && doc.IslandMode != 1) {
        err << "error: --coverage applies only to islands; the model is " << ModelName(doc) << "\n";
        return kExitUsage;
    }
    if (coverage && !AcceptCoverage(*coverage, findings))
        return refused();
    return kExitOk;
}

void AddCurvedModelOption(CLI::App& subcommand, std::string& curved)
{
    subcommand
        .add_option("--curved", curved,
                    "Sphere and Cylinder: exact particle integral or surface-angle classes "
                    "(default: as the data set records it)")
        ->check(CLI::IsMember({kCurvedExact, kCurvedClasses}));
}

void ApplyCurvedModelOption(Session& session, const std::string& curved)
{
    if (curved.empty())
        return;
    auto edit = session.edit(Change::Model);
    edit.doc.setCurvedModel(curved == kCurvedExact ? CurvedModel::Exact : CurvedModel::SurfaceAngleClasses);
}

}  // namespace slv::cli
