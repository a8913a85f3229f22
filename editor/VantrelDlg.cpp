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

// Height of the layers' source rectangles: the near layers are 240 rows high.
const int kLayerHeight = 240;

// Buffer limit of a cell read while painting: at most 29 bytes of text.
const int kPaintCellLength = 30;

// Marks a draw record whose type text names no character.
const int kNoType = 666;

int BackgroundWidth(int image)
{
    if (image < 0 || image >= 21)
        return 0;
    return theScreen.m_backgrounds[image].rc.right;
}

// The background table's row for a selection; any selection outside the
// table is applied like rows 6 to 10.
const BackgroundRow* BackgroundRowOf(int selection)
{
    const BackgroundRow* row = StageTables::Background(selection);
    return row != nullptr ? row : StageTables::Background(6);
}

}  // namespace

BEGIN_MESSAGE_MAP(CVantrelDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_MOVE()
    ON_CBN_SELCHANGE(IDC_BACKGROUND, OnSelchangeBackground)
    ON_BN_CLICKED(IDC_SCROLL_LEFT, OnScrollLeft)
    ON_BN_CLICKED(IDC_SCROLL_RIGHT, OnScrollRight)
    ON_WM_KEYDOWN()
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
    // 1. Framework set-up, icons, wait cursor.
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetCursor(LoadCursor(nullptr, IDC_WAIT));

    // 2. The columns of both lists.
    m_characterList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 8; i++)
        m_characterList.InsertColumn(i, TEXT_CHARACTER_COLUMNS[i], LVCFMT_CENTER,
                                     kCharacterColumnWidths[i]);
    m_eventList.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 12; i++)
        m_eventList.InsertColumn(i, TEXT_EVENT_COLUMNS[i], i < 9 ? LVCFMT_CENTER : LVCFMT_LEFT,
                                 kEventColumnWidths[i]);

    // 3. The three choices, in table order, row 0 selected.
    for (int i = 0; i < CLEAR_CONDITION_COUNT; i++)
        m_clearCondition.AddString(StageTables::RowName(StageTables::TABLE_CLEAR_CONDITION, i));
    for (int i = 0; i < BACKGROUND_COUNT; i++)
        m_background.AddString(StageTables::RowName(StageTables::TABLE_BACKGROUND, i));
    for (int i = 0; i < BGM_COUNT; i++)
        m_bgm.AddString(StageTables::RowName(StageTables::TABLE_BGM, i));
    m_clearCondition.SetCurSel(0);
    m_background.SetCurSel(0);
    m_bgm.SetCurSel(0);

    // 4. Defaults of the stage.
    m_moveMinY = 200;
    m_moveMaxY = 240;
    UpdateData(FALSE);
    for (int& type : m_selectedTypes)
        type = SLOT_EMPTY;
    m_selectedTypeCount = 0;
    m_curBackground = 0;
    m_insertMode = 0;
    m_fileName = TEXT_NONE_STG;

    // 5. The preview is drawn in 16-bit colour only.
    DEVMODE mode;
    std::memset(&mode, 0, sizeof(mode));
    mode.dmSize = sizeof(mode);
    EnumDisplaySettings(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    if (mode.dmBitsPerPel != 16) {
        MessageBox(TEXT_DESKTOP_DEPTH, TEXT_TITLE, MB_OK | MB_ICONHAND);
        CDialog::OnCancel();
        return TRUE;
    }

    // 6. The display, on the hidden "Screen" control's rectangle.
    m_graphics.SetCaches(m_hWnd, m_screen.m_hWnd, FALSE, 640, 480, 16);
    if (!m_graphics.InitializeGraphics()) {
        MessageBox(TEXT_INIT_FAILED, TEXT_TITLE, MB_OK | MB_ICONHAND);
        CDialog::OnCancel();
        return TRUE;
    }

    // 7. The images.
    if (!theScreen.LoadArchive(&m_graphics)) {
        MessageBox(TEXT_INIT_FAILED, TEXT_TITLE, MB_OK | MB_ICONHAND);
        CDialog::OnCancel();
        return TRUE;
    }

    // 8. Background row 0 at the left end.
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    m_nearSrc = RECT{0, 0, m_graphics.m_width, kLayerHeight};
    m_farSrc = m_nearSrc;
    m_farImage = 1;
    m_nearImage = 0;

    // 9. Title.
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
    if (pMsg->message == WM_KEYDOWN)
        SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
    return CDialog::PreTranslateMessage(pMsg);
}

