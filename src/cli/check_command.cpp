#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "core/open_file.h"
#include "model/model_check.h"
#include "model/model_table.h"

namespace slv::cli {
namespace {

constexpr const char* kFindingsText = "findings reported\n";
constexpr const char* kWarningsOnlyText = "only warnings reported\n";
constexpr const char* kNoFindingsText = "no findings\n";

class CheckCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("check", "Validate the element table (and the model) of a data set");
        m_subcommand->add_option("file", m_file, "Data (.lvd), template (.lvt) or exchange (.lvx) file")->required();
    }

    int run(std::ostream& out, std::ostream&) override
    {
        // The findings are this command's output.
        CliSession cli(out);
        Session& session = cli.session;
        // Opening validates the element table, as File Open does; its findings
        // are shown like every message of the program.
        if (!OpenDocumentFile(session, m_file).ok)
            return kExitUnusableInput;
        const bool elementFindings = !cli.dialogs.shown().empty();
        int modelErrors = 0;
        if (session.doc.ParIndex[0] != kHomogeneous) {
            // The checks every use of a model runs, on the record as the model window hands it back.
            PassModelThroughGrid(session);
            const ModelFindings model = RunModelChecks(session);
            ShowModelErrors(session, model.errors, model.message, MessageButtons::Ok);
            modelErrors = model.errors;
        }
        if (elementFindings || !ModelUsable(modelErrors)) {
            out << kFindingsText;
            return kExitUnusableInput;
        }
        out << (modelErrors != 0 ? kWarningsOnlyText : kNoFindingsText);
        return kExitOk;
    }

private:
    std::string m_file;
};

}  // namespace

std::unique_ptr<Command> makeCheckCommand() { return std::make_unique<CheckCommand>(); }

}  // namespace slv::cli
