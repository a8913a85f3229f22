// The stage tables: transcription checks (counts, uniqueness, the fixed
// relations between tables) and the lookups' edge cases. Korean texts are
// compared in UTF-8.
#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "StageTables.h"
#include "testing/Testing.h"

using namespace StageTables;
using testhooks::Cp949;
using testhooks::Utf8;

namespace {

const Table kAllTables[] = {
    TABLE_CHARACTER_TYPE, TABLE_APPEARANCE,  TABLE_EVENT_COMMAND, TABLE_EVENT_COMMAND_LIST,
    TABLE_BACKGROUND,     TABLE_BACKGROUND_NEAR_FILE, TABLE_BGM, TABLE_BGM_FILE,
    TABLE_TACTIC,         TABLE_FACING,      TABLE_CLEAR_CONDITION, TABLE_ILLUSTRATION,
    TABLE_ILLUSTRATION_FILE,
};

std::string Name(Table table, int index)
{
    const char* text = RowName(table, index);
    return text ? Utf8(text) : std::string("<none>");
}

int Find(Table table, const std::string& utf8, int first, int last)
{
    return FindRow(table, Cp949(utf8).c_str(), first, last);
}

}  // namespace

TEST(StageTables, RowCountsAndIndexBounds)
{
    const int counts[] = {27, 26, 22, 11, 13, 13, 7, 7, 6, 2, 3, 33, 33};
    // A byte from a stage file may name no row: no text, never a read past the table.
    for (Table table : kAllTables) {
        EXPECT_EQ(RowCount(table), counts[table]) << table;
        EXPECT_EQ(RowName(table, -1), nullptr) << table;
        EXPECT_EQ(RowName(table, RowCount(table)), nullptr) << table;
        EXPECT_EQ(RowName(table, 255), nullptr) << table;
    }
    EXPECT_EQ(Background(-1), nullptr);
    EXPECT_EQ(Background(13), nullptr);
    ASSERT_NE(Background(12), nullptr);
}

TEST(StageTables, EveryTextIsUniqueInItsTable)
{
    // A lookup by text finds the first equal row, so a repeated text would
    // make a later row unreachable.
    for (Table table : kAllTables) {
        std::set<std::string> seen;
        for (int i = 0; i < RowCount(table); ++i) {
            const char* text = RowName(table, i);
            if (table == TABLE_APPEARANCE && i == 9) {
                EXPECT_EQ(text, nullptr);
                continue;
            }
            ASSERT_NE(text, nullptr) << table << " row " << i;
            EXPECT_GT(std::strlen(text), 0u) << table << " row " << i;
            EXPECT_TRUE(seen.insert(text).second) << table << " repeats row " << i << " " << Utf8(text);
            EXPECT_EQ(FindRow(table, text, 0, RowCount(table) - 1), i) << table << " row " << i;
        }
    }
}

TEST(StageTables, KoreanTextsAreCodePage949)
{
    // Two bytes per Hangul syllable: the literals were turned into CP949.
    EXPECT_EQ(std::strlen(RowName(TABLE_CHARACTER_TYPE, 9)), 4u);
    EXPECT_EQ(std::memcmp(RowName(TABLE_CHARACTER_TYPE, 9), "\xC0\xFC\xBA\xCE", 5), 0);  // 전부

    EXPECT_EQ(Name(TABLE_CHARACTER_TYPE, 9), "전부");
    EXPECT_EQ(Name(TABLE_CHARACTER_TYPE, 26), "없음");
    EXPECT_EQ(Name(TABLE_EVENT_COMMAND, 3), "모션과프레임");
    EXPECT_EQ(Name(TABLE_EVENT_COMMAND, 6), "BGM 시작");
    EXPECT_EQ(Name(TABLE_EVENT_COMMAND_LIST, 4), "BGM 재생");
    EXPECT_EQ(Name(TABLE_TACTIC, 5), "잠복공격");
    EXPECT_EQ(Name(TABLE_FACING, 1), "오른쪽");
    EXPECT_EQ(Name(TABLE_CLEAR_CONDITION, 1), "특정캐릭터");
}

TEST(StageTables, CharacterTypeSearchRanges)
{
    // "전부" is row 9 among the characters; "없음" only exists as row 26.
    EXPECT_EQ(Find(TABLE_CHARACTER_TYPE, "전부", 0, 25), 9);
    EXPECT_EQ(Find(TABLE_CHARACTER_TYPE, "없음", 0, 25), -1);
    EXPECT_EQ(Find(TABLE_CHARACTER_TYPE, "없음", 0, 26), 26);

    // Whole string, case-sensitive.
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, "Vell1", 0, 26), 24);
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, "Vell", 0, 26), -1);
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, "torvane", 0, 26), -1);
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, "", 0, 26), -1);
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, nullptr, 0, 26), -1);

    // The range is honoured and clipped to the table.
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, "Torvane", 1, 26), -1);
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, "Tarsek", 8, 8), 8);
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, "Tarsek", 9, 3), -1);
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, "Torvane", -5, 100), 0);
    EXPECT_EQ(Find(TABLE_CHARACTER_TYPE, "없음", 0, 1000), 26);
}

