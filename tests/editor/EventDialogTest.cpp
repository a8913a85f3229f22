// The event dialog, opened from the main dialog's event buttons and driven
// through its controls: the fields each command shows, the length of the
// dialogue lines as they are typed, and what OK and Cancel report.
#include "EditorFixture.h"

namespace {

using EventDialogTest = EditorTest;

const int kOptionalFields[] = {IDC_EVENT_NUMBER, IDC_EVENT_FACE, IDC_EVENT_LINE1, IDC_EVENT_LINE2,
                               IDC_EVENT_LINE3};
const int kLabels[] = {IDC_EVENT_NUMBER_LABEL, IDC_EVENT_FACE_LABEL, IDC_EVENT_LINE1_LABEL,
                       IDC_EVENT_LINE2_LABEL, IDC_EVENT_LINE3_LABEL};
const int kLines[] = {IDC_EVENT_LINE1, IDC_EVENT_LINE2, IDC_EVENT_LINE3};

// What a command shows: the number field, the dialogue group or neither
// (a field is enabled exactly when its label is shown), and the number
// label's text.
enum Fields { NONE, NUMBER, DIALOGUE };
struct CommandView {
    const char* command;
    Fields fields;
    const char* numberLabel;
};

void ExpectView(CEventEdit& edit, const CommandView& view)
{
    SCOPED_TRACE(view.command);
    for (int i = 0; i < 5; i++) {
        const bool on = i == 0 ? view.fields == NUMBER : view.fields == DIALOGUE;
        QWidget* field = Control(edit, kOptionalFields[i]);
        EXPECT_EQ(field->isEnabled(), on) << "field " << i;
        EXPECT_TRUE(field->isVisible()) << "field " << i;
        EXPECT_EQ(Control(edit, kLabels[i])->isVisible(), on) << "label " << i;
    }
    if (view.fields == NUMBER) {
        EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER_LABEL), view.numberLabel);
    }
    if (view.fields == DIALOGUE) {
        EXPECT_EQ(TextOf(edit, IDC_EVENT_FACE_LABEL), "대화창 얼굴");
        EXPECT_EQ(TextOf(edit, IDC_EVENT_LINE1_LABEL), "첫번째 줄 대사 라인");
        EXPECT_EQ(TextOf(edit, IDC_EVENT_LINE2_LABEL), "두번째 줄 대사 라인");
        EXPECT_EQ(TextOf(edit, IDC_EVENT_LINE3_LABEL), "세번째 줄 대사 라인");
    }
}

}  // namespace

TEST_F(EventDialogTest, EachCommandShowsAndEnablesOnlyItsOwnFields)
{
    const CommandView views[] = {
        {"시작", NUMBER, "시작 X축 위치"},
        {"끝", NONE, ""},
        {"대사", DIALOGUE, ""},
        {"BGM 정지", NONE, ""},
        {"BGM 재생", NONE, ""},
        {"일러열기", NUMBER, "일러스트 번호(0-32)"},
        {"일러닫기", NONE, ""},
        {"히든제거", NONE, ""},
        {"전술해체", NUMBER, "해체할 캐릭터 번호"},
        {"일러노열", NUMBER, "일러스트 번호(0-32)"},
        {"효과음", NUMBER, "플레이할 효과음 번호 (0-23)"},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        Click(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        ASSERT_TRUE(edit.IsWindowVisible());
        EXPECT_EQ(WindowTitle(edit), "이벤트 편집");

        // A new event: "start" at X 0, every list on its first entry.
        auto* commands = qobject_cast<QComboBox*>(Control(edit, IDC_EVENT_COMMAND));
        ASSERT_EQ(commands->count(), 11);
        EXPECT_EQ(qobject_cast<QComboBox*>(Control(edit, IDC_EVENT_TARGET))->count(), 27);
        EXPECT_EQ(qobject_cast<QComboBox*>(Control(edit, IDC_EVENT_FACE))->itemText(26).toStdString(),
                  "없음");
        EXPECT_EQ(edit.m_target.GetCurSel(), 0);
        EXPECT_EQ(edit.m_face.GetCurSel(), 0);
        EXPECT_EQ(edit.m_command.GetCurSel(), 0);
        EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), "0");
        ExpectView(edit, views[0]);

        // Down the list and back up: each choice shows its own fields,
        // whatever was shown before.
        for (int i = 0; i < 11; i++) {
            PickEntry(edit, IDC_EVENT_COMMAND, i);
            EXPECT_EQ(commands->currentText().toStdString(), views[i].command);
            ExpectView(edit, views[i]);
        }
        for (int i = 9; i >= 0; i--) {
            PickEntry(edit, IDC_EVENT_COMMAND, i);
            ExpectView(edit, views[i]);
        }
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
        Click(edit, IDCANCEL);
    });
}

