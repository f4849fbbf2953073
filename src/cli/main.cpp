#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/cli_app.h"
#include "cli/descriptor_output.h"
#include "cli/error_watch.h"

int main(int argc, char** argv)
{
    slv::cli::DescriptorOutput standardOutput(STDOUT_FILENO);
    std::ostream out(&standardOutput);
    int exitCode = slv::cli::kExitUnusableInput;
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        exitCode = slv::cli::runCli(args, out, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << slv::cli::kErrorPrefix << " " << e.what() << "\n";
    }
    out.flush();
    if (standardOutput.failure() != 0) {
        std::cerr << slv::cli::kErrorPrefix
                  << " the output could not be written: " << std::strerror(standardOutput.failure()) << "\n";
        return slv::cli::HonestExitCode(exitCode, true);
    }
    return exitCode;
}
