// The event list through its buttons and the event dialog.
#include "EditorFixture.h"

namespace {

using EventListTest = EditorTest;

const int kLines[] = {IDC_EVENT_LINE1, IDC_EVENT_LINE2, IDC_EVENT_LINE3};

// Cells 1 to 11 of a row as written, the unused ones empty.
Texts Row(const std::string& target, const std::string& command, const std::string& speaker = "",
          const std::string& value = "", const Texts& lines = {"", "", ""})
{
    return {target, command, speaker, "", value, "", "", "", lines[0], lines[1], lines[2]};
}

// What a command shows; a field is enabled exactly when its label is shown.
enum Fields { NONE, NUMBER, DIALOGUE };
void ExpectView(CEventEdit& edit, Fields shown, const char* numberLabel)
{
    const int fields[] = {IDC_EVENT_NUMBER, IDC_EVENT_FACE, IDC_EVENT_LINE1, IDC_EVENT_LINE2, IDC_EVENT_LINE3};
    const int labels[] = {IDC_EVENT_NUMBER_LABEL, IDC_EVENT_FACE_LABEL, IDC_EVENT_LINE1_LABEL,
                          IDC_EVENT_LINE2_LABEL, IDC_EVENT_LINE3_LABEL};
    const char* texts[] = {numberLabel, "대화창 얼굴", "첫번째 줄 대사 라인", "두번째 줄 대사 라인",
                           "세번째 줄 대사 라인"};
    for (int i = 0; i < 5; i++) {
        const bool on = i == 0 ? shown == NUMBER : shown == DIALOGUE;
        EXPECT_EQ(Control(edit, fields[i])->isEnabled(), on) << i;
        EXPECT_TRUE(Control(edit, fields[i])->isVisible()) << i;
        EXPECT_EQ(Control(edit, labels[i])->isVisible(), on) << i;
        if (on) { EXPECT_EQ(TextOf(edit, labels[i]), texts[i]); }
    }
}

// What each entry of the command list shows, and its number's label.
const char* const kIllustration = "일러스트 번호(0-32)";
const struct {
    Fields shown;
    const char* label;
} kViews[11] = {
    {NUMBER, "시작 X축 위치"}, {NONE, ""}, {DIALOGUE, ""}, {NONE, ""}, {NONE, ""}, {NUMBER, kIllustration},
    {NONE, ""}, {NONE, ""}, {NUMBER, "해체할 캐릭터 번호"}, {NUMBER, kIllustration},
    {NUMBER, "플레이할 효과음 번호 (0-23)"},
};

void Escape(CWnd& dialog)
{
    QTest::keyClick(dialog.Widget()->focusWidget(), Qt::Key_Escape);
    Settle();
}

}  // namespace

TEST_F(EventListTest, EachCommandShowsItsFieldsAndWritesItsCellsWithTheClamps)
{
    const Texts lines = {"안녕하세요", "two", ""};
    const struct {
        int target, command;
        const char* number;
        Texts cells;
    } cases[] = {
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
        {6, 8, "-300", Row("Caldis", "전술해체", "", "-300")},
        {7, 9, "33", Row("Meriven", "일러노열", "", "32")},
        {25, 10, "30", Row("Vell2", "효과음", "", "23")},
        {25, 10, "-1", Row("Vell2", "효과음", "", "0")},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        int row = 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.command << " " << c.number);
            Click(dlg, IDC_EVENT_REGISTER);
            CEventEdit& edit = dlg.m_dlgEvent;
            // Every field filled; only the command's own reach the row.
            PickEntry(edit, IDC_EVENT_TARGET, c.target);
            Retype(edit, IDC_EVENT_NUMBER, c.number);
            PickEntry(edit, IDC_EVENT_COMMAND, 2);
            PickEntry(edit, IDC_EVENT_FACE, 26);
            for (int i = 0; i < 3; i++)
                Retype(edit, kLines[i], QString::fromStdString(lines[i]));
            PickEntry(edit, IDC_EVENT_COMMAND, c.command);
            // The entry's own text, which for "play music" is not the cell's.
            EXPECT_EQ(TextOf(edit, IDC_EVENT_COMMAND), c.command == 4 ? "BGM 재생" : c.cells[1]);
            ExpectView(edit, kViews[c.command].shown, kViews[c.command].label);

            // A result draws nothing.
            EXPECT_EQ(DrawCalls([&] { QTest::mouseClick(Control(edit, IDOK), Qt::LeftButton); }), 0);
            Settle();
            EXPECT_EQ(CellText(dlg.m_eventList, row, 0), std::to_string(row));
            EXPECT_EQ(RowCells(dlg.m_eventList, row++, 1), c.cells);
        }
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    });
}

