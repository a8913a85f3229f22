// The main dialog's preview: painting the stage, choosing the background and
// scrolling.
#include "VantrelDlg.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Screen.h"
#include "StageTables.h"
#include "Texts.h"
#include "Vantrel.h"

extern CScreen theScreen;

namespace {

// Marks a draw record whose type text names no character.
const int kNoType = 666;

// The background table's row for a selection; any selection outside the
// table is applied like rows 6 to 10.
const BackgroundRow* BackgroundRowOf(int selection)
{
    const BackgroundRow* row = StageTables::Background(selection);
    return row != nullptr ? row : StageTables::Background(6);
}

}  // namespace

int CVantrelDlg::BackgroundWidth(int image)
{
    if (image < 0 || image >= 21)
        return 0;
    return theScreen.m_backgrounds[image].rc.right;
}

void CVantrelDlg::OnPaint()
{
    // Minimised: only the icon.
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

    // The dialog's own painting; the background row to draw.
    CDialog::OnPaint();
    int row = m_background.GetCurSel();

    // Nothing more until the display is ready.
    if (!m_graphics.m_ready)
        return;

    // A white frame.
    m_graphics.ClearBackBuffer(255, 255, 255);

    // The layers (an image that is not loaded draws nothing).
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

    // The characters, read back from the list's cells.
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
            m_characterList.GetItemText(i, CHARACTER_X, m_text, kCellLength);
            xs[i] = std::atoi(m_text);
            m_characterList.GetItemText(i, CHARACTER_Y, m_text, kCellLength);
            ys[i] = std::atoi(m_text);
            m_characterList.GetItemText(i, CHARACTER_FACING, m_text, kCellLength);
            facings[i] =
                std::strcmp(m_text, StageTables::RowName(StageTables::TABLE_FACING, 0)) == 0 ? 0 : 1;
            m_characterList.GetItemText(i, CHARACTER_TYPE, m_text, kCellLength);
            int type = StageTables::FindRow(StageTables::TABLE_CHARACTER_TYPE, m_text, 0,
                                            PLAYABLE_TYPE_COUNT - 1);
            types[i] = type >= 0 ? type : kNoType;
        }
    }

    // Sorted by y, ascending; equal y keep their list order. The y of record
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

    // Each sprite stands on row y, centred on column x of the near layer.
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

    delete[] types;
    delete[] xs;
    delete[] ys;
    delete[] facings;

    // The ruler: a label every 100 pixels of the width image.
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

    // The frame into the preview's place in the dialog.
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
