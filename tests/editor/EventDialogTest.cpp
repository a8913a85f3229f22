// The event dialog's lines as they are typed, and what OK reports.
#include <QClipboard>
#include <QMessageBox>

#include "EditorFixture.h"

namespace {

using EventDialogTest = EditorTest;

const int kLines[] = {IDC_EVENT_LINE1, IDC_EVENT_LINE2, IDC_EVENT_LINE3};

}  // namespace

TEST_F(EventDialogTest, TypedLinesStayWithin35BytesAndAPassingChangeIsUndoneWhole)
{
    const QString syllables17 = QString::fromUtf8("가나다라마바사아자차카타파하가나다");
    const struct {
        QString accepted;  // typed first, every key taken
        QString refused;   // typed then: each key refused, or pasted at once
        bool paste;
    } cases[] = {
        {syllables17 + "x", QString::fromUtf8("오"), false},
        {syllables17, QString::fromUtf8("오"), false},
        {"", QString(50, 'z'), true},
        {"abc", QString::fromUtf8("한글") + QString(30, 'k'), true},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        Click(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        PickEntry(edit, IDC_EVENT_COMMAND, 2);
        for (const auto& c : cases) {
            for (int id : kLines) {
                SCOPED_TRACE(testing::Message() << c.accepted.toStdString() << " in " << id);
                Retype(edit, id, "");
                testhooks::ClearMessageBoxes();
                Type(Control(edit, id), c.accepted);
                EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
                const std::string kept = TextOf(edit, id);
                if (c.paste) {
                    QApplication::clipboard()->setText(c.refused);
                    QTest::keyClick(Control(edit, id), Qt::Key_V, Qt::ControlModifier);
                } else {
                    Type(Control(edit, id), c.refused);
                }
                EXPECT_EQ(TextOf(edit, id), kept);
                EXPECT_LE(testhooks::Cp949(TextOf(edit, id)).size(), 35u);
                ExpectFrameworkBox("글자 한도수 초과입니다");
            }
        }
        // A full line is reported whole, each line to its own cell.
        Retype(edit, IDC_EVENT_LINE1, syllables17 + "x");
        Click(edit, IDOK);
        EXPECT_EQ(RowCells(dlg.m_eventList, 0, 9), (Texts{(syllables17 + "x").toStdString(), "abc", "abc"}));
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

        Type(Control(edit, IDC_EVENT_LINE2), "!");  // no change of this line
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

// A new dialog starts as "start" at X 0 with empty lines on every list's first entry, also
// after one that reported other values; a field the command does not use
// keeps its value.
TEST_F(EventDialogTest, ANewDialogStartsAfreshAndFieldsOfOtherCommandsKeepTheirValues)
{
    RunEditor([&](CVantrelDlg& dlg) {
        CEventEdit& edit = dlg.m_dlgEvent;
        for (int pass = 0; pass < 2; pass++) {
            Click(dlg, IDC_EVENT_REGISTER);
            ASSERT_TRUE(edit.IsWindowVisible());
            EXPECT_EQ(WindowTitle(edit), "이벤트 편집");
            auto* target = qobject_cast<QComboBox*>(Control(edit, IDC_EVENT_TARGET));
            EXPECT_EQ(qobject_cast<QComboBox*>(Control(edit, IDC_EVENT_COMMAND))->count(), 11);
            EXPECT_EQ(target->count(), 27);
            EXPECT_EQ(target->itemText(26).toStdString(), "없음");
            EXPECT_EQ(qobject_cast<QComboBox*>(Control(edit, IDC_EVENT_FACE))->itemText(26).toStdString(), "없음");
            EXPECT_EQ(target->currentIndex() + edit.m_face.GetCurSel() + edit.m_command.GetCurSel(), 0);
            for (int id : kLines)
                EXPECT_EQ(TextOf(edit, id), "") << id;
            EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), "0");
            EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER_LABEL), "시작 X축 위치");
            // The dialogue's fields are off and unlabelled until it is chosen.
            for (int id : {IDC_EVENT_FACE, IDC_EVENT_LINE1, IDC_EVENT_LINE2, IDC_EVENT_LINE3})
                EXPECT_FALSE(Control(edit, id)->isEnabled()) << id;
            for (int id : {IDC_EVENT_FACE_LABEL, IDC_EVENT_LINE1_LABEL, IDC_EVENT_LINE2_LABEL, IDC_EVENT_LINE3_LABEL})
                EXPECT_FALSE(Control(edit, id)->isVisible()) << id;
            if (pass == 1) break;  // the editor then ends with the dialog open

            Retype(edit, IDC_EVENT_NUMBER, "5");
            PickEntry(edit, IDC_EVENT_TARGET, 3);
            PickEntry(edit, IDC_EVENT_COMMAND, 2);
            PickEntry(edit, IDC_EVENT_FACE, 4);
            for (int id : kLines)
                Type(Control(edit, id), "hello");
            PickEntry(edit, IDC_EVENT_COMMAND, 5);
            EXPECT_EQ(TextOf(edit, IDC_EVENT_NUMBER), "5");
            Click(edit, IDOK);
            EXPECT_EQ(RowCells(dlg.m_eventList, 0, 2), (Texts{"일러열기", "", "", "05", "", "", "", "", "", ""}));
            EXPECT_EQ(std::string(edit.m_line1), "hello");
        }
    });
}

TEST_F(EventDialogTest, OKWithANumberThatDoesNotParseKeepsTheDialogOpenOnTheNumber)
{
    RunEditor([&](CVantrelDlg& dlg) {
        Click(dlg, IDC_EVENT_REGISTER);
        CEventEdit& edit = dlg.m_dlgEvent;
        PickEntry(edit, IDC_EVENT_COMMAND, 10);
        for (const char* bad : {"12a", ""}) {
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

        // A line changed meanwhile prompts too and shows the last good number.
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

// The length check on each change keeps the caret, the undo steps, and (with
// a real box shown) the text and the focus.
TEST_F(EventDialogTest, TypingInsideALineKeepsTheCaretTheUndoStepsAndTheFocus)
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

            Type(line, QString(35, 'a'));
            testhooks::CaptureMessageBoxes(false);
            bool boxShown = false;
            WhenModalShows<QMessageBox>([&](QMessageBox* box) {
                boxShown = true;
                box->button(QMessageBox::Ok)->click();
            });
            QTest::keyClick(line, Qt::Key_Home);
            Type(line, "b");
            testhooks::CaptureMessageBoxes(true);
            EXPECT_TRUE(boxShown);
            EXPECT_EQ(TextOf(edit, id), std::string(35, 'a'));
            Settle();
            EXPECT_EQ(edit.Widget()->focusWidget(), line);
            QTest::keyClick(line, Qt::Key_Backspace);
            EXPECT_EQ(TextOf(edit, id), std::string(34, 'a'));
        }
        Click(edit, IDCANCEL);
    });
}
