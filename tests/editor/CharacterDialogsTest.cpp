// The character selection and appearance-setting dialogs, opened from the
// main dialog and driven through their own controls.
#include <QRect>

#include "CharacterTesting.h"
#include "win32/Window.h"

using namespace characters;

namespace {

QRect Frame(CWnd& window)
{
    return win32::WidgetOf(window.m_hWnd)->frameGeometry();
}

}  // namespace

TEST_F(EditorTest, SelectionResultIsInCheckOrderWithinBothLimits)
{
    const std::string six = "6명이 최대입니다";
    const std::string ratio = "캐릭터 비율이 한도를 초과합니다";
    struct Case {
        std::vector<int> checked;
        std::string message;      // empty: the selection passes
        std::vector<int> result;  // the selected types when it passes
    } cases[] = {
        {{}, "", {}},
        {{0, 16}, "", {16, 0}},
        {{6, 14, 15, 17, 12, 16}, "", {16, 12, 15, 17, 14, 6}},
        // Exactly 2.15 passes: 0.12 + 0.28 + 0.56 + 0.58 + 0.61.
        {{7, 1, 4, 20, 14}, "", {14, 20, 4, 1, 7}},
        // The seventh box, though the sum is only 0.86.
        {{6, 14, 15, 17, 12, 16, 18}, six, {}},
        // Four boxes reach 2.30 at the fourth in check order.
        {{0, 4, 1, 7}, ratio, {}},
        {{7, 1, 4, 20, 18}, ratio, {}},
        // Both limits crossed at the same box: the count is tested first.
        {{16, 12, 15, 17, 0, 4, 7}, six, {}},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        for (const Case& c : cases) {
            testhooks::ClearMessageBoxes();
            for (int& type : dlg.m_selectedTypes)
                type = SLOT_EMPTY;
            dlg.m_selectedTypes[0] = 3;
            dlg.m_selectedTypeCount = 1;
            Click(dlg, IDC_CHARACTER_SETTING);
            SetBoxes(dlg, c.checked);
            Click(dlg.m_dlgSelect, IDOK);
            if (c.message.empty()) {
                EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
                EXPECT_EQ(SelectedTypes(dlg), c.result);
                for (int slot = dlg.m_selectedTypeCount; slot < 10; slot++)
                    EXPECT_EQ(dlg.m_selectedTypes[slot], SLOT_EMPTY);
                EXPECT_EQ(dlg.m_dlgSelect.m_hWnd, nullptr);
                EXPECT_FALSE(Locked(dlg));
                continue;
            }
            // The framework's box; the dialog stays open as the user left it.
            ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
            EXPECT_EQ(BoxText(0), c.message);
            EXPECT_EQ(testhooks::ShownMessageBoxes()[0].caption, AfxGetAppName());
            EXPECT_EQ(testhooks::ShownMessageBoxes()[0].buttons(), MB_OK);
            EXPECT_EQ(SelectedTypes(dlg), std::vector<int>{3});
            ASSERT_NE(dlg.m_dlgSelect.m_hWnd, nullptr);
            EXPECT_TRUE(win32::WidgetOf(dlg.m_dlgSelect.m_hWnd)->isVisible());
            std::vector<int> checked = c.checked;
            std::sort(checked.begin(), checked.end());
            EXPECT_EQ(CheckedTypes(dlg), checked);
            EXPECT_TRUE(Locked(dlg));
            Click(dlg.m_dlgSelect, IDCANCEL);
        }
    });
}

TEST_F(EditorTest, SelectionOpensWithTheStagesTypesUpToTheFirstEmptySlot)
{
    struct Case {
        std::vector<int> list;  // the main dialog's list; the rest empty
        std::vector<int> checked;
    } cases[] = {
        {{16, 0, SLOT_EMPTY, 5, 7}, {0, 16}},
        {{9, 16}, {16}},  // type 9 has no box
        {{}, {}},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        for (const Case& c : cases) {
            for (int slot = 0; slot < 10; slot++)
                dlg.m_selectedTypes[slot] = slot < int(c.list.size()) ? c.list[slot] : SLOT_EMPTY;
            dlg.m_selectedTypeCount = int(c.list.size());
            Click(dlg, IDC_CHARACTER_SETTING);
            EXPECT_EQ(CheckedTypes(dlg), c.checked);
            // OK returns what the boxes show.
            Click(dlg.m_dlgSelect, IDOK);
            std::vector<int> selected = SelectedTypes(dlg);
            std::sort(selected.begin(), selected.end());
            EXPECT_EQ(selected, c.checked);
        }
    });
}

