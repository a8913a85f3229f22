// The character selection and appearance dialogs, driven through their controls.
#include <algorithm>

#include "EditorFixture.h"

TEST_F(EditorTest, SelectionResultIsInCheckOrderWithinBothLimits)
{
    const std::string six = "6명이 최대입니다", ratio = "캐릭터 비율이 한도를 초과합니다";
    struct Case {
        std::vector<int> checked;
        std::string message;      // empty: the selection passes
        std::vector<int> result;  // the selected types when it passes
    } cases[] = {
        {{}, "", {}},
        {{0, 16}, "", {16, 0}},
        {{6, 14, 15, 17, 12, 16}, "", {16, 12, 15, 17, 14, 6}},
        {{7, 1, 4, 20, 14}, "", {14, 20, 4, 1, 7}},            // exactly 2.15
        {{24, 2, 5, 12, 13, 16}, "", {16, 12, 13, 5, 24, 2}},  // 5 before 24
        {{19, 23, 8, 21, 11, 18}, "", {18, 11, 21, 8, 23, 19}},
        {{22, 13}, "", {13, 22}},
        {{6, 14, 15, 17, 12, 16, 18}, six, {}},                // the sum only 0.86
        {{0, 4, 1, 7}, ratio, {}},                             // 2.30 at the fourth
        {{7, 1, 4, 20, 18}, ratio, {}},                        // 2.16
        {{16, 12, 15, 17, 0, 4, 7}, six, {}},                  // both at once: the count first
    };
    RunEditor([&](CVantrelDlg& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::PrintToString(c.checked));
            testhooks::ClearMessageBoxes();
            SetSelectedTypes(dlg, {3});
            ChooseTypes(dlg, c.checked);
            if (!c.message.empty()) {
                // The framework's box; the dialog stays open as the user left it.
                ExpectFrameworkBox(c.message);
                EXPECT_EQ(SelectedTypes(dlg), std::vector<int>{3});
                std::vector<int> checked = c.checked;
                std::sort(checked.begin(), checked.end());
                EXPECT_EQ(Boxes(dlg), checked);
                Click(dlg.m_dlgSelect, IDCANCEL);
                continue;
            }
            EXPECT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
            EXPECT_EQ(SelectedTypes(dlg), c.result);
            for (int slot = dlg.m_selectedTypeCount; slot < 10; slot++)
                EXPECT_EQ(dlg.m_selectedTypes[slot], SLOT_EMPTY);
        }
    });
}

// The selection opens centred with the stage's types up to the first empty
// slot checked (9 has no box); Cancel and the close box keep them.
TEST_F(EditorTest, SelectionOpensCentredWithTheStagesTypesAndCancelKeepsThem)
{
    using Types = std::vector<int>;
    RunEditor([&](CVantrelDlg& dlg) {
        for (auto [list, checked] : {std::pair<Types, Types>{{16, 0, SLOT_EMPTY, 5}, {0, 16}}, {{9, 16}, {16}}}) {
            SetSelectedTypes(dlg, list);
            Click(dlg, IDC_CHARACTER_SETTING);
            EXPECT_EQ(Boxes(dlg), checked);
            Click(dlg.m_dlgSelect, IDOK);
            Types selected = SelectedTypes(dlg);
            std::sort(selected.begin(), selected.end());
            EXPECT_EQ(selected, checked);
        }
        for (bool closeBox : {false, true}) {
            Click(dlg, IDC_CHARACTER_SETTING);
            EXPECT_TRUE(Locked(dlg));
            QWidget* window = dlg.m_dlgSelect.Widget();
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(window->frameGeometry().center(), dlg.Widget()->frameGeometry().center());
            EXPECT_EQ(TextOf(dlg.m_dlgSelect, 1039), "Zerrek ( 0.10 )");
            Types other = {1, 2, 3};
            Boxes(dlg, &other);
            closeBox ? (void)window->close() : Click(dlg.m_dlgSelect, IDCANCEL);
            Settle();
            EXPECT_EQ(dlg.m_dlgSelect.m_hWnd, nullptr);
            EXPECT_FALSE(Locked(dlg));
            EXPECT_EQ(SelectedTypes(dlg), Types{16});
        }
    });
}

