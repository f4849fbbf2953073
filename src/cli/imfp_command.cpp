#include <ostream>

#include "cli/commands.h"

namespace slv::cli {
namespace {

class ImfpCommand final : public Command {
public:
    void attach(CLI::App& app) override
    {
        m_subcommand = app.add_subcommand("imfp", "Inelastic mean free paths of a material");
    }
    int run(std::ostream&, std::ostream& err) override
    {
        err << "error: not available yet\n";
        return 1;
    }
};

}  // namespace

std::unique_ptr<Command> makeImfpCommand() { return std::make_unique<ImfpCommand>(); }

}  // namespace slv::cli
