#include <ostream>

#include "chart_qt/render_files.h"
#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/picture_options.h"
#include "quant/quantification.h"
#include "quant/results_table.h"
#include "session/current_charts.h"
#include "session/open_file.h"
#include "session/results_view.h"

namespace slv::cli {
namespace {

constexpr int kAxisShift = 4;
constexpr int kAxisBits = 0x0F;
constexpr int kFlagShift = 8;
constexpr int kDepthScaleFlag = 8;

class ChartCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("chart", "Draw the chart window's chart of the results to a PNG or SVG "
                                                   "file: the values over the experiments, or a pie of a single one");
        m_subcommand->add_option("file", m_file, "Data (.lvd), template (.lvt) or exchange (.lvx) file")->required();
        m_picture.attach(*m_subcommand);
        m_subcommand->add_option("--type", m_type, "Result type: 0..7 or its name, e.g. \"Atomic %\"");
        m_subcommand
            ->add_option("--axis", m_axis,
                         "Label of the x axis: 1 sequence number, 2 name, 3 time, "
                         "4 tilt, 5 temperature, 6 treatment, 7 and 8 the user labels")
            ->check(CLI::Range(1, kLabelsPerExperiment));
        m_subcommand->add_flag("--mono", m_mono, "Black and white instead of colours");
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        const std::optional<int> chosenType = ResultTypeOption(m_type, err);
        if (!chosenType)
            return kExitUsage;
        const int type = *chosenType;
        CliSession cli(err);
        Session& session = cli.session;
        const OpenedFile opened = OpenDocumentFile(session, m_file);
        if (!opened.ok)
            return kExitUnusableInput;
        const Document& doc = session.doc();
        if (!HoldsIntensities(doc, "to chart", err))
            return kExitUnusableInput;
        {
            auto edit = session.edit({Change::Parameters, Change::Results});
            applyExampleLayout(edit.doc, opened.exampleLayout);
            if (m_axis > 0)
                edit.doc.AxisIndex = static_cast<Integer>(m_axis);
            edit.res.ResType = type >= 0 ? type : StoredResultType(opened);
        }

        // A structure model charts thicknesses; its composition is only
        // prepared, without attenuation corrections, as the model set-up does.
        ResultsTable results;
        if (doc.modelMode()) {
            Findings findings(session.dialogs());
            PreliminaryComposition(session.edit(Change::Results).quant(findings));
            session.present(findings);
        } else {
            results = ShowResults(session).table;
        }
        ChartPlan plan = CurrentResultsChart(session, results);
        if (plan.type == ChartType::None) {
            err << "error: there is nothing to chart: the chart needs two result columns, and a single experiment "
                   "of a layer model needs two layers\n";
            return kExitUnusableInput;
        }
        // As when the chart is copied or printed: the data set's title heads it.
        plan.title = doc.title();
        plan.colour = !m_mono;
        if (!PrepareRendering(err))
            return kExitUnusableInput;
        std::string error;
        const bool written = WriteChartPicture(plan, m_picture.path(), m_picture.format(),
                                               QSize(m_picture.width, m_picture.height), error);
        if (written)
            out << "wrote " << m_picture.path() << "\n";
        return FinishPicture(written, error, err);
    }

private:
    /// An example file names the label of the chart's x axis and may ask
    /// for the depth scale, as it does when the main window opens it.
    static void applyExampleLayout(Document& doc, int layout)
    {
        const int axis = (layout >> kAxisShift) & kAxisBits;
        if (axis >= 1 && axis <= kLabelsPerExperiment)
            doc.AxisIndex = static_cast<Integer>(axis);
        if (((layout >> kFlagShift) & kDepthScaleFlag) != 0)
            doc.DepthScale = 1;
    }

    std::string m_file;
    PictureOptions m_picture{900, 600};
    std::string m_type;
    int m_axis = 0;
    bool m_mono = false;
};

}  // namespace

std::unique_ptr<Command> makeChartCommand()
{
    return std::make_unique<ChartCommand>();
}

}  // namespace slv::cli
