// Message boxes: captured and scripted in tests, real Qt boxes otherwise.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

#include "mfc/Afx.h"
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

// Runs inspect on the real box once it is up; inspect closes it.
void WhenBoxShows(std::function<void(QMessageBox*)> inspect)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            inspect(box);
        }
    });
    timer->start(5);
}

// The application's style, but with icons on the buttons of dialogs, as
// some desktops' styles have them.
class IconButtonsStyle : public QProxyStyle {
public:
    IconButtonsStyle() : QProxyStyle(QApplication::style()->name()) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

TEST_F(MessageBoxTest, CapturedBoxesAreRecordedAndAnswerAsScriptedOrWithTheirDefault)
{
    const UINT defaults[][2] = {
        {MB_OK | MB_ICONHAND, IDOK},
        {MB_OK | MB_DEFBUTTON2, IDOK},  // no second button: the first
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
    };
    for (const auto& [type, answer] : defaults)
        EXPECT_EQ(MessageBoxA(nullptr, "t", "c", type), static_cast<int>(answer)) << type;

    testhooks::ClearMessageBoxes();
    QWidget owner;
    const HWND hWnd = win32::HandleOf(&owner);
    testhooks::AnswerNextMessageBoxes({IDYES, IDCANCEL});
    const std::string text = testhooks::Cp949("현재의 데이터는 지워집니다");
    EXPECT_EQ(MessageBoxA(hWnd, text.c_str(), "Vantrel", MB_YESNO | MB_DEFBUTTON2), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "Missing Caches", "InitializeGraphics", MB_ICONHAND), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_YESNO | MB_DEFBUTTON2), IDNO);

    const auto& shown = testhooks::ShownMessageBoxes();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(testhooks::Utf8(shown[0].text), "현재의 데이터는 지워집니다");
    EXPECT_EQ(shown[0].caption, "Vantrel");
    EXPECT_EQ(shown[0].owner, hWnd);
    EXPECT_EQ(shown[0].type, UINT(MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ(shown[0].answer, IDYES);
    EXPECT_EQ(shown[1].owner, nullptr);
    EXPECT_EQ(shown[1].icon(), MB_ICONHAND);
    EXPECT_EQ(shown[2].text, "");
}

TEST_F(MessageBoxTest, RealBoxShowsWhatWasAskedAndAnswersTheButtonPressed)
{
    QWidget owner;
    owner.show();
    testhooks::CaptureMessageBoxes(false);
    const QString style = QApplication::style()->name();
    QApplication::setStyle(new IconButtonsStyle);
    struct Case {
        UINT type;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton defaultButton;
        QMessageBox::StandardButton press;  // NoButton: close the box
        int answer;
    };
    const Case cases[] = {
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, QMessageBox::Question, QMessageBox::No,
         QMessageBox::NoButton, IDNO},
        {MB_OK | MB_ICONHAND, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::NoButton, IDOK},
        {MB_YESNO | MB_ICONEXCLAMATION, QMessageBox::Warning, QMessageBox::Yes, QMessageBox::Yes,
         IDYES},
    };
    const std::string text = testhooks::Cp949("<b>Exit?</b> 끝");
    for (const Case& c : cases) {
        bool inspected = false;
        WhenBoxShows([&](QMessageBox* box) {
            inspected = true;
            EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Vantrel v3.1.0 (User Version)"));
            EXPECT_EQ(box->text(), QString::fromUtf8("<b>Exit?</b> 끝"));
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->parentWidget(), &owner);
            EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()),
                      box->button(c.defaultButton));
            for (QAbstractButton* button : box->buttons()) EXPECT_TRUE(button->icon().isNull());
            if (c.press == QMessageBox::NoButton)
                box->close();
            else
                box->button(c.press)->click();
        });
        EXPECT_EQ(MessageBoxA(win32::HandleOf(&owner), text.c_str(),
                              "Vantrel v3.1.0 (User Version)", c.type),
                  c.answer)
            << c.type;
        EXPECT_TRUE(inspected);
    }
    QApplication::setStyle(style);
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
}

TEST_F(MessageBoxTest, RealBoxButtonsSpeakKoreanOnceTheSystemTextsAreInstalled)
{
    ASSERT_TRUE(afx::InstallKoreanSystemTexts());
    QWidget owner;
    owner.show();
    testhooks::CaptureMessageBoxes(false);
    bool inspected = false;
    WhenBoxShows([&](QMessageBox* box) {
        inspected = true;
        EXPECT_EQ(box->button(QMessageBox::Yes)->text().toStdString(), "예(&Y)");
        EXPECT_EQ(box->button(QMessageBox::No)->text().toStdString(), "아니요(&N)");
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(MessageBoxA(win32::HandleOf(&owner), "Exit?", "Vantrel", MB_YESNO), IDNO);
    EXPECT_TRUE(inspected);
}
