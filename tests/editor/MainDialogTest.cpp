// The main dialog: start-up, its refusals, closing, and the handlers of the
// clear value, time limit and clear condition.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "Resource.h"
#include "StageTables.h"
#include "win32/Window.h"

namespace {

std::string WindowTitle(CVantrelDlg& dlg)
{
    return win32::WidgetOf(dlg.m_hWnd)->windowTitle().toStdString();
}

std::string EditText(QWidget* edit)
{
    return static_cast<QLineEdit*>(edit)->text().toStdString();
}

}  // namespace

TEST_F(EditorTest, StartsWithAnEmptyStageOnBackgroundZero)
{
    bool ran = false;
    RunEditor(
        [&](CVantrelDlg& dlg) {
            EXPECT_EQ(WindowTitle(dlg), "Vantrel v3.1.0 (User Version)  -  none.stg");
            EXPECT_TRUE(dlg.m_graphics.m_ready);
            EXPECT_EQ(dlg.m_nearSrc.right, dlg.m_graphics.m_width);
            EXPECT_EQ(dlg.m_farSrc.bottom, 240);

            auto* characters = qobject_cast<QTableView*>(Control(dlg, IDC_CHARACTER_LIST));
            auto* events = qobject_cast<QTableView*>(Control(dlg, IDC_EVENT_LIST));
            ASSERT_TRUE(characters && events);
            ASSERT_EQ(characters->model()->columnCount(), 8);
            ASSERT_EQ(events->model()->columnCount(), 12);
            auto heading = [](QTableView* list, int column) {
                return list->model()->headerData(column, Qt::Horizontal).toString().toStdString();
            };
            EXPECT_EQ(heading(characters, 1), "종류");
            EXPECT_EQ(characters->horizontalHeader()->sectionSize(5), 100);
            EXPECT_EQ(heading(events, 4), "파일이름");
            EXPECT_TRUE(events->isColumnHidden(4));
            EXPECT_EQ(heading(events, 11), "Message3");
            EXPECT_EQ(events->horizontalHeader()->sectionSize(11), 210);

            auto* background = qobject_cast<QComboBox*>(Control(dlg, IDC_BACKGROUND));
            auto* bgm = qobject_cast<QComboBox*>(Control(dlg, IDC_BGM));
            auto* condition = qobject_cast<QComboBox*>(Control(dlg, IDC_CLEAR_CONDITION));
            ASSERT_TRUE(background && bgm && condition);
            EXPECT_EQ(background->count(), 13);
            EXPECT_EQ(background->itemText(6).toStdString(), "Imbrel 1");
            EXPECT_EQ(bgm->count(), 7);
            EXPECT_EQ(bgm->itemText(5).toStdString(), "Paper Kites!");
            EXPECT_EQ(condition->count(), 3);
            EXPECT_EQ(condition->itemText(1).toStdString(), "특정캐릭터");
            EXPECT_EQ(dlg.m_background.GetCurSel(), 0);
            EXPECT_EQ(dlg.m_bgm.GetCurSel(), 0);
            EXPECT_EQ(dlg.m_clearCondition.GetCurSel(), 0);

            EXPECT_EQ(EditText(Control(dlg, IDC_MOVE_MAX_Y)), "240");
            EXPECT_EQ(EditText(Control(dlg, IDC_MOVE_MIN_Y)), "200");
            EXPECT_FALSE(Control(dlg, IDC_MOVE_MAX_Y)->isEnabled());
            EXPECT_FALSE(Control(dlg, IDC_SCREEN)->isVisible());
            EXPECT_EQ(dlg.m_selectedTypeCount, 0);
            for (int type : dlg.m_selectedTypes)
                EXPECT_EQ(type, SLOT_EMPTY);
            EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
        },
        &ran);
    EXPECT_TRUE(ran);
}

TEST_F(EditorTest, RefusesADesktopThatIsNot16Bit)
{
    testhooks::SetDisplayBitsPerPixel(32);
    testhooks::ResetDirectDrawCalls();
    bool ran = false;
    EXPECT_EQ(RunEditor([](CVantrelDlg&) {}, &ran), IDCANCEL);
    EXPECT_FALSE(ran);
    ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(BoxText(0), "바탕화면의 색이 반드시 16비트이어야 합니다");
    EXPECT_EQ(testhooks::ShownMessageBoxes()[0].caption, "Vantrel v3.1.0 (User Version)");
    EXPECT_EQ(testhooks::ShownMessageBoxes()[0].icon(), MB_ICONHAND);
    EXPECT_EQ(testhooks::DirectDrawCallsTotal(), 0);
}

