// Keys through their own dialog first; data exchange of integers.
#include "MfcFixture.h"

namespace {

using ControlsTest = TestDialogTest;

TEST_F(ControlsTest, KeysGoThroughTheirOwnDialogFirst)
{
    TestDialog second;
    ASSERT_TRUE(second.Create(IDD_TEST));
    second.ShowWindow(SW_SHOW);
    ASSERT_TRUE(QTest::qWaitForWindowActive(second.Widget()));

    QLineEdit* edit = Edit(second, IDC_NUMBER_A);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_W);
    QTest::keyClick(edit, Qt::Key_Q, Qt::ShiftModifier);
    EXPECT_EQ(second.m_keys, (std::vector<UINT>{'W', VK_SHIFT, 'Q'}));
    EXPECT_EQ(second.m_keyDowns, second.m_keys);
    EXPECT_TRUE(dlg.m_keys.empty());
    EXPECT_EQ(edit->text(), "0wq");  // not consumed: the edit got its characters

    // With Alt they are system keys, Alt included, and type nothing.
    QTest::keyClick(edit, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(second.m_sysKeys, (std::vector<UINT>{VK_MENU, 'W'}));
    EXPECT_EQ(second.m_keys.size(), 3u);
    second.m_consumeKeys = true;
    QTest::keyClick(edit, Qt::Key_Z);
    EXPECT_EQ(second.m_keys.back(), UINT('Z'));
    EXPECT_EQ(edit->text(), "0wq");
}

TEST_F(ControlsTest, ExchangeParsesDecimalIntegersWithBlanksAndSign)
{
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"  -12 ", true, -12},  {"+7", true, 7},        {"\t40\t", true, 40},
        {"2147483647", true, 2147483647},                {"-2147483648", true, -2147483647 - 1},
        {"", false, 0},         {"   ", false, 0},      {"12a", false, 0},
        {"1 2", false, 0},      {"- 3", false, 0},      {"0x10", false, 0},
        {"+", false, 0},        {"2147483648", false, 0}, {"99999999999999999999", false, 0},
    };
    for (const auto& c : cases) {
        int value = 99;
        EXPECT_EQ(AfxParseInt(c.text, &value), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.ok ? c.value : 99) << '"' << c.text << '"';
    }
}

TEST_F(ControlsTest, KillFocusHandlersThatExchangeBringOnePrompt)
{
    // A bad A prompts and takes the focus back: B losing it then is no
    // focus loss of the user's, so no second prompt.
    // The bad text is left selected, to be typed over.
    dlg.UpdateData(FALSE);
    QLineEdit* a = Edit(dlg, IDC_NUMBER_A);
    a->setFocus();
    for (auto [text, bad] : {std::pair{"x", true}, {"12", false}}) {
        a->setText(text);
        Edit(dlg, IDC_NUMBER_B)->setFocus(Qt::TabFocusReason);
        Settle();
        EXPECT_EQ(dlg.m_killfocusB, 0);
        EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(a->hasFocus(), bad) << text;
        EXPECT_EQ(a->selectedText(), bad ? text : "") << text;
    }
    // Once the text is good, leaving A is quiet.
    EXPECT_EQ(dlg.m_killfocusA, 2);
    EXPECT_EQ(dlg.m_a, 12);
    EXPECT_TRUE(Edit(dlg, IDC_NUMBER_B)->hasFocus());
}

}  // namespace
