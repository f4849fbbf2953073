#include <ostream>

#include "chart_qt/render_files.h"
#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/picture_options.h"
#include "platform/text_encoding.h"
#include "session/current_charts.h"
#include "session/open_file.h"

namespace slv::cli {
namespace {

class DrawingCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("drawing", "Draw the model layout of a structured sample, with the "
                                                     "thicknesses stored for an experiment, to a PNG or SVG file");
        m_subcommand->add_option("file", m_file, "Data (.lvd), template (.lvt) or exchange (.lvx) file")->required();
        m_picture.attach(*m_subcommand);
        m_subcommand->add_option("--experiment", m_experiment, "Experiment whose results are drawn (default 1)")
            ->check(CLI::PositiveNumber);
        m_subcommand->add_flag("--legend", m_legend, "Add the legend of fills");
        m_subcommand->add_flag("--mono", m_mono, "Black and white instead of colours");
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        CliSession cli(err);
        Session& session = cli.session;
        if (!OpenDocumentFile(session, m_file).ok)
            return kExitUnusableInput;
        const Document& doc = session.doc();
        if (m_experiment > std::max<int>(doc.ExpCount, 1)) {
            err << "error: --experiment " << m_experiment << " is beyond the " << doc.ExpCount
                << " experiments of the file\n";
            return kExitUsage;
        }
        LayoutState state = CurrentLayoutState(session, m_experiment);
        state.legend = m_legend;
        state.colour = !m_mono;
        if (!PrepareRendering(err))
            return kExitUnusableInput;
        std::string error;
        const bool written = WriteLayoutPicture(doc, state, m_picture.path(), m_picture.format(),
                                                QSize(m_picture.width, m_picture.height), error);
        if (written)
            out << AnsiToUtf8(LayoutCaption(doc, state.experiment)) << ": wrote " << m_picture.path() << "\n";
        return FinishPicture(written, error, err);
    }

private:
    std::string m_file;
    PictureOptions m_picture{800, 600};
    int m_experiment = 1;
    bool m_legend = false;
    bool m_mono = false;
};

}  // namespace

std::unique_ptr<Command> makeDrawingCommand()
{
    return std::make_unique<DrawingCommand>();
}

}  // namespace slv::cli
