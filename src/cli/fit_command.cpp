#include <cmath>
#include <optional>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/number_options.h"
#include "cli/printable_text.h"
#include "cli/results_output.h"
#include "cli/structure_options.h"
#include "model/model_check.h"
#include "model/model_name.h"
#include "model/oxide_layer.h"
#include "platform/format_mask.h"
#include "platform/text_encoding.h"
#include "session/layer_calculation.h"
#include "session/model_checks.h"
#include "session/open_file.h"
#include "session/save_file.h"

namespace slv::cli {
namespace {

constexpr const char* kOxideThicknessMask = "####0.00;\\ ";
constexpr const char* kThicknessMask = "#0.000";
constexpr const char* kCoverageMask = "#0.000";

nlohmann::ordered_json thicknessOrNull(float value)
{
    return value < 0.0f ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(ShortestDecimal(value));
}

std::string linkName(Integer link)
{
    return link == kLinkFixed ? "Fixed" : link > 0 ? "Layer " + std::to_string(link) : "free";
}

/// The messages of the findings, as terminal text, one paragraph each.
std::string messagesOf(const Findings& findings)
{
    std::string text;
    for (const Finding& finding : findings.all())
        text += (text.empty() ? "" : "\n") + ConsoleText(finding.text);
    return text;
}

nlohmann::ordered_json summaryJson(const FitSummary& summary)
{
    nlohmann::ordered_json fitted = nlohmann::ordered_json::array();
    for (double value : summary.fittedValues)
        fitted.push_back(value);
    return {{"termination", std::string(TerminationMeaning(summary.termination))},
            {"function_evaluations", summary.functionEvaluations},
            {"lmdif_calls", summary.lmdifCalls},
            {"initial_q_sum", summary.initialQSum},
            {"final_q_sum", summary.finalQSum},
            {"ftol", summary.ftol},
            {"xtol", summary.xtol},
            {"fitted_values", fitted}};
}

constexpr const char* kSigmaMask = "#0.0000";
constexpr const char* kCorrelationMask = "0.000";

/// The fitted value's standard deviation, nullopt when the fit gave none.
using Sigma = std::optional<double>;

/// The parameter number of a layer as the fit numbered the free layers, 0 for a fixed or linked one.
int parameterOfLayer(const Document& doc, int layer)
{
    if (doc.LayerLink[layer] != 0)
        return 0;
    int parameter = 0;
    for (int k = 1; k <= layer; ++k)
        parameter += doc.LayerLink[k] == 0 ? 1 : 0;
    return parameter;
}

Sigma sigmaOfLayer(const Session& session, const FitSummary& summary, int layer)
{
    const Document& doc = session.doc();
    // A layer linked to a free one shares its value and its uncertainty.
    const int source = doc.LayerLink[layer] > 0 ? doc.LayerLink[layer] : layer;
    const int parameter = parameterOfLayer(doc, source);
    if (parameter == 0 || static_cast<std::size_t>(parameter) > summary.uncertainties.size())
        return std::nullopt;
    return summary.uncertainties[static_cast<std::size_t>(parameter - 1)];
}

/// The coverage's, when it was fitted: the value after the free layers.
Sigma coverageSigma(const Session& session, const FitSummary& summary)
{
    const Document& doc = session.doc();
    std::size_t freeLayers = 0;
    for (int k = 1; k <= doc.LayerCount; ++k)
        freeLayers += doc.LayerLink[k] == 0 ? 1 : 0;
    return summary.uncertainties.size() == freeLayers + 1 ? Sigma(summary.uncertainties.back()) : std::nullopt;
}

nlohmann::ordered_json sigmaJson(Sigma sigma)
{
    return sigma && std::isfinite(*sigma) ? nlohmann::ordered_json(*sigma) : nlohmann::ordered_json(nullptr);
}

std::string sigmaText(Sigma sigma)
{
    if (!sigma)
        return "-";
    return std::isfinite(*sigma) ? FormatNumber(*sigma, kSigmaMask) : "not determined";
}

nlohmann::ordered_json correlationJson(const FitSummary& summary)
{
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const auto& row : summary.correlation) {
        nlohmann::ordered_json values = nlohmann::ordered_json::array();
        for (double value : row)
            values.push_back(std::isfinite(value) ? nlohmann::ordered_json(value) : nlohmann::ordered_json(nullptr));
        rows.push_back(values);
    }
    return rows;
}

void writeUncertaintyBasis(std::ostream& out, const FitSummary& summary)
{
    out << (summary.uncertaintyFromIntensityError ? "Uncertainty from a stated relative intensity uncertainty of "
                                                  : "Uncertainty from the residuals: relative intensity scatter ")
        << summary.intensityError << " (" << summary.equations << " equations, " << summary.fittedValues.size()
        << " fitted values)\n";
    if (summary.correlation.size() < 2)
        return;
    out << "Correlation:";
    for (const auto& row : summary.correlation) {
        out << "\n ";
        for (double value : row)
            out << " " << (std::isfinite(value) ? FormatNumber(value, kCorrelationMask) : "-");
    }
    out << "\n";
}

class FitCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("fit", "Fit the layer thicknesses (and coverage) of a structure model by "
                                                 "Autofit; for the Oxide-Layer model give the oxide thickness of "
                                                 "every experiment");
        m_subcommand->add_option("file", m_file, "Data file (.lvd) with a structure model")->required();
        m_subcommand
            ->add_option("--experiment", m_experiment,
                         "Experiment to fit (1-based); in angle-resolved mode "
                         "all enter the fit and this one is reported")
            ->check(CLI::PositiveNumber);
        m_subcommand
            ->add_option("--start", m_start,
                         "Start thickness of every layer, comma separated "
                         "(default: the stored results)")
            ->delimiter(',')
            ->check(NumberOption(kPositiveNumber));
        m_subcommand->add_option("--coverage", m_coverage, "Start coverage of the islands, 0..1")
            ->check(NumberOption(kFractionNumber));
        m_subcommand
            ->add_flag("--estimate", m_estimate,
                       "Start from an Estimate (a global search for the least Q "
                       "sum) even when a usable start is stored")
            ->excludes("--start");
        m_subcommand
            ->add_option("--intensity-error", m_intensityError,
                         "Relative uncertainty of a measured intensity, for "
                         "the uncertainties of an exactly determined fit")
            ->check(NumberOption(kFractionNumber));
        m_subcommand->add_option("--save", m_save,
                                 "Write the data set with the accepted results to this file "
                                 "(only after a successful fit)");
        m_subcommand->add_option("--format", m_format, "text or json")->check(CLI::IsMember({"text", "json"}));
        AddCurvedModelOption(*m_subcommand, m_curved);
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        CliSession cli(err);
        Session& session = cli.session;
        if (!OpenDocumentFile(session, m_file).ok)
            return kExitUnusableInput;
        const Document& doc = session.doc();
        if (!HoldsIntensities(doc, "to fit", err))
            return kExitUnusableInput;
        if (!doc.modelMode()) {
            err << "error: the data set describes a homogeneous sample; it has no layers to fit\n";
            return kExitUnusableInput;
        }
        if (m_experiment > doc.ExpCount) {
            err << "error: --experiment " << m_experiment << " is beyond the " << doc.ExpCount << " experiments\n";
            return kExitUsage;
        }
        if (doc.modelType() == ModelType::OxideLayer)
            return runOxideLayer(cli, out, err);
        return runLayerFit(cli, out, err);
    }