void CVantrelDlg::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == 0x51) {
        OnScrollLeft();
        m_eventList.SetFocus();
    } else if (nChar == 0x57) {
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

void CVantrelDlg::OnPaint()
{
    // 1. Minimised: only the icon.
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        int cxIcon = GetSystemMetrics(SM_CXICON);
        int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        int x = (rect.Width() - cxIcon + 1) / 2;
        int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
        return;
    }

    // 2. Default painting; the background row.
    CDialog::OnPaint();
    int row = m_background.GetCurSel();

    // 3. Nothing until the display is ready.
    if (!m_graphics.m_ready)
        return;

    // 4. White.
    m_graphics.ClearBackBuffer(255, 255, 255);

    // 5. The layers (an image that is not loaded draws nothing).
    const BackgroundRow* layers = StageTables::Background(row);
    if (layers != nullptr) {
        IDirectDrawSurface7* nearLayer = theScreen.m_backgrounds[layers->nearImage].surface;
        if (layers->farImage >= 0) {
            m_graphics.BltFastClipped(0, 0, &m_farSrc, FALSE,
                                      theScreen.m_backgrounds[layers->farImage].surface);
            m_graphics.BltFastClipped(0, 0, &m_nearSrc, TRUE, nearLayer);
        } else {
            m_graphics.BltFastClipped(0, 0, &m_nearSrc, FALSE, nearLayer);
        }
    }

    // 6, 7. The characters, read back from the list's cells.
    int n = m_characterList.GetItemCount();
    int* types = nullptr;
    int* xs = nullptr;
    int* ys = nullptr;
    int* facings = nullptr;
    if (n > 0) {
        types = new int[n];
        xs = new int[n];
        ys = new int[n];
        facings = new int[n];
        for (int i = 0; i < n; i++) {
            m_characterList.GetItemText(i, 2, m_text, kPaintCellLength);
            xs[i] = std::atoi(m_text);
            m_characterList.GetItemText(i, 3, m_text, kPaintCellLength);
            ys[i] = std::atoi(m_text);
            m_characterList.GetItemText(i, 4, m_text, kPaintCellLength);
            facings[i] =
                std::strcmp(m_text, StageTables::RowName(StageTables::TABLE_FACING, 0)) == 0 ? 0 : 1;
            m_characterList.GetItemText(i, 1, m_text, kPaintCellLength);
            int type = StageTables::FindRow(StageTables::TABLE_CHARACTER_TYPE, m_text, 0,
                                            PLAYABLE_TYPE_COUNT - 1);
            types[i] = type >= 0 ? type : kNoType;
        }
    }

    // 8. By y, ascending; equal y keep their list order. The y of record
    // j - 1 is carried from one step to the next rather than read back just
    // after it was written.
    for (int pass = 0; pass < n - 1; pass++) {
        int previousY = ys[0];
        for (int j = 1; j < n; j++) {
            int y = ys[j];
            if (previousY > y) {
                std::swap(types[j - 1], types[j]);
                std::swap(xs[j - 1], xs[j]);
                ys[j - 1] = y;
                ys[j] = previousY;
                std::swap(facings[j - 1], facings[j]);
            } else {
                previousY = y;
            }
        }
    }

    // 9. Each sprite stands on row y, centred on column x of the near layer.
    // Type 9 has no sprite; like an unknown type it is not drawn.
    int scroll = m_nearSrc.left;
    for (int i = 0; i < n; i++) {
        if (types[i] == kNoType)
            continue;
        // The size of a slot that was never loaded means nothing.
        SpriteEntry& sprite = theScreen.m_sprites[types[i]];
        if (sprite.surface == nullptr)
            continue;
        int w = sprite.rc.right;
        int h = sprite.rc.bottom;
        m_graphics.BltMirrored(xs[i] - scroll - w / 2, ys[i] - h, sprite.rc, TRUE, sprite.surface,
                               facings[i]);
    }

    // 10.
    delete[] types;
    delete[] xs;
    delete[] ys;
    delete[] facings;

    // 11. The ruler: a label every 100 pixels of the width image.
    HDC hdc = nullptr;
    if (m_graphics.m_back->GetDC(&hdc) == DD_OK) {
        SetTextColor(hdc, RGB(10, 100, 10));
        SetBkMode(hdc, TRANSPARENT);
        int count = BackgroundWidth(m_nearImage) / 100;
        for (int i = 0; i < count; i++) {
            std::snprintf(m_text, sizeof(m_text), "%d", i * 100);
            TextOutA(hdc, i * 100 - 10 - scroll, 245, m_text, static_cast<int>(std::strlen(m_text)));
        }
        m_graphics.m_back->ReleaseDC(hdc);
    }

    // 12.
    m_graphics.Present();
}