TEST_F(EventDialogTest, TypedLinesStayWithin35BytesAndAPassingChangeIsUndoneWhole)
{
    struct Case {
        const char* what;
        QString accepted;  // typed first, every key taken
        QString refused;   // typed then: each key refused, or pasted at once
        bool paste;
    };
    const QString syllables17 = QString::fromUtf8("가나다라마바사아자차카타파하가나다");
    const Case cases[] = {
        {"35 Latin letters, then a 36th", QString(35, 'a'), "b", false},
        {"17 syllables and a letter, then a syllable", syllables17 + "x", QString::fromUtf8("오"),
         false},
        {"17 syllables, then an 18th", syllables17, QString::fromUtf8("오"), false},
        {"a paste of 50 bytes into an empty line", "", QString(50, 'z'), true},
        {"a paste that passes the limit with Korean", "abc", QString::fromUtf8("한글") + QString(30, 'k'),
         true},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        Click(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        PickEntry(edit, IDC_EVENT_COMMAND, 2);
        for (const Case& c : cases) {
            for (int id : kLines) {
                SCOPED_TRACE(testing::Message() << c.what << " in " << id);
                Retype(edit, id, "");
                testhooks::ClearMessageBoxes();
                Type(Control(edit, id), c.accepted);
                EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
                const std::string kept = TextOf(edit, id);
                if (c.paste)
                    Paste(Control(edit, id), c.refused);
                else
                    Type(Control(edit, id), c.refused);
                EXPECT_EQ(TextOf(edit, id), kept);
                EXPECT_LE(testhooks::Cp949(TextOf(edit, id)).size(), 35u);
                ExpectFrameworkBox("글자 한도수 초과입니다");
            }
        }
        // The members follow the controls; a full line is reported whole.
        Retype(edit, IDC_EVENT_LINE1, syllables17 + "x");
        Click(edit, IDOK);
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 9), (syllables17 + "x").toStdString());
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 10), "abc");
    });
}

TEST_F(EventDialogTest, ARowsOverlongLineIsShownAsItIsAndOnlyShorteningItIsTaken)
{
    RunEditor([&](CVantrelDlg& dlg) {
        const std::string line36(36, 'm');
        AddRow(dlg.m_eventList, {"Nemra", "대사", "Okkar", "", "", "", "", "", line36, "second", ""});
        testhooks::ClickListRow(dlg.m_eventList.m_hWnd, 0);
        Click(dlg, IDC_EVENT_MODIFY);
        CEventEdit& edit = dlg.m_dlgEvent;
        EXPECT_EQ(TextOf(edit, IDC_EVENT_LINE1), line36);
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

        // Typing into another line is no change of this one.
        Type(Control(edit, IDC_EVENT_LINE2), "!");
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

        QWidget* line = Control(edit, IDC_EVENT_LINE1);
        line->setFocus();
        QTest::keyClick(line, Qt::Key_End);
        Type(line, "n");
        EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(TextOf(edit, IDC_EVENT_LINE1), line36);
        QTest::keyClick(line, Qt::Key_Home);
        QTest::keyClick(line, Qt::Key_Delete);  // 35 bytes: taken
        EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(TextOf(edit, IDC_EVENT_LINE1), std::string(35, 'm'));
        Type(line, "o");
        EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 2u);

        Click(edit, IDOK);
        EXPECT_EQ(RowCells(dlg.m_eventList, 0, 9), (Texts{std::string(35, 'm'), "second!", ""}));
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 3), "Okkar");
    });
}

TEST_F(EventDialogTest, AFilledReleaseTacticRowHasItsOwnLabelUntilTheCommandIsChosen)
{
    RunEditor([&](CVantrelDlg& dlg) {
        AddRow(dlg.m_eventList, {"Tarsek", "전술해체", "", "", "7"});
        testhooks::ClickListRow(dlg.m_eventList.m_hWnd, 0);
        Click(dlg, IDC_EVENT_MODIFY);
        CEventEdit& edit = dlg.m_dlgEvent;
        EXPECT_EQ(edit.m_command.GetCurSel(), 8);
        ExpectView(edit, {"전술해체", NUMBER, "해채할 캐릭터 번호"});
        EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), "7");

        PickEntry(edit, IDC_EVENT_COMMAND, 9);
        PickEntry(edit, IDC_EVENT_COMMAND, 8);
        EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER_LABEL), "해체할 캐릭터 번호");
        Click(edit, IDCANCEL);
    });
}

