// The event dialog, opened from the main dialog's event buttons and driven
// through its controls: the fields each command shows, the length of the
// dialogue lines as they are typed, and what OK and Cancel report.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <string>

#include "EditorFixture.h"
#include "Resource.h"
#include "win32/Window.h"

namespace {

using EventDialogTest = EditorTest;

const int kOptionalFields[] = {IDC_EVENT_NUMBER, IDC_EVENT_FACE, IDC_EVENT_LINE1, IDC_EVENT_LINE2,
                               IDC_EVENT_LINE3};
const int kLabels[] = {IDC_EVENT_NUMBER_LABEL, IDC_EVENT_FACE_LABEL, IDC_EVENT_LINE1_LABEL,
                       IDC_EVENT_LINE2_LABEL, IDC_EVENT_LINE3_LABEL};
const int kLines[] = {IDC_EVENT_LINE1, IDC_EVENT_LINE2, IDC_EVENT_LINE3};

std::string LabelText(CEventEdit& edit, int id)
{
    return static_cast<QLabel*>(Control(edit, id))->text().toStdString();
}

std::string EditText(CEventEdit& edit, int id)
{
    return static_cast<QLineEdit*>(Control(edit, id))->text().toStdString();
}

// The line's text in code page 949 bytes, as the dialog measures it.
size_t LineBytes(CEventEdit& edit, int id)
{
    return testhooks::Cp949(EditText(edit, id)).size();
}

// What a command shows: which of the five optional fields are enabled, which
// of their labels are shown, and the number label's text when it is shown.
struct CommandView {
    const char* command;
    bool enabled[5];
    bool shown[5];
    const char* numberLabel;
};

void ExpectView(CEventEdit& edit, const CommandView& view)
{
    for (int i = 0; i < 5; i++) {
        QWidget* field = Control(edit, kOptionalFields[i]);
        EXPECT_EQ(field->isEnabled(), view.enabled[i]) << view.command << " field " << i;
        EXPECT_TRUE(field->isVisible()) << view.command << " field " << i;
        EXPECT_EQ(Control(edit, kLabels[i])->isVisible(), view.shown[i])
            << view.command << " label " << i;
    }
    if (view.shown[0]) {
        EXPECT_EQ(LabelText(edit, IDC_EVENT_NUMBER_LABEL), view.numberLabel) << view.command;
    }
    if (view.shown[1]) {
        EXPECT_EQ(LabelText(edit, IDC_EVENT_FACE_LABEL), "대화창 얼굴");
        EXPECT_EQ(LabelText(edit, IDC_EVENT_LINE1_LABEL), "첫번째 줄 대사 라인");
        EXPECT_EQ(LabelText(edit, IDC_EVENT_LINE2_LABEL), "두번째 줄 대사 라인");
        EXPECT_EQ(LabelText(edit, IDC_EVENT_LINE3_LABEL), "세번째 줄 대사 라인");
    }
}

CommandView NumberView(const char* command, const char* label)
{
    return {command, {true, false, false, false, false}, {true, false, false, false, false}, label};
}

CommandView NothingView(const char* command)
{
    return {command, {false, false, false, false, false}, {false, false, false, false, false}, ""};
}

}  // namespace