TEST_F(EditorTest, AFailingDisplayReportsItselfAndReadsNoArchive)
{
    testhooks::FailDirectDraw("CreateClipper", DDERR_OUTOFMEMORY);
    bool ran = false;
    RunEditor([](CVantrelDlg&) {}, &ran);
    EXPECT_FALSE(ran);
    ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 2u);
    EXPECT_EQ(BoxText(0), "DDERR_OUTOFMEMORY");
    EXPECT_EQ(testhooks::ShownMessageBoxes()[0].caption, "CreateWindowScreen");
    EXPECT_EQ(BoxText(1), "초기화 과정에 문제가 생겼습니다. 다시 시작해 주십시오");
    EXPECT_EQ(testhooks::ShownMessageBoxes()[1].icon(), MB_ICONHAND);
    EXPECT_EQ(theScreen.m_sprites[0].surface, nullptr);
}

TEST_F(EditorTest, AMissingArchiveIsReportedThenStartUpEnds)
{
    char scratch[] = "/tmp/vantrel-noarchive-XXXXXX";
    ASSERT_NE(mkdtemp(scratch), nullptr);
    char previous[PATH_MAX];
    ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
    ASSERT_EQ(chdir(scratch), 0);
    bool ran = false;
    RunEditor([](CVantrelDlg&) {}, &ran);
    ASSERT_EQ(chdir(previous), 0);
    rmdir(scratch);

    EXPECT_FALSE(ran);
    ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 2u);
    EXPECT_EQ(BoxText(0), "Can't access bfc file");
    EXPECT_EQ(BoxText(1), "초기화 과정에 문제가 생겼습니다. 다시 시작해 주십시오");
}

TEST_F(EditorTest, EnterDoesNothingAndLeavingAsksFirst)
{
    RunEditor([&](CVantrelDlg& dlg) {
        QWidget* window = win32::WidgetOf(dlg.m_hWnd);
        AddCharacter(dlg, "Torvane", 100, 220, "왼쪽");
        QWidget* edit = Control(dlg, IDC_CLEAR_VALUE);
        edit->setFocus();
        Settle();
        ASSERT_EQ(window->focusWidget(), edit);

        QTest::keyClick(edit, Qt::Key_Return);
        Settle();
        EXPECT_TRUE(IsWindow(dlg.m_hWnd));
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

        // Esc, answered with the default button (No): everything stays.
        QTest::keyClick(edit, Qt::Key_Escape);
        Settle();
        ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        const auto& box = testhooks::ShownMessageBoxes()[0];
        EXPECT_EQ(box.text, "Exit?");
        EXPECT_EQ(box.caption, "Vantrel v3.1.0 (User Version)");
        EXPECT_EQ(box.buttons(), MB_YESNO);
        EXPECT_EQ(box.icon(), MB_ICONQUESTION);
        EXPECT_EQ(box.defaultButton(), MB_DEFBUTTON2);
        EXPECT_EQ(box.answer, IDNO);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(dlg.m_characterList.GetItemCount(), 1);

        // The close box, answered Yes, ends the dialog.
        testhooks::AnswerNextMessageBoxes({IDYES});
        window->close();
        Settle();
        ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 2u);
        EXPECT_EQ(testhooks::ShownMessageBoxes()[1].answer, IDYES);
    }, nullptr, true);
}

TEST_F(EditorTest, TimeLimitIsClampedWhenItsEditLosesTheFocus)
{
    RunEditor([&](CVantrelDlg& dlg) {
        auto* limit = static_cast<QLineEdit*>(Control(dlg, IDC_TIME_LIMIT));
        auto leave = [&](const char* text) {
            limit->setFocus();
            Settle();
            limit->setText(text);
            Control(dlg, IDC_CLEAR_VALUE)->setFocus();
            Settle();
        };
        leave("41");
        EXPECT_EQ(dlg.m_timeLimit, 40);
        EXPECT_EQ(limit->text().toStdString(), "40");
        leave("-3");
        EXPECT_EQ(dlg.m_timeLimit, 0);
        EXPECT_EQ(limit->text().toStdString(), "0");
        leave("12");
        EXPECT_EQ(dlg.m_timeLimit, 12);
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

        // Not an integer: the framework's prompt once, and the last valid
        // limit shown again.
        leave("abc");
        ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(BoxText(0), "정수를 입력하십시오.");
        EXPECT_EQ(dlg.m_timeLimit, 12);
        EXPECT_EQ(limit->text().toStdString(), "12");
    });
}

