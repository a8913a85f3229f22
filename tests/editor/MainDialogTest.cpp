// The main dialog: start-up, refusals, closing, the clear value and time limit.
#include <QTableView>

#include <unistd.h>

#include <filesystem>

#include "EditorFixture.h"
#include "mfc/DialogWindow.h"

// Locking for an entry dialog disables 1001-1007 and 1010-1023; releasing
// enables the same but "Option" (1006) and "PaS" (1023).
TEST_F(EditorTest, StartsWithAnEmptyStageAndLocksItsControlsForEntryDialogs)
{
    RunEditor([&](CVantrelDlg& dlg) {
        EXPECT_EQ(WindowTitle(dlg), "Vantrel v3.1.0 (User Version)  -  none.stg");
        EXPECT_FALSE(dlg.Widget()->windowIcon().isNull());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the wait is over
        const int W = dlg.m_graphics.m_width;
        EXPECT_EQ(std::pair(dlg.m_nearSrc.right, dlg.m_farSrc.right), std::pair(W, W));
        // An event's file name, motion, frame and position columns hidden.
        auto* characters = qobject_cast<QTableView*>(Control(dlg, IDC_CHARACTER_LIST));
        auto* events = qobject_cast<QTableView*>(Control(dlg, IDC_EVENT_LIST));
        EXPECT_EQ(characters->model()->columnCount(), 8);
        EXPECT_EQ(events->model()->columnCount(), 12);
        EXPECT_EQ(characters->model()->headerData(1, Qt::Horizontal).toString().toStdString(), "종류");
        EXPECT_TRUE(characters->showGrid() && events->showGrid());
        // The last columns keep their widths (the lists are wider than their
        // columns); the selection looks the same with the focus elsewhere.
        EXPECT_EQ(std::pair(characters->columnWidth(7), events->columnWidth(11)), std::pair(30, 210));
        for (QTableView* list : {characters, events}) {
            for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
                EXPECT_EQ(list->palette().color(QPalette::Inactive, role),
                          list->palette().color(QPalette::Active, role)) << role;
        }
        // The three lines of a speech are left-aligned, every other column centred.
        for (int column = 0; column < 12; column++) {
            EXPECT_EQ(events->isColumnHidden(column), column == 4 || (column >= 6 && column <= 8));
            int alignment = events->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt();
            EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, column < 9 ? Qt::AlignHCenter : Qt::AlignLeft) << column;
        }
        for (auto [id, rows] : {std::pair{IDC_BACKGROUND, 13}, {IDC_BGM, 7}, {IDC_CLEAR_CONDITION, 3}}) {
            auto* combo = qobject_cast<QComboBox*>(Control(dlg, id));
            EXPECT_EQ(std::pair(combo->count(), combo->currentIndex()), std::pair(rows, 0)) << id;
        }
        EXPECT_EQ(TextOf(dlg, IDC_MOVE_MAX_Y) + "~" + TextOf(dlg, IDC_MOVE_MIN_Y), "240~200");
        EXPECT_FALSE(Control(dlg, IDC_MOVE_MAX_Y)->isEnabled());
        EXPECT_FALSE(Control(dlg, IDC_SCREEN)->isVisible());
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

        std::vector<int> all = {1068};
        for (int id = 1000; id <= 1023; id++)
            all.push_back(id);
        for (bool lock : {true, false}) {
            for (int id : all)
                Control(dlg, id)->setEnabled(lock);
            lock ? dlg.LockForEntryDialog() : dlg.ReleaseAfterEntryDialog();
            for (int id : all) {
                bool inSet = (id >= 1001 && id <= 1007) || (id >= 1010 && id <= 1023);
                bool changed = inSet && (lock || (id != 1006 && id != 1023));
                EXPECT_EQ(Control(dlg, id)->isEnabled(), changed != lock) << id << " " << lock;
            }
        }
        EXPECT_TRUE(dlg.Widget()->isEnabled());
    });
}

