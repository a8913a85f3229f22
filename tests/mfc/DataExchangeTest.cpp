// Data exchange: integers as decimal text, the prompt for anything else,
// the focus it leaves, and no notifications while data moves.
#include <QLineEdit>
#include <QTest>

#include "MfcFixture.h"

namespace {

class DataExchangeTest : public MfcTest {
protected:
    void SetUp() override
    {
        MfcTest::SetUp();
        ASSERT_TRUE(dlg.Create(IDD_TEST));
        dlg.ShowWindow(SW_SHOW);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.Widget()));
    }
    void TearDown() override
    {
        dlg.DestroyWindow();
        MfcTest::TearDown();
    }
    QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(Control(dlg, id)); }

    TestDialog dlg;
};

TEST_F(DataExchangeTest, ParsesDecimalIntegersWithBlanksAndSign)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"0", true, 0},          {"  -12 ", true, -12},    {"+7", true, 7},
        {"\t40\t", true, 40},    {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"", false, 0},          {"   ", false, 0},        {"12a", false, 0},
        {"1 2", false, 0},       {"- 3", false, 0},        {"0x10", false, 0},
        {"1.5", false, 0},       {"+", false, 0},          {"2147483648", false, 0},
        {"-2147483649", false, 0}, {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        int value = 99;
        EXPECT_EQ(AfxParseInt(c.text, &value), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.ok ? c.value : 99) << '"' << c.text << '"';
    }
}

TEST_F(DataExchangeTest, MovesMembersToControlsAndBack)
{
    dlg.m_a = -5;
    dlg.m_b = 240;
    dlg.m_text = testhooks::Cp949("아무개").c_str();
    dlg.m_flag = 1;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(Edit(IDC_NUMBER_A)->text(), "-5");
    EXPECT_EQ(Edit(IDC_NUMBER_B)->text(), "240");
    EXPECT_EQ(Edit(IDC_TEXT)->text(), QString::fromUtf8("아무개"));

    Edit(IDC_NUMBER_A)->setText(" 17 ");
    Edit(IDC_TEXT)->setText(QString::fromUtf8("둘"));
    QTest::mouseClick(Control(dlg, IDC_FLAG), Qt::LeftButton);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_a, 17);
    EXPECT_EQ(dlg.m_b, 240);
    EXPECT_EQ(testhooks::Utf8(static_cast<LPCSTR>(dlg.m_text)), "둘");
    EXPECT_EQ(dlg.m_flag, 0);
    EXPECT_TRUE(testhooks::ShownMessageBoxes().empty());
}

TEST_F(DataExchangeTest, NonIntegerPromptsOnceAndStopsAtThatField)
{
    dlg.m_a = 1;
    dlg.m_b = 2;
    dlg.m_text = "old";
    dlg.UpdateData(FALSE);
    Edit(IDC_NUMBER_A)->setText("30");
    Edit(IDC_NUMBER_B)->setText("");
    Edit(IDC_TEXT)->setText("new");
    Edit(IDC_TEXT)->setFocus();

    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_a, 30);  // before the field: taken
    EXPECT_EQ(dlg.m_b, 2);   // the field: kept
    EXPECT_EQ(dlg.m_text, "old");  // after it: not reached

    const auto& boxes = testhooks::ShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(ShownText(0), "정수를 입력하십시오.");
    EXPECT_EQ(boxes[0].icon(), MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes[0].buttons(), MB_OK);
    EXPECT_EQ(boxes[0].caption, AfxGetAppName());

    Settle();
    EXPECT_TRUE(Edit(IDC_NUMBER_B)->hasFocus());
    EXPECT_EQ(Edit(IDC_NUMBER_B)->selectedText(), "");
    EXPECT_EQ(dlg.m_killfocusA, 0);
}

TEST_F(DataExchangeTest, KillFocusHandlersThatExchangeBringOnePrompt)
{
    // Both edits' focus-loss handlers read every field. A bad A brings the
    // prompt and the focus goes back to A; B losing it again on that way is
    // no focus loss of the user's, so no second prompt follows.
    dlg.UpdateData(FALSE);
    Edit(IDC_NUMBER_A)->setFocus();
    Edit(IDC_NUMBER_A)->setText("x");
    Edit(IDC_NUMBER_B)->setFocus(Qt::TabFocusReason);
    Settle();

    EXPECT_EQ(dlg.m_killfocusA, 1);
    EXPECT_EQ(dlg.m_killfocusB, 0);
    EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
    EXPECT_TRUE(Edit(IDC_NUMBER_A)->hasFocus());

    // Once the text is good, leaving A is quiet.
    Edit(IDC_NUMBER_A)->setText("12");
    Edit(IDC_NUMBER_B)->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(dlg.m_killfocusA, 2);
    EXPECT_EQ(dlg.m_a, 12);
    EXPECT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
    EXPECT_TRUE(Edit(IDC_NUMBER_B)->hasFocus());
}

TEST_F(DataExchangeTest, NoNotificationWhileDataMoves)
{
    dlg.m_text = "abc";
    dlg.UpdateData(FALSE);
    dlg.UpdateData(TRUE);
    dlg.m_choice.AddString("one");
    dlg.m_choice.AddString("two");
    dlg.m_choice.SetCurSel(1);
    dlg.GetDlgItem(IDC_TEXT)->SetWindowText("set by the program");
    EXPECT_EQ(dlg.m_textChanges, 0);
    EXPECT_EQ(dlg.m_selchanges, 0);
    EXPECT_EQ(dlg.m_flagClicks, 0);
}

TEST_F(DataExchangeTest, ControlsAreBoundOnTheFirstExchange)
{
    EXPECT_NE(dlg.m_choice.m_hWnd, nullptr);
    EXPECT_EQ(dlg.GetDlgItem(IDC_CHOICE), &dlg.m_choice);
    EXPECT_EQ(dlg.m_rows.GetDlgCtrlID(), IDC_ROWS);
    dlg.DestroyWindow();
    // The window is gone, and with it the binding.
    EXPECT_EQ(dlg.m_choice.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_choice.GetCurSel(), CB_ERR);
    EXPECT_FALSE(dlg.UpdateData(TRUE));
}

}  // namespace
