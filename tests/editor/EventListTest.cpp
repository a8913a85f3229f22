// The event list: register, modify, insert and delete through the main
// dialog's buttons and the event dialog, and the cells each result writes.
#include "EditorFixture.h"

namespace {

using EventListTest = EditorTest;

const int kLines[] = {IDC_EVENT_LINE1, IDC_EVENT_LINE2, IDC_EVENT_LINE3};

// Cells 1 to 11 of a row as written: target, command, speaker, value and
// lines in their places, the rest empty.
Texts Row(const std::string& target, const std::string& command, const std::string& speaker = "",
          const std::string& value = "", const Texts& lines = {"", "", ""})
{
    return {target, command, speaker, "", value, "", "", "", lines[0], lines[1], lines[2]};
}

}  // namespace

TEST_F(EventListTest, EachCommandWritesItsOwnCellsWithTheClamps)
{
    struct Case {
        int target, command;
        const char* number;
        Texts cells;
    };
    const Texts lines = {"안녕하세요", "two", ""};
    const Case cases[] = {
        {0, 0, "-20", Row("Torvane", "시작", "", "-20")},
        {1, 1, "9", Row("Brisalt", "끝")},
        {9, 2, "9", Row("전부", "대사", "없음", "", lines)},
        {26, 3, "9", Row("없음", "BGM 정지")},
        {2, 4, "9", Row("Nemra", "BGM 시작")},
        {3, 5, "5", Row("Okkar", "일러열기", "", "05")},
        {3, 5, "10", Row("Okkar", "일러열기", "", "10")},
        {3, 5, "40", Row("Okkar", "일러열기", "", "32")},
        {3, 5, "-3", Row("Okkar", "일러열기", "", "00")},
        {4, 6, "9", Row("Fendrel", "일러닫기")},
        {5, 7, "9", Row("Yorrith", "히든제거")},
        {6, 8, "300", Row("Caldis", "전술해체", "", "300")},
        {6, 8, "-7", Row("Caldis", "전술해체", "", "-7")},
        {7, 9, "0", Row("Meriven", "일러노열", "", "00")},
        {7, 9, "33", Row("Meriven", "일러노열", "", "32")},
        {25, 10, "30", Row("Vell2", "효과음", "", "23")},
        {25, 10, "-1", Row("Vell2", "효과음", "", "0")},
        {25, 10, "23", Row("Vell2", "효과음", "", "23")},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        int row = 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.command << " " << c.number);
            Click(dlg, IDC_EVENT_REGISTER);
            CEventEdit& edit = dlg.m_dlgEvent;
            // Every field filled, whatever the command uses: only its own
            // reach the row.
            PickEntry(edit, IDC_EVENT_TARGET, c.target);
            Retype(edit, IDC_EVENT_NUMBER, c.number);
            PickEntry(edit, IDC_EVENT_COMMAND, 2);
            PickEntry(edit, IDC_EVENT_FACE, 26);
            for (int i = 0; i < 3; i++)
                Retype(edit, kLines[i], QString::fromStdString(lines[i]));
            PickEntry(edit, IDC_EVENT_COMMAND, c.command);

            // A result draws nothing.
            EXPECT_EQ(DrawCalls([&] { QTest::mouseClick(Control(edit, IDOK), Qt::LeftButton); }), 0);
            Settle();
            EXPECT_EQ(CellText(dlg.m_eventList, row, 0), std::to_string(row));
            EXPECT_EQ(RowCells(dlg.m_eventList, row, 1), c.cells);
            row++;
        }
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    });
}