void CVantrelDlg::OnSelchangeBackground()
{
    if (m_characterList.GetItemCount() == 0 && m_eventList.GetItemCount() == 0) {
        ApplyBackground();
        return;
    }
    if (MessageBox(TEXT_BACKGROUND_CHANGE, TEXT_TITLE,
                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
        m_eventList.DeleteAllItems();
        m_characterList.DeleteAllItems();
        for (int& type : m_selectedTypes)
            type = SLOT_EMPTY;
        m_selectedTypeCount = 0;
        ApplyBackground();
        return;
    }
    // No: the stage stays as it was, on the row applied last, and the choice
    // says so again (the rows were placed against that row's band and width).
    m_background.SetCurSel(m_curBackground);
}

void CVantrelDlg::ApplyBackground()
{
    const BackgroundRow* row = BackgroundRowOf(m_background.GetCurSel());
    int W = m_graphics.m_width;

    m_nearSrc = RECT{0, 0, W, kLayerHeight};
    m_farSrc = RECT{0, 0, W, kLayerHeight};

    m_moveMinY = row->minY;
    m_moveMaxY = row->maxY;
    m_nearImage = row->widthImage;
    if (row->farImage >= 0) {
        m_farImage = row->farImage;
    } else {
        m_farImage = 0;
        m_farSrc.right = 0;
    }
    m_farSrc.bottom = theScreen.m_backgrounds[m_farImage].rc.bottom;

    UpdateData(FALSE);
    UpdateData(TRUE);
    m_curBackground = m_background.GetCurSel();
    OnPaint();
}

void CVantrelDlg::OnScrollLeft()
{
    int W = m_graphics.m_width;
    if (m_nearSrc.left > 0) {
        m_nearSrc.left -= 10;
        if (m_nearSrc.left < 0)
            m_nearSrc.left = 0;
        m_nearSrc.right = m_nearSrc.left + W;
    }
    FollowWithFarLayer();
    OnPaint();
}

void CVantrelDlg::OnScrollRight()
{
    int W = m_graphics.m_width;
    m_nearSrc.right += 10;
    m_nearSrc.left += 10;
    int nearWidth = BackgroundWidth(m_nearImage);
    if (nearWidth < m_nearSrc.right) {
        // The right end; a layer not wider than the viewport stays at 0.
        m_nearSrc.left = nearWidth - W > 0 ? nearWidth - W : 0;
        m_nearSrc.right = m_nearSrc.left + W;
    }
    FollowWithFarLayer();
    OnPaint();
}

void CVantrelDlg::FollowWithFarLayer()
{
    if (m_farSrc.right == 0)
        return;
    int W = m_graphics.m_width;
    int nearRange = BackgroundWidth(m_nearImage) - W;
    int farRange = BackgroundWidth(m_farImage) - W;
    // Both layers reach their right ends together. A layer that cannot
    // scroll (not wider than the viewport) keeps the far layer at 0.
    int farScroll = 0;
    if (nearRange > 0 && farRange > 0)
        farScroll = m_nearSrc.left * farRange / nearRange;
    m_farSrc.left = farScroll;
    m_farSrc.right = farScroll + W;
}
