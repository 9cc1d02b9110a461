// The safe writer: a target is replaced only by a complete file, failures say why and leave
// neither a changed target nor a temporary file behind. Tests run as root, so every failure is
// one that permission bits cannot fake: a folder that is a file, a target that is a folder, and
// a file-size limit standing in for a full disk.
#include "base/SafeFileWriter.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace {

using testsupport::ReadAll;
using testsupport::ScratchFolder;
using testsupport::WriteAll;

bool WriteWhole(const std::string& path, const std::string& bytes, std::string* error = nullptr) {
    SafeFileWriter out(path);
    out.Open();
    out.Write(bytes);
    const bool ok = out.Commit();
    if (error != nullptr) {
        *error = out.Error();
    }
    return ok;
}

TEST(SafeFileWriter, ReplacesTheTargetAndKeepsItsMode) {
    ScratchFolder folder;
    const std::string target = folder.File("out.stl");
    EXPECT_TRUE(WriteWhole(target, "first"));
    EXPECT_EQ(ReadAll(target), "first");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);

    std::string text(3 << 20, 'x'); // several megabytes: more than one write call may take
    text.back() = 'y';
    EXPECT_TRUE(WriteWhole(target, text));
    EXPECT_EQ(ReadAll(target), text);
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.Names(), std::set<std::string>{"out.stl"});
}

TEST(SafeFileWriter, FailuresLeaveTheTargetAndNoTemporary) {
    ScratchFolder folder;
    const std::string existing = folder.File("existing.itx");
    WriteAll(existing, "the user's earlier export");
    const std::string plainFile = folder.File("plain");
    WriteAll(plainFile, "not a folder");
    const std::string targetFolder = folder.File("folder.stl");
    std::filesystem::create_directory(targetFolder);
    WriteAll(targetFolder + "/inside", "kept");

    struct Case {
        const char* what;
        std::string target;
        const char* reason; // the start of the reason given
    };
    const Case cases[] = {
        {"folder that is a file", plainFile + "/out.itx", "Not a directory"},
        {"target that is a folder", targetFolder, "Is a directory"},
        {"empty path", "", "no file name"},
        {"path ending in a separator", folder.File("sub/"), "no file name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string error;
        EXPECT_FALSE(WriteWhole(c.target, "new bytes", &error));
        EXPECT_EQ(error.rfind(c.reason, 0), 0u) << error;
    }
    EXPECT_EQ(ReadAll(plainFile), "not a folder");
    EXPECT_EQ(ReadAll(targetFolder + "/inside"), "kept");

    // A full disk: the limit stops the temporary part-way.
    const testsupport::LimitedWrite full = testsupport::WriteUnderFileSizeLimit(
        4096, [&](std::string& error) { return WriteWhole(existing, std::string(100000, 'n'), &error); });
    ASSERT_TRUE(full.finished);
    EXPECT_FALSE(full.result);
    EXPECT_EQ(full.error, "File too large");
    EXPECT_EQ(ReadAll(existing), "the user's earlier export");
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"existing.itx", "folder.stl", "plain"}));
}

TEST(SafeFileWriter, UncommittedWritesAreDiscarded) {
    ScratchFolder folder;
    const std::string target = folder.File("out.wrl");
    WriteAll(target, "old");
    {
        SafeFileWriter out(target);
        ASSERT_TRUE(out.Open());
        EXPECT_TRUE(out.Write(std::string("new")));
        EXPECT_EQ(folder.Names().size(), 2u); // the target and the temporary beside it
    }
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"out.wrl"});

    SafeFileWriter unopened(target);
    EXPECT_FALSE(unopened.Write(std::string("x")));
    EXPECT_FALSE(unopened.Commit());
}

TEST(SafeFileWriter, LinksAndPipesAreNotReplaced) {
    ScratchFolder folder;
    const std::string real = folder.File("real.stl");
    const std::string link = folder.File("link.stl");
    WriteAll(real, "old");
    std::filesystem::create_symlink(real, link);
    EXPECT_TRUE(WriteWhole(link, "through the link"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadAll(real), "through the link");

    // A script may export to a pipe: it is written, not swapped for a regular file.
    const std::string fifo = folder.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(WriteWhole(fifo, "piped"));
    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 5);
    ::close(reader);
    EXPECT_EQ(std::string(buffer), "piped");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"link.stl", "pipe", "real.stl"}));
}

} // namespace