TEST_F(EventListTest, ModifyReadsEveryKindOfRowBackIntoTheDialog)
{
    struct Case {
        Texts cells;
        int target, command, face;
        const char* number;
        Texts lines;
    };
    const std::string long120(120, 'L');
    const Texts none = {"", "", ""};
    const Case cases[] = {
        {Row("Torvane", "시작", "", "-20"), 0, 0, 0, "-20", none},
        {Row("없음", "BGM 시작"), 26, 4, 0, "0", none},
        {Row("Nemra", "강제종료", "", "7"), 2, 0, 0, "0", none},
        {Row("전부", "대사", "전부", "", {"가", "b", "c"}), 9, 2, 9, "0", {"가", "b", "c"}},
        {Row("Nobody", "일러열기", "", "05"), 0, 5, 0, "5", none},
        {Row("Vell2", "효과음", "", "23"), 25, 10, 0, "23", none},
        {Row("Okkar", "일러노열", "", "32"), 3, 9, 0, "32", none},
        {Row("Okkar", "전술해체", "", " +12x"), 3, 8, 0, "12", none},
        {Row("Okkar", "대사", "Zerrek", "", {long120, "", "x"}), 3, 2, 16, "0",
         {long120.substr(0, 107), "", "x"}},
        // Only a dialogue row's speaker and lines are read, only a number
        // command's value; the dialog's own text for "play music" is no
        // row's text.
        {{"Okkar", "끝", "Zerrek", "", "9", "", "", "", "l1", "", ""}, 3, 1, 0, "0", none},
        {Row("Okkar", "BGM 재생"), 3, 0, 0, "0", none},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        for (const Case& c : cases)
            AddRow(dlg.m_eventList, c.cells);
        int row = 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(row);
            testhooks::ClickListRow(dlg.m_eventList.m_hWnd, row);
            Click(dlg, IDC_EVENT_MODIFY);
            CEventEdit& edit = dlg.m_dlgEvent;
            ASSERT_TRUE(edit.IsWindowVisible());
            EXPECT_EQ(edit.m_target.GetCurSel(), c.target);
            EXPECT_EQ(edit.m_command.GetCurSel(), c.command);
            EXPECT_EQ(edit.m_face.GetCurSel(), c.face);
            EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), c.number);
            for (int i = 0; i < 3; i++)
                EXPECT_EQ(TextOf(edit, kLines[i]), c.lines[i]);
            EXPECT_FALSE(Control(dlg, IDC_EVENT_LIST)->isEnabled());

            // Cancel of a modify leaves the row as it was.
            Click(edit, IDCANCEL);
            EXPECT_FALSE(IsWindow(edit.m_hWnd));
            EXPECT_EQ(RowCells(dlg.m_eventList, row, 1), c.cells);
            row++;
        }
        EXPECT_EQ(Column(dlg.m_eventList, 0), Numbers(row));
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    });
}

TEST_F(EventListTest, ModifyWithOKRewritesTheWholeRowInItsPlace)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_eventList;
        AddRow(list, Row("Torvane", "시작", "", "100"));
        AddRow(list, Row("Nemra", "대사", "Okkar", "", {"one", "two", "three"}));
        AddRow(list, Row("Okkar", "끝"));
        testhooks::ClickListRow(list.m_hWnd, 1);
        Click(dlg, IDC_EVENT_MODIFY);
        // Opened without a parent of its own: owned by the main window,
        // and centred over it.
        QWidget* window = dlg.m_dlgEvent.Widget();
        EXPECT_EQ(window->parentWidget(), dlg.Widget());
        QPoint offset = window->frameGeometry().center() - dlg.Widget()->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);

        PickEntry(dlg.m_dlgEvent, IDC_EVENT_COMMAND, 0);
        Retype(dlg.m_dlgEvent, IDC_EVENT_NUMBER, "-5");
        Click(dlg.m_dlgEvent, IDOK);
        EXPECT_EQ(RowCells(list, 1, 1), Row("Nemra", "시작", "", "-5"));
        EXPECT_EQ(RowCells(list, 0, 1), Row("Torvane", "시작", "", "100"));
        EXPECT_EQ(RowCells(list, 2, 1), Row("Okkar", "끝"));
        EXPECT_EQ(Column(list, 0), Numbers(3));
    });
}

