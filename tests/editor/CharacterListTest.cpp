// The character list: registering, modifying and deleting rows, the
// selection's effect on the rows, the clamps, and the preview that follows.
#include "CharacterTesting.h"
#include "win32/Window.h"

using namespace characters;

namespace {

// Rows with the given type names, numbered from 0, named after their row.
void AddRows(CVantrelDlg& dlg, const std::vector<std::string>& types)
{
    for (const std::string& type : types) {
        int row = dlg.m_characterList.GetItemCount();
        dlg.m_characterList.InsertItem(row, std::to_string(row).c_str());
        dlg.m_characterList.SetItemText(row, 1, testhooks::Cp949(type).c_str());
        dlg.m_characterList.SetItemText(row, 2, "100");
        dlg.m_characterList.SetItemText(row, 3, "220");
        dlg.m_characterList.SetItemText(row, 4, testhooks::Cp949("왼쪽").c_str());
        dlg.m_characterList.SetItemText(row, 5, ("n" + std::to_string(row)).c_str());
    }
}

// Sets the main dialog's selected types as a stage file may bring them.
void SetSelected(CVantrelDlg& dlg, const std::vector<int>& types)
{
    for (int slot = 0; slot < 10; slot++)
        dlg.m_selectedTypes[slot] = slot < int(types.size()) ? types[slot] : SLOT_EMPTY;
    dlg.m_selectedTypeCount = int(types.size());
}

// The selection dialog's OK with these types, in this order.
void SendSelection(const std::vector<int>& types)
{
    int list[10];
    for (int slot = 0; slot < 10; slot++)
        list[slot] = slot < int(types.size()) ? types[slot] : SLOT_EMPTY;
    theApp.OnCharacterSelectResult(1, list);
    Settle();
}

// Whether a handler painted the preview.
template <typename Handler>
bool Paints(Handler handler)
{
    testhooks::ResetDirectDrawCalls();
    handler();
    return testhooks::DirectDrawCalls("Blt") + testhooks::DirectDrawCalls("BltFast") > 0;
}

}  // namespace

TEST_F(EditorTest, RefusalsLeaveTheListAsItWas)
{
    RunEditor([&](CVantrelDlg& dlg) {
        struct Case {
            int button;
            std::string text;
            UINT type;
            bool framework;  // AfxMessageBox rather than the editor's own box
        } cases[] = {
            {IDC_CHARACTER_REGISTER, "등록된 캐릭터가 없습니다", MB_OK | MB_ICONHAND, false},
            {IDC_CHARACTER_MODIFY, "수정할 데이터를 선택해 주세요", MB_OK | MB_ICONHAND, false},
            {IDC_CHARACTER_DELETE, "삭제할 데이터를 선택해 주세요", MB_OK | MB_ICONHAND, false},
        };
        AddRows(dlg, {"Nemra"});
        for (const Case& c : cases) {
            testhooks::ClearMessageBoxes();
            Click(dlg, c.button);
            ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u) << c.text;
            const auto& box = testhooks::ShownMessageBoxes()[0];
            EXPECT_EQ(BoxText(0), c.text);
            EXPECT_EQ(box.caption, "Vantrel v3.1.0 (User Version)");
            EXPECT_EQ(box.type, c.type);
            EXPECT_EQ(box.owner, dlg.m_hWnd);
            EXPECT_EQ(dlg.m_characterList.GetItemCount(), 1);
            EXPECT_FALSE(Locked(dlg));
        }

        // 59 rows take one more, numbered 59; 60 take none.
        ChooseTypes(dlg, {2});
        std::vector<std::string> rows(58, "Nemra");
        AddRows(dlg, rows);
        ASSERT_EQ(dlg.m_characterList.GetItemCount(), 59);
        testhooks::ClearMessageBoxes();
        Register(dlg, Appearance{});
        EXPECT_EQ(dlg.m_characterList.GetItemCount(), 60);
        EXPECT_EQ(Cell(dlg, 59, 0), "59");
        EXPECT_EQ(Cell(dlg, 59, 1), "Nemra");
        Click(dlg, IDC_CHARACTER_REGISTER);
        ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(BoxText(0), "캐릭터 등록 한계치입니다");
        EXPECT_EQ(testhooks::ShownMessageBoxes()[0].caption, AfxGetAppName());
        EXPECT_EQ(testhooks::ShownMessageBoxes()[0].type, MB_OK);
        EXPECT_EQ(dlg.m_characterList.GetItemCount(), 60);
        EXPECT_EQ(dlg.m_dlgAppearance.m_hWnd, nullptr);
        EXPECT_FALSE(Locked(dlg));
    });
}

