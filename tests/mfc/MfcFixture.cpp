#include "MfcFixture.h"

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_WM_PAINT()
    ON_EN_KILLFOCUS(IDC_NUMBER_A, OnKillfocusA)
    ON_EN_KILLFOCUS(IDC_NUMBER_B, OnKillfocusB)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void TestDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ROWS, m_rows);
    DDX_Text(pDX, IDC_NUMBER_A, m_a);
    DDX_Text(pDX, IDC_NUMBER_B, m_b);
}

namespace {

const unsigned kList = AFX_CS_REPORT | AFX_CS_SINGLESEL | AFX_CS_SHOWSELALWAYS | AFX_CS_BORDER;

const AfxDialogItem kTestItems[] = {
    {IDOK, AFX_CTL_BUTTON, "OK", 5, 100, 50, 14, AFX_CS_DEFPUSHBUTTON},
    {IDCANCEL, AFX_CTL_BUTTON, "Cancel", 60, 100, 50, 14, 0},
    {IDC_NUMBER_A, AFX_CTL_EDIT, "", 5, 5, 60, 12, AFX_CS_AUTOHSCROLL},
    {IDC_NUMBER_B, AFX_CTL_EDIT, "", 70, 5, 60, 12, AFX_CS_AUTOHSCROLL},
    {IDC_ROWS, AFX_CTL_LISTVIEW, "", 5, 50, 150, 45, kList},
};

const AfxDialogTemplate kTestTemplate = {
    IDD_TEST, 200, 120, AFX_DS_CAPTION | AFX_DS_SYSMENU, "Test", "Gulim", 9, kTestItems,
    static_cast<int>(sizeof kTestItems / sizeof kTestItems[0])};

}  // namespace

const AfxResources* TestResources()
{
    static std::vector<AfxDialogTemplate> dialogs = [] {
        std::vector<AfxDialogTemplate> all(g_appResources.dialogs,
                                           g_appResources.dialogs + g_appResources.dialogCount);
        all.push_back(kTestTemplate);
        return all;
    }();
    static AfxResources resources = {dialogs.data(),       static_cast<int>(dialogs.size()),
                                     g_appResources.icons, g_appResources.iconCount,
                                     g_appResources.strings, g_appResources.stringCount};
    return &resources;
}
