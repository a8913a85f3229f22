// The main dialog: start-up, data exchange, title, keys and closing, and the
// control sets that the entry dialogs lock and release, and what the
// handlers of the two lists share: the selected row, and row numbers.
#include "VantrelDlg.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Resource.h"
#include "Screen.h"
#include "StageTables.h"
#include "Texts.h"
#include "Vantrel.h"

extern CScreen theScreen;

namespace {

const int kCharacterColumnWidths[8] = {25, 80, 40, 30, 50, 100, 70, 30};
const int kEventColumnWidths[12] = {40, 80, 80, 80, 0, 40, 0, 0, 0, 210, 210, 210};

// The virtual-key codes of the scrolling keys.
const WPARAM kKeyQ = 0x51;
const WPARAM kKeyW = 0x57;

}  // namespace

BEGIN_MESSAGE_MAP(CVantrelDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_MOVE()
    ON_CBN_SELCHANGE(IDC_BACKGROUND, OnSelchangeBackground)
    ON_BN_CLICKED(IDC_CHARACTER_SETTING, OnCharacterSetting)
    ON_BN_CLICKED(IDC_SCROLL_LEFT, OnScrollLeft)
    ON_BN_CLICKED(IDC_SCROLL_RIGHT, OnScrollRight)
    ON_WM_KEYDOWN()
    ON_BN_CLICKED(IDC_CHARACTER_DELETE, OnDeleteCharacter)
    ON_BN_CLICKED(IDC_CHARACTER_REGISTER, OnRegisterCharacter)
    ON_BN_CLICKED(IDC_CHARACTER_MODIFY, OnModifyCharacter)
    ON_BN_CLICKED(IDC_EVENT_REGISTER, OnRegisterEvent)
    ON_BN_CLICKED(IDC_EVENT_MODIFY, OnModifyEvent)
    ON_BN_CLICKED(IDC_EVENT_INSERT, OnInsertEvent)
    ON_BN_CLICKED(IDC_EVENT_DELETE, OnDeleteEvent)
    ON_BN_CLICKED(IDC_STAGE_SAVE, OnStageSave)
    ON_BN_CLICKED(IDC_STAGE_LOAD, OnStageLoad)
    ON_EN_KILLFOCUS(IDC_CLEAR_VALUE, OnKillfocusClearValue)
    ON_EN_KILLFOCUS(IDC_TIME_LIMIT, OnKillfocusTimeLimit)
    ON_CBN_SELCHANGE(IDC_CLEAR_CONDITION, OnSelchangeClearCondition)
END_MESSAGE_MAP()

CVantrelDlg::CVantrelDlg(CWnd* pParent)
    : CDialog(IDD_VANTREL_DIALOG, pParent)
{
    for (int& type : m_selectedTypes)
        type = SLOT_EMPTY;
    m_selectedTypeCount = 0;
    // A paint can come before the viewport is known (while a start-up
    // message is up): the layer rectangles are valid, and empty, until then.
    m_nearSrc = RECT{0, 0, 0, kLayerHeight};
    m_farSrc = RECT{0, 0, 0, kLayerHeight};
    m_farImage = 1;
    m_nearImage = 0;
    m_curBackground = 0;
    std::memset(&m_item, 0, sizeof(m_item));
    m_row = 0;
    std::snprintf(m_text, sizeof(m_text), "%s", TEXT_TITLE);
    m_insertMode = 0;
    m_fileName = TEXT_NONE_STG;

    m_moveMaxY = 0;
    m_moveMinY = 0;
    m_clearValue = 0;
    m_timeLimit = 0;
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

CVantrelDlg::~CVantrelDlg() = default;

void CVantrelDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BACKGROUND, m_background);
    DDX_Control(pDX, IDC_BGM, m_bgm);
    DDX_Control(pDX, IDC_CLEAR_CONDITION, m_clearCondition);
    DDX_Control(pDX, IDC_CHARACTER_LIST, m_characterList);
    DDX_Control(pDX, IDC_EVENT_LIST, m_eventList);
    DDX_Control(pDX, IDC_SCREEN, m_screen);
    DDX_Text(pDX, IDC_MOVE_MAX_Y, m_moveMaxY);
    DDX_Text(pDX, IDC_MOVE_MIN_Y, m_moveMinY);
    DDX_Text(pDX, IDC_CLEAR_VALUE, m_clearValue);
    DDX_Text(pDX, IDC_TIME_LIMIT, m_timeLimit);
}