TEST_F(EditorTest, DeleteAsksThenRenumbersAndRepaints)
{
    RunEditor([&](CVantrelDlg& dlg) {
        AddRows(dlg, {"Nemra", "Okkar", "Nemra", "Okkar", "Nemra"});
        testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 2);

        // No, the default, keeps the row.
        Click(dlg, IDC_CHARACTER_DELETE);
        ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        const auto& box = testhooks::ShownMessageBoxes()[0];
        EXPECT_EQ(BoxText(0), "정말로 2번 캐릭터를 지웁니까?");
        EXPECT_EQ(box.caption, "Vantrel v3.1.0 (User Version)");
        EXPECT_EQ(box.type, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
        EXPECT_EQ(box.answer, IDNO);
        EXPECT_EQ(dlg.m_characterList.GetItemCount(), 5);

        testhooks::AnswerNextMessageBoxes({IDYES});
        EXPECT_TRUE(Paints([&] { Click(dlg, IDC_CHARACTER_DELETE); }));
        EXPECT_EQ(Column(dlg, 0), (std::vector<std::string>{"0", "1", "2", "3"}));
        EXPECT_EQ(Column(dlg, 5), (std::vector<std::string>{"n0", "n1", "n3", "n4"}));

        // The first row's question names 0; each row takes its own number
        // less one, whatever it was.
        dlg.m_characterList.SetItemText(2, 0, "7");
        testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
        testhooks::ClearMessageBoxes();
        testhooks::AnswerNextMessageBoxes({IDYES});
        Click(dlg, IDC_CHARACTER_DELETE);
        EXPECT_EQ(BoxText(0), "정말로 0번 캐릭터를 지웁니까?");
        EXPECT_EQ(Column(dlg, 0), (std::vector<std::string>{"0", "6", "2"}));
    });
}

TEST_F(EditorTest, SelectionResultRemovesTheRowsOfDroppedTypes)
{
    RunEditor([&](CVantrelDlg& dlg) {
        struct Case {
            std::vector<int> before, after;
            std::vector<std::string> names;  // the rows left, by their name cell
        } cases[] = {
            // Okkar (3) dropped; the rest renumbered in their old order.
            {{2, 3, 16}, {16, 2}, {"n0", "n2", "n4", "n5"}},
            // The same types in another order keep every row.
            {{2, 3, 16}, {16, 3, 2}, {"n0", "n1", "n2", "n3", "n4", "n5"}},
            {{2, 3, 16}, {}, {}},
        };
        for (const Case& c : cases) {
            dlg.m_characterList.DeleteAllItems();
            SetSelected(dlg, c.before);
            AddRows(dlg, {"Nemra", "Okkar", "Zerrek", "Okkar", "Nemra", "Zerrek"});
            // The result does not repaint; the rows show at the next paint.
            Click(dlg, IDC_CHARACTER_SETTING);
            EXPECT_FALSE(Paints([&] { SendSelection(c.after); }));
            EXPECT_EQ(SelectedTypes(dlg), c.after);
            EXPECT_EQ(Column(dlg, 5), c.names);
            std::vector<std::string> numbers;
            for (size_t i = 0; i < c.names.size(); i++)
                numbers.push_back(std::to_string(i));
            EXPECT_EQ(Column(dlg, 0), numbers);
            EXPECT_FALSE(Locked(dlg));
        }
        // With no types left, register is refused.
        Click(dlg, IDC_CHARACTER_REGISTER);
        ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(BoxText(0), "등록된 캐릭터가 없습니다");

        // Four types, then two: the slots after them are empty again, and
        // the selection shows only the two.
        ChooseTypes(dlg, {0, 2, 3, 16});
        ChooseTypes(dlg, {0, 2});
        for (int slot = 2; slot < 10; slot++)
            EXPECT_EQ(dlg.m_selectedTypes[slot], SLOT_EMPTY);
        Click(dlg, IDC_CHARACTER_SETTING);
        EXPECT_EQ(CheckedTypes(dlg), (std::vector<int>{0, 2}));
        Click(dlg.m_dlgSelect, IDCANCEL);
    });
}

