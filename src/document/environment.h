// Where the program runs: the locale's decimal separator, with which grid
// texts are read and numbers shown, and the program folder that holds the
// element library, the help and the example data.
#pragma once

#include <filesystem>

namespace slv {

struct Environment {
    char DecSep = '.';
    std::filesystem::path programFolder;
};

}  // namespace slv