TEST_F(EditorTest, SpecificCharacterClampsTheClearValueMemberOnly)
{
    RunEditor([&](CVantrelDlg& dlg) {
        auto* condition = qobject_cast<QComboBox*>(Control(dlg, IDC_CLEAR_CONDITION));
        auto* value = static_cast<QLineEdit*>(Control(dlg, IDC_CLEAR_VALUE));
        auto pick = [&](int row) {
            condition->setFocus();
            condition->setCurrentIndex(row);
            emit condition->activated(row);
            Settle();
        };

        // No rows: the largest row number is -1.
        dlg.m_clearValue = 7;
        pick(1);
        EXPECT_EQ(dlg.m_clearValue, -1);

        for (int i = 0; i < 3; i++)
            AddCharacter(dlg, "Nemra", 100 + i, 220, "왼쪽");
        pick(0);
        dlg.m_clearValue = 7;
        dlg.UpdateData(FALSE);
        pick(1);
        EXPECT_EQ(dlg.m_clearValue, 2);
        EXPECT_EQ(value->text().toStdString(), "7");

        // A negative value typed under another condition becomes row 0, which
        // the edit shows once the fields are written out.
        pick(0);
        value->setFocus();
        Settle();
        value->selectAll();
        QTest::keyClicks(value, "-5");
        pick(1);
        EXPECT_EQ(dlg.m_clearValue, 0);
        dlg.UpdateData(FALSE);
        EXPECT_EQ(value->text().toStdString(), "0");

        // Programmatic selection sends no notification.
        dlg.m_clearValue = 9;
        dlg.m_clearCondition.SetCurSel(1);
        Settle();
        EXPECT_EQ(dlg.m_clearValue, 9);
    });
}

// The two sets whole: from every control enabled, locking disables just the
// 21 of the lock set; from every control disabled, releasing enables just
// the 19 of the release set. The dialog itself stays enabled.
TEST_F(EditorTest, EntryDialogSetsLockAndReleaseTheirControls)
{
    RunEditor([&](CVantrelDlg& dlg) {
        const std::set<int> locked = {1001, 1002, 1003, 1004, 1005, 1006, 1007,
                                      1010, 1011, 1012, 1013, 1014, 1015, 1016,
                                      1017, 1018, 1019, 1020, 1021, 1022, 1023};
        const std::set<int> released = {1001, 1002, 1003, 1004, 1005, 1007, 1010,
                                        1011, 1012, 1013, 1014, 1015, 1016, 1017,
                                        1018, 1019, 1020, 1021, 1022};
        std::vector<int> all = {1068};
        for (int id = 1000; id <= 1023; id++)
            all.push_back(id);
        auto expectOnly = [&](const std::set<int>& changed, bool enabled) {
            for (int id : all)
                EXPECT_EQ(Control(dlg, id)->isEnabled(), changed.count(id) ? enabled : !enabled)
                    << id;
        };
        for (int id : all)
            Control(dlg, id)->setEnabled(true);
        dlg.LockForEntryDialog();
        expectOnly(locked, false);
        EXPECT_TRUE(win32::WidgetOf(dlg.m_hWnd)->isEnabled());
        for (int id : all)
            Control(dlg, id)->setEnabled(false);
        dlg.ReleaseAfterEntryDialog();
        expectOnly(released, true);
    });
}

TEST_F(EditorTest, BridgesReadTheSelectedTypesSafely)
{
    RunEditor([&](CVantrelDlg& dlg) {
        dlg.m_selectedTypes[0] = 4;
        dlg.m_selectedTypeCount = 1;
        EXPECT_EQ(theApp.GetSelectedTypeCount(), 1);
        EXPECT_EQ(theApp.GetSelectedType(0), 4);
        EXPECT_EQ(theApp.GetSelectedType(1), SLOT_EMPTY);
        EXPECT_EQ(theApp.GetSelectedType(10), SLOT_EMPTY);
        EXPECT_EQ(theApp.GetSelectedType(-1), SLOT_EMPTY);
    });
}

TEST_F(EditorTest, AClickSelectsOneListRowAndNothingWhileTheListIsLocked)
{
    RunEditor([&](CVantrelDlg& dlg) {
        for (int i = 0; i < 3; i++)
            AddCharacter(dlg, "Nemra", 100 * i, 220, "왼쪽");
        CListCtrl& list = dlg.m_characterList;
        EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
        for (int row : {1, 2, 0}) {
            testhooks::ClickListRow(list.m_hWnd, row);
            POSITION pos = list.GetFirstSelectedItemPosition();
            ASSERT_NE(pos, nullptr);
            EXPECT_EQ(list.GetNextSelectedItem(pos), row);
            EXPECT_EQ(pos, nullptr);  // single selection
        }
        dlg.LockForEntryDialog();
        testhooks::ClickListRow(list.m_hWnd, 2);
        dlg.ReleaseAfterEntryDialog();
        POSITION pos = list.GetFirstSelectedItemPosition();
        EXPECT_EQ(list.GetNextSelectedItem(pos), 0);
    });
}