TEST(StageTables, AppearanceNamesDifferInExactlySevenRows)
{
    const struct {
        int type;
        const char* appearance;
        const char* character;
    } expected[] = {
        {11, "Hobbrin", "Rukkan"},     {12, "Trennick", "Dossel"}, {14, "Falmir", "Lenket"},
        {15, "Ottaline", "Wynnol"},    {22, "Ilvessa", "Kestrune"}, {24, "Vellmark1", "Vell1"},
        {25, "Vellmark2", "Vell2"},
    };
    size_t next = 0;
    for (int type = 0; type < PLAYABLE_TYPE_COUNT; ++type) {
        if (type == 9)
            continue;
        const std::string appearance = Name(TABLE_APPEARANCE, type);
        const std::string character = Name(TABLE_CHARACTER_TYPE, type);
        if (appearance == character)
            continue;
        ASSERT_LT(next, std::size(expected)) << "unexpected difference at type " << type;
        EXPECT_EQ(type, expected[next].type);
        EXPECT_EQ(appearance, expected[next].appearance);
        EXPECT_EQ(character, expected[next].character);
        ++next;
    }
    EXPECT_EQ(next, std::size(expected));

    EXPECT_EQ(RowName(TABLE_APPEARANCE, 9), nullptr);
    EXPECT_EQ(RowName(TABLE_APPEARANCE, 26), nullptr);
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, RowName(TABLE_APPEARANCE, 11), 0, 26), -1);
}

TEST(StageTables, SelectionBoxes)
{
    int sum = 0;
    int previousId = 1023;
    for (const SelectionBox& box : g_selectionBoxes) {
        EXPECT_EQ(box.id, previousId + 1) << "ids run 1024..1048 in type order";
        previousId = box.id;
        EXPECT_NE(box.type, 9);
        EXPECT_EQ(box.id, box.type < 9 ? 1024 + box.type : 1023 + box.type);
        EXPECT_EQ(SelectionBoxOfType(box.type), &box);
        EXPECT_GE(box.ratio, 10);
        EXPECT_LE(box.ratio, 61);
        sum += box.ratio;

        // The caption is the appearance name (with a blank before the digit
        // for types 24 and 25) and the ratio as "( 0.NN )".
        std::string name = RowName(TABLE_APPEARANCE, box.type);
        if (box.type >= 24)
            name.insert(name.size() - 1, " ");
        char caption[64];
        std::snprintf(caption, sizeof caption, "%s ( %d.%02d )", name.c_str(), box.ratio / 100, box.ratio % 100);
        EXPECT_STREQ(box.caption, caption) << box.id;
    }
    EXPECT_EQ(previousId, 1048);
    EXPECT_EQ(sum, 756);  // total of the 25 ratios; catches a mistyped ratio
    EXPECT_STREQ(SelectionBoxOfType(24)->caption, "Vellmark 1 ( 0.37 )");
    EXPECT_EQ(SelectionBoxOfType(9), nullptr);
    EXPECT_EQ(SelectionBoxOfType(26), nullptr);
    EXPECT_EQ(SelectionBoxOfType(-1), nullptr);
    EXPECT_EQ(SelectionBoxOfType(SLOT_EMPTY), nullptr);
}

TEST(StageTables, EventCommandListAndFileCommands)
{
    // Each dialog entry reads as its file command's text, except "BGM 재생".
    int previous = -1;
    for (int i = 0; i < EVENT_COMMAND_LIST_COUNT; ++i) {
        const int command = FileCommandOfListIndex(i);
        EXPECT_GT(command, previous) << i;
        previous = command;
        EXPECT_EQ(ListIndexOfFileCommand(command), i);
        if (i != 4) {
            EXPECT_EQ(Name(TABLE_EVENT_COMMAND_LIST, i), Name(TABLE_EVENT_COMMAND, command)) << i;
        }
    }
    EXPECT_EQ(FileCommandOfListIndex(4), 6);
    EXPECT_EQ(Name(TABLE_EVENT_COMMAND, FileCommandOfListIndex(4)), "BGM 시작");

    // "BGM 재생" is the dialog's text only: the event list never holds it.
    EXPECT_EQ(Find(TABLE_EVENT_COMMAND, "BGM 재생", 0, 21), -1);
    EXPECT_EQ(Find(TABLE_EVENT_COMMAND, "BGM 시작", 0, 21), 6);

    // File commands the dialog does not offer have no dialog entry.
    int offered = 0;
    for (int command = 0; command < EVENT_COMMAND_COUNT; ++command)
        offered += ListIndexOfFileCommand(command) >= 0;
    EXPECT_EQ(offered, 11);
    EXPECT_EQ(ListIndexOfFileCommand(3), -1);
    EXPECT_EQ(ListIndexOfFileCommand(22), -1);
    EXPECT_EQ(ListIndexOfFileCommand(-1), -1);
    EXPECT_EQ(FileCommandOfListIndex(-1), -1);
    EXPECT_EQ(FileCommandOfListIndex(11), -1);
}