// The program as started runs the main dialog, and what its entry dialogs
// report reaches it.
TEST_F(EditorTest, TheProgramsMainDialogTakesWhatItsEntryDialogsReport)
{
    auto mainDialog = []() -> CVantrelDlg* {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = dynamic_cast<DialogWindow*>(window);
            if (dialog && window->isVisible() && window->windowTitle().startsWith(kCaption))
                return dynamic_cast<CVantrelDlg*>(dialog->Owner());
        }
        return nullptr;
    };
    theApp.m_pMainWnd = nullptr;
    bool ran = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        Settle();
        CVantrelDlg* dlg = mainDialog();
        ASSERT_NE(dlg, nullptr);
        ran = true;
        ChooseTypes(*dlg, {16});
        Click(*dlg, IDC_CHARACTER_REGISTER);
        EXPECT_EQ(Entries(*dlg), Texts{"Zerrek"});
        Click(dlg->m_dlgAppearance, IDOK);
        EXPECT_EQ(RowCells(dlg->m_characterList, 0), (Texts{"0", "Zerrek", "0", "200", "왼쪽", "아무개", "자유행동", "0"}));
        EXPECT_FALSE(Locked(*dlg));
        dlg->EndDialog(IDCANCEL);
    });
    QTimer::singleShot(2000, &scope, [&] {
        ADD_FAILURE() << "the dialog did not end";
        if (CVantrelDlg* dlg = mainDialog())
            dlg->EndDialog(-2);
    });
    theApp.InitInstance();
    EXPECT_TRUE(ran);
}

// A desktop not 16-bit, a failing display or an unreadable archive ends it.
TEST_F(EditorTest, StartUpFailuresAreReportedAndEndTheEditor)
{
    char scratch[] = "/tmp/vantrel-noarchive-XXXXXX";
    ASSERT_NE(mkdtemp(scratch), nullptr);
    const auto previous = std::filesystem::current_path();
    for (int cause = 0; cause < 3; cause++) {  // desktop, display, archive
        SCOPED_TRACE(cause);
        testhooks::ResetAll();
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        if (cause == 0)
            testhooks::SetDisplayBitsPerPixel(32);
        else if (cause == 1)
            testhooks::FailDirectDraw("CreateClipper", DDERR_OUTOFMEMORY);
        else
            ASSERT_EQ(chdir(scratch), 0);
        bool ran = false;
        int draws = DrawCalls([&] { EXPECT_EQ(RunEditor([](CVantrelDlg&) {}, &ran), IDCANCEL); });
        std::filesystem::current_path(previous);
        EXPECT_FALSE(ran);
        // Reported while the wait cursor is still up: the editor goes on to quit.
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        const auto& boxes = testhooks::ShownMessageBoxes();
        if (cause == 0) {
            ExpectOneBox("바탕화면의 색이 반드시 16비트이어야 합니다", kCaption, kStopBox);
            EXPECT_EQ(draws, 0);
            continue;
        }
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(BoxText(0), cause == 1 ? "DDERR_OUTOFMEMORY" : "Can't access bfc file");
        if (cause == 1) {
            EXPECT_EQ(boxes[0].caption, "CreateWindowScreen");
            EXPECT_EQ(theScreen.m_sprites[0].surface, nullptr);  // no archive read
        }
        EXPECT_EQ(BoxText(1), "초기화 과정에 문제가 생겼습니다. 다시 시작해 주십시오");
        EXPECT_EQ(boxes[1].icon(), MB_ICONHAND);
    }
    rmdir(scratch);
}

// Enter does nothing; Esc and the close box ask first, also over an entry dialog.
TEST_F(EditorTest, EnterDoesNothingAndLeavingAsksFirst)
{
    RunEditor(
        [&](CVantrelDlg& dlg) {
            QWidget* edit = Control(dlg, IDC_CLEAR_VALUE);
            edit->setFocus();
            Settle();
            ASSERT_EQ(dlg.Widget()->focusWidget(), edit);
            QTest::keyClick(edit, Qt::Key_Return);
            Settle();
            EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

            QTest::keyClick(edit, Qt::Key_Escape);
            Settle();
            ExpectOneBox("Exit?", kCaption, kQuestionBox);
            EXPECT_EQ(testhooks::ShownMessageBoxes()[0].answer, IDNO);
            EXPECT_TRUE(dlg.Widget()->isVisible());
            // The close box asks the same, and No keeps the window.
            testhooks::AnswerNextMessageBoxes({IDNO});
            dlg.Widget()->close();
            Settle();
            EXPECT_EQ(BoxText(1), "Exit?");
            EXPECT_TRUE(dlg.Widget()->isVisible());

            Click(dlg, IDC_CHARACTER_SETTING);
            testhooks::AnswerNextMessageBoxes({IDYES});
            dlg.Widget()->close();
            Settle();
            ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 3u);
        },
        nullptr, true);
}