TEST_F(EventDialogTest, FieldsOfOtherCommandsKeepTheirValuesAndANewDialogStartsAfresh)
{
    RunEditor([&](CVantrelDlg& dlg) {
        Click(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        Retype(edit, IDC_EVENT_NUMBER, "5");
        PickEntry(edit, IDC_EVENT_COMMAND, 2);
        Type(Control(edit, IDC_EVENT_LINE1), "hello");
        PickEntry(edit, IDC_EVENT_COMMAND, 5);
        EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), "5");
        EXPECT_EQ(TextOf(edit, IDC_EVENT_LINE1), "hello");
        EXPECT_FALSE(Control(edit, IDC_EVENT_LINE1)->isEnabled());
        Click(edit, IDOK);
        EXPECT_EQ(RowCells(dlg.m_eventList, 0, 2),
                  (Texts{"일러열기", "", "", "05", "", "", "", "", "", ""}));
        // What the dialog reported beside the command's own value stays in it.
        EXPECT_EQ(std::string(edit.m_line1), "hello");

        Click(dlg, IDC_EVENT_REGISTER);
        EXPECT_EQ(edit.m_command.GetCurSel(), 0);
        EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), "0");
        EXPECT_EQ(TextOf(edit, IDC_EVENT_LINE1), "");
        EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER_LABEL), "시작 X축 위치");
        // The editor then ends with the dialog still open.
    });
}

TEST_F(EventDialogTest, OKWithANumberThatDoesNotParseKeepsTheDialogOpenOnTheNumber)
{
    RunEditor([&](CVantrelDlg& dlg) {
        Click(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        PickEntry(edit, IDC_EVENT_COMMAND, 10);
        for (const char* bad : {"12a", "", "3 4"}) {
            SCOPED_TRACE(bad);
            testhooks::ClearMessageBoxes();
            Retype(edit, IDC_EVENT_NUMBER, bad);
            Click(edit, IDOK);
            ExpectFrameworkBox("정수를 입력하십시오.");
            EXPECT_TRUE(edit.IsWindowVisible());
            EXPECT_EQ(edit.Widget()->focusWidget(), Control(edit, IDC_EVENT_NUMBER));
            EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), bad);
            // No result: the row stays empty and the main dialog locked.
            EXPECT_EQ(CellText(dlg.m_eventList, 0, 2), "");
            EXPECT_FALSE(Control(dlg, IDC_EVENT_REGISTER)->isEnabled());
        }

        // A line changed meanwhile brings the prompt too and shows the last
        // good number again.
        PickEntry(edit, IDC_EVENT_COMMAND, 2);
        Retype(edit, IDC_EVENT_NUMBER, "x");
        testhooks::ClearMessageBoxes();
        Type(Control(edit, IDC_EVENT_LINE2), "a");
        ExpectFrameworkBox("정수를 입력하십시오.");
        EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), "0");
        EXPECT_EQ(TextOf(edit, IDC_EVENT_LINE2), "a");

        PickEntry(edit, IDC_EVENT_COMMAND, 10);
        Retype(edit, IDC_EVENT_NUMBER, "7");
        Click(edit, IDOK);
        EXPECT_FALSE(IsWindow(edit.m_hWnd));
        EXPECT_EQ(RowCells(dlg.m_eventList, 0, 2), (Texts{"효과음", "", "", "7", "", "", "", "", "", ""}));
        EXPECT_TRUE(Control(dlg, IDC_EVENT_REGISTER)->isEnabled());
    });
}

TEST_F(EventDialogTest, TypingInsideALineKeepsTheCaretAndTheUndoSteps)
{
    RunEditor([&](CVantrelDlg& dlg) {
        Click(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        PickEntry(edit, IDC_EVENT_COMMAND, 2);
        for (int id : kLines) {
            SCOPED_TRACE(id);
            QWidget* line = Control(edit, id);
            line->setFocus();
            Type(line, QString::fromUtf8("abc가나"));
            QTest::keyClick(line, Qt::Key_Home);
            Type(line, QString::fromUtf8("X오"));
            QTest::keyClick(line, Qt::Key_Right);
            Type(line, "Y");
            EXPECT_EQ(TextOf(edit, id), "X오aYbc가나");
            for (int i = 0; i < 20 && !TextOf(edit, id).empty(); i++)
                QTest::keyClick(line, Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(TextOf(edit, id), "");
        }
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
        Click(edit, IDCANCEL);
    });
}
