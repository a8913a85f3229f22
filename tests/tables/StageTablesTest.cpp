// The stage tables: cheap checks that catch a row mistyped, dropped or swapped, and the lookups'
// edge cases. Korean texts are written in UTF-8.
#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "StageTables.h"
#include "Vantrel.h"  // SLOT_EMPTY
#include "testing/Testing.h"

using namespace StageTables;

TEST(StageTables, EveryRowIsBoundedUniqueAndFoundByItsText)
{
    const int counts[] = {27, 26, 22, 11, 13, 13, 7, 7, 6, 2, 3, 33, 33};
    for (int t = 0; t < int(std::size(counts)); ++t) {
        const Table table = Table(t);
        ASSERT_EQ(RowCount(table), counts[t]) << t;
        // A byte from a stage file may name no row: no text, never a read past the table.
        for (int outside : {-1, counts[t], 255})
            EXPECT_EQ(RowName(table, outside), nullptr) << t << " row " << outside;
        // The first equal row wins, so a repeated text would hide a later row.
        for (int i = 0; i < counts[t]; ++i) {
            const char* text = RowName(table, i);
            const bool unnamed = table == TABLE_APPEARANCE && i == 9;
            ASSERT_TRUE(unnamed ? text == nullptr : text && *text) << t << " row " << i;
            EXPECT_TRUE(unnamed || FindRow(table, text, 0, counts[t] - 1) == i) << t << " row " << i;
        }
    }
}

TEST(StageTables, FindRowByText)
{
    const struct { Table table; const char* utf8; int first, last, row; } cases[] = {
        // Texts at their rows; the literals must have become code page 949.
        {TABLE_EVENT_COMMAND, "모션과프레임", 0, 21, 3}, {TABLE_EVENT_COMMAND, "음악교체", 0, 21, 19},
        {TABLE_TACTIC, "잠복공격", 0, 5, 5}, {TABLE_FACING, "오른쪽", 0, 1, 1},
        {TABLE_BGM_FILE, "zelm.wav", 0, 6, 5}, {TABLE_BACKGROUND_NEAR_FILE, "nuf.bak", 0, 12, 12},
        {TABLE_EVENT_COMMAND, "BGM 재생", 0, 21, -1}, {TABLE_EVENT_COMMAND, "BGM 시작", 0, 21, 6},  // the dialog text is no list text
        {TABLE_CHARACTER_TYPE, "전부", 0, 25, 9}, {TABLE_CHARACTER_TYPE, "없음", 0, 25, -1},  // "없음" is 26
        {TABLE_CHARACTER_TYPE, "Hobbrin", 0, 26, -1},  // appearance name of type 11
        // Whole string, byte for byte.
        {TABLE_CHARACTER_TYPE, "Vell", 0, 26, -1}, {TABLE_CHARACTER_TYPE, "torvane", 0, 26, -1},
        {TABLE_CHARACTER_TYPE, "", 0, 26, -1}, {TABLE_BACKGROUND_NEAR_FILE, "ky0.bak", 0, 12, -1},
        // The range is honoured and clipped to the table.
        {TABLE_CHARACTER_TYPE, "Torvane", 1, 26, -1}, {TABLE_CHARACTER_TYPE, "Tarsek", 8, 8, 8},
        {TABLE_CHARACTER_TYPE, "Tarsek", 9, 3, -1}, {TABLE_CHARACTER_TYPE, "없음", -5, 1000, 26},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindRow(c.table, testhooks::Cp949(c.utf8).c_str(), c.first, c.last), c.row)
            << c.table << " " << c.utf8 << " in " << c.first << ".." << c.last;
    EXPECT_EQ(FindRow(TABLE_CHARACTER_TYPE, nullptr, 0, 26), -1);
}

TEST(StageTables, SelectionBoxesAreNamedByTheAppearanceNames)
{
    // Boxes run 1024..1048 in type order; the caption is the appearance name
    // (a blank before the digit of types 24 and 25) and the ratio "( 0.NN )".
    int sum = 0;
    for (int i = 0; i < SELECTION_BOX_COUNT; ++i) {
        const SelectionBox& box = g_selectionBoxes[i];
        EXPECT_EQ(box.id, 1024 + i);
        EXPECT_EQ(box.type, i < 9 ? i : i + 1);
        EXPECT_EQ(SelectionBoxOfType(box.type), &box);
        std::string name = RowName(TABLE_APPEARANCE, box.type);
        if (box.type >= 24)
            name.insert(name.size() - 1, " ");
        char caption[64];
        std::snprintf(caption, sizeof caption, "%s ( 0.%02d )", name.c_str(), box.ratio);
        EXPECT_STREQ(box.caption, caption) << box.id;
        sum += box.ratio;
    }
    EXPECT_EQ(sum, 756);  // total of the 25 ratios; catches a mistyped ratio
    for (int type : {-1, 9, 26, SLOT_EMPTY})
        EXPECT_EQ(SelectionBoxOfType(type), nullptr) << type;
}