private:
    bool json() const { return m_format == "json"; }

    /// The Oxide-Layer model has no fit: its thickness follows in closed form
    /// from every experiment, as the model results window shows it.
    int runOxideLayer(CliSession& cli, std::ostream& out, std::ostream& err)
    {
        Session& session = cli.session;
        if (!m_start.empty() || m_coverage) {
            err << "error: --start and --coverage do not apply to the Oxide-Layer model\n";
            return kExitUsage;
        }
        if (!ModelTablePasses(session))
            return kExitUnusableInput;
        {
            auto edit = session.edit(Change::Results);
            OxideLayerResults(edit.doc, edit.model, edit.res, session.environment().DecSep);
        }
        if (!m_save.empty() && !SaveDocument(session, m_save))
            return kExitUnusableInput;

        const Document& doc = session.doc();
        const QuantResults& res = session.results();
        const std::string unit = doc.UnitText[3].trimmedText();
        if (json()) {
            nlohmann::ordered_json result{
                {"model", ModelName(doc)}, {"unit", unit}, {"experiments", nlohmann::ordered_json::array()}};
            for (int exp = 1; exp <= doc.ExpCount; ++exp)
                result["experiments"].push_back(
                    {{"number", exp}, {"thickness", thicknessOrNull(res.ResultValue[exp][1])}});
            out << result.dump(2) << "\n";
            return kExitOk;
        }
        out << ModelName(doc) << " model: oxide thickness of every experiment\n";
        std::vector<std::vector<std::string>> rows{{"Experiment", "Thickness (" + unit + ")"}};
        for (int exp = 1; exp <= doc.ExpCount; ++exp)
            rows.push_back({std::to_string(exp), FormatNumber(res.ResultValue[exp][1], kOxideThicknessMask)});
        WriteAlignedTable(out, rows, {false});
        return kExitOk;
    }

    int runLayerFit(CliSession& cli, std::ostream& out, std::ostream& err)
    {
        Session& session = cli.session;
        if (const int usage = CheckStructureOptions(session, m_start, m_coverage, "--start", err); usage != kExitOk)
            return usage;
        ApplyCurvedModelOption(session, m_curved);
        {
            // As a click in the model results window: the experiment's stored
            // results become the working values (experiment 1 holds them in
            // angle-resolved mode).
            auto edit = session.edit(Change::Model);
            Document& doc = edit.doc;
            edit.model.ModelExperiment = m_experiment;
            const int slot = doc.ARXPS ? 1 : m_experiment;
            for (int k = 1; k <= doc.LayerCount; ++k)
                doc.LayerThick[k] = std::max(doc.ThickRes[slot][k], 0.0f);
            doc.Coverage = std::max(doc.CoverRes[slot], 0.0f);
        }

        LayerCalculation calculation(session);
        if (!calculation.AutofitEnabled())
            return kExitUnusableInput;
        if (const int usage = checkStartsInModelRange(session, err); usage != kExitOk)
            return usage;
        for (std::size_t k = 0; k < m_start.size(); ++k)
            if (!calculation.SetThickness(static_cast<int>(k) + 1, m_start[k]))
                return kExitUnusableInput;
        if (m_coverage && !calculation.SetCoverage(*m_coverage))
            return kExitUnusableInput;

        // Without a start given, the stored one is used when Autofit would
        // accept it; otherwise, or when asked, the fit starts from an Estimate.
        const bool storedUsable = storedStartUsable(session);
        std::optional<EstimateRun> estimate;
        if (m_estimate || (m_start.empty() && !m_coverage && !storedUsable)) {
            estimate = calculation.Estimate();
            if (!estimate->found) {
                err << "error: no start values could be estimated\n";
                return kExitUnusableInput;
            }
        }
        FitOptions options;
        options.relativeIntensityError = m_intensityError;
        const AutofitRun run = calculation.Autofit(options);
        const bool failed = !run.started || !run.summary.succeeded();
        if (!failed) {
            calculation.Accept();
            if (!m_save.empty() && !SaveDocument(session, m_save))
                return kExitUnusableInput;
        }
        writeFit(out, session, run, estimate);
        return failed ? kExitUnusableInput : kExitOk;
    }

    /// A start at or beyond the largest thickness the fit may reach (a few
    /// IMFPs: no electron of a deeper layer is seen) cannot be fitted from.
    int checkStartsInModelRange(const Session& session, std::ostream& err) const
    {
        const double largest = session.model().MaxThick;
        for (const double start : m_start)
            if (largest > 0.0 && start >= largest) {
                err << "error: --start " << start << " is not below " << largest << " "
                    << PrintableText(session.doc().UnitText[3].trimmedText())
                    << ", the thickest layer the model can tell apart\n";
                return kExitUsage;
            }
        return kExitOk;
    }

    /// Stored thicknesses that Autofit would start from: not all zero, Q sum below its limit.
    static bool storedStartUsable(const Session& session)
    {
        const Document& doc = session.doc();
        double sum = 0.0;
        for (int k = 1; k <= doc.LayerCount; ++k)
            sum += doc.LayerThick[k];
        return sum > 0.0 && session.model().History.QSum[0] < kAutofitQSumLimit;
    }

    void writeFit(std::ostream& out, const Session& session, const AutofitRun& run,
                  const std::optional<EstimateRun>& estimate) const
    {
        const FitSummary& summary = run.summary;
        const bool haveSigma = run.started && !summary.uncertainties.empty();
        const Document& doc = session.doc();
        const std::string unit = doc.UnitText[3].trimmedText();
        const bool islands = doc.IslandMode == 1;
        const double qSum = session.model().History.QSum[0];
        const std::string message = messagesOf(run.findings);
        if (json()) {
            nlohmann::ordered_json result{{"experiment", m_experiment}, {"model", ModelName(doc)}, {"unit", unit}};
            result["layers"] = nlohmann::ordered_json::array();
            for (int k = 1; k <= doc.LayerCount; ++k)
                result["layers"].push_back({{"name", AnsiToUtf8(doc.LayerName[k].trimmedText())},
                                            {"thickness", ShortestDecimal(static_cast<float>(doc.LayerThick[k]))},
                                            {"uncertainty", sigmaJson(sigmaOfLayer(session, summary, k))}});
            result["coverage"] = islands ? nlohmann::ordered_json(ShortestDecimal(static_cast<float>(doc.Coverage)))
                                         : nlohmann::ordered_json(nullptr);
            result["coverage_uncertainty"] = sigmaJson(coverageSigma(session, summary));
            result["correlation"] = correlationJson(summary);
            result["uncertainty_from"] = !haveSigma                              ? nlohmann::ordered_json(nullptr)
                                         : summary.uncertaintyFromIntensityError ? "intensity error"
                                                                                 : "residuals";
            result["intensity_error"] =
                haveSigma ? nlohmann::ordered_json(summary.intensityError) : nlohmann::ordered_json(nullptr);
            result["start"] = estimate ? "estimated" : m_start.empty() ? "stored" : "given";
            result["q_sum"] = qSum;
            result["info"] =
                run.started ? nlohmann::ordered_json(run.summary.lmdifInfo) : nlohmann::ordered_json(nullptr);
            result["message"] = message;
            result["summary"] = run.started ? summaryJson(run.summary) : nlohmann::ordered_json(nullptr);
            out << result.dump(2) << "\n";
            return;
        }
        out << ModelName(doc) << ", experiment " << m_experiment << (doc.ARXPS ? " (all angles fitted)" : "") << "\n";
        if (estimate)
            out << "Start estimated by a global search: Q sum " << estimate->qSum << " after " << estimate->evaluations
                << " model evaluations\n";
        std::vector<std::vector<std::string>> rows{
            {"Layer", "Name", "Link to", "Thickness (" + unit + ")", "+/- 1 sigma"}};
        for (int k = 1; k <= doc.LayerCount; ++k)
            rows.push_back({std::to_string(k), AnsiToUtf8(doc.LayerName[k].trimmedText()), linkName(doc.LayerLink[k]),
                            FormatNumber(doc.LayerThick[k], kThicknessMask),
                            sigmaText(sigmaOfLayer(session, summary, k))});
        WriteAlignedTable(out, rows, {false, true, true});
        if (islands)
            out << "Coverage: " << FormatNumber(doc.Coverage, kCoverageMask) << " +/- "
                << sigmaText(coverageSigma(session, summary)) << "\n";
        if (haveSigma)
            writeUncertaintyBasis(out, summary);
        out << "Q sum: " << qSum << "\n";
        out << "Info: " << (run.started ? std::to_string(run.summary.lmdifInfo) : "Autofit did not start") << "\n";
        if (!message.empty())
            out << "Message: " << message << "\n";
    }

    std::string m_file;
    bool m_estimate = false;
    double m_intensityError = kDefaultIntensityError;
    int m_experiment = 1;
    std::vector<double> m_start;
    std::optional<double> m_coverage;
    std::string m_save;
    std::string m_curved;
    std::string m_format = "text";
};

}  // namespace

std::unique_ptr<Command> makeFitCommand()
{
    return std::make_unique<FitCommand>();
}

}  // namespace slv::cli
