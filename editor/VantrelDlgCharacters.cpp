// The main dialog's characters: the selection of the stage's character
// types, and registering, modifying and deleting the rows of the character
// list through the two character dialogs.
#include "VantrelDlg.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Resource.h"
#include "StageTables.h"
#include "Texts.h"
#include "Vantrel.h"

namespace {

// The most rows the character list takes, and the highest team number.
const int kMostCharacters = 60;
const int kMostTeam = 200;

}  // namespace

void CVantrelDlg::OnCharacterSetting()
{
    m_dlgSelect.Create(IDD_REGISTRATION_CHARACTER, this);
    m_dlgSelect.ShowWindow(SW_SHOW);
    m_dlgSelect.CenterWindow();
    m_dlgSelect.SetSelectedTypes(m_selectedTypes);
    LockForEntryDialog();
}

void CVantrelDlg::OnCharacterSelectResult(int code, const int* list)
{
    m_dlgSelect.DestroyWindow();
    ReleaseAfterEntryDialog();
    if (code == RESULT_CANCEL_EDIT || list == nullptr)
        return;

    // The new selection, up to the list's first empty slot.
    int count = 0;
    while (count < 10 && list[count] != SLOT_EMPTY) {
        m_selectedTypes[count] = list[count];
        count++;
    }
    m_selectedTypeCount = count;
    for (int slot = count; slot < 10; slot++)
        m_selectedTypes[slot] = SLOT_EMPTY;

    // Rows of a type no longer selected go. Each row that stays takes its
    // own number less one for every row removed before it, as if the rows
    // after each removal were renumbered at once, but with one write a row.
    int removed = 0;
    int row = 0;
    while (row < m_characterList.GetItemCount()) {
        m_characterList.GetItemText(row, CHARACTER_TYPE, m_text, kCellLength);
        if (!NamesSelectedType(m_text)) {
            m_characterList.DeleteItem(row);
            removed++;
            continue;
        }
        if (removed > 0)
            AddToRowNumber(m_characterList, row, -removed);
        row++;
    }
    // The preview must not keep showing a character whose row is gone.
    if (removed > 0) {
        UpdateData(FALSE);
        OnPaint();
    }
}

bool CVantrelDlg::NamesSelectedType(LPCSTR typeName) const
{
    for (int slot = 0; slot < m_selectedTypeCount && slot < 10; slot++) {
        LPCSTR name =
            StageTables::RowName(StageTables::TABLE_CHARACTER_TYPE, m_selectedTypes[slot]);
        if (name != nullptr && std::strcmp(name, typeName) == 0)
            return true;
    }
    return false;
}

void CVantrelDlg::OnRegisterCharacter()
{
    if (m_selectedTypeCount == 0) {
        MessageBox(TEXT_NO_CHARACTER_TYPES, TEXT_TITLE, MB_OK | MB_ICONHAND);
        return;
    }
    m_row = m_characterList.GetItemCount();
    if (m_row >= kMostCharacters) {
        AfxMessageBox(TEXT_CHARACTER_LIMIT);
        return;
    }

    // A numbered row at the end; the appearance result fills its cells.
    std::snprintf(m_text, sizeof(m_text), "%d", m_row);
    std::memset(&m_item, 0, sizeof(m_item));
    m_item.mask = LVIF_TEXT;
    m_item.iItem = m_row;
    m_item.iSubItem = 0;
    m_item.pszText = m_text;
    m_characterList.InsertItem(&m_item);
    UpdateData(TRUE);
    UpdateData(FALSE);

    // The dialog opens with the defaults of a new character.
    m_dlgAppearance.Create(IDD_EDIT_CHARACTER, this);
    m_dlgAppearance.ShowWindow(SW_SHOW);
    m_dlgAppearance.CenterWindow();
    LockForEntryDialog();
}