TEST_F(EditorTest, AppearanceResultIsClampedToTheBandTheWidthAndTheTeamRange)
{
    RunEditor([&](CVantrelDlg& dlg) {
        struct Case {
            int background;  // its band and width image
            std::string x, y, team;
            int expectedX, expectedY, expectedTeam;  // -1 for x: the width W
        } cases[] = {
            {0, "-20", "150", "-1", 0, 200, 0},
            {0, "99999", "300", "201", -1, 240, 200},
            {0, "W", "200", "200", -1, 200, 200},
            {0, "0", "240", "0", 0, 240, 0},
            {6, "W+1", "150", "7", -1, 160, 7},
            {6, "12", "201", "3", 12, 200, 3},
        };
        for (const Case& c : cases) {
            dlg.m_background.SetCurSel(c.background);
            dlg.ApplyBackground();
            ChooseTypes(dlg, {2});
            int W = theScreen.m_backgrounds[dlg.m_nearImage].rc.right;
            ASSERT_GT(W, dlg.m_graphics.m_width);
            std::string x = c.x == "W" ? std::to_string(W) : c.x == "W+1" ? std::to_string(W + 1) : c.x;
            Register(dlg, Appearance{0, x, c.y, 0, "a", 0, c.team});
            int row = dlg.m_characterList.GetItemCount() - 1;
            EXPECT_EQ(Cell(dlg, row, 2), std::to_string(c.expectedX < 0 ? W : c.expectedX)) << x;
            EXPECT_EQ(Cell(dlg, row, 3), std::to_string(c.expectedY)) << c.y;
            EXPECT_EQ(Cell(dlg, row, 7), std::to_string(c.expectedTeam)) << c.team;
        }
    });
}

// A stage file may select a type without an appearance name (9): the
// combo lists only the others, and each entry still stands for its slot.
TEST_F(EditorTest, AppearanceEntriesStandForTheirSlots)
{
    RunEditor([&](CVantrelDlg& dlg) {
        SetSelected(dlg, {16, 9, 0});
        Click(dlg, IDC_CHARACTER_REGISTER);
        QComboBox* character = Combo(dlg.m_dlgAppearance, IDC_APPEAR_CHARACTER);
        ASSERT_EQ(character->count(), 2);
        EXPECT_EQ(character->itemText(0).toStdString(), "Zerrek");
        EXPECT_EQ(character->itemText(1).toStdString(), "Torvane");
        Fill(dlg, Appearance{1, "100", "210", 0, "a", 0, "1"});
        Click(dlg.m_dlgAppearance, IDOK);
        EXPECT_EQ(Cell(dlg, 0, 1), "Torvane");

        // Modify finds the entry of the row's slot again.
        testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
        Click(dlg, IDC_CHARACTER_MODIFY);
        EXPECT_EQ(Shown(dlg).entry, 1);
        Click(dlg.m_dlgAppearance, IDOK);
        EXPECT_EQ(Cell(dlg, 0, 1), "Torvane");
    });
}

// A result without a usable slot writes every cell but the type; a row
// that register has just appended, still without a type, goes.
TEST_F(EditorTest, AResultWithoutAUsableSlotKeepsTheTypeCell)
{
    RunEditor([&](CVantrelDlg& dlg) {
        // Register while only type 9 is selected: no entry to choose.
        SetSelected(dlg, {9});
        AddRows(dlg, {"Nemra"});
        Click(dlg, IDC_CHARACTER_REGISTER);
        EXPECT_EQ(Combo(dlg.m_dlgAppearance, IDC_APPEAR_CHARACTER)->currentIndex(), -1);
        Click(dlg.m_dlgAppearance, IDOK);
        EXPECT_EQ(dlg.m_characterList.GetItemCount(), 1);
        EXPECT_FALSE(Locked(dlg));

        // Modify of a row whose type is not selected: no entry chosen.
        SetSelected(dlg, {16});
        testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
        Click(dlg, IDC_CHARACTER_MODIFY);
        EXPECT_EQ(Shown(dlg).entry, -1);
        Fill(dlg, Appearance{-1, "300", "230", 1, "b", 4, "5"});
        Click(dlg.m_dlgAppearance, IDOK);
        EXPECT_EQ(Row(dlg, 0), (std::vector<std::string>{"0", "Nemra", "300", "230", "오른쪽", "b",
                                                          "열혈공격", "5"}));

        // Slots outside the list, or past the selected count, alike.
        for (int slot : {-1, 1, 9, 10, 1000, -667}) {
            testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
            Click(dlg, IDC_CHARACTER_MODIFY);
            theApp.OnAppearanceResult(slot, 400, 235, 0, "c", 1, 6);
            Settle();
            EXPECT_EQ(dlg.m_dlgAppearance.m_hWnd, nullptr) << slot;
            EXPECT_EQ(Row(dlg, 0), (std::vector<std::string>{"0", "Nemra", "400", "235", "왼쪽",
                                                              "c", "공격대기", "6"}))
                << slot;
        }
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    });
}