TEST_F(EventListTest, ModifyReadsEveryKindOfRowBackIntoTheDialog)
{
    const std::string long120(120, 'L');
    const Texts none = {"", "", ""};
    const struct {
        Texts cells;
        int target, command, face;
        const char* number;
        Texts lines;
    } cases[] = {
        {Row("Torvane", "시작", "", "-20"), 0, 0, 0, "-20", none},
        {Row("없음", "BGM 시작"), 26, 4, 0, "0", none},
        {Row("Nemra", "강제종료", "", "7"), 2, 0, 0, "0", none},
        {Row("전부", "대사", "전부", "", {"가", "b", "c"}), 9, 2, 9, "0", {"가", "b", "c"}},
        {Row("Nobody", "일러열기", "", "05"), 0, 5, 0, "5", none},
        {Row("Vell2", "효과음", "", "23"), 25, 10, 0, "23", none},
        {Row("Okkar", "일러노열", "", "32"), 3, 9, 0, "32", none},
        {Row("Okkar", "전술해체", "", " +12x"), 3, 8, 0, "12", none},
        {Row("Okkar", "대사", "Zerrek", "", {long120, "", "x"}), 3, 2, 16, "0", {long120.substr(0, 107), "", "x"}},
        // Speaker and lines only of dialogue, the value only of numbers;
        // "BGM 재생" is the dialog's own text, not a row's.
        {{"Okkar", "끝", "Zerrek", "", "9", "", "", "", "l1", "", ""}, 3, 1, 0, "0", none},
        {Row("Okkar", "BGM 재생"), 3, 0, 0, "0", none},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        for (const auto& c : cases)
            AddRow(dlg.m_eventList, c.cells);
        int row = 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(row);
            testhooks::ClickListRow(dlg.m_eventList.m_hWnd, row);
            Click(dlg, IDC_EVENT_MODIFY);
            CEventEdit& edit = dlg.m_dlgEvent;
            ASSERT_TRUE(edit.IsWindowVisible());
            EXPECT_EQ(edit.m_target.GetCurSel(), c.target);
            EXPECT_EQ(edit.m_command.GetCurSel(), c.command);
            EXPECT_EQ(edit.m_face.GetCurSel(), c.face);
            EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), c.number);
            // The command's fields; a filled release tactic row has a label of its own.
            ExpectView(edit, kViews[c.command].shown,
                       c.command == 8 ? "해채할 캐릭터 번호" : kViews[c.command].label);
            for (int i = 0; i < 3; i++)
                EXPECT_EQ(TextOf(edit, kLines[i]), c.lines[i]);
            EXPECT_TRUE(Locked(dlg));

            // Cancel of a modify leaves the row as it was.
            Click(edit, IDCANCEL);
            EXPECT_FALSE(IsWindow(edit.m_hWnd));
            EXPECT_EQ(RowCells(dlg.m_eventList, row++, 1), c.cells);
        }
        EXPECT_EQ(Column(dlg.m_eventList, 0), Numbers(row));
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

        // OK rewrites the row; the dialog is owned by the main window, centred.
        testhooks::ClickListRow(dlg.m_eventList.m_hWnd, 3);
        Click(dlg, IDC_EVENT_MODIFY);
        QWidget* window = dlg.m_dlgEvent.Widget();
        EXPECT_EQ(window->parentWidget(), dlg.Widget());
        QPoint offset = window->frameGeometry().center() - dlg.Widget()->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);
        PickEntry(dlg.m_dlgEvent, IDC_EVENT_COMMAND, 0);
        Retype(dlg.m_dlgEvent, IDC_EVENT_NUMBER, "-5");
        Click(dlg.m_dlgEvent, IDOK);
        EXPECT_EQ(RowCells(dlg.m_eventList, 3, 1), Row("전부", "시작", "", "-5"));
        EXPECT_EQ(RowCells(dlg.m_eventList, 2, 1), cases[2].cells);
        EXPECT_EQ(RowCells(dlg.m_eventList, 4, 1), cases[4].cells);

        // After a modify, a register is a new row again: Esc takes it away.
        const std::vector<Texts> rows = AllCells(dlg.m_eventList);
        Click(dlg, IDC_EVENT_REGISTER);
        EXPECT_EQ(dlg.m_eventList.GetItemCount(), row + 1);
        Escape(dlg.m_dlgEvent);
        EXPECT_EQ(AllCells(dlg.m_eventList), rows);
    });
}

