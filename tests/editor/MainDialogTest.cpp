// The main dialog: start-up, its refusals, closing, and the handlers of the
// clear value, time limit and clear condition.
#include <QTableView>

#include <unistd.h>

#include <climits>
#include <set>

#include "EditorFixture.h"

TEST_F(EditorTest, StartsWithAnEmptyStageOnBackgroundZero)
{
    bool ran = false;
    RunEditor(
        [&](CVantrelDlg& dlg) {
            EXPECT_EQ(WindowTitle(dlg), "Vantrel v3.1.0 (User Version)  -  none.stg");
            EXPECT_TRUE(dlg.m_graphics.m_ready);
            EXPECT_EQ(dlg.m_nearSrc.right, dlg.m_graphics.m_width);
            EXPECT_EQ(dlg.m_farSrc.bottom, 240);

            // The lists' columns, the file name, motion, frame and position
            // of an event hidden; every choice on its first row.
            auto* characters = qobject_cast<QTableView*>(Control(dlg, IDC_CHARACTER_LIST));
            auto* events = qobject_cast<QTableView*>(Control(dlg, IDC_EVENT_LIST));
            ASSERT_TRUE(characters && events);
            EXPECT_EQ(characters->model()->columnCount(), 8);
            EXPECT_EQ(events->model()->columnCount(), 12);
            EXPECT_EQ(characters->model()->headerData(1, Qt::Horizontal).toString().toStdString(), "종류");
            for (int column = 0; column < 12; column++)
                EXPECT_EQ(events->isColumnHidden(column), column == 4 || (column >= 6 && column <= 8));
            for (auto [id, rows] : {std::pair{IDC_BACKGROUND, 13}, {IDC_BGM, 7}, {IDC_CLEAR_CONDITION, 3}}) {
                auto* combo = qobject_cast<QComboBox*>(Control(dlg, id));
                EXPECT_EQ(combo->count(), rows) << id;
                EXPECT_EQ(combo->currentIndex(), 0) << id;
            }

            EXPECT_EQ(TextOf(dlg, IDC_MOVE_MAX_Y), "240");
            EXPECT_EQ(TextOf(dlg, IDC_MOVE_MIN_Y), "200");
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
    ExpectOneBox("바탕화면의 색이 반드시 16비트이어야 합니다", kCaption, kStopBox);
    EXPECT_EQ(testhooks::DirectDrawCallsTotal(), 0);
}

TEST_F(EditorTest, AFailingDisplayOrArchiveIsReportedThenStartUpEnds)
{
    char scratch[] = "/tmp/vantrel-noarchive-XXXXXX";
    ASSERT_NE(mkdtemp(scratch), nullptr);
    char previous[PATH_MAX];
    ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
    for (bool display : {true, false}) {
        SCOPED_TRACE(display ? "display" : "archive");
        testhooks::ResetAll();
        if (display)
            testhooks::FailDirectDraw("CreateClipper", DDERR_OUTOFMEMORY);
        else
            ASSERT_EQ(chdir(scratch), 0);
        bool ran = false;
        RunEditor([](CVantrelDlg&) {}, &ran);
        ASSERT_EQ(chdir(previous), 0);
        EXPECT_FALSE(ran);
        const auto& boxes = testhooks::ShownMessageBoxes();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(BoxText(0), display ? "DDERR_OUTOFMEMORY" : "Can't access bfc file");
        if (display) {
            EXPECT_EQ(boxes[0].caption, "CreateWindowScreen");
            EXPECT_EQ(theScreen.m_sprites[0].surface, nullptr);  // no archive read
        }
        EXPECT_EQ(BoxText(1), "초기화 과정에 문제가 생겼습니다. 다시 시작해 주십시오");
        EXPECT_EQ(boxes[1].icon(), MB_ICONHAND);
    }
    rmdir(scratch);
}

TEST_F(EditorTest, EnterDoesNothingAndLeavingAsksFirst)
{
    RunEditor(
        [&](CVantrelDlg& dlg) {
            QWidget* window = dlg.Widget();
            AddRow(dlg.m_characterList, {"Torvane", "100", "220", "왼쪽"});
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
            ExpectOneBox("Exit?", kCaption, kQuestionBox);
            EXPECT_EQ(testhooks::ShownMessageBoxes()[0].answer, IDNO);
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(dlg.m_characterList.GetItemCount(), 1);

            // The close box, answered Yes, ends the dialog.
            testhooks::AnswerNextMessageBoxes({IDYES});
            window->close();
            Settle();
            ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 2u);
            EXPECT_EQ(testhooks::ShownMessageBoxes()[1].answer, IDYES);
        },
        nullptr, true);
}

// Buttons that need a selected row, or a selected type, say so in a stop
// box of their own and leave both lists as they were.
TEST_F(EditorTest, ButtonsThatNeedARowOrATypeSayWhy)
{
    const struct {
        int button;
        const char* text;
    } cases[] = {
        {IDC_CHARACTER_REGISTER, "등록된 캐릭터가 없습니다"},
        {IDC_CHARACTER_MODIFY, "수정할 데이터를 선택해 주세요"},
        {IDC_CHARACTER_DELETE, "삭제할 데이터를 선택해 주세요"},
        {IDC_EVENT_MODIFY, "수정할 데이터를 선택해 주세요"},
        {IDC_EVENT_INSERT, "위치를 선택해 주세요"},
        {IDC_EVENT_DELETE, "삭제할 데이터를 선택해 주세요"},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        AddRow(dlg.m_characterList, {"Nemra"});
        AddRow(dlg.m_eventList, {"Torvane", "끝"});
        const std::vector<Texts> characters = AllCells(dlg.m_characterList);
        const std::vector<Texts> events = AllCells(dlg.m_eventList);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.button);
            testhooks::ClearMessageBoxes();
            Click(dlg, c.button);
            ExpectOneBox(c.text, kCaption, kStopBox);
            EXPECT_EQ(testhooks::ShownMessageBoxes()[0].owner, dlg.m_hWnd);
            EXPECT_FALSE(Locked(dlg));
            EXPECT_EQ(AllCells(dlg.m_characterList), characters);
            EXPECT_EQ(AllCells(dlg.m_eventList), events);
        }
    });
}