TEST_F(EventDialogTest, EachCommandShowsAndEnablesOnlyItsOwnFields)
{
    const CommandView views[] = {
        NumberView("시작", "시작 X축 위치"),
        NothingView("끝"),
        {"대사", {false, true, true, true, true}, {false, true, true, true, true}, ""},
        NothingView("BGM 정지"),
        NothingView("BGM 재생"),
        NumberView("일러열기", "일러스트 번호(0-32)"),
        NothingView("일러닫기"),
        NothingView("히든제거"),
        NumberView("전술해체", "해체할 캐릭터 번호"),
        NumberView("일러노열", "일러스트 번호(0-32)"),
        NumberView("효과음", "플레이할 효과음 번호 (0-23)"),
    };
    RunEditor([&](CVantrelDlg& dlg) {
        ClickButton(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        ASSERT_TRUE(edit.IsWindowVisible());
        EXPECT_EQ(win32::WidgetOf(edit.m_hWnd)->windowTitle().toStdString(), "이벤트 편집");

        // A new event: "start" at X 0, every list on its first entry.
        auto* commands = qobject_cast<QComboBox*>(Control(edit, IDC_EVENT_COMMAND));
        ASSERT_EQ(commands->count(), 11);
        EXPECT_EQ(qobject_cast<QComboBox*>(Control(edit, IDC_EVENT_TARGET))->count(), 27);
        EXPECT_EQ(qobject_cast<QComboBox*>(Control(edit, IDC_EVENT_FACE))->itemText(26).toStdString(),
                  "없음");
        EXPECT_EQ(edit.m_target.GetCurSel(), 0);
        EXPECT_EQ(edit.m_face.GetCurSel(), 0);
        EXPECT_EQ(edit.m_command.GetCurSel(), 0);
        EXPECT_EQ(EditText(edit, IDC_EVENT_NUMBER), "0");
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
        ClickButton(edit, IDCANCEL);
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
        ClickButton(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        PickEntry(edit, IDC_EVENT_COMMAND, 2);
        for (const Case& c : cases) {
            for (int id : kLines) {
                Retype(edit, id, "");
                testhooks::ClearMessageBoxes();
                Type(Control(edit, id), c.accepted);
                EXPECT_TRUE(testhooks::ShownMessageBoxes().empty()) << c.what;
                const std::string kept = EditText(edit, id);
                if (c.paste)
                    Paste(Control(edit, id), c.refused);
                else
                    Type(Control(edit, id), c.refused);
                EXPECT_EQ(EditText(edit, id), kept) << c.what << " in " << id;
                EXPECT_LE(LineBytes(edit, id), 35u) << c.what;
                ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u) << c.what;
                EXPECT_EQ(BoxText(0), "글자 한도수 초과입니다");
                EXPECT_EQ(testhooks::ShownMessageBoxes()[0].buttons(), UINT(MB_OK));
                EXPECT_EQ(testhooks::ShownMessageBoxes()[0].caption, AfxGetAppName());
            }
        }
        // The members follow the controls; a full line is reported whole.
        Retype(edit, IDC_EVENT_LINE1, syllables17 + "x");
        ClickButton(edit, IDOK);
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 9), (syllables17 + "x").toStdString());
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 10), "abc");
    });
}

TEST_F(EventDialogTest, ARowsOverlongLineIsShownAsItIsAndOnlyShorteningItIsTaken)
{
    RunEditor([&](CVantrelDlg& dlg) {
        const std::string line36(36, 'm');
        AddEventRow(dlg, {"Nemra", "대사", "Okkar", "", "", "", "", "", line36, "second", ""});
        testhooks::ClickListRow(dlg.m_eventList.m_hWnd, 0);
        ClickButton(dlg, IDC_EVENT_MODIFY);
        CEventEdit& edit = dlg.m_dlgEvent;
        EXPECT_EQ(EditText(edit, IDC_EVENT_LINE1), line36);
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

        // Typing into another line is no change of this one.
        Type(Control(edit, IDC_EVENT_LINE2), "!");
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

        QWidget* line = Control(edit, IDC_EVENT_LINE1);
        line->setFocus();
        QTest::keyClick(line, Qt::Key_End);
        Type(line, "n");
        EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(EditText(edit, IDC_EVENT_LINE1), line36);
        QTest::keyClick(line, Qt::Key_Home);
        QTest::keyClick(line, Qt::Key_Delete);  // 35 bytes: taken
        EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(EditText(edit, IDC_EVENT_LINE1), std::string(35, 'm'));
        Type(line, "o");
        EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 2u);

        ClickButton(edit, IDOK);
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 9), std::string(35, 'm'));
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 10), "second!");
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 3), "Okkar");
    });
}