// Register stops at 5000 rows, insert at the file's count limit.
TEST_F(EventListTest, RegisterAndInsertStopAtTheirLimitsAndCancelTakesTheNewRowAway)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_eventList;
        // Cancel, Esc and the close box all take the new row away.
        const std::function<void(CWnd&)> cancels[] = {
            [](CWnd& edit) { QTest::mouseClick(Control(edit, IDCANCEL), Qt::LeftButton); },
            Escape,
            [](CWnd& edit) { edit.Widget()->close(); },
        };
        for (const auto& cancel : cancels) {
            Click(dlg, IDC_EVENT_REGISTER);
            EXPECT_EQ(RowCells(list, 0, 1), Row("", ""));
            cancel(dlg.m_dlgEvent);
            Settle();
            EXPECT_FALSE(IsWindow(dlg.m_dlgEvent.m_hWnd));
            EXPECT_EQ(list.GetItemCount(), 0);
        }

        while (list.GetItemCount() < 4999)
            AddRow(list, Row("Torvane", "끝"));
        Click(dlg, IDC_EVENT_REGISTER);
        EXPECT_EQ(CellText(list, 4999, 0), "4999");
        // The open dialog locks the main dialog; its result releases it.
        EXPECT_TRUE(Locked(dlg));
        Click(dlg.m_dlgEvent, IDOK);
        EXPECT_EQ(RowCells(list, 4999, 1), Row("Torvane", "시작", "", "0"));
        EXPECT_FALSE(Locked(dlg));
        Click(dlg, IDC_EVENT_REGISTER);
        EXPECT_FALSE(IsWindow(dlg.m_dlgEvent.m_hWnd));
        ExpectFrameworkBox("이벤트 등록 한계치입니다");
        EXPECT_FALSE(Locked(dlg));

        while (list.GetItemCount() < 65534)
            AddRow(list, {});
        testhooks::ClickListRow(list.m_hWnd, 10);
        Click(dlg, IDC_EVENT_INSERT);
        EXPECT_EQ(CellText(list, 65534, 0), "65534");
        Click(dlg.m_dlgEvent, IDOK);
        EXPECT_EQ(RowCells(list, 10, 1), Row("Torvane", "시작", "", "0"));
        EXPECT_EQ(Column(list, 0), Numbers(65535));

        testhooks::ClearMessageBoxes();
        testhooks::ClickListRow(list.m_hWnd, 0);
        Click(dlg, IDC_EVENT_INSERT);
        EXPECT_EQ(list.GetItemCount(), 65535);
        EXPECT_FALSE(IsWindow(dlg.m_dlgEvent.m_hWnd));
        EXPECT_EQ(dlg.m_insertMode, 0);
        ExpectFrameworkBox("이벤트 등록 한계치입니다");
        EXPECT_FALSE(Locked(dlg));
    });
}

