// Message boxes as real Qt boxes, as the program shows them outside tests.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QWidget>

#include "DialogTesting.h"
#include "mfc/AfxInternal.h"
#include "testing/Testing.h"
#include "win32/Window.h"

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { testhooks::ResetAll(); }
    void TearDown() override
    {
        testhooks::CaptureMessageBoxes(true);
        testhooks::ResetAll();
    }
};

// The application's style, but with icons on the buttons of dialogs, as
// some desktops' styles have them.
class IconButtonsStyle : public QProxyStyle {
public:
    IconButtonsStyle() : QProxyStyle(QApplication::style()->name()) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returned) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

TEST_F(MessageBoxTest, RealBoxShowsWhatWasAskedAndAnswersTheButtonPressed)
{
    QWidget owner;
    owner.show();
    testhooks::CaptureMessageBoxes(false);
    const QString style = QApplication::style()->name();
    QApplication::setStyle(new IconButtonsStyle);
    const QFont font = QApplication::font();
    ASSERT_TRUE(afx::SetUpSystemWindows());  // the buttons then speak Korean
    using Button = QMessageBox::StandardButton;
    const struct { UINT type; QMessageBox::Icon icon; Button defaultButton, press; int answer; } cases[] = {
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, QMessageBox::Question, Button::No, Button::NoButton, IDNO},
        {MB_OK | MB_ICONHAND, QMessageBox::Critical, Button::Ok, Button::NoButton, IDOK},  // NoButton: the box is closed
        {MB_YESNO | MB_ICONEXCLAMATION, QMessageBox::Warning, Button::Yes, Button::Yes, IDYES},
    };
    const std::string text = testhooks::Cp949("<b>Exit?</b> 끝");
    for (const auto& c : cases) {
        bool inspected = false;
        WhenModalShows<QMessageBox>([&](QMessageBox* box) {
            inspected = true;
            EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Vantrel v3.1.0 (User Version)"));
            EXPECT_EQ(box->text(), QString::fromUtf8("<b>Exit?</b> 끝"));
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(QFontInfo(box->font()).family().toStdString(), "NanumGothicCoding");  // the dialogs' font
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->parentWidget(), &owner);
            EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(c.defaultButton));
            for (QAbstractButton* button : box->buttons()) EXPECT_TRUE(button->icon().isNull());
            if (box->button(QMessageBox::Yes)) {
                EXPECT_EQ(box->button(QMessageBox::Yes)->text().toStdString(), "예(&Y)");
                EXPECT_EQ(box->button(QMessageBox::No)->text().toStdString(), "아니요(&N)");
            }
            if (c.press == QMessageBox::NoButton)
                box->close();
            else
                box->button(c.press)->click();
        });
        const int answer = MessageBoxA(win32::HandleOf(&owner), text.c_str(), "Vantrel v3.1.0 (User Version)", c.type);
        EXPECT_EQ(answer, c.answer) << c.type;
        EXPECT_TRUE(inspected);
    }
    QApplication::setStyle(style);
    QApplication::setFont(font);
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
}
