#include <filesystem>
#include <ostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "session/open_file.h"
#include "session/save_file.h"

namespace slv::cli {
namespace {

class ConvertCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand =
            app.add_subcommand("convert", "Write any readable file as a data file (.lvd) or template (.lvt)");
        m_subcommand->add_option("in", m_in, "Data, template or exchange file")->required();
        m_subcommand->add_option("out", m_out, "Output file; its extension .lvd or .lvt chooses the kind")->required();
    }

    int run(std::ostream& out, std::ostream& err) override
    {
        const std::string extension = std::filesystem::path(m_out).extension().string();
        if (extension != ".lvd" && extension != ".lvt") {
            err << "error: the output file must end in .lvd (data file) or .lvt (template)\n";
            return kExitUsage;
        }
        CliSession cli(err);
        Session& session = cli.session;
        if (!OpenDocumentFile(session, m_in).ok)
            return kExitUnusableInput;
        session.edit({}).doc.IsTemplate = extension == ".lvt";
        if (!SaveDocument(session, m_out))
            return kExitUnusableInput;
        out << "wrote " << m_out << "\n";
        return kExitOk;
    }

private:
    std::string m_in;
    std::string m_out;
};

}  // namespace

std::unique_ptr<Command> makeConvertCommand()
{
    return std::make_unique<ConvertCommand>();
}

}  // namespace slv::cli
