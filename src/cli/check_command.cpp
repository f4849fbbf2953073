#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "session/model_checks.h"
#include "session/open_file.h"

namespace slv::cli {
namespace {

constexpr const char* kFindingsText = "findings reported\n";
constexpr const char* kWarningsOnlyText = "only warnings reported\n";
constexpr const char* kNoFindingsText = "no findings\n";

class CheckCommand final : public FileCommand {
public:
    // The findings are this command's output.
    CheckCommand() : FileCommand("check", "Validate the element table (and the model) of a data set", true) {}

private:
    int runOpened(CliSession& cli, const OpenedFile& opened, std::ostream& out, std::ostream&) override
    {
        Session& session = cli.session;
        // Opening validated the element table, as File Open does, and an
        // exchange file's import told its error lines; those findings were
        // shown like every message of the program.
        const bool openFindings = !opened.findings.empty();
        int modelErrors = 0;
        if (session.doc().modelMode()) {
            // The checks every use of a model runs, on the record as the model window hands it back.
            PassModelThroughGrid(session);
            modelErrors = ValidateModel(session).errors;
        }
        if (openFindings || !ModelUsable(modelErrors)) {
            out << kFindingsText;
            return kExitUnusableInput;
        }
        out << (modelErrors != 0 ? kWarningsOnlyText : kNoFindingsText);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> makeCheckCommand()
{
    return std::make_unique<CheckCommand>();
}

}  // namespace slv::cli