TEST_F(EditorTest, CancellingTheSelectionKeepsTheStagesTypes)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseTypes(dlg, {0, 16});
        ASSERT_EQ(SelectedTypes(dlg), (std::vector<int>{16, 0}));
        // Cancel, Esc and the close box alike.
        for (int way = 0; way < 3; way++) {
            Click(dlg, IDC_CHARACTER_SETTING);
            EXPECT_EQ(CheckedTypes(dlg), (std::vector<int>{0, 16})) << way;
            SetBoxes(dlg, {1, 2, 3});
            QWidget* window = win32::WidgetOf(dlg.m_dlgSelect.m_hWnd);
            if (way == 0) {
                Click(dlg.m_dlgSelect, IDCANCEL);
            } else if (way == 1) {
                Box(dlg, 2)->setFocus();
                QTest::keyClick(Box(dlg, 2), Qt::Key_Escape);
            } else {
                window->close();
            }
            Settle();
            EXPECT_EQ(dlg.m_dlgSelect.m_hWnd, nullptr) << way;
            EXPECT_FALSE(Locked(dlg)) << way;
            EXPECT_EQ(SelectedTypes(dlg), (std::vector<int>{16, 0})) << way;
        }
        Click(dlg, IDC_CHARACTER_SETTING);
        EXPECT_EQ(CheckedTypes(dlg), (std::vector<int>{0, 16}));
        Click(dlg.m_dlgSelect, IDCANCEL);
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    });
}

TEST_F(EditorTest, SelectionDialogShowsTwoColumnsOfRatiosCentredOverTheEditor)
{
    RunEditor([&](CVantrelDlg& dlg) {
        Click(dlg, IDC_CHARACTER_SETTING);
        QWidget* window = win32::WidgetOf(dlg.m_dlgSelect.m_hWnd);
        EXPECT_EQ(window->windowTitle().toStdString(), "캐릭터 선택");
        EXPECT_EQ(window->parentWidget(), win32::WidgetOf(dlg.m_hWnd));
        EXPECT_EQ(Frame(dlg.m_dlgSelect).center(), Frame(dlg).center());
        EXPECT_EQ(Box(dlg, 16)->text().toStdString(), "Zerrek ( 0.10 )");
        EXPECT_EQ(Box(dlg, 24)->text().toStdString(), "Vellmark 1 ( 0.37 )");
        // Ids in pairs across the two columns; 1048 alone in the last row.
        EXPECT_EQ(Box(dlg, 0)->y(), Box(dlg, 1)->y());
        EXPECT_LT(Box(dlg, 0)->x(), Box(dlg, 1)->x());
        EXPECT_EQ(Box(dlg, 2)->x(), Box(dlg, 0)->x());
        EXPECT_GT(Box(dlg, 2)->y(), Box(dlg, 0)->y());
        EXPECT_EQ(Box(dlg, 25)->x(), Box(dlg, 0)->x());
        EXPECT_GT(Box(dlg, 25)->y(), Box(dlg, 24)->y());
        // Every caption shows whole.
        for (int type = 0; type < 26; type++) {
            if (type == 9)
                continue;
            EXPECT_LE(Box(dlg, type)->sizeHint().width(), Box(dlg, type)->width()) << type;
        }
        Click(dlg.m_dlgSelect, IDCANCEL);
    });
}

