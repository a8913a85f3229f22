// The character list's rows as the buttons and dialog results change them.
#include <algorithm>

#include "EditorFixture.h"

// Rows of these types, named "n" and their number.
static void AddRows(CVantrelDlg& dlg, const Texts& types)
{
    for (const std::string& type : types)
        AddRow(dlg.m_characterList, {type, "", "", "", "n" + std::to_string(dlg.m_characterList.GetItemCount())});
}

// Register takes a 60th row, not a 61st; delete asks, renumbers, repaints.
TEST_F(EditorTest, RegisterTakesUpTo60RowsAndDeleteRenumbers)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_characterList;
        ChooseTypes(dlg, {2});
        AddRows(dlg, Texts(59, "Nemra"));
        Click(dlg, IDC_CHARACTER_REGISTER);
        Click(dlg.m_dlgAppearance, IDOK);
        EXPECT_EQ(CellText(list, 59, 0) + " " + CellText(list, 59, 1), "59 Nemra");
        Click(dlg, IDC_CHARACTER_REGISTER);
        ExpectFrameworkBox("캐릭터 등록 한계치입니다");
        EXPECT_EQ(list.GetItemCount(), 60);

        list.DeleteAllItems();
        testhooks::ClearMessageBoxes();
        AddRows(dlg, {"Nemra", "Okkar", "Nemra", "Okkar", "Nemra"});
        testhooks::ClickListRow(list.m_hWnd, 2);
        Click(dlg, IDC_CHARACTER_DELETE);
        ExpectOneBox("정말로 2번 캐릭터를 지웁니까?", kCaption, kQuestionBox);
        EXPECT_EQ(list.GetItemCount(), 5);
        testhooks::AnswerNextMessageBoxes({IDYES});
        EXPECT_GT(DrawCalls([&] { Click(dlg, IDC_CHARACTER_DELETE); }), 0);
        EXPECT_EQ(Column(list, 0), Numbers(4));
        EXPECT_EQ(Column(list, 5), (Texts{"n0", "n1", "n3", "n4"}));
        // Each row after takes its own number less one, whatever it was.
        list.SetItemText(2, 0, "7");
        testhooks::ClickListRow(list.m_hWnd, 0);
        testhooks::AnswerNextMessageBoxes({IDYES});
        Click(dlg, IDC_CHARACTER_DELETE);
        EXPECT_EQ(BoxText(2), "정말로 0번 캐릭터를 지웁니까?");
        EXPECT_EQ(Column(list, 0), (Texts{"0", "6", "2"}));
    });
}

// Dropped types lose their rows, and the preview is redrawn without them.
TEST_F(EditorTest, SelectionResultRemovesTheRowsOfDroppedTypes)
{
    const Texts types = {"Nemra", "Okkar", "Zerrek", "Okkar", "Nemra", "Zerrek"};
    const Texts everyone = {"n0", "n1", "n2", "n3", "n4", "n5"};
    // The types checked, and the rows left: Okkar dropped, all, none.
    const std::pair<std::vector<int>, Texts> cases[] = {
        {{2, 16}, {"n0", "n2", "n4", "n5"}}, {{}, {}}, {{2, 3, 16, 0}, everyone}};
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_characterList;
        // The rows whose names are in names, standing apart on the ground.
        auto place = [&](const Texts& names) {
            list.DeleteAllItems();
            for (int i = 0; i < 6; i++) {
                if (std::count(names.begin(), names.end(), everyone[i]))
                    AddRow(list, {types[i], std::to_string(60 + 90 * i), "230", "왼쪽", everyone[i]});
            }
            dlg.OnPaint();
            return Frame(dlg).pixels;
        };
        for (const auto& [checked, names] : cases) {
            const auto without = place(names);
            SetSelectedTypes(dlg, {2, 3, 16});
            const bool removes = names.size() < 6;
            EXPECT_EQ(place(everyone) != without, removes);
            Click(dlg, IDC_CHARACTER_SETTING);
            Boxes(dlg, &checked);
            dlg.m_graphics.ClearBackBuffer(1, 2, 3);
            const auto marked = Frame(dlg).pixels;
            Click(dlg.m_dlgSelect, IDOK);
            EXPECT_TRUE(Frame(dlg).pixels == (removes ? without : marked)) << names.size();
            EXPECT_EQ(Column(list, 5), names);
            EXPECT_EQ(Column(list, 0), Numbers(int(names.size())));
        }
    });
}

// X is clamped to the width image, Y to the band, the team to 0..200.
TEST_F(EditorTest, AppearanceResultIsClampedToTheBandTheWidthAndTheTeamRangeAndRepaints)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_characterList;
        ChooseTypes(dlg, {2});
        for (int background : {0, 6}) {
            dlg.m_background.SetCurSel(background);
            dlg.ApplyBackground();
            const int W = theScreen.m_backgrounds[dlg.m_nearImage].rc.right;
            const int top = dlg.m_moveMinY, bottom = dlg.m_moveMaxY;
            const std::vector<int> cases[] = {  // x, y, team typed, then written
                {-20, top - 50, -1, 0, top, 0},   {99999, bottom + 60, 201, W, bottom, 200},
                {W, top, 200, W, top, 200},       {W + 1, bottom + 1, 7, W, bottom, 7},
                {0, bottom, 0, 0, bottom, 0},     {12, top - 1, 3, 12, top, 3}};
            for (const auto& c : cases) {
                Click(dlg, IDC_CHARACTER_REGISTER);
                Fill(dlg, {"0", std::to_string(c[0]), std::to_string(c[1]), "0", "a", "0", std::to_string(c[2])});
                EXPECT_GT(DrawCalls([&] { Click(dlg.m_dlgAppearance, IDOK); }), 0);
                Texts row = RowCells(list, list.GetItemCount() - 1);
                EXPECT_EQ((Texts{row[2], row[3], row[7]}),
                          (Texts{std::to_string(c[3]), std::to_string(c[4]), std::to_string(c[5])}));
            }
        }
    });
}

