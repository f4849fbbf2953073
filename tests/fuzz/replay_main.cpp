// Runs a fuzz entry point over stored inputs without libFuzzer, so that the
// seed corpus and every input that once crashed a reader are checked by the
// ordinary test run. Arguments are files or folders (every regular file in a
// folder, in name order); a folder that does not exist is skipped, but at
// least one input must be found.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& argument)
{
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_regular_file(argument)) {
        inputs.push_back(argument);
    } else if (std::filesystem::is_directory(argument)) {
        for (const auto& entry : std::filesystem::directory_iterator(argument)) {
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        }
        std::sort(inputs.begin(), inputs.end());
    }
    return inputs;
}

void Replay(const std::filesystem::path& input)
{
    std::ifstream file(input, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& input : InputsOf(argv[i])) {
            std::cout << input.string() << std::endl;  // names the input that brings the reader down
            Replay(input);
            ++replayed;
        }
    }
    std::cout << "replayed " << replayed << " inputs\n";
    if (replayed == 0) {
        std::cerr << "no inputs found\n";
        return 1;
    }
    return 0;
}
