// Saving a document onto what is at the target: a file replaced whole or,
// when the write fails, left as it was; files the user may not write,
// folders, pipes and links; and the temporary files of saves that were
// killed before their rename.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "document/data_file.h"
#include "document/save_target.h"
#include "support/child_process.h"
#include "support/empty_document.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOldContent = "the analyst's earlier data";

std::string ContentOf(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

/// Everything below folder, links as links: name, kind and content or link target.
std::vector<std::string> SnapshotOf(const fs::path& folder)
{
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const fs::path& path = entry.path();
        std::string line = path.lexically_relative(folder).string();
        if (entry.is_symlink())
            line += " -> " + fs::read_symlink(path).string();
        else if (entry.is_regular_file())
            line += " = " + ContentOf(path);
        else if (entry.is_directory())
            line += "/";
        else
            line += " (special)";
        entries.push_back(line);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

/// A process id that no process has: that of a child that has ended.
pid_t EndedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

class SaveTargetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("slv_save_target_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        t.doc().setTitle("Oxide");
    }
    void TearDown() override
    {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(folder, ignored))
            if (!entry.is_symlink() && entry.is_directory())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder, ignored);
    }

    void write(const fs::path& path, const std::string& text) const { std::ofstream(path, std::ios::binary) << text; }

    /// Saves to path; the one message shown, "" when it saved.
    std::string save(const fs::path& path)
    {
        t.findings = Findings();
        t.doc().DocDirty = true;
        const bool saved = WriteDocumentFile(t.doc(), path.string(), t.findings);
        EXPECT_EQ(saved, t.findings.empty()) << path;
        EXPECT_EQ(t.doc().DocDirty, !saved) << path;
        return t.findings.empty() ? "" : t.findings[0].text;
    }

    std::string savedContent()
    {
        const auto bytes = DataFileBytes(t.doc());
        return {reinterpret_cast<const char*>(bytes->data()), bytes->size()};
    }

    test::Work t;
    fs::path folder;
};

TEST_F(SaveTargetTest, ReplacesTheWholeFileAndKeepsItsPermissions)
{
    const fs::path path = folder / "sample.lvd";
    write(path, std::string(5000, 'o'));  // longer than the new content
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    t.doc().setTitle("Oxide  ");
    EXPECT_EQ(save(path), "");
    EXPECT_EQ(t.doc().ParText[0], "Oxide");  // stored trimmed
    EXPECT_EQ(ContentOf(path), savedContent());
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(SnapshotOf(folder), std::vector<std::string>{"sample.lvd = " + savedContent()});  // no helper file left
}

TEST_F(SaveTargetTest, AFailedWriteLeavesTheOldFileAndTheDocumentDirty)
{
    const fs::path path = folder / "sample.lvd";
    write(path, kOldContent);
    // A file size limit below the new file's size makes the write fail midway.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::string message = save(path);
    ::setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(message.substr(0, 8), "Error 61");
    EXPECT_EQ(t.findings[0].kind, FindingKind::Error);
    EXPECT_EQ(SnapshotOf(folder), std::vector<std::string>{"sample.lvd = " + std::string(kOldContent)});
}

TEST_F(SaveTargetTest, WhatCannotBeReplacedIsRefusedWithTheFileAndTheReason)
{
    const fs::path f = folder;
    fs::create_directories(f / "folder.lvd");
    ASSERT_EQ(::mkfifo((f / "pipe.lvd").c_str(), 0644), 0);
    fs::create_symlink("gone.lvd", f / "dangling.lvd");
    fs::create_symlink("loop_b.lvd", f / "loop_a.lvd");
    fs::create_symlink("loop_a.lvd", f / "loop_b.lvd");
    fs::create_symlink("folder.lvd", f / "to_folder.lvd");
    write(f / "plain", kOldContent);
    struct Case {
        fs::path target;
        std::string message;
    };
    const Case cases[] = {
        {f / "no such folder" / "x.lvd",
         "Path not found or incorrect\r\n" + (f / "no such folder").string() + ": No such file or directory    "},
        {f / "plain" / "x.lvd",
         "Path not found or incorrect\r\n" + (f / "plain" / "x.lvd").string() + ": Not a directory    "},
        {f / "folder.lvd", "Path not found or incorrect\r\n" + (f / "folder.lvd").string() + ": Is a directory    "},
        {f / "pipe.lvd", "Path not found or incorrect\r\n" + (f / "pipe.lvd").string() +
                             ": is a named pipe (FIFO), not a regular file    "},
        {f / "dangling.lvd", "Path not found or incorrect\r\n" + (f / "dangling.lvd").string() +
                                 ": is a symbolic link to a file that does not exist    "},
        {f / "loop_a.lvd",
         "Path not found or incorrect\r\n" + (f / "loop_a.lvd").string() + ": Too many levels of symbolic links    "},
        {f / "to_folder.lvd",
         "Path not found or incorrect\r\n" + fs::canonical(f / "folder.lvd").string() + ": Is a directory    "},
    };
    const std::vector<std::string> before = SnapshotOf(folder);
    for (const Case& c : cases) {
        EXPECT_EQ(save(c.target), c.message);
        EXPECT_EQ(SnapshotOf(folder), before) << c.target;
    }
}