TEST_F(EditorTest, AppearanceDialogOpensWithTheDefaultsOfANewCharacter)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseTypes(dlg, {16, 0, 5});
        ASSERT_EQ(SelectedTypes(dlg), (std::vector<int>{16, 5, 0}));
        Click(dlg, IDC_CHARACTER_REGISTER);
        CEditCharacter& edit = dlg.m_dlgAppearance;
        QWidget* window = win32::WidgetOf(edit.m_hWnd);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle().toStdString(), "등장설정");
        EXPECT_EQ(Frame(edit).center(), Frame(dlg).center());
        EXPECT_TRUE(Locked(dlg));

        QComboBox* character = Combo(edit, IDC_APPEAR_CHARACTER);
        ASSERT_EQ(character->count(), 3);
        // The appearance name list's names, in the stage's order.
        EXPECT_EQ(character->itemText(0).toStdString(), "Zerrek");
        EXPECT_EQ(character->itemText(1).toStdString(), "Yorrith");
        EXPECT_EQ(character->itemText(2).toStdString(), "Torvane");
        EXPECT_EQ(Combo(edit, IDC_APPEAR_FACING)->itemText(1).toStdString(), "오른쪽");
        EXPECT_EQ(Combo(edit, IDC_APPEAR_TACTIC)->count(), 6);
        EXPECT_EQ(Combo(edit, IDC_APPEAR_TACTIC)->itemText(5).toStdString(), "잠복공격");
        EXPECT_EQ(Shown(dlg), Appearance{});
        EXPECT_EQ(edit.m_isNew, 1);

        // OK unchanged: the first type, Y on the band's upper edge.
        Click(edit, IDOK);
        EXPECT_EQ(edit.m_hWnd, nullptr);
        EXPECT_FALSE(Locked(dlg));
        EXPECT_EQ(Row(dlg, 0), (std::vector<std::string>{"0", "Zerrek", "0", "200", "왼쪽",
                                                          "아무개", "자유행동", "0"}));

        // Every opening starts afresh, also after a modify of another row.
        testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
        Click(dlg, IDC_CHARACTER_MODIFY);
        Fill(dlg, Appearance{2, "300", "220", 1, "Kim", 3, "7"});
        Click(edit, IDOK);
        Click(dlg, IDC_CHARACTER_REGISTER);
        EXPECT_EQ(Shown(dlg), Appearance{});
        EXPECT_EQ(edit.m_isNew, 1);
        Click(edit, IDCANCEL);
    });
}

TEST_F(EditorTest, CancelledAppearanceLeavesTheListAsItWas)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseTypes(dlg, {2});
        Register(dlg, Appearance{0, "100", "210", 1, "A", 2, "3"});
        const auto before = Row(dlg, 0);

        // On the register road the appended row goes again (667), Cancel or
        // Esc alike; on the modify road the row stays (666).
        for (bool escape : {false, true}) {
            Click(dlg, IDC_CHARACTER_REGISTER);
            EXPECT_EQ(dlg.m_characterList.GetItemCount(), 2);
            EXPECT_EQ(dlg.m_dlgAppearance.m_isNew, 1);
            if (escape) {
                Edit(dlg.m_dlgAppearance, IDC_APPEAR_X)->setFocus();
                QTest::keyClick(Edit(dlg.m_dlgAppearance, IDC_APPEAR_X), Qt::Key_Escape);
            } else {
                Click(dlg.m_dlgAppearance, IDCANCEL);
            }
            Settle();
            EXPECT_EQ(dlg.m_dlgAppearance.m_hWnd, nullptr);
            EXPECT_EQ(dlg.m_characterList.GetItemCount(), 1);
            EXPECT_FALSE(Locked(dlg));
        }

        testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
        Click(dlg, IDC_CHARACTER_MODIFY);
        EXPECT_EQ(dlg.m_dlgAppearance.m_isNew, 0);
        Fill(dlg, Appearance{0, "5", "5", 0, "B", 0, "5"});
        Click(dlg.m_dlgAppearance, IDCANCEL);
        EXPECT_EQ(dlg.m_characterList.GetItemCount(), 1);
        EXPECT_EQ(Row(dlg, 0), before);
        EXPECT_FALSE(Locked(dlg));
    });
}