TEST(StageTables, EventCommandListStandsForFileCommands)
{
    // Each dialog entry reads as its file command's text, except "BGM 재생" (6).
    int previous = -1;
    for (int i = 0; i < EVENT_COMMAND_LIST_COUNT; ++i) {
        const int command = FileCommandOfListIndex(i);
        EXPECT_GT(command, previous) << i;
        previous = command;
        EXPECT_EQ(ListIndexOfFileCommand(command), i);
        const bool same = std::strcmp(RowName(TABLE_EVENT_COMMAND_LIST, i), RowName(TABLE_EVENT_COMMAND, command)) == 0;
        EXPECT_EQ(same, i != 4) << i;
    }
    EXPECT_EQ(FileCommandOfListIndex(4), 6);
    for (int outside : {-1, 3, 19, 22})
        EXPECT_EQ(ListIndexOfFileCommand(outside), -1) << outside;
    for (int outside : {-1, 11})
        EXPECT_EQ(FileCommandOfListIndex(outside), -1) << outside;
}

TEST(StageTables, BackgroundsAndMusicFiles)
{
    std::set<int> images;
    for (int row = 0; row < BACKGROUND_COUNT; ++row) {
        const BackgroundRow& bg = *Background(row);
        EXPECT_LT(bg.minY, bg.maxY) << row;
        // Rows 6 to 10 draw near images 13..17 and all take their width from 13.
        const bool shared = row >= 6 && row <= 10;
        EXPECT_EQ(bg.widthImage, shared ? 13 : bg.nearImage) << row;
        EXPECT_EQ(bg.nearImage, shared ? 7 + row : bg.nearImage) << row;
        EXPECT_LE(std::strlen(bg.nearFile), 8u) << row;  // an 8-byte field, the zero may be left out
        images.insert(bg.nearImage);
        // Rows 2 and 12 have no far layer: the stage file gets zero bytes.
        if (row == 2 || row == 12) {
            EXPECT_TRUE(bg.farFile == nullptr && bg.farImage == -1) << row;
            continue;
        }
        EXPECT_LE(std::strlen(bg.farFile), 8u) << row;
        EXPECT_EQ(bg.farImage == 12, std::strcmp(bg.farFile, "ky0.bak") == 0) << row;
        images.insert(bg.farImage);
    }
    // Together the rows draw images 0 to 19; image 20 belongs to none.
    EXPECT_TRUE(images.size() == 20 && *images.begin() == 0 && *images.rbegin() == 19);
    EXPECT_TRUE(Background(-1) == nullptr && Background(13) == nullptr);
    for (int row = 0; row < BGM_COUNT; ++row)
        EXPECT_LE(std::strlen(RowName(TABLE_BGM_FILE, row)), 8u) << row;
}

TEST(StageTables, IllustrationPairs)
{
    for (int n = 0; n < ILLUSTRATION_COUNT; ++n) {
        // 2 is "01a.bak"; from 3 on the file carries the number less one (32 is "31.bak").
        char cell[8], file[16];
        std::snprintf(cell, sizeof cell, "%02d", n);
        std::snprintf(file, sizeof file, "%02d%s.bak", n < 2 ? n : n - 1, n == 2 ? "a" : "");
        EXPECT_STREQ(RowName(TABLE_ILLUSTRATION, n), cell);
        EXPECT_STREQ(IllustrationFileOfCellText(cell), file);
        EXPECT_STREQ(IllustrationCellTextOfFile(file), cell);
    }
    // Outside the 33 pairs nothing has a partner.
    for (const char* file : {"32.bak", "01A.bak", "", static_cast<const char*>(nullptr)})
        EXPECT_EQ(IllustrationCellTextOfFile(file), nullptr) << (file ? file : "null");
    for (const char* cell : {"33", "2", static_cast<const char*>(nullptr)})
        EXPECT_EQ(IllustrationFileOfCellText(cell), nullptr) << (cell ? cell : "null");
}