TEST_F(EventListTest, RegisterAppendsUpTo5000RowsAndItsCancelTakesTheRowAway)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_eventList;
        // Cancel, Esc and the close box all take the new row away.
        const std::function<void(CWnd&)> cancels[] = {
            [](CWnd& edit) { QTest::mouseClick(Control(edit, IDCANCEL), Qt::LeftButton); },
            [](CWnd& edit) { QTest::keyClick(edit.Widget()->focusWidget(), Qt::Key_Escape); },
            [](CWnd& edit) { edit.Widget()->close(); },
        };
        for (const auto& cancel : cancels) {
            Click(dlg, IDC_EVENT_REGISTER);
            EXPECT_EQ(list.GetItemCount(), 1);
            EXPECT_EQ(RowCells(list, 0, 1), Row("", ""));
            cancel(dlg.m_dlgEvent);
            Settle();
            EXPECT_FALSE(IsWindow(dlg.m_dlgEvent.m_hWnd));
            EXPECT_EQ(list.GetItemCount(), 0);
        }

        while (list.GetItemCount() < 4999)
            AddRow(list, Row("Torvane", "끝"));
        Click(dlg, IDC_EVENT_REGISTER);
        ASSERT_EQ(list.GetItemCount(), 5000);
        EXPECT_EQ(CellText(list, 4999, 0), "4999");
        EXPECT_TRUE(dlg.m_dlgEvent.IsWindowVisible());
        // The open dialog locks the main dialog's entry controls; its result
        // releases them.
        const int locked[] = {IDC_STAGE_LOAD, IDC_BACKGROUND, IDC_CHARACTER_LIST, IDC_CLEAR_VALUE,
                              IDC_EVENT_LIST, IDC_EVENT_REGISTER, IDC_EVENT_DELETE};
        for (int id : locked)
            EXPECT_FALSE(Control(dlg, id)->isEnabled()) << id;
        Click(dlg.m_dlgEvent, IDOK);
        EXPECT_EQ(RowCells(list, 4999, 1), Row("Torvane", "시작", "", "0"));
        for (int id : locked)
            EXPECT_TRUE(Control(dlg, id)->isEnabled()) << id;
        EXPECT_FALSE(Control(dlg, IDC_OPTION)->isEnabled());

        Click(dlg, IDC_EVENT_REGISTER);
        EXPECT_EQ(list.GetItemCount(), 5000);
        EXPECT_FALSE(IsWindow(dlg.m_dlgEvent.m_hWnd));
        ExpectFrameworkBox("이벤트 등록 한계치입니다");
        EXPECT_TRUE(Control(dlg, IDC_EVENT_REGISTER)->isEnabled());

        // Insert is not bound by register's limit.
        testhooks::ClickListRow(list.m_hWnd, 10);
        Click(dlg, IDC_EVENT_INSERT);
        EXPECT_EQ(list.GetItemCount(), 5001);
        EXPECT_EQ(CellText(list, 5000, 0), "5000");
        Click(dlg.m_dlgEvent, IDOK);
        EXPECT_EQ(RowCells(list, 10, 1), Row("Torvane", "시작", "", "0"));
        EXPECT_EQ(Column(list, 0), Numbers(5001));
    });
}

TEST_F(EventListTest, InsertAndDeleteKeepTheRowNumbersWithoutGaps)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_eventList;
        const Texts names = {"Torvane", "Brisalt", "Nemra", "Okkar", "Fendrel", "Yorrith"};
        for (const std::string& name : names)
            AddRow(list, Row(name, "끝"));

        // Insert in front of row 3, then cancel.
        testhooks::ClickListRow(list.m_hWnd, 3);
        Click(dlg, IDC_EVENT_INSERT);
        EXPECT_EQ(Column(list, 0), Numbers(7));
        EXPECT_EQ(RowCells(list, 3, 1), Row("", ""));
        EXPECT_EQ(CellText(list, 4, 1), "Okkar");
        EXPECT_EQ(dlg.m_insertMode, 1);
        Click(dlg.m_dlgEvent, IDCANCEL);
        EXPECT_EQ(dlg.m_insertMode, 0);
        EXPECT_EQ(Column(list, 0), Numbers(6));
        EXPECT_EQ(Column(list, 1), names);

        // A modify and Cancel afterwards touches nothing.
        testhooks::ClickListRow(list.m_hWnd, 3);
        Click(dlg, IDC_EVENT_MODIFY);
        Click(dlg.m_dlgEvent, IDCANCEL);
        EXPECT_EQ(RowCells(list, 3, 1), Row("Okkar", "끝"));
        EXPECT_EQ(list.GetItemCount(), 6);

        // Insert in front of row 0, with OK.
        testhooks::ClickListRow(list.m_hWnd, 0);
        Click(dlg, IDC_EVENT_INSERT);
        PickEntry(dlg.m_dlgEvent, IDC_EVENT_TARGET, 26);
        Click(dlg.m_dlgEvent, IDOK);
        EXPECT_EQ(dlg.m_insertMode, 0);
        EXPECT_EQ(RowCells(list, 0, 1), Row("없음", "시작", "", "0"));
        EXPECT_EQ(CellText(list, 1, 1), "Torvane");
        EXPECT_EQ(Column(list, 0), Numbers(7));

        // Delete row 2: No keeps it, Yes takes it and repaints.
        testhooks::ClickListRow(list.m_hWnd, 2);
        Click(dlg, IDC_EVENT_DELETE);
        ExpectOneBox("정말로 2번 이벤트를 지웁니까?", kCaption, kQuestionBox);
        EXPECT_EQ(list.GetItemCount(), 7);
        EXPECT_EQ(CellText(list, 2, 1), "Brisalt");

        testhooks::AnswerNextMessageBoxes({IDYES});
        EXPECT_GT(DrawCalls([&] { Click(dlg, IDC_EVENT_DELETE); }), 0);
        EXPECT_EQ(Column(list, 0), Numbers(6));
        EXPECT_EQ(CellText(list, 2, 1), "Nemra");

        // The last row too.
        testhooks::ClickListRow(list.m_hWnd, 5);
        testhooks::AnswerNextMessageBoxes({IDYES});
        Click(dlg, IDC_EVENT_DELETE);
        EXPECT_EQ(BoxText(2), "정말로 5번 이벤트를 지웁니까?");
        EXPECT_EQ(Column(list, 0), Numbers(5));
        EXPECT_EQ(CellText(list, 4, 1), "Fendrel");
    });
}