TEST_F(EditorTest, OpenEntryDialogLocksTheEditorUntilItsResult)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseTypes(dlg, {2});
        Register(dlg, Appearance{});
        testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 0);
        for (int button : {IDC_CHARACTER_SETTING, IDC_CHARACTER_REGISTER, IDC_CHARACTER_MODIFY}) {
            Click(dlg, button);
            EXPECT_TRUE(Locked(dlg)) << button;
            for (int id : {IDC_STAGE_LOAD, IDC_CHARACTER_SETTING, IDC_CHARACTER_LIST,
                           IDC_CHARACTER_DELETE, IDC_EVENT_REGISTER, IDC_SCROLL_LEFT})
                EXPECT_FALSE(Control(dlg, id)->isEnabled()) << button << " " << id;
            CDialog& entry = button == IDC_CHARACTER_SETTING ? static_cast<CDialog&>(dlg.m_dlgSelect)
                                                             : dlg.m_dlgAppearance;
            Click(entry, IDCANCEL);
            EXPECT_FALSE(Locked(dlg)) << button;
            EXPECT_TRUE(Control(dlg, IDC_CHARACTER_LIST)->isEnabled()) << button;
            EXPECT_FALSE(Control(dlg, IDC_OPTION)->isEnabled()) << button;
        }
    });
}

// The whole road: typed into the dialog's own edits and picked from its
// combo boxes, the character stands in the preview with its bottom centre
// at (x - scroll, y), turned as chosen.
TEST_F(EditorTest, ATypedCharacterStandsInThePreview)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseTypes(dlg, {2, 5});  // Yorrith first in the list, Nemra second
        dlg.OnScrollRight();
        dlg.OnScrollRight();
        const int scroll = dlg.m_nearSrc.left;
        ASSERT_EQ(scroll, 20);
        struct Case {
            int facingPresses;  // Down presses in the facing combo
            bool mirrored;
        } cases[] = {{0, false}, {1, true}};
        const SpriteEntry& sprite = theScreen.m_sprites[2];
        const auto image = testhooks::ReadSurface(sprite.surface);
        const int w = sprite.rc.right;
        const int h = sprite.rc.bottom;
        for (const Case& c : cases) {
            dlg.m_characterList.DeleteAllItems();
            Click(dlg, IDC_CHARACTER_REGISTER);
            CEditCharacter& edit = dlg.m_dlgAppearance;
            auto type = [&](int id, const char* text) {
                QLineEdit* field = Edit(edit, id);
                field->setFocus();
                field->selectAll();
                QTest::keyClicks(field, text);
            };
            auto press = [&](int id, int downs) {
                QWidget* combo = Control(edit, id);
                combo->setFocus();
                for (int i = 0; i < downs; i++)
                    QTest::keyClick(combo, Qt::Key_Down);
            };
            press(IDC_APPEAR_CHARACTER, 1);
            type(IDC_APPEAR_X, "233");
            type(IDC_APPEAR_Y, "228");
            press(IDC_APPEAR_FACING, c.facingPresses);
            type(IDC_APPEAR_NAME, "Hong");
            QTest::keyClick(Edit(edit, IDC_APPEAR_NAME), Qt::Key_Return);
            Settle();
            ASSERT_EQ(edit.m_hWnd, nullptr);
            ASSERT_EQ(Row(dlg, 0)[1], "Nemra");
            ASSERT_EQ(Row(dlg, 0)[5], "Hong");

            auto frame = testhooks::ReadSurface(dlg.m_graphics.m_back);
            const int left = 233 - scroll - w / 2;
            const int top = 228 - h;
            int opaque = 0;
            for (int j = 0; j < h; j++) {
                for (int i = 0; i < w; i++) {
                    WORD pixel = image.At(c.mirrored ? w - 1 - i : i, j);
                    if (pixel == 0)
                        continue;
                    ASSERT_EQ(frame.At(left + i, top + j), pixel) << c.mirrored << " " << i << "," << j;
                    opaque++;
                }
            }
            EXPECT_GT(opaque, w * h / 4);
        }
    });
}