// Buttons that need a selected row or type say so and change nothing.
TEST_F(EditorTest, ButtonsThatNeedARowOrATypeSayWhy)
{
    const std::pair<int, const char*> cases[] = {
        {IDC_CHARACTER_REGISTER, "등록된 캐릭터가 없습니다"}, {IDC_CHARACTER_MODIFY, "수정할 데이터를 선택해 주세요"},
        {IDC_CHARACTER_DELETE, "삭제할 데이터를 선택해 주세요"}, {IDC_EVENT_MODIFY, "수정할 데이터를 선택해 주세요"},
        {IDC_EVENT_INSERT, "위치를 선택해 주세요"}, {IDC_EVENT_DELETE, "삭제할 데이터를 선택해 주세요"}};
    RunEditor([&](CVantrelDlg& dlg) {
        AddRow(dlg.m_characterList, {"Nemra"});
        AddRow(dlg.m_eventList, {"Torvane", "끝"});
        const auto characters = AllCells(dlg.m_characterList), events = AllCells(dlg.m_eventList);
        for (auto [button, text] : cases) {
            SCOPED_TRACE(button);
            testhooks::ClearMessageBoxes();
            Click(dlg, button);
            ExpectOneBox(text, kCaption, kStopBox);
            EXPECT_EQ(testhooks::ShownMessageBoxes()[0].owner, dlg.m_hWnd);
            EXPECT_EQ(AllCells(dlg.m_characterList), characters);
            EXPECT_EQ(AllCells(dlg.m_eventList), events);
        }
    });
}

// The time limit is clamped to 0..40 on focus loss; "specific character"
// clamps the clear value member (not the edit) to the rows' numbers.
TEST_F(EditorTest, TimeLimitAndClearValueAreClamped)
{
    RunEditor([&](CVantrelDlg& dlg) {
        for (auto [typed, limit] : {std::pair{"41", 40}, {"-3", 0}, {"12", 12}, {"abc", 12}}) {
            Retype(dlg, IDC_TIME_LIMIT, typed);
            Control(dlg, IDC_CLEAR_VALUE)->setFocus();
            Settle();
            EXPECT_EQ(dlg.m_timeLimit, limit) << typed;
            EXPECT_EQ(TextOf(dlg, IDC_TIME_LIMIT), std::to_string(limit)) << typed;
        }
        ExpectFrameworkBox("정수를 입력하십시오.");

        dlg.m_clearValue = 7;
        PickEntry(dlg, IDC_CLEAR_CONDITION, 1, true);
        EXPECT_EQ(dlg.m_clearValue, -1);  // no rows
        for (int i = 0; i < 3; i++)
            AddRow(dlg.m_characterList, {"Nemra", std::to_string(100 + i), "220", "왼쪽"});
        PickEntry(dlg, IDC_CLEAR_CONDITION, 0, true);
        dlg.m_clearValue = 7;
        dlg.UpdateData(FALSE);
        PickEntry(dlg, IDC_CLEAR_CONDITION, 1, true);
        EXPECT_EQ(dlg.m_clearValue, 2);
        EXPECT_EQ(TextOf(dlg, IDC_CLEAR_VALUE), "7");
        PickEntry(dlg, IDC_CLEAR_CONDITION, 0, true);
        Retype(dlg, IDC_CLEAR_VALUE, "-5");
        PickEntry(dlg, IDC_CLEAR_CONDITION, 2, true);  // other conditions take it as typed
        EXPECT_EQ(dlg.m_clearValue, -5);
        PickEntry(dlg, IDC_CLEAR_CONDITION, 1, true);
        EXPECT_EQ(dlg.m_clearValue, 0);
    });
}