TEST_F(SaveTargetTest, AnOrdinaryUserCannotReplaceWhatTheyMayNotWrite)
{
    const fs::path open = folder / "open";
    const fs::path closed = folder / "closed";
    fs::create_directories(open);
    fs::create_directories(closed);
    write(open / "protected.lvd", kOldContent);
    write(closed / "writable.lvd", kOldContent);
    fs::permissions(open / "protected.lvd", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(closed / "writable.lvd", fs::perms::all);
    fs::permissions(open, fs::perms::all);
    fs::permissions(closed, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    struct Case {
        fs::path target;
        std::string message;
    };
    const Case cases[] = {
        // The folder would allow the rename, the file's permissions do not.
        {open / "protected.lvd",
         "Path not found or incorrect\r\n" + (open / "protected.lvd").string() + ": Permission denied    "},
        {closed / "new.lvd", "Path not found or incorrect\r\n" + closed.string() + ": Permission denied    "},
        // Writable itself, but no new file can take its place in the folder.
        {closed / "writable.lvd", "Path not found or incorrect\r\n" + closed.string() + ": Permission denied    "},
    };
    const std::vector<std::string> before = SnapshotOf(folder);
    for (const Case& c : cases) {
        std::string whyNot;
        const auto message = test::AsOrdinaryUser([&] { return save(c.target); }, whyNot);
        if (!message)
            GTEST_SKIP() << whyNot;
        EXPECT_EQ(*message, c.message);
        EXPECT_EQ(SnapshotOf(folder), before) << c.target;
    }
}

TEST_F(SaveTargetTest, AReadOnlyDiskIsNamedAsTheReason)
{
    const fs::path disk = folder / "disk";
    fs::create_directories(disk);
    std::string whyNot;
    const auto message = test::OnReadOnlyDisk(
        disk, [&] { return save(disk / "new.lvd"); }, whyNot);
    if (!message)
        GTEST_SKIP() << whyNot;
    EXPECT_EQ(*message, "Path not found or incorrect\r\n" + disk.string() + ": Read-only file system    ");
}

TEST_F(SaveTargetTest, ALinkIsWrittenThroughToTheFileItNames)
{
    fs::create_directories(folder / "links");
    fs::create_directories(folder / "store");
    struct Case {
        const char* what;
        fs::path link;
        fs::path file;
    };
    const Case cases[] = {
        {"beside the link", folder / "links" / "near.lvd", folder / "links" / "near_file.lvd"},
        {"in another folder, through a chain of relative links", folder / "links" / "far.lvd",
         folder / "store" / "far_file.lvd"},
    };
    fs::create_symlink("near_file.lvd", cases[0].link);
    fs::create_symlink("far_step.lvd", cases[1].link);
    fs::create_symlink("../store/far_file.lvd", folder / "links" / "far_step.lvd");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.file, kOldContent);
        fs::permissions(c.file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        const std::vector<std::string> linksBefore = SnapshotOf(folder / "links");

        EXPECT_EQ(save(c.link), "");
        EXPECT_EQ(ContentOf(c.file), savedContent());
        EXPECT_EQ(fs::status(c.file).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        // The links stay as they were and no temporary file is left anywhere.
        if (c.file.parent_path() != c.link.parent_path()) {
            EXPECT_EQ(SnapshotOf(folder / "links"), linksBefore);
        }
        EXPECT_TRUE(fs::is_symlink(c.link));
        for (const std::string& entry : SnapshotOf(folder))
            EXPECT_EQ(entry.find(".saving-"), std::string::npos) << entry;
    }
}

TEST_F(SaveTargetTest, TemporaryFilesOfEndedSavesOfTheSameTargetAreRemoved)
{
    const pid_t ended = EndedProcess();
    const fs::path target = folder / "sample.lvd";
    write(target, kOldContent);
    struct Case {
        std::string name;
        bool kept;
    };
    const Case cases[] = {
        {SavingFileName(target, ended, 0), false},
        {SavingFileName(target, ended, 17), false},
        {SavingFileName(target, ::getpid(), 3), true},  // this process still runs
        {SavingFileName(target, 1, 0), true},           // so does the first process
        {SavingFileName(folder / "other.lvd", ended, 0), true},
        {".sample.lvd.saving-" + std::to_string(ended) + "-x", true},
        {".sample.lvd.saving-" + std::to_string(ended), true},
        {"sample.lvd.saving-" + std::to_string(ended) + "-0", true},
    };
    for (const Case& c : cases)
        write(folder / c.name, "left by a save");

    EXPECT_EQ(save(target), "");
    for (const Case& c : cases)
        EXPECT_EQ(fs::exists(folder / c.name), c.kept) << c.name;
    EXPECT_EQ(ContentOf(target), savedContent());
}

}  // namespace
}  // namespace slv