void CVantrelDlg::OnModifyCharacter()
{
    int selected = SelectedRowOrRefuse(m_characterList, TEXT_SELECT_TO_MODIFY);
    if (selected < 0)
        return;
    m_row = selected;

    // Without a parent the dialog belongs to the application's main window,
    // which is this dialog.
    m_dlgAppearance.Create(IDD_EDIT_CHARACTER);
    m_dlgAppearance.ShowWindow(SW_SHOW);
    m_dlgAppearance.CenterWindow();

    // The row's cells back into values: the type as its slot among the
    // selected types (-1 when it is not selected), the numbers as atoi reads
    // them, the facing and tactic as table rows.
    m_characterList.GetItemText(m_row, CHARACTER_TYPE, m_text, kCellLength);
    int type = StageTables::FindRow(StageTables::TABLE_CHARACTER_TYPE, m_text, 0,
                                    PLAYABLE_TYPE_COUNT - 1);
    int slot = -1;
    for (int i = 0; i < m_selectedTypeCount && i < 10 && type >= 0; i++) {
        if (m_selectedTypes[i] == type) {
            slot = i;
            break;
        }
    }
    m_characterList.GetItemText(m_row, CHARACTER_X, m_text, kCellLength);
    int x = std::atoi(m_text);
    m_characterList.GetItemText(m_row, CHARACTER_Y, m_text, kCellLength);
    int y = std::atoi(m_text);
    m_characterList.GetItemText(m_row, CHARACTER_FACING, m_text, kCellLength);
    LPCSTR left = StageTables::RowName(StageTables::TABLE_FACING, 0);
    int facing = std::strcmp(m_text, left) == 0 ? 0 : 1;
    m_characterList.GetItemText(m_row, CHARACTER_TACTIC, m_text, kCellLength);
    int tactic = StageTables::FindRow(StageTables::TABLE_TACTIC, m_text, 0, TACTIC_COUNT - 1);
    m_characterList.GetItemText(m_row, CHARACTER_TEAM, m_text, kCellLength);
    int team = std::atoi(m_text);
    m_characterList.GetItemText(m_row, CHARACTER_NAME, m_text, kCellLength);

    m_dlgAppearance.SetAppearance(slot, x, y, facing, m_text, tactic, team);
    LockForEntryDialog();
}

void CVantrelDlg::OnDeleteCharacter()
{
    int selected = SelectedRowOrRefuse(m_characterList, TEXT_SELECT_TO_DELETE);
    if (selected < 0)
        return;
    m_row = selected;
    std::snprintf(m_text, sizeof(m_text), TEXT_DELETE_CHARACTER, m_row);
    if (MessageBox(m_text, TEXT_TITLE, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;

    m_characterList.DeleteItem(m_row);
    RenumberRows(m_characterList, m_row, -1);
    UpdateData(TRUE);
    OnPaint();
}

void CVantrelDlg::OnAppearanceResult(int slot, int x, int y, int facing, LPCSTR name, int tactic,
                                     int team)
{
    m_dlgAppearance.DestroyWindow();
    ReleaseAfterEntryDialog();
    if (slot == RESULT_CANCEL_EDIT)
        return;
    if (slot == RESULT_CANCEL_NEW) {
        // The row that register appended goes again.
        m_row = m_characterList.GetItemCount() - 1;
        m_characterList.DeleteItem(m_row);
        return;
    }

    // The type of the chosen slot; none when no entry was chosen or the slot
    // holds a type without a name. A row that has no type yet (register just
    // appended it) then goes as a cancelled register's does: a character
    // without a type can be neither drawn nor saved.
    LPCSTR typeName = nullptr;
    if (slot >= 0 && slot < m_selectedTypeCount && slot < 10)
        typeName = StageTables::RowName(StageTables::TABLE_CHARACTER_TYPE, m_selectedTypes[slot]);
    if (typeName == nullptr) {
        m_characterList.GetItemText(m_row, CHARACTER_TYPE, m_text, kCellLength);
        if (m_text[0] == '\0') {
            m_characterList.DeleteItem(m_row);
            RenumberRows(m_characterList, m_row, -1);
            return;
        }
    }

    // Y inside the movement band, X on the width image, the team in 0..200.
    if (y > m_moveMaxY)
        y = m_moveMaxY;
    if (y < m_moveMinY)
        y = m_moveMinY;
    int W = BackgroundWidth(m_nearImage);
    if (x < 0)
        x = 0;
    if (x > W)
        x = W;
    if (team < 0)
        team = 0;
    if (team > kMostTeam)
        team = kMostTeam;

    if (typeName != nullptr)
        m_characterList.SetItemText(m_row, CHARACTER_TYPE, typeName);
    std::snprintf(m_text, sizeof(m_text), "%d", x);
    m_characterList.SetItemText(m_row, CHARACTER_X, m_text);
    std::snprintf(m_text, sizeof(m_text), "%d", y);
    m_characterList.SetItemText(m_row, CHARACTER_Y, m_text);
    LPCSTR facingName = StageTables::RowName(StageTables::TABLE_FACING, facing != 0 ? 1 : 0);
    m_characterList.SetItemText(m_row, CHARACTER_FACING, facingName);
    m_characterList.SetItemText(m_row, CHARACTER_NAME, name != nullptr ? name : "");
    if (LPCSTR tacticName = StageTables::RowName(StageTables::TABLE_TACTIC, tactic))
        m_characterList.SetItemText(m_row, CHARACTER_TACTIC, tacticName);
    std::snprintf(m_text, sizeof(m_text), "%d", team);
    m_characterList.SetItemText(m_row, CHARACTER_TEAM, m_text);

    UpdateData(FALSE);
    OnPaint();
}