BOOL CVantrelDlg::OnInitDialog()
{
    // The framework's own set-up, the icons, and the wait cursor while the
    // display and the images come up.
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetCursor(LoadCursor(nullptr, IDC_WAIT));

    // The columns of both lists.
    m_characterList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 8; i++)
        m_characterList.InsertColumn(i, TEXT_CHARACTER_COLUMNS[i], LVCFMT_CENTER,
                                     kCharacterColumnWidths[i]);
    m_eventList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 12; i++)
        m_eventList.InsertColumn(i, TEXT_EVENT_COLUMNS[i], i < 9 ? LVCFMT_CENTER : LVCFMT_LEFT,
                                 kEventColumnWidths[i]);

    // The three choices, in table order, row 0 selected.
    for (int i = 0; i < CLEAR_CONDITION_COUNT; i++)
        m_clearCondition.AddString(StageTables::RowName(StageTables::TABLE_CLEAR_CONDITION, i));
    for (int i = 0; i < BACKGROUND_COUNT; i++)
        m_background.AddString(StageTables::RowName(StageTables::TABLE_BACKGROUND, i));
    for (int i = 0; i < BGM_COUNT; i++)
        m_bgm.AddString(StageTables::RowName(StageTables::TABLE_BGM, i));
    m_clearCondition.SetCurSel(0);
    m_background.SetCurSel(0);
    m_bgm.SetCurSel(0);

    // An empty stage on background row 0.
    m_moveMinY = 200;
    m_moveMaxY = 240;
    UpdateData(FALSE);
    for (int& type : m_selectedTypes)
        type = SLOT_EMPTY;
    m_selectedTypeCount = 0;
    m_curBackground = 0;
    m_insertMode = 0;
    m_fileName = TEXT_NONE_STG;

    // The preview is drawn in 16-bit colour only: refuse any other desktop
    // before DirectDraw is touched.
    DEVMODE mode;
    std::memset(&mode, 0, sizeof(mode));
    mode.dmSize = sizeof(mode);
    EnumDisplaySettings(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    if (mode.dmBitsPerPel != 16) {
        MessageBox(TEXT_DESKTOP_DEPTH, TEXT_TITLE, MB_OK | MB_ICONHAND);
        CDialog::OnCancel();
        return TRUE;
    }

    // The display, on the hidden "Screen" control's rectangle.
    m_graphics.SetCaches(m_hWnd, m_screen.m_hWnd, FALSE, 640, 480, 16);
    if (!m_graphics.InitializeGraphics()) {
        MessageBox(TEXT_INIT_FAILED, TEXT_TITLE, MB_OK | MB_ICONHAND);
        CDialog::OnCancel();
        return TRUE;
    }

    // The images of the resource archive.
    if (!theScreen.LoadArchive(&m_graphics)) {
        MessageBox(TEXT_INIT_FAILED, TEXT_TITLE, MB_OK | MB_ICONHAND);
        CDialog::OnCancel();
        return TRUE;
    }

    // Background row 0 at the left end.
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    m_nearSrc = RECT{0, 0, m_graphics.m_width, kLayerHeight};
    m_farSrc = m_nearSrc;
    m_farImage = 1;
    m_nearImage = 0;

    // The title with the file name.
    SetTitle();
    return TRUE;
}

void CVantrelDlg::SetTitle()
{
    std::snprintf(m_text, sizeof(m_text), "%s  -  %s", TEXT_TITLE,
                  static_cast<LPCSTR>(m_fileName));
    SetWindowText(m_text);
}

void CVantrelDlg::OnOK()
{
    // Enter never closes the editor.
}

void CVantrelDlg::OnCancel()
{
    if (MessageBox(TEXT_EXIT, TEXT_TITLE, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES)
        CDialog::OnCancel();
}

HCURSOR CVantrelDlg::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(m_hIcon);
}

void CVantrelDlg::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    m_graphics.UpdateScreenRect();
}