// Type 9 (from a file) has no entry; the others stand for their slots, and a
// result without a usable slot drops a new row or keeps the type cell.
TEST_F(EditorTest, AppearanceEntriesStandForTheirSlotsAndOthersKeepTheTypeCell)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_characterList;
        // A dialog opened before with three entries: the lookup below must not
        // find slot 2 in what that opening left past this one's two entries.
        SetSelectedTypes(dlg, {16, 2, 0});
        Click(dlg, IDC_CHARACTER_REGISTER);
        Click(dlg.m_dlgAppearance, IDCANCEL);
        SetSelectedTypes(dlg, {16, 9, 0});
        for (int outside : {3, 10, -1})  // the bridge reads no further
            EXPECT_EQ(theApp.GetSelectedType(outside), SLOT_EMPTY) << outside;
        Click(dlg, IDC_CHARACTER_REGISTER);
        EXPECT_EQ(Entries(dlg), (Texts{"Zerrek", "Torvane"}));
        Fill(dlg, {"1", "100", "210", "0", "a", "0", "1"});
        Click(dlg.m_dlgAppearance, IDOK);
        EXPECT_EQ(CellText(list, 0, 1), "Torvane");
        // Modify finds the entry of the row's slot again.
        testhooks::ClickListRow(list.m_hWnd, 0);
        Click(dlg, IDC_CHARACTER_MODIFY);
        EXPECT_EQ(Shown(dlg)[0], "1");
        Click(dlg.m_dlgAppearance, IDCANCEL);

        list.DeleteAllItems();
        SetSelectedTypes(dlg, {9});
        AddRows(dlg, {"Nemra"});
        Click(dlg, IDC_CHARACTER_REGISTER);
        EXPECT_EQ(Shown(dlg)[0], "-1");  // no entry to choose
        Click(dlg.m_dlgAppearance, IDOK);
        EXPECT_EQ(Column(list, 0), Texts{"0"});
        // A slot past the list writes every cell but the type.
        SetSelectedTypes(dlg, {16});
        testhooks::ClickListRow(list.m_hWnd, 0);
        Click(dlg, IDC_CHARACTER_MODIFY);
        theApp.OnAppearanceResult(10, 400, 235, 0, "c", 1, 6);
        EXPECT_EQ(RowCells(list, 0), (Texts{"0", "Nemra", "400", "235", "왼쪽", "c", "공격대기", "6"}));
        EXPECT_FALSE(Locked(dlg));
    });
}

// What the list buttons do with the stage fields shows in the clear value
// edit once "specific character" has clamped its member (to 2, the last of
// three rows).
TEST_F(EditorTest, ListButtonsWriteTheStageFieldsOutOrReadThemFirst)
{
    const struct {
        std::function<void(CVantrelDlg&)> act;
        const char* shown;
    } cases[] = {
        {[](CVantrelDlg& dlg) {
             Click(dlg, IDC_CHARACTER_REGISTER);
             EXPECT_EQ(TextOf(dlg, IDC_CLEAR_VALUE), "5");
             Click(dlg.m_dlgAppearance, IDCANCEL);
         }, "5"},
        {[](CVantrelDlg& dlg) {
             Click(dlg, IDC_CHARACTER_MODIFY);
             Click(dlg.m_dlgAppearance, IDOK);
         }, "2"},
        {[](CVantrelDlg& dlg) {
             testhooks::AnswerNextMessageBoxes({IDYES});
             Click(dlg, IDC_CHARACTER_DELETE);
         }, "05"},
        {[](CVantrelDlg& dlg) {
             Click(dlg, IDC_EVENT_REGISTER);
             EXPECT_EQ(TextOf(dlg, IDC_CLEAR_VALUE), "5");
             Click(dlg.m_dlgEvent, IDCANCEL);
         }, "5"},
        {[](CVantrelDlg& dlg) {
             Click(dlg, IDC_EVENT_MODIFY);
             Click(dlg.m_dlgEvent, IDOK);
         }, "2"},
        {[](CVantrelDlg& dlg) {
             Click(dlg, IDC_EVENT_INSERT);
             Click(dlg.m_dlgEvent, IDCANCEL);
         }, "2"},
        {[](CVantrelDlg& dlg) {
             testhooks::AnswerNextMessageBoxes({IDYES});
             Click(dlg, IDC_EVENT_DELETE);
         }, "2"},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        for (size_t i = 0; i < std::size(cases); i++) {
            SCOPED_TRACE(i);
            dlg.m_characterList.DeleteAllItems();
            dlg.m_eventList.DeleteAllItems();
            SetSelectedTypes(dlg, {2, 3});
            AddRows(dlg, {"Nemra", "Okkar", "Nemra"});
            AddRow(dlg.m_eventList, {"Torvane", "끝"});
            testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
            testhooks::ClickListRow(dlg.m_eventList.m_hWnd, 0);
            LeaveClearValueClamped(dlg);
            cases[i].act(dlg);
            EXPECT_EQ(TextOf(dlg, IDC_CLEAR_VALUE), cases[i].shown);
            EXPECT_FALSE(Locked(dlg));
        }
    });
}
