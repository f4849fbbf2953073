// Files a reader must refuse at once instead of reading them: a named pipe
// without a writer (whose open or read would wait for ever), a device and a
// folder, each made under a given name in a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

namespace slv::test {

struct NonRegularFile {
    const char* kind;
    std::filesystem::path path;
    /// What the second line of the error message says after "PATH: ".
    const char* reason;
};

/// A named pipe, a device (a link to /dev/null) and a folder, each called
/// name, in subfolders "pipe", "device" and "folder" of folder.
inline std::vector<NonRegularFile> MakeNonRegularFiles(const std::filesystem::path& folder, const std::string& name)
{
    namespace fs = std::filesystem;
    const std::vector<NonRegularFile> files = {
        {"named pipe", folder / "pipe" / name, "is a named pipe (FIFO), not a regular file"},
        {"device", folder / "device" / name, "is a device, not a regular file"},
        {"folder", folder / "folder" / name, "Is a directory"},
    };
    for (const NonRegularFile& file : files)
        fs::create_directories(file.path.parent_path());
    EXPECT_EQ(::mkfifo(files[0].path.c_str(), 0644), 0) << files[0].path;
    fs::create_symlink("/dev/null", files[1].path);
    fs::create_directories(files[2].path);
    return files;
}

/// Runs read, which must not wait on pipe. When it has not returned after a
/// few seconds the test fails, and a writer opened and closed on the pipe
/// lets the read end.
template<class Read>
auto WithoutWaitingOn(const std::filesystem::path& pipe, Read read)
{
    constexpr auto kPatience = std::chrono::seconds(10);
    auto done = std::async(std::launch::async, read);
    if (done.wait_for(kPatience) == std::future_status::timeout) {
        ADD_FAILURE() << "the reader waits on " << pipe;
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0)
            ::close(writer);
    }
    return done.get();
}

}  // namespace slv::test
