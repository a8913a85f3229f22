// The file fault point of the test hooks: files opened for writing through
// OpenFileA fail as a full disk does once the armed number of bytes has
// passed, where stdio reports it; renames can be made to fail.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <stdlib.h>

#include <gtest/gtest.h>

#include "testing/Testing.h"
#include "win32/Win32.h"

namespace {

class FileFaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-faults-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override
    {
        testhooks::ResetAll();
        std::filesystem::remove_all(m_folder);
    }

    std::string Path(const char* name) const { return (m_folder / name).string(); }
    std::string OnDisk(const char* name) const
    {
        std::ifstream file(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    std::filesystem::path m_folder;
};

}  // namespace

TEST_F(FileFaultsTest, WritesFailOnceTheArmedBytesHavePassed)
{
    // A write larger than the stream's buffer reaches the file at once; a
    // smaller one waits in the buffer for the flush, or for the close. The
    // call that hands the bytes on reports the failure, once.
    const struct {
        size_t afterBytes;
        size_t written;
        bool flush;
        bool writeOk, flushOk, closeOk;
    } cases[] = {
        {0, 10, true, true, false, true},
        {0, 10, false, true, true, false},
        {100, 101, true, true, false, true},
        {100, 100000, true, false, true, true},
        {200000, 100000, true, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.afterBytes) + " " + std::to_string(c.written) +
                     (c.flush ? " flushed" : ""));
        testhooks::FailFileWrites(c.afterBytes);
        FILE* file = OpenFileA(Path("out").c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string bytes(c.written, 'x');
        errno = 0;
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(), c.writeOk);
        if (c.flush) {
            EXPECT_EQ(std::fflush(file) == 0, c.flushOk);
        }
        EXPECT_EQ(std::fclose(file) == 0, c.closeOk);
        if (!c.writeOk || !c.flushOk || !c.closeOk) {
            EXPECT_EQ(errno, ENOSPC);
        }
        EXPECT_EQ(OnDisk("out"), bytes.substr(0, std::min(c.afterBytes, c.written)));
    }

    // Files read, and files opened once the fault is cleared, are the
    // file system's own.
    FILE* read = OpenFileA(Path("out").c_str(), "rb");
    ASSERT_NE(read, nullptr);
    std::fclose(read);
    testhooks::ClearFileFaults();
    FILE* file = OpenFileA(Path("out").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("whole", file);
    EXPECT_EQ(std::fclose(file), 0);
    EXPECT_EQ(OnDisk("out"), "whole");
}

TEST_F(FileFaultsTest, RenamesFailWhileArmed)
{
    std::ofstream(Path("a")) << "a";
    std::ofstream(Path("b")) << "b";
    testhooks::FailFileRenames();
    EXPECT_FALSE(MoveFileReplaceA(Path("a").c_str(), Path("b").c_str()));
    EXPECT_EQ(OnDisk("b"), "b");
    testhooks::ResetAll();
    EXPECT_TRUE(MoveFileReplaceA(Path("a").c_str(), Path("b").c_str()));
    EXPECT_EQ(OnDisk("b"), "a");
}