TEST_F(EventListTest, InsertStopsWhereTheStageFileCanNoLongerCountTheEvents)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_eventList;
        while (list.GetItemCount() < 65534)
            AddRow(list, {});
        testhooks::ClickListRow(list.m_hWnd, 0);
        Click(dlg, IDC_EVENT_INSERT);
        ASSERT_EQ(list.GetItemCount(), 65535);
        EXPECT_EQ(CellText(list, 65534, 0), "65534");
        Click(dlg.m_dlgEvent, IDOK);
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

        testhooks::ClickListRow(list.m_hWnd, 0);
        Click(dlg, IDC_EVENT_INSERT);
        EXPECT_EQ(list.GetItemCount(), 65535);
        EXPECT_FALSE(IsWindow(dlg.m_dlgEvent.m_hWnd));
        EXPECT_EQ(dlg.m_insertMode, 0);
        EXPECT_EQ(RowCells(list, 0, 1), Row("Torvane", "시작", "", "0"));
        EXPECT_EQ(CellText(list, 1, 0), "1");
        ExpectFrameworkBox("이벤트 등록 한계치입니다");
        EXPECT_TRUE(Control(dlg, IDC_EVENT_INSERT)->isEnabled());
    });
}

TEST_F(EventListTest, HomeAndEndChooseTheRowThatModifyOpens)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_eventList;
        const Texts names = {"Torvane", "Brisalt", "Nemra", "Okkar", "Fendrel"};
        for (const std::string& name : names)
            AddRow(list, Row(name, "끝"));
        testhooks::ClickListRow(list.m_hWnd, 2);
        QWidget* view = Control(dlg, IDC_EVENT_LIST);
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int row;
        } steps[] = {
            {Qt::Key_End, Qt::NoModifier, 4},       {Qt::Key_Home, Qt::NoModifier, 0},
            {Qt::Key_Down, Qt::NoModifier, 1},      {Qt::Key_End, Qt::ControlModifier, 4},
            {Qt::Key_Home, Qt::ControlModifier, 0},
        };
        for (const auto& s : steps) {
            view->setFocus();
            QTest::keyClick(view, s.key, s.modifiers);
            Click(dlg, IDC_EVENT_MODIFY);
            EXPECT_EQ(TextOf(dlg.m_dlgEvent, IDC_EVENT_TARGET), names[s.row]) << s.key;
            Click(dlg.m_dlgEvent, IDCANCEL);
        }
    });
}

TEST_F(EventListTest, ANewRowCancelledAfterAModifyIsStillTakenAway)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_eventList;
        AddRow(list, Row("Torvane", "끝"));
        AddRow(list, Row("Nemra", "끝"));
        for (int result : {IDOK, IDCANCEL}) {
            for (int add : {IDC_EVENT_REGISTER, IDC_EVENT_INSERT}) {
                SCOPED_TRACE(testing::Message() << result << " then " << add);
                testhooks::ClickListRow(list.m_hWnd, 1);
                Click(dlg, IDC_EVENT_MODIFY);
                Click(dlg.m_dlgEvent, result);
                const std::vector<Texts> before = AllCells(list);
                testhooks::ClickListRow(list.m_hWnd, 0);
                Click(dlg, add);
                EXPECT_EQ(list.GetItemCount(), 3);
                QTest::keyClick(dlg.m_dlgEvent.Widget()->focusWidget(), Qt::Key_Escape);
                Settle();
                EXPECT_FALSE(IsWindow(dlg.m_dlgEvent.m_hWnd));
                EXPECT_EQ(AllCells(list), before);
            }
        }
    });
}