// Register opens centred with a new character's defaults; a bad number in
// any of the three keeps it open on that field; only OK (or Enter) writes,
// Cancel and Esc drop the new row.
TEST_F(EditorTest, AppearanceDialogOpensWithTheDefaultsAndWritesOnlyOnOk)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_characterList;
        ChooseTypes(dlg, {16, 0, 5});
        Click(dlg, IDC_CHARACTER_REGISTER);
        EXPECT_EQ(dlg.m_dlgAppearance.Widget()->frameGeometry().center(),
                  dlg.Widget()->frameGeometry().center());
        EXPECT_EQ(Shown(dlg), kNewCharacter);
        EXPECT_TRUE(Locked(dlg));
        for (int id : {IDC_APPEAR_X, IDC_APPEAR_Y, IDC_APPEAR_TEAM}) {
            SCOPED_TRACE(id);
            testhooks::ClearMessageBoxes();
            auto* field = qobject_cast<QLineEdit*>(Control(dlg.m_dlgAppearance, id));
            field->setText("12a");
            Click(dlg.m_dlgAppearance, IDOK);
            ExpectFrameworkBox("정수를 입력하십시오.");
            ASSERT_NE(dlg.m_dlgAppearance.m_hWnd, nullptr);
            EXPECT_TRUE(dlg.m_dlgAppearance.Widget()->isVisible());
            EXPECT_EQ(dlg.m_dlgAppearance.Widget()->focusWidget(), field);
            EXPECT_EQ(CellText(list, 0, 1), "");
            field->setText("0");
        }
        QWidget* team = Control(dlg.m_dlgAppearance, IDC_APPEAR_TEAM);
        team->setFocus();
        QTest::keyClick(team, Qt::Key_Return);
        ASSERT_EQ(dlg.m_dlgAppearance.m_hWnd, nullptr);
        EXPECT_EQ(RowCells(list, 0), (Texts{"0", "Zerrek", "0", "200", "왼쪽", "아무개", "자유행동", "0"}));
        testhooks::ClickListRow(list.m_hWnd, 0);
        Click(dlg, IDC_CHARACTER_MODIFY);
        Fill(dlg, {"2", "300", "220", "1", "Kim", "3", "7"});
        Click(dlg.m_dlgAppearance, IDOK);
        const std::vector<Texts> rows = {{"0", "Torvane", "300", "220", "오른쪽", "Kim", "열혈가드", "7"}};
        EXPECT_EQ(AllCells(list), rows);

        Click(dlg, IDC_CHARACTER_MODIFY);
        Fill(dlg, {"0", "5", "5", "0", "B", "0", "5"});
        Click(dlg.m_dlgAppearance, IDCANCEL);
        EXPECT_EQ(AllCells(list), rows);
        for (bool escape : {false, true}) {
            Click(dlg, IDC_CHARACTER_REGISTER);
            EXPECT_EQ(Shown(dlg), kNewCharacter);
            // Its Cancel reports a new row, not an edit.
            EXPECT_EQ(dlg.m_dlgAppearance.m_isNew, 1);
            EXPECT_EQ(list.GetItemCount(), 2);
            QWidget* x = Control(dlg.m_dlgAppearance, IDC_APPEAR_X);
            x->setFocus();
            escape ? QTest::keyClick(x, Qt::Key_Escape) : Click(dlg.m_dlgAppearance, IDCANCEL);
            Settle();
            EXPECT_EQ(dlg.m_dlgAppearance.m_hWnd, nullptr);  // gone, not only hidden
            EXPECT_EQ(AllCells(list), rows);
        }
        EXPECT_FALSE(Locked(dlg));
    });
}

// Modify fills the dialog from the row; OK writes it back as read.
TEST_F(EditorTest, ModifyFillsTheDialogFromTheRow)
{
    const std::string name = "abcdefghijklmnopqrstuvwxyz0123456789";
    struct Case {
        Texts cells;    // type .. team
        Texts shown;    // in the dialog
        Texts afterOk;  // the row after OK unchanged, if not the cells as they were
    } cases[] = {
        // Any facing but "왼쪽" is right; numbers as atoi reads them.
        {{"Torvane", " 42abc", "x", "", "", "", "-3"},
         {"3", "42", "0", "1", "", "-1", "-3"},
         {"Torvane", "42", "200", "오른쪽", "", "", "0"}},
        // A name longer than 29 bytes comes back cut.
        {{"Yorrith", "0", "240", "오른쪽", name, "공격대기", "200"},
         {"1", "0", "240", "1", name.substr(0, 29), "1", "200"},
         {"Yorrith", "0", "240", "오른쪽", name.substr(0, 29), "공격대기", "200"}},
        // A type not selected chooses no entry, and OK keeps it.
        {{"Brisalt", "300", "230", "오른쪽", "b", "열혈공격", "5"}, {"-1", "300", "230", "1", "b", "4", "5"}, {}},
        // The last type and the last tactic are found as well.
        {{"Vell2", "300", "210", "왼쪽", "Lee", "잠복공격", "4"}, {"0", "300", "210", "0", "Lee", "5", "4"}, {}},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseTypes(dlg, {0, 2, 5, 25});
        ASSERT_EQ(SelectedTypes(dlg), (std::vector<int>{25, 5, 2, 0}));
        for (const Case& c : cases) {
            dlg.m_characterList.DeleteAllItems();
            AddRow(dlg.m_characterList, c.cells);
            testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
            Click(dlg, IDC_CHARACTER_MODIFY);
            // Shown over the middle of the main window, which owns it though
            // no parent was given and which it locks.
            QWidget* window = dlg.m_dlgAppearance.Widget();
            EXPECT_EQ(window->parentWidget(), dlg.Widget());
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(window->frameGeometry().center(), dlg.Widget()->frameGeometry().center());
            EXPECT_TRUE(Locked(dlg));
            EXPECT_EQ(Shown(dlg), c.shown);
            Click(dlg.m_dlgAppearance, IDOK);
            EXPECT_EQ(RowCells(dlg.m_characterList, 0, 1), c.afterOk.empty() ? c.cells : c.afterOk);
        }
    });
}
