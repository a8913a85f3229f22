#include "Vantrel.h"

#include "Resource.h"
#include "Screen.h"
#include "StageTables.h"
#include "VantrelDlg.h"

BEGIN_MESSAGE_MAP(CVantrelApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

// The two globals of the program, in this order: the application first, then
// the image store, so that at exit the store goes first and the application
// last.
CVantrelApp theApp;
CScreen theScreen;

CVantrelApp::CVantrelApp()
    : CWinApp(nullptr)
{
}

CVantrelApp::~CVantrelApp() = default;

BOOL CVantrelApp::InitInstance()
{
    Enable3dControlsStatic();

    CVantrelDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The dialog is gone; returning FALSE ends the program without a message
    // loop of its own.
    return FALSE;
}

int CVantrelApp::GetSelectedTypeCount()
{
    CVantrelDlg* dlg = static_cast<CVantrelDlg*>(m_pMainWnd);
    return dlg != nullptr ? dlg->m_selectedTypeCount : 0;
}

int CVantrelApp::GetSelectedType(int i)
{
    // The list has ten slots; an index outside them reads as an empty slot
    // rather than memory beside the list.
    CVantrelDlg* dlg = static_cast<CVantrelDlg*>(m_pMainWnd);
    if (dlg == nullptr || i < 0 || i >= 10)
        return SLOT_EMPTY;
    return dlg->m_selectedTypes[i];
}

void CVantrelApp::OnEventEditResult(int target, int command, int face, int number, LPCSTR line1,
                                    LPCSTR line2, LPCSTR line3)
{
    CVantrelDlg* dlg = static_cast<CVantrelDlg*>(m_pMainWnd);
    if (dlg != nullptr)
        dlg->OnEventEditResult(target, command, face, number, line1, line2, line3);
}

void CVantrelApp::OnCharacterSelectResult(int code, const int* list)
{
    if (CVantrelDlg* dlg = static_cast<CVantrelDlg*>(m_pMainWnd))
        dlg->OnCharacterSelectResult(code, list);
}

void CVantrelApp::OnAppearanceResult(int slot, int x, int y, int facing, LPCSTR name, int tactic,
                                     int team)
{
    if (CVantrelDlg* dlg = static_cast<CVantrelDlg*>(m_pMainWnd))
        dlg->OnAppearanceResult(slot, x, y, facing, name, tactic, team);
}
