// Code page 949 conversion, files by code-page-949 names (held in UTF-8 on disk), colour
// unpacking and text through a device context over 16-bit memory.
#include <QString>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "testing/Testing.h"
#include "win32/Gdi.h"
#include "win32/Win32.h"
#include "win32/Window.h"

TEST(Cp949Test, KoreanRoundTripsAndWhatCannotBeHeldBecomesAQuestionMark)
{
    const std::string text = "바탕화면의 색이 반드시 16비트이어야 합니다";
    const std::string bytes = testhooks::Cp949(text);
    EXPECT_EQ(bytes.size(), 42u);  // 18 syllables of two bytes, 6 other bytes
    EXPECT_EQ(testhooks::Cp949("가"), "\xB0\xA1");
    EXPECT_EQ(testhooks::Utf8(bytes), text);
    EXPECT_EQ(win32::FromCp949(bytes.c_str(), 4), QString::fromUtf8("바탕"));
    EXPECT_EQ(win32::FromCp949(nullptr), QString());

    EXPECT_EQ(testhooks::Cp949("x😀y가"), "x?y\xB0\xA1");  // one mark per character
    EXPECT_EQ(testhooks::Utf8("a\xFF" "b"), "a?b");        // no such byte
    EXPECT_EQ(testhooks::Utf8("a\xB0"), "a?");             // cut short
}

TEST(FilesTest, KoreanNamesAreWrittenReadRenamedAndDeletedUnderTheirUtf8Names)
{
    char folder[] = "/tmp/vantrel-files-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string dir = std::string(folder) + "/";
    const std::string stage = dir + testhooks::Cp949("스테이지.stg"), temporary = dir + testhooks::Cp949("임시.tmp");
    // What the file of that UTF-8 name holds; "<none>" when there is none.
    auto onDisk = [](const std::string& utf8Name) {
        std::ifstream file(utf8Name, std::ios::binary);
        return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<none>";
    };
    auto write = [](const std::string& cp949Name, const char* text) {
        FILE* file = OpenFileA(cp949Name.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(text, file);
        std::fclose(file);
    };

    write(stage, "old");
    EXPECT_EQ(onDisk(dir + "스테이지.stg"), "old");
    EXPECT_EQ(onDisk(stage), "<none>");  // no file by the code-page-949 bytes
    FILE* file = OpenFileA(stage.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char read[8] = {};
    EXPECT_EQ(std::string(read, std::fread(read, 1, sizeof read, file)), "old");
    std::fclose(file);

    write(temporary, "new");  // takes the old one's place
    EXPECT_TRUE(MoveFileReplaceA(temporary.c_str(), stage.c_str()));
    EXPECT_EQ(onDisk(dir + "스테이지.stg"), "new");
    EXPECT_EQ(onDisk(dir + "임시.tmp"), "<none>");
    EXPECT_FALSE(MoveFileReplaceA(temporary.c_str(), stage.c_str()));

    EXPECT_TRUE(DeleteFileA(stage.c_str()));
    EXPECT_EQ(onDisk(dir + "스테이지.stg"), "<none>");
    EXPECT_FALSE(DeleteFileA(stage.c_str()));
    EXPECT_EQ(OpenFileA(stage.c_str(), "rb"), nullptr);
    EXPECT_FALSE(DeleteFileA(folder));  // a folder is no file
    EXPECT_EQ(OpenFileA(nullptr, "rb"), nullptr);
    EXPECT_FALSE(MoveFileReplaceA(nullptr, stage.c_str()));
    EXPECT_EQ(rmdir(folder), 0);
}

TEST(GdiTest, UnpackingWidensEachComponentAndPackingUndoesIt)
{
    EXPECT_EQ(win32::UnpackColour(0xFFFF, true), RGB(255, 255, 255));
    EXPECT_EQ(win32::UnpackColour(0x7FFF, false), RGB(255, 255, 255));
    for (unsigned p = 0; p <= 0xFFFF; ++p) {
        ASSERT_EQ(win32::PackColour(win32::UnpackColour(p, true), true), p) << p;
        ASSERT_TRUE(p > 0x7FFF || win32::PackColour(win32::UnpackColour(p, false), false) == p) << p;
    }
}

// Transparent text drawn through a fresh context over an 80 x 30 RGB565 surface, inside memory
// of a wider pitch with a guard row below, changes glyph pixels only, none outside the surface.
TEST(GdiTest, TextChangesOnlyGlyphPixelsWithinTheSurface)
{
    const int width = 80, height = 30, pitch = 86;
    const uint16_t guard = 0xA5A5, red = 0xF800, black = 0, green = win32::PackColour(RGB(10, 100, 10), true);
    std::vector<uint16_t> memory(size_t(pitch) * (height + 1), guard);
    for (int y = 0; y < height; ++y)
        std::fill_n(&memory[y * pitch], width, red);
    auto text = [&](int x, int y, const std::string& line, COLORREF colour) {
        HDC dc = win32::CreateMemoryDC(memory.data(), width, height, pitch, true);
        ASSERT_NE(dc, nullptr);
        SetTextColor(dc, colour);
        SetBkMode(dc, TRANSPARENT);
        EXPECT_TRUE(TextOutA(dc, x, y, line.c_str(), int(line.size())));
        win32::DeleteMemoryDC(dc);
    };
    // How many pixels of the rectangle x0..x1, y0..y1 of the memory hold pixel.
    auto count = [&](uint16_t pixel, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += memory[y * pitch + x] == pixel;
        return n;
    };
    text(20, 10, "100", RGB(10, 100, 10));
    text(-6, -5, "1234", RGB(0, 0, 0));  // across every edge, and wholly outside
    text(72, 24, "5678", RGB(0, 0, 0));
    text(100, 100, "9", RGB(0, 0, 0));
    EXPECT_GT(count(green, 0, 0, width, height), 10);
    EXPECT_EQ(count(green, 0, 0, 20, height) + count(green, 0, 0, width, 10), 0);
    EXPECT_TRUE(count(black, 0, 0, 10, 6) > 0 && count(black, 72, 24, width, height) > 0);
    const int drawn = count(green, 0, 0, width, height) + count(black, 0, 0, width, height);
    EXPECT_EQ(drawn + count(red, 0, 0, width, height), width * height);
    // The guard: the pitch's spare columns and the row below.
    EXPECT_EQ(count(guard, width, 0, pitch, height + 1) + count(guard, 0, height, width, height + 1),
              (pitch - width) * (height + 1) + width);
}