TEST(StageTables, Backgrounds)
{
    std::set<int> images;
    for (int row = 0; row < BACKGROUND_COUNT; ++row) {
        const BackgroundRow& bg = *Background(row);
        EXPECT_LT(bg.minY, bg.maxY) << row;
        const bool shared = row >= 6 && row <= 10;
        EXPECT_EQ(bg.widthImage, shared ? 13 : bg.nearImage) << row;
        EXPECT_EQ(bg.nearImage, shared ? 7 + row : bg.nearImage) << row;

        // Layer names fill an 8-byte field: 7 characters and a zero, or 8.
        const size_t nearLength = std::strlen(bg.nearFile);
        EXPECT_TRUE(nearLength == 7 || nearLength == 8) << row;
        EXPECT_STREQ(bg.nearFile + nearLength - 4, ".bak") << row;
        if (row == 2 || row == 12) {
            EXPECT_EQ(bg.farFile, nullptr) << row;
            EXPECT_EQ(bg.farImage, -1) << row;
        } else {
            ASSERT_NE(bg.farFile, nullptr) << row;
            const size_t farLength = std::strlen(bg.farFile);
            EXPECT_TRUE(farLength == 7 || farLength == 8) << row;
            EXPECT_STREQ(bg.farFile + farLength - 4, ".bak") << row;
            EXPECT_NE(bg.farImage, bg.nearImage) << row;
            images.insert(bg.farImage);
        }
        images.insert(bg.nearImage);
    }
    // The rows draw images 0 to 19; image 20 belongs to none.
    EXPECT_EQ(images.size(), 20u);
    EXPECT_EQ(*images.begin(), 0);
    EXPECT_EQ(*images.rbegin(), 19);

    EXPECT_STREQ(Background(7)->nearFile, "ky2.bak");
    EXPECT_STREQ(Background(7)->farFile, "ky0.bak");
    EXPECT_EQ(Background(7)->farImage, 12);
    EXPECT_EQ(Background(6)->minY, 160);
    EXPECT_EQ(FindRow(TABLE_BACKGROUND_NEAR_FILE, "nuf.bak", 0, 12), 12);
    EXPECT_EQ(FindRow(TABLE_BACKGROUND_NEAR_FILE, "ky0.bak", 0, 12), -1);
}

TEST(StageTables, BgmFiles)
{
    for (int row = 0; row < BGM_COUNT; ++row) {
        const size_t length = std::strlen(RowName(TABLE_BGM_FILE, row));
        EXPECT_TRUE(length == 7 || length == 8) << row;
    }
    EXPECT_STREQ(RowName(TABLE_BGM_FILE, 0), "qu17.wav");
    EXPECT_STREQ(RowName(TABLE_BGM_FILE, 6), "pox.wav");
    EXPECT_EQ(FindRow(TABLE_BGM_FILE, "zelm.wav", 0, 6), 5);
    EXPECT_EQ(FindRow(TABLE_BGM_FILE, "ZELM.WAV", 0, 6), -1);
}

TEST(StageTables, IllustrationPairsRoundTrip)
{
    for (int n = 0; n < ILLUSTRATION_COUNT; ++n) {
        char cell[8];
        std::snprintf(cell, sizeof cell, "%02d", n);
        EXPECT_STREQ(RowName(TABLE_ILLUSTRATION, n), cell);
        const char* file = IllustrationFileOfCellText(cell);
        ASSERT_NE(file, nullptr) << n;
        EXPECT_STREQ(IllustrationCellTextOfFile(file), cell);
        EXPECT_EQ(FindRow(TABLE_ILLUSTRATION_FILE, file, 0, 32), n);
        EXPECT_LE(std::strlen(file), 9u) << "fits a 10-byte field with its zero";
    }
    EXPECT_STREQ(IllustrationFileOfCellText("02"), "01a.bak");
    EXPECT_STREQ(IllustrationFileOfCellText("03"), "02.bak");
    EXPECT_STREQ(IllustrationFileOfCellText("32"), "31.bak");
    EXPECT_STREQ(IllustrationCellTextOfFile("01a.bak"), "02");
    EXPECT_STREQ(IllustrationCellTextOfFile("02.bak"), "03");

    // Outside the 33 pairs nothing has a partner.
    EXPECT_EQ(IllustrationCellTextOfFile("32.bak"), nullptr);
    EXPECT_EQ(IllustrationCellTextOfFile("01A.bak"), nullptr);
    EXPECT_EQ(IllustrationCellTextOfFile(""), nullptr);
    EXPECT_EQ(IllustrationCellTextOfFile(nullptr), nullptr);
    EXPECT_EQ(IllustrationFileOfCellText("33"), nullptr);
    EXPECT_EQ(IllustrationFileOfCellText("2"), nullptr);
    EXPECT_EQ(IllustrationFileOfCellText(nullptr), nullptr);
}