TEST_F(EventListTest, InsertAndDeleteKeepTheNumbersWithoutGaps)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CListCtrl& list = dlg.m_eventList;
        const Texts names = {"Torvane", "Brisalt", "Nemra", "Okkar", "Fendrel", "Yorrith"};
        for (const std::string& name : names)
            AddRow(list, Row(name, "끝"));

        // Insert in front of row 3, then Esc: the new row goes again.
        testhooks::ClickListRow(list.m_hWnd, 3);
        Click(dlg, IDC_EVENT_INSERT);
        EXPECT_TRUE(Locked(dlg));
        EXPECT_EQ(Column(list, 0), Numbers(7));
        EXPECT_EQ(RowCells(list, 3, 1), Row("", ""));
        EXPECT_EQ(CellText(list, 4, 1), "Okkar");
        Escape(dlg.m_dlgEvent);
        EXPECT_EQ(dlg.m_insertMode, 0);
        EXPECT_EQ(Column(list, 0), Numbers(6));
        EXPECT_EQ(Column(list, 1), names);

        // Insert a dialogue in front of row 0, with OK: its three lines in
        // their own cells.
        testhooks::ClickListRow(list.m_hWnd, 0);
        Click(dlg, IDC_EVENT_INSERT);
        PickEntry(dlg.m_dlgEvent, IDC_EVENT_TARGET, 26);
        PickEntry(dlg.m_dlgEvent, IDC_EVENT_COMMAND, 2);
        PickEntry(dlg.m_dlgEvent, IDC_EVENT_FACE, 26);
        const Texts lines = {"하나", "둘", "셋"};
        for (int i = 0; i < 3; i++)
            Retype(dlg.m_dlgEvent, kLines[i], QString::fromStdString(lines[i]));
        Click(dlg.m_dlgEvent, IDOK);
        EXPECT_EQ(dlg.m_insertMode, 0);
        EXPECT_EQ(RowCells(list, 0, 1), Row("없음", "대사", "없음", "", lines));
        EXPECT_EQ(CellText(list, 1, 1), "Torvane");
        EXPECT_EQ(Column(list, 0), Numbers(7));

        // Delete row 2: No keeps it, Yes takes it and repaints; the last and
        // the first row too.
        testhooks::ClickListRow(list.m_hWnd, 2);
        Click(dlg, IDC_EVENT_DELETE);
        ExpectOneBox("정말로 2번 이벤트를 지웁니까?", kCaption, kQuestionBox);
        EXPECT_EQ(CellText(list, 2, 1), "Brisalt");
        testhooks::AnswerNextMessageBoxes({IDYES});
        EXPECT_GT(DrawCalls([&] { Click(dlg, IDC_EVENT_DELETE); }), 0);
        EXPECT_EQ(Column(list, 0), Numbers(6));
        EXPECT_EQ(CellText(list, 2, 1), "Nemra");
        testhooks::ClickListRow(list.m_hWnd, 5);
        testhooks::AnswerNextMessageBoxes({IDYES});
        Click(dlg, IDC_EVENT_DELETE);
        EXPECT_EQ(BoxText(2), "정말로 5번 이벤트를 지웁니까?");
        EXPECT_EQ(Column(list, 1), (Texts{"없음", "Torvane", "Nemra", "Okkar", "Fendrel"}));
        EXPECT_EQ(Column(list, 0), Numbers(5));
        testhooks::ClickListRow(list.m_hWnd, 0);
        testhooks::AnswerNextMessageBoxes({IDYES});
        Click(dlg, IDC_EVENT_DELETE);
        EXPECT_EQ(Column(list, 1), (Texts{"Torvane", "Nemra", "Okkar", "Fendrel"}));
        EXPECT_EQ(Column(list, 0), Numbers(4));
    });
}