TEST_F(EditorTest, TimeLimitIsClampedWhenItsEditLosesTheFocus)
{
    RunEditor([&](CVantrelDlg& dlg) {
        const struct {
            const char* typed;
            int limit;
            const char* shown;
        } cases[] = {{"41", 40, "40"}, {"-3", 0, "0"}, {"12", 12, "12"},
                     // Not an integer: the last valid limit shown again.
                     {"abc", 12, "12"}};
        for (const auto& c : cases) {
            Retype(dlg, IDC_TIME_LIMIT, c.typed);
            Control(dlg, IDC_CLEAR_VALUE)->setFocus();
            Settle();
            EXPECT_EQ(dlg.m_timeLimit, c.limit) << c.typed;
            EXPECT_EQ(TextOf(dlg, IDC_TIME_LIMIT), c.shown) << c.typed;
        }
        // The framework's prompt, once.
        ExpectFrameworkBox("정수를 입력하십시오.");
    });
}

TEST_F(EditorTest, SpecificCharacterClampsTheClearValueMemberOnly)
{
    RunEditor([&](CVantrelDlg& dlg) {
        // No rows: the largest row number is -1.
        dlg.m_clearValue = 7;
        ChooseEntry(dlg, IDC_CLEAR_CONDITION, 1);
        EXPECT_EQ(dlg.m_clearValue, -1);

        for (int i = 0; i < 3; i++)
            AddRow(dlg.m_characterList, {"Nemra", std::to_string(100 + i), "220", "왼쪽"});
        ChooseEntry(dlg, IDC_CLEAR_CONDITION, 0);
        dlg.m_clearValue = 7;
        dlg.UpdateData(FALSE);
        ChooseEntry(dlg, IDC_CLEAR_CONDITION, 1);
        EXPECT_EQ(dlg.m_clearValue, 2);
        EXPECT_EQ(TextOf(dlg, IDC_CLEAR_VALUE), "7");

        // A negative value typed under another condition becomes row 0, which
        // the edit shows once the fields are written out.
        ChooseEntry(dlg, IDC_CLEAR_CONDITION, 0);
        Retype(dlg, IDC_CLEAR_VALUE, "-5");
        ChooseEntry(dlg, IDC_CLEAR_CONDITION, 1);
        EXPECT_EQ(dlg.m_clearValue, 0);
        dlg.UpdateData(FALSE);
        EXPECT_EQ(TextOf(dlg, IDC_CLEAR_VALUE), "0");

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
        EXPECT_TRUE(dlg.Widget()->isEnabled());
        for (int id : all)
            Control(dlg, id)->setEnabled(false);
        dlg.ReleaseAfterEntryDialog();
        expectOnly(released, true);
    });
}

TEST_F(EditorTest, BridgesReadTheSelectedTypesSafely)
{
    RunEditor([&](CVantrelDlg& dlg) {
        SetSelectedTypes(dlg, {4});
        EXPECT_EQ(theApp.GetSelectedTypeCount(), 1);
        EXPECT_EQ(theApp.GetSelectedType(0), 4);
        for (int outside : {1, 10, -1})
            EXPECT_EQ(theApp.GetSelectedType(outside), SLOT_EMPTY) << outside;
    });
}
