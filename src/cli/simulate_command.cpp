#include <cstdio>
#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/number_options.h"
#include "cli/printable_text.h"
#include "cli/results_output.h"
#include "cli/structure_options.h"
#include "document/element_table.h"
#include "model/model_name.h"
#include "platform/format_mask.h"
#include "platform/text_encoding.h"
#include "quant/results_table.h"
#include "session/model_checks.h"
#include "session/open_file.h"
#include "session/save_file.h"
#include "session/simulation.h"

namespace slv::cli {
namespace {

constexpr const char* kIntensityMask = "#######0";

/// A number as the simulation grid holds a typed value (the command line
/// always uses the decimal point).
std::string cellText(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    return buffer;
}

bool layerModel(ModelType modelType)
{
    switch (modelType) {
    case ModelType::Plane:
    case ModelType::Sphere:
    case ModelType::Cylinder:
    case ModelType::Polyhedron:
    case ModelType::Nanotube: return true;
    case ModelType::Homogeneous:
    case ModelType::OxideLayer: break;
    }
    return false;
}

class SimulateCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("simulate", "Simulate the intensities of a layer structure into an "
                                                      "experiment and save the data set");
        m_subcommand->add_option("file", m_file, "Data file (.lvd) or template (.lvt) with a structure model")
            ->required();
        m_subcommand->add_option("--thickness", m_thickness, "Thickness of every layer, comma separated")
            ->delimiter(',')
            ->required()
            ->check(NumberOption(kNonNegativeNumber));
        m_subcommand->add_option("--coverage", m_coverage, "Coverage of the islands, 0..1")
            ->check(NumberOption(kFractionNumber));
        m_subcommand->add_option("--experiment", m_experiment, "Experiment to fill (1-based; default: append one)")
            ->check(CLI::PositiveNumber);
        m_subcommand->add_option("--name", m_name, "Name label of the experiment (default \"Simulated\")");
        m_subcommand->add_option("--save", m_save, "Data file to write")->required();
        AddCurvedModelOption(*m_subcommand, m_curved);
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        CliSession cli(err);
        Session& session = cli.session;
        if (!OpenDocumentFile(session, m_file).ok)
            return kExitUnusableInput;
        const Document& doc = session.doc();
        if (doc.ElemCount == 0) {
            err << "error: the file holds no element rows\n";
            return kExitUnusableInput;
        }
        if (!layerModel(doc.modelType())) {
            err << "error: simulation needs layers on a plane, sphere, cylinder, polyhedron or nanotube; the model is "
                << ModelName(doc) << "\n";
            return kExitUnusableInput;
        }
        if (doc.LayerCount == 0) {
            session.dialogs().show(kModelNotDefinedText, MessageIcon::Critical);
            return kExitUnusableInput;
        }
        if (const int usage = CheckStructureOptions(session, m_thickness, m_coverage, "--thickness", err);
            usage != kExitOk)
            return usage;
        if (const int usage = checkExperiment(doc, err); usage != kExitOk)
            return usage;
        ApplyCurvedModelOption(session, m_curved);
        if (!ModelTablePasses(session))
            return kExitUnusableInput;

        Simulation simulation(session);
        simulation.ChangeExperiment(m_experiment > 0 ? m_experiment : simulation.LastExperiment());
        for (int k = 1; k <= doc.LayerCount; ++k)
            simulation.Grid().SetTextMatrix(k, kSimColThickness, cellText(m_thickness[k - 1]));
        if (m_coverage)
            simulation.Grid().SetTextMatrix(simulation.CoverageRow(), kSimColThickness, cellText(*m_coverage));
        if (!m_name.empty())
            simulation.SetName(Utf8ToAnsi(m_name));
        if (!simulation.Calculate())
            return kExitUnusableInput;
        const int experiment = simulation.Experiment();
        simulation.Close();
        if (!SaveDocument(session, m_save))
            return kExitUnusableInput;

        out << "Experiment " << experiment << " \""
            << PrintableText(AnsiToUtf8(doc.LabelText[experiment][kNameLabelColumn].trimmedText()))
            << "\" simulated with " << ModelName(doc) << "\n";
        const bool showLines = FindMultiLineRows(doc).MultiLineFound;
        std::vector<std::vector<std::string>> rows{{"Element", "Intensity"}};
        for (int e = 1; e <= doc.ElemCount; ++e)
            rows.push_back({AnsiToUtf8(ElementColumnHeader(doc, e, showLines)),
                            FormatNumber(doc.Intensity[experiment][e], kIntensityMask)});
        WriteAlignedTable(out, rows, {true});
        out << "wrote " << m_save << "\n";
        return kExitOk;
    }

private:
    /// The experiment must be one the simulation window offers.
    int checkExperiment(const Document& doc, std::ostream& err) const
    {
        const int last = std::min<int>(doc.ExpCount + 1, kMaxExperiments);
        if (m_experiment > last) {
            err << "error: --experiment " << m_experiment << " is beyond experiment " << last
                << ", the last one that can be filled\n";
            return kExitUsage;
        }
        return kExitOk;
    }

    std::string m_file;
    std::vector<double> m_thickness;
    std::optional<double> m_coverage;
    int m_experiment = 0;
    std::string m_name;
    std::string m_save;
    std::string m_curved;
};

}  // namespace

std::unique_ptr<Command> makeSimulateCommand()
{
    return std::make_unique<SimulateCommand>();
}

}  // namespace slv::cli
