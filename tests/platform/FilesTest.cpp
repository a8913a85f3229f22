// Files opened, renamed and deleted by code-page-949 names, which the file
// system holds in UTF-8.
#include <fstream>
#include <iterator>
#include <string>

#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "testing/Testing.h"
#include "win32/Win32.h"

namespace {

// What the file of that name (UTF-8) holds; "<none>" when there is none.
std::string OnDisk(const std::string& utf8Name)
{
    std::ifstream file(utf8Name, std::ios::binary);
    if (!file) return "<none>";
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void Write(const std::string& cp949Name, const char* text)
{
    FILE* file = OpenFileA(cp949Name.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs(text, file);
    std::fclose(file);
}

}  // namespace

TEST(FilesTest, KoreanNamesAreWrittenReadRenamedAndDeletedUnderTheirUtf8Names)
{
    char folder[] = "/tmp/vantrel-files-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string dir = std::string(folder) + "/";
    const std::string stage = dir + testhooks::Cp949("스테이지.stg");
    const std::string temporary = dir + testhooks::Cp949("임시.tmp");

    Write(stage, "old");
    EXPECT_EQ(OnDisk(dir + "스테이지.stg"), "old");
    EXPECT_EQ(OnDisk(stage), "<none>");  // no file by the code-page-949 bytes
    FILE* file = OpenFileA(stage.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char read[8] = {};
    EXPECT_EQ(std::fread(read, 1, sizeof read, file), 3u);
    std::fclose(file);
    EXPECT_STREQ(read, "old");

    // The new file takes the old one's place.
    Write(temporary, "new");
    EXPECT_TRUE(MoveFileReplaceA(temporary.c_str(), stage.c_str()));
    EXPECT_EQ(OnDisk(dir + "스테이지.stg"), "new");
    EXPECT_EQ(OnDisk(dir + "임시.tmp"), "<none>");
    EXPECT_FALSE(MoveFileReplaceA(temporary.c_str(), stage.c_str()));

    EXPECT_TRUE(DeleteFileA(stage.c_str()));
    EXPECT_EQ(OnDisk(dir + "스테이지.stg"), "<none>");
    EXPECT_FALSE(DeleteFileA(stage.c_str()));
    EXPECT_EQ(OpenFileA(stage.c_str(), "rb"), nullptr);
    EXPECT_FALSE(DeleteFileA(folder));  // a folder is no file
    EXPECT_EQ(OpenFileA(nullptr, "rb"), nullptr);
    EXPECT_FALSE(MoveFileReplaceA(nullptr, stage.c_str()));
    EXPECT_EQ(rmdir(folder), 0);
}
