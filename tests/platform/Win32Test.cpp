// Code page 949 conversion, files by code-page-949 names (which the file
// system holds in UTF-8), colour unpacking and text through a device context
// over 16-bit memory.
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
    EXPECT_EQ(std::fread(read, 1, sizeof read, file), 3u);
    std::fclose(file);
    EXPECT_STREQ(read, "old");

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

// (Packing is the display tests' business: their colour probe draws through
// a device context.)
TEST(GdiTest, UnpackingWidensEachComponentAndPackingUndoesIt)
{
    EXPECT_EQ(win32::UnpackColour(0xFFFF, true), RGB(255, 255, 255));
    EXPECT_EQ(win32::UnpackColour(0x7FFF, false), RGB(255, 255, 255));
    for (unsigned p = 0; p <= 0xFFFF; ++p) {
        ASSERT_EQ(win32::PackColour(win32::UnpackColour(p, true), true), p) << p;
        ASSERT_TRUE(p > 0x7FFF || win32::PackColour(win32::UnpackColour(p, false), false) == p) << p;
    }
}

// Transparent text drawn with a fresh context over a width x height RGB565
// surface inside memory of a wider pitch and with a guard row below changes
// glyph pixels only, and nothing outside the surface.
TEST(GdiTest, TextChangesOnlyGlyphPixelsWithinTheSurface)
{
    const uint16_t guard = 0xA5A5, red = 0xF800, green = win32::PackColour(RGB(10, 100, 10), true);
    struct Surface {
        int width, height, pitch = width + 6;
        std::vector<uint16_t> memory = std::vector<uint16_t>(size_t(pitch) * (height + 1), 0xA5A5);
        uint16_t& at(int x, int y) { return memory[y * pitch + x]; }
        void Text(int x, int y, const std::string& text, COLORREF colour)
        {
            HDC dc = win32::CreateMemoryDC(memory.data(), width, height, pitch, true);
            ASSERT_NE(dc, nullptr);
            SetTextColor(dc, colour);
            SetBkMode(dc, TRANSPARENT);
            EXPECT_TRUE(TextOutA(dc, x, y, text.c_str(), int(text.size())));
            win32::DeleteMemoryDC(dc);
        }
        // How many pixels of the rectangle x0..x1, y0..y1 hold pixel.
        int Count(uint16_t pixel, int x0, int y0, int x1, int y1)
        {
            int count = 0;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) count += at(x, y) == pixel;
            return count;
        }
    };
    Surface s{80, 30};
    for (int y = 0; y < 30; ++y) std::fill_n(&s.at(0, y), 80, red);
    s.Text(2, 3, "100", RGB(10, 100, 10));
    EXPECT_GT(s.Count(green, 0, 0, 80, 30), 10);
    EXPECT_EQ(s.Count(green, 0, 0, 80, 30) + s.Count(red, 0, 0, 80, 30), 80 * 30);
    EXPECT_EQ(s.Count(green, 0, 0, 2, 30) + s.Count(green, 0, 0, 80, 3), 0);

    // Across every edge, and wholly outside.
    Surface edges{30, 12};
    for (int y = 0; y < 12; ++y) std::fill_n(&edges.at(0, y), 30, 0xFFFF);
    edges.Text(-6, -5, "1234", RGB(0, 0, 0));
    edges.Text(22, 6, "5678", RGB(0, 0, 0));
    edges.Text(100, 100, "9", RGB(0, 0, 0));
    EXPECT_GT(edges.Count(0, 0, 0, 10, 6), 0);
    EXPECT_GT(edges.Count(0, 22, 6, 30, 12), 0);
    // The guard: the pitch's spare columns and the row below.
    EXPECT_EQ(edges.Count(guard, 30, 0, edges.pitch, 13) + edges.Count(guard, 0, 12, 30, 13), 6 * 13 + 30);
}