BOOL CVantrelDlg::PreTranslateMessage(MSG* pMsg)
{
    // Every key reaches the dialog first, so that Q and W scroll whichever
    // control has the focus.
    if (pMsg->message == WM_KEYDOWN) {
        SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
        // Q and W have scrolled: the key press ends here, so that it types
        // no letter into an edit (whose value would be lost) and picks no
        // entry of a combo box or list.
        if (pMsg->wParam == kKeyQ || pMsg->wParam == kKeyW)
            return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CVantrelDlg::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == kKeyQ) {
        OnScrollLeft();
        m_eventList.SetFocus();
    } else if (nChar == kKeyW) {
        OnScrollRight();
        m_eventList.SetFocus();
    }
    CDialog::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CVantrelDlg::OnKillfocusClearValue()
{
    UpdateData(TRUE);
}

void CVantrelDlg::OnKillfocusTimeLimit()
{
    UpdateData(TRUE);
    if (m_timeLimit < 0)
        m_timeLimit = 0;
    else if (m_timeLimit > 40)
        m_timeLimit = 40;
    UpdateData(FALSE);
}

void CVantrelDlg::OnSelchangeClearCondition()
{
    // Under "specific character" the clear value names a row of the
    // character list. Only the member changes; the edit shows the new value
    // when the fields are next written out.
    if (m_clearCondition.GetCurSel() != 1)
        return;
    if (m_clearValue < 0)
        m_clearValue = 0;
    if (m_clearValue >= m_characterList.GetItemCount())
        m_clearValue = m_characterList.GetItemCount() - 1;
}

void CVantrelDlg::LockForEntryDialog()
{
    static const int ids[] = {IDC_STAGE_LOAD,        IDC_STAGE_SAVE,         IDC_BACKGROUND,
                              IDC_BGM,               IDC_CHARACTER_SETTING,  IDC_OPTION,
                              IDC_CHARACTER_LIST,    IDC_CLEAR_CONDITION,    IDC_CLEAR_VALUE,
                              IDC_CHARACTER_DELETE,  IDC_CHARACTER_MODIFY,   IDC_CHARACTER_REGISTER,
                              IDC_EVENT_LIST,        IDC_EVENT_REGISTER,     IDC_EVENT_MODIFY,
                              IDC_EVENT_INSERT,      IDC_EVENT_DELETE,       IDC_CHECK,
                              IDC_SCROLL_LEFT,       IDC_SCROLL_RIGHT,       IDC_PAS};
    for (int id : ids)
        GetDlgItem(id)->EnableWindow(FALSE);
}

void CVantrelDlg::ReleaseAfterEntryDialog()
{
    // "Option" (1006) and "PaS" (1023) are not released: they have no use yet.
    static const int ids[] = {IDC_STAGE_LOAD,        IDC_STAGE_SAVE,       IDC_BACKGROUND,
                              IDC_BGM,               IDC_CHARACTER_SETTING, IDC_CHARACTER_LIST,
                              IDC_CLEAR_CONDITION,   IDC_CLEAR_VALUE,      IDC_CHARACTER_DELETE,
                              IDC_CHARACTER_MODIFY,  IDC_CHARACTER_REGISTER, IDC_EVENT_LIST,
                              IDC_EVENT_REGISTER,    IDC_EVENT_MODIFY,     IDC_EVENT_INSERT,
                              IDC_EVENT_DELETE,      IDC_CHECK,            IDC_SCROLL_LEFT,
                              IDC_SCROLL_RIGHT};
    for (int id : ids)
        GetDlgItem(id)->EnableWindow(TRUE);
}


int CVantrelDlg::SelectedRowOrRefuse(CListCtrl& list, LPCSTR refusal)
{
    POSITION pos = list.GetFirstSelectedItemPosition();
    if (pos != nullptr)
        return list.GetNextSelectedItem(pos);
    MessageBox(refusal, TEXT_TITLE, MB_OK | MB_ICONHAND);
    return -1;
}

void CVantrelDlg::AddToRowNumber(CListCtrl& list, int row, int delta)
{
    list.GetItemText(row, 0, m_text, kCellLength);
    std::snprintf(m_text, sizeof(m_text), "%d", std::atoi(m_text) + delta);
    list.SetItemText(row, 0, m_text);
}

void CVantrelDlg::RenumberRows(CListCtrl& list, int from, int delta)
{
    int count = list.GetItemCount();
    for (int row = from; row < count; row++)
        AddToRowNumber(list, row, delta);
}
