// Modeless entry dialogs as the editor makes them: with or without a
// parent, shown, and centred over their owner.
#include "MfcFixture.h"

namespace {

using EntryDialogTest = MfcTest;

TEST_F(EntryDialogTest, ShownAndCentredOverTheParentOrTheMainWindow)
{
    TestDialog main;
    ASSERT_TRUE(main.Create(IDD_TEST));
    main.ShowWindow(SW_SHOW);
    main.Widget()->setGeometry(130, 70, 600, 400);
    Settle();

    TestDialog entry;
    for (bool mainWindow : {false, true}) {
        App()->m_pMainWnd = mainWindow ? &main : nullptr;
        ASSERT_TRUE(entry.Create(IDD_TEST, mainWindow ? nullptr : &main)) << mainWindow;
        EXPECT_EQ(entry.Widget()->parentWidget(), main.Widget()) << mainWindow;
        EXPECT_FALSE(entry.ShowWindow(SW_SHOW));  // hidden before
        EXPECT_TRUE(entry.IsWindowVisible());
        entry.CenterWindow();
        EXPECT_EQ(entry.Widget()->frameGeometry().center(), main.Widget()->frameGeometry().center())
            << mainWindow;
        entry.DestroyWindow();
    }
    main.DestroyWindow();
}

}  // namespace
