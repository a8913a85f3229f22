// Edits tell their dialog of the user's own changes only, also when the
// dialog puts the text back and shows a message box from inside the
// notification; labels take the program's texts and hide; disabled fields
// keep their contents.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <string>

#include "MfcFixture.h"

namespace {

using EditAndLabelTest = TestDialogTest;

TEST_F(EditAndLabelTest, TheUsersChangesNotifyAndMayBeUndoneWithAMessageBox)
{
    // The handler keeps the text within 5 bytes of code page 949, as the
    // event dialog keeps its lines within 35.
    std::vector<std::string> seen;
    dlg.m_onChangeText = [&] {
        CString previous = dlg.m_text;
        dlg.UpdateData(TRUE);
        seen.push_back(testhooks::Utf8(static_cast<LPCSTR>(dlg.m_text)));
        if (dlg.m_text.GetLength() > 5) {
            AfxMessageBox("too long");
            dlg.m_text = previous;
        }
        dlg.UpdateData(FALSE);
    };
    QLineEdit* edit = Edit(dlg, IDC_TEXT);
    edit->setFocus();

    Type(edit, "abc");
    Type(edit, QString::fromUtf8("가"));  // two bytes: 5 in all
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "ab", "abc", "abc가"}));
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());

    // One byte too many, a paste of several, a Korean syllable: each is
    // refused whole, and putting the text back notifies nobody.
    Type(edit, "d");
    Paste(edit, "xyz");
    Type(edit, QString::fromUtf8("나"));
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 3u);
    EXPECT_EQ(edit->text(), QString::fromUtf8("abc가"));
    EXPECT_EQ(testhooks::Utf8(static_cast<LPCSTR>(dlg.m_text)), "abc가");

    // A real box from inside the notification: once it is closed the edit
    // has its text back and keeps the focus, and the user types on.
    testhooks::CaptureMessageBoxes(false);
    bool boxShown = false;
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [&boxShown, timer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxShown = true;
            timer->stop();
            timer->deleteLater();
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer->start(5);
    Type(edit, "e");
    testhooks::CaptureMessageBoxes(true);
    EXPECT_TRUE(boxShown);
    EXPECT_EQ(edit->text(), QString::fromUtf8("abc가"));
    Settle();
    // (The offscreen platform activates no window again after a box, so
    // the test asks the dialog where its focus is.)
    EXPECT_EQ(dlg.Widget()->focusWidget(), edit);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_EQ(seen.back(), "abc");

    // The program's own texts bring no notification.
    const int changes = dlg.m_textChanges;
    dlg.GetDlgItem(IDC_TEXT)->SetWindowText("set");
    dlg.m_text = "exchanged";
    dlg.UpdateData(FALSE);
    EXPECT_EQ(dlg.m_textChanges, changes);
}

TEST_F(EditAndLabelTest, LabelsTakeTextsAndHideAndDisabledFieldsKeepTheirContents)
{
    CWnd* label = dlg.GetDlgItem(IDC_NOTE);
    ASSERT_NE(dynamic_cast<CStatic*>(label), nullptr);
    auto* shown = qobject_cast<QLabel*>(label->Widget());
    ASSERT_NE(shown, nullptr);
    const std::string text = testhooks::Cp949("대화창 얼굴");
    label->SetWindowText(text.c_str());
    EXPECT_EQ(shown->text(), QString::fromUtf8("대화창 얼굴"));
    CString back;
    label->GetWindowText(back);
    EXPECT_EQ(back, text.c_str());

    struct Step {
        int show;
        BOOL wasVisible;
        bool visible;
    } steps[] = {{SW_HIDE, TRUE, false}, {SW_HIDE, FALSE, false}, {SW_SHOW, FALSE, true}};
    for (const Step& s : steps) {
        EXPECT_EQ(label->ShowWindow(s.show), s.wasVisible) << s.show;
        EXPECT_EQ(label->IsWindowVisible() != FALSE, s.visible) << s.show;
        EXPECT_EQ(shown->isVisible(), s.visible) << s.show;
    }

    // Disabled, an edit and a combo box keep what they show, the user can
    // change neither, and the exchange still reads them.
    dlg.m_choice.AddString("one");
    dlg.m_choice.AddString("two");
    dlg.m_choice.SetCurSel(1);
    dlg.m_text = "kept";
    dlg.UpdateData(FALSE);
    CWnd* edit = dlg.GetDlgItem(IDC_TEXT);
    EXPECT_FALSE(edit->EnableWindow(FALSE));
    EXPECT_TRUE(edit->EnableWindow(FALSE));
    dlg.m_choice.EnableWindow(FALSE);
    QTest::keyClicks(Edit(dlg, IDC_TEXT), "x");
    QTest::keyClick(Control(dlg, IDC_CHOICE), Qt::Key_Up);
    EXPECT_EQ(Edit(dlg, IDC_TEXT)->text(), "kept");
    EXPECT_FALSE(Edit(dlg, IDC_TEXT)->isEnabled());
    EXPECT_TRUE(Edit(dlg, IDC_TEXT)->isVisible());
    EXPECT_EQ(dlg.m_choice.GetCurSel(), 1);
    EXPECT_EQ(dlg.m_textChanges + dlg.m_selchanges, 0);
    dlg.m_text = "";
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_text, "kept");

    EXPECT_TRUE(edit->EnableWindow(TRUE));
    dlg.m_choice.EnableWindow(TRUE);
    EXPECT_EQ(qobject_cast<QComboBox*>(Control(dlg, IDC_CHOICE))->currentText(), "two");
    EXPECT_TRUE(Edit(dlg, IDC_TEXT)->isEnabled());
}

}  // namespace
