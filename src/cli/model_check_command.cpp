// selvaro-cli model-check: the model summary of a data set, as the model
// test shows it after the model window handed the record back: the model
// type, the counts of free parameters and necessary elements, the findings
// of both validation stages and the verdict. Exit 0 when the model may be
// used, 1 when not.
#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/console_dialogs.h"
#include "cli/results_output.h"
#include "session/model_checks.h"

namespace slv::cli {
namespace {

constexpr const char* kNoStructureModelText =
    "error: the data set describes a homogeneous sample; it has no structure model to check\n";
constexpr const char* kErrorsHeading = "Errors:";
constexpr const char* kStatusCaption = "Status: ";

const char* statusWord(ModelTestStatus status)
{
    switch (status) {
    case ModelTestStatus::Clean: return "clean";
    case ModelTestStatus::Doubtful: return "doubtful";
    case ModelTestStatus::Wrong: return "wrong";
    }
    return "wrong";
}

class ModelCheckCommand final : public FileCommand {
public:
    ModelCheckCommand() : FileCommand("model-check", "Summarise and check the structure model of a data set") {}

private:
    int runOpened(CliSession& cli, const OpenedFile&, std::ostream& out, std::ostream& err) override
    {
        Session& session = cli.session;
        if (!session.doc().modelMode()) {
            err << kNoStructureModelText;
            return kExitUnusableInput;
        }
        const ModelSummary summary = TestSessionModel(session);

        std::vector<std::vector<std::string>> rows;
        for (const auto& [caption, value] : SummaryRows(summary))
            rows.push_back({caption + ":", value});
        WriteAlignedTable(out, rows, {true, true});
        out << "\n" << kErrorsHeading << "\n" << ConsoleText(summary.errorList) << "\n";
        out << "\n" << kStatusCaption << statusWord(summary.status) << " (" << trimmed(summary.statusTip) << ")\n";
        return summary.status == ModelTestStatus::Clean ? kExitOk : kExitUnusableInput;
    }
};

}  // namespace

std::unique_ptr<Command> makeModelCheckCommand()
{
    return std::make_unique<ModelCheckCommand>();
}

}  // namespace slv::cli