TEST_F(EditorTest, ModifyFillsTheDialogFromTheRow)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseTypes(dlg, {0, 2, 5});
        ASSERT_EQ(SelectedTypes(dlg), (std::vector<int>{5, 2, 0}));
        const std::string longName = "abcdefghijklmnopqrstuvwxyz0123456789";
        struct Case {
            std::vector<std::string> cells;  // type .. team
            Appearance shown;
            std::vector<std::string> afterOk;  // the row after OK unchanged
        } cases[] = {
            {{"Nemra", "123", "215", "왼쪽", "Kim", "열혈가드", "17"},
             {1, "123", "215", 0, "Kim", 3, "17"},
             {"Nemra", "123", "215", "왼쪽", "Kim", "열혈가드", "17"}},
            // Any facing but "왼쪽" is right; numbers as atoi reads them; an
            // empty tactic chooses none and stays empty.
            {{"Torvane", " 42abc", "x", "", "", "", "-3"},
             {2, "42", "0", 1, "", -1, "-3"},
             {"Torvane", "42", "200", "오른쪽", "", "", "0"}},
            // A name longer than 29 bytes comes back cut.
            {{"Yorrith", "0", "240", "오른쪽", longName, "공격대기", "200"},
             {0, "0", "240", 1, longName.substr(0, 29), 1, "200"},
             {"Yorrith", "0", "240", "오른쪽", longName.substr(0, 29), "공격대기", "200"}},
        };
        for (const Case& c : cases) {
            dlg.m_characterList.DeleteAllItems();
            dlg.m_characterList.InsertItem(0, "0");
            for (int column = 1; column < 8; column++)
                dlg.m_characterList.SetItemText(0, column,
                                                testhooks::Cp949(c.cells[column - 1]).c_str());
            testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
            Click(dlg, IDC_CHARACTER_MODIFY);
            ASSERT_NE(dlg.m_dlgAppearance.m_hWnd, nullptr);
            // Owned by the main window although no parent was given.
            EXPECT_EQ(win32::WidgetOf(dlg.m_dlgAppearance.m_hWnd)->parentWidget(),
                      win32::WidgetOf(dlg.m_hWnd));
            EXPECT_EQ(Shown(dlg), c.shown);
            Click(dlg.m_dlgAppearance, IDOK);
            std::vector<std::string> row = Row(dlg, 0);
            EXPECT_EQ(std::vector<std::string>(row.begin() + 1, row.end()), c.afterOk);
        }
    });
}

// An X, Y or team number that is not an integer: the prompt, the focus on
// that field, the dialog open, no result; once corrected, OK goes through.
TEST_F(EditorTest, ANumberThatDoesNotParseKeepsTheAppearanceDialogOpen)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseTypes(dlg, {2});
        for (int field : {IDC_APPEAR_X, IDC_APPEAR_Y, IDC_APPEAR_TEAM}) {
            testhooks::ClearMessageBoxes();
            Click(dlg, IDC_CHARACTER_REGISTER);
            CEditCharacter& edit = dlg.m_dlgAppearance;
            Fill(dlg, Appearance{0, "120", "220", 1, "Lee", 2, "9"});
            Edit(edit, field)->setText("12a");
            Click(edit, IDOK);
            ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u) << field;
            EXPECT_EQ(BoxText(0), "정수를 입력하십시오.");
            ASSERT_NE(edit.m_hWnd, nullptr) << field;
            QWidget* window = win32::WidgetOf(edit.m_hWnd);
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(window->focusWidget(), Edit(edit, field));
            EXPECT_TRUE(Locked(dlg));
            EXPECT_EQ(Cell(dlg, 0, 1), "");  // no result yet

            Edit(edit, field)->setText("-1");
            Click(edit, IDOK);
            EXPECT_EQ(edit.m_hWnd, nullptr);
            EXPECT_FALSE(Locked(dlg));
            EXPECT_EQ(Row(dlg, 0), (std::vector<std::string>{
                                       "0", "Nemra", field == IDC_APPEAR_X ? "0" : "120",
                                       field == IDC_APPEAR_Y ? "200" : "220", "오른쪽", "Lee",
                                       "서서공격", field == IDC_APPEAR_TEAM ? "0" : "9"}));
            dlg.m_characterList.DeleteAllItems();
        }
    });
}