TEST_F(EventDialogTest, AFilledReleaseTacticRowHasItsOwnLabelUntilTheCommandIsChosen)
{
    RunEditor([&](CVantrelDlg& dlg) {
        AddEventRow(dlg, {"Tarsek", "전술해체", "", "", "7"});
        testhooks::ClickListRow(dlg.m_eventList.m_hWnd, 0);
        ClickButton(dlg, IDC_EVENT_MODIFY);
        CEventEdit& edit = dlg.m_dlgEvent;
        EXPECT_EQ(edit.m_command.GetCurSel(), 8);
        EXPECT_EQ(LabelText(edit, IDC_EVENT_NUMBER_LABEL), "해채할 캐릭터 번호");
        ExpectView(edit, NumberView("전술해체", "해채할 캐릭터 번호"));
        EXPECT_EQ(EditText(edit, IDC_EVENT_NUMBER), "7");

        PickEntry(edit, IDC_EVENT_COMMAND, 9);
        PickEntry(edit, IDC_EVENT_COMMAND, 8);
        EXPECT_EQ(LabelText(edit, IDC_EVENT_NUMBER_LABEL), "해체할 캐릭터 번호");
        ClickButton(edit, IDCANCEL);
    });
}

TEST_F(EventDialogTest, FieldsOfOtherCommandsKeepTheirValuesAndANewDialogStartsAfresh)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ClickButton(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        Retype(edit, IDC_EVENT_NUMBER, "5");
        PickEntry(edit, IDC_EVENT_COMMAND, 2);
        Type(Control(edit, IDC_EVENT_LINE1), "hello");
        PickEntry(edit, IDC_EVENT_COMMAND, 5);
        EXPECT_EQ(EditText(edit, IDC_EVENT_NUMBER), "5");
        EXPECT_EQ(EditText(edit, IDC_EVENT_LINE1), "hello");
        EXPECT_FALSE(Control(edit, IDC_EVENT_LINE1)->isEnabled());
        ClickButton(edit, IDOK);
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 2), "일러열기");
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 5), "05");
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 9), "");
        // What the dialog reported beside the command's own value stays in it.
        EXPECT_EQ(std::string(edit.m_line1), "hello");

        ClickButton(dlg, IDC_EVENT_REGISTER);
        EXPECT_EQ(edit.m_command.GetCurSel(), 0);
        EXPECT_EQ(EditText(edit, IDC_EVENT_NUMBER), "0");
        EXPECT_EQ(EditText(edit, IDC_EVENT_LINE1), "");
        EXPECT_EQ(LabelText(edit, IDC_EVENT_NUMBER_LABEL), "시작 X축 위치");
        // The editor then ends with the dialog still open.
    });
}

TEST_F(EventDialogTest, OKWithANumberThatDoesNotParseKeepsTheDialogOpenOnTheNumber)
{
    RunEditor([&](CVantrelDlg& dlg) {
        ClickButton(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        PickEntry(edit, IDC_EVENT_COMMAND, 10);
        for (const char* bad : {"12a", "", "3 4"}) {
            testhooks::ClearMessageBoxes();
            Retype(edit, IDC_EVENT_NUMBER, bad);
            ClickButton(edit, IDOK);
            ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u) << bad;
            EXPECT_EQ(BoxText(0), "정수를 입력하십시오.");
            EXPECT_TRUE(edit.IsWindowVisible()) << bad;
            EXPECT_EQ(win32::WidgetOf(edit.m_hWnd)->focusWidget(), Control(edit, IDC_EVENT_NUMBER));
            EXPECT_EQ(EditText(edit, IDC_EVENT_NUMBER), bad);
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
        ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(BoxText(0), "정수를 입력하십시오.");
        EXPECT_EQ(EditText(edit, IDC_EVENT_NUMBER), "0");
        EXPECT_EQ(EditText(edit, IDC_EVENT_LINE2), "a");

        PickEntry(edit, IDC_EVENT_COMMAND, 10);
        Retype(edit, IDC_EVENT_NUMBER, "7");
        ClickButton(edit, IDOK);
        EXPECT_FALSE(IsWindow(edit.m_hWnd));
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 2), "효과음");
        EXPECT_EQ(CellText(dlg.m_eventList, 0, 5), "7");
        EXPECT_TRUE(Control(dlg, IDC_EVENT_REGISTER)->isEnabled());
    });
}
