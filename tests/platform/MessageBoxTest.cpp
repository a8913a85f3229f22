// Message boxes: captured and scripted in tests, real Qt boxes otherwise,
// and the framework's box with its owner and caption.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

#include "mfc/Afx.h"
#include "mfc/AfxState.h"
#include "testing/Testing.h"
#include "win32/Window.h"

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { testhooks::ResetAll(); }
    void TearDown() override
    {
        testhooks::CaptureMessageBoxes(true);
        afx::SetMainWindowHandle(nullptr);
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

void PressEscape(QWidget* widget)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

}  // namespace

TEST_F(MessageBoxTest, CapturedBoxesAnswerWithTheirDefaultButton)
{
    struct Case {
        UINT type;
        int answer;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONHAND, IDOK},
        {MB_OK | MB_DEFBUTTON2, IDOK},  // no second button: the first
        {MB_OKCANCEL, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
    };
    for (const Case& c : cases) EXPECT_EQ(MessageBoxA(nullptr, "t", "c", c.type), c.answer) << c.type;
    ASSERT_EQ(testhooks::ShownMessageBoxes().size(), std::size(cases));
    EXPECT_EQ(testhooks::ShownMessageBoxes()[5].buttons(), MB_YESNO);
    EXPECT_EQ(testhooks::ShownMessageBoxes()[5].icon(), MB_ICONQUESTION);
    EXPECT_EQ(testhooks::ShownMessageBoxes()[5].defaultButton(), MB_DEFBUTTON2);
}

TEST_F(MessageBoxTest, CapturedBoxesAreRecordedAndAnsweredAsScripted)
{
    QWidget owner;
    HWND hWnd = win32::HandleOf(&owner);
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
    EXPECT_EQ(shown[0].answer, IDYES);
    EXPECT_EQ(shown[1].text, "Missing Caches");
    EXPECT_EQ(shown[1].owner, nullptr);
    EXPECT_EQ(shown[1].type, MB_ICONHAND);
    EXPECT_EQ(shown[2].text, "");
    EXPECT_EQ(shown[2].answer, IDNO);

    testhooks::AnswerNextMessageBoxes({IDNO});
    testhooks::ClearMessageBoxes();
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
    EXPECT_EQ(MessageBoxA(nullptr, "x", "y", MB_YESNO), IDYES);  // the script went too
}

TEST_F(MessageBoxTest, RealBoxShowsTextIconButtonsAndDefault)
{
    QWidget owner;
    owner.show();
    testhooks::CaptureMessageBoxes(false);
    bool inspected = false;
    WhenBoxShows([&](QMessageBox* box) {
        inspected = true;
        EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Vantrel v3.1.0 (User Version)"));
        EXPECT_EQ(box->text(), QString::fromUtf8("<b>Exit?</b> 끝"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->parentWidget(), &owner);
        EXPECT_EQ(box->buttons().size(), 2);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
        PressEscape(box);
    });
    const std::string text = testhooks::Cp949("<b>Exit?</b> 끝");
    int answer = MessageBoxA(win32::HandleOf(&owner), text.c_str(), "Vantrel v3.1.0 (User Version)",
                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_TRUE(inspected);
    EXPECT_EQ(answer, IDNO);
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
}

TEST_F(MessageBoxTest, RealBoxAnswersTheButtonPressedOrItsEscape)
{
    testhooks::CaptureMessageBoxes(false);
    struct Case {
        UINT type;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton press;  // NoButton: close the box
        int answer;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONHAND, QMessageBox::Critical, QMessageBox::NoButton, IDOK},
        {MB_YESNO | MB_ICONEXCLAMATION, QMessageBox::Warning, QMessageBox::Yes, IDYES},
        {MB_YESNOCANCEL | MB_ICONASTERISK, QMessageBox::Information, QMessageBox::NoButton,
         IDCANCEL},
    };
    for (const Case& c : cases) {
        WhenBoxShows([&](QMessageBox* box) {
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->parentWidget(), nullptr);
            if (c.press == QMessageBox::NoButton) {
                box->close();
            } else {
                box->button(c.press)->click();
            }
        });
        EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", c.type), c.answer) << c.type;
    }
}

TEST_F(MessageBoxTest, FrameworkBoxIsOwnedByTheMainWindowWithTheAppTitle)
{
    EXPECT_STREQ(AfxGetAppName(), "test_platform");

    QWidget main;
    afx::SetMainWindowHandle(win32::HandleOf(&main));
    const std::string text = testhooks::Cp949("파일 접근 오류");
    EXPECT_EQ(AfxMessageBox(text.c_str()), IDOK);
    afx::SetMainWindowHandle(nullptr);
    EXPECT_EQ(AfxMessageBox("second", MB_YESNO | MB_DEFBUTTON2), IDNO);

    const auto& shown = testhooks::ShownMessageBoxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(testhooks::Utf8(shown[0].text), "파일 접근 오류");
    EXPECT_EQ(shown[0].caption, "test_platform");
    EXPECT_EQ(shown[0].type, MB_OK);
    EXPECT_EQ(shown[0].owner, win32::HandleOf(&main));
    EXPECT_EQ(shown[1].owner, nullptr);
}
