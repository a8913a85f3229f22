// Data exchange: integers as decimal text, the prompt for anything else,
// where the exchange stops, and the focus the prompt leaves.
#include "MfcFixture.h"

namespace {

using DataExchangeTest = TestDialogTest;

TEST_F(DataExchangeTest, ParsesDecimalIntegersWithBlanksAndSign)
{
    struct Case {
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
    for (const Case& c : cases) {
        int value = 99;
        EXPECT_EQ(AfxParseInt(c.text, &value), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.ok ? c.value : 99) << '"' << c.text << '"';
    }
}

TEST_F(DataExchangeTest, NonIntegerPromptsOnceAndStopsAtThatField)
{
    dlg.m_b = 2;
    dlg.m_flag = 1;
    dlg.m_text = testhooks::Cp949("아무개").c_str();
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(Edit(dlg, IDC_TEXT)->text(), QString::fromUtf8("아무개"));

    Edit(dlg, IDC_NUMBER_A)->setText(" 30 ");
    Edit(dlg, IDC_NUMBER_B)->setText("");
    Edit(dlg, IDC_TEXT)->setText(QString::fromUtf8("둘"));
    QTest::mouseClick(Control(dlg, IDC_FLAG), Qt::LeftButton);
    Edit(dlg, IDC_TEXT)->setFocus();
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_a, 30);    // before the field: taken
    EXPECT_EQ(dlg.m_b, 2);     // the field: kept
    EXPECT_EQ(dlg.m_flag, 1);  // after it: not reached

    const auto& boxes = testhooks::ShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(testhooks::Utf8(boxes[0].text), "정수를 입력하십시오.");
    EXPECT_EQ(boxes[0].icon(), MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes[0].caption, AfxGetAppName());
    Settle();
    EXPECT_TRUE(Edit(dlg, IDC_NUMBER_B)->hasFocus());

    Edit(dlg, IDC_NUMBER_B)->setText("240");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_b, 240);
    EXPECT_EQ(testhooks::Utf8(static_cast<LPCSTR>(dlg.m_text)), "둘");
    EXPECT_EQ(dlg.m_flag, 0);
}

TEST_F(DataExchangeTest, KillFocusHandlersThatExchangeBringOnePrompt)
{
    // Both edits' focus-loss handlers read every field. A bad A brings the
    // prompt and the focus goes back to A; B losing it again on that way is
    // no focus loss of the user's, so no second prompt follows.
    dlg.UpdateData(FALSE);
    Edit(dlg, IDC_NUMBER_A)->setFocus();
    for (const char* text : {"x", "12"}) {
        Edit(dlg, IDC_NUMBER_A)->setText(text);
        Edit(dlg, IDC_NUMBER_B)->setFocus(Qt::TabFocusReason);
        Settle();
        EXPECT_EQ(dlg.m_killfocusB, 0);
        EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
    }
    // Once the text is good, leaving A is quiet.
    EXPECT_EQ(dlg.m_killfocusA, 2);
    EXPECT_EQ(dlg.m_a, 12);
    EXPECT_TRUE(Edit(dlg, IDC_NUMBER_B)->hasFocus());
}

}  // namespace
