// The main dialog's event list: register, modify, insert and delete, and the
// event dialog's result that writes a row's cells.
#include "VantrelDlg.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Resource.h"
#include "StageTables.h"
#include "Texts.h"
#include "Vantrel.h"

namespace {

// Register appends at most this many rows.
const int kRegisterLimit = 5000;
// The stage file counts its events in 16 bits: a longer list could not be
// saved whole, so insert stops here.
const int kInsertLimit = 65535;

// Sound effects are numbered 0 to 23.
const int kLastSoundEffect = 23;

// Longest text read back from a line cell.
const int kLineReadBytes = 107;

// What a command of the command list keeps in its row, beside its command
// cell.
enum RowContents {
    ROW_NOTHING,
    ROW_DIALOGUE,      // speaker and three lines
    ROW_DECIMAL,       // the number as it is
    ROW_ILLUSTRATION,  // the number in 0..32, two digits
    ROW_SOUND_EFFECT,  // the number in 0..23
};
const RowContents kRowContents[EVENT_COMMAND_LIST_COUNT] = {
    ROW_DECIMAL,       // start: X position
    ROW_NOTHING,       // end
    ROW_DIALOGUE,      // dialogue
    ROW_NOTHING,       // stop music
    ROW_NOTHING,       // play music
    ROW_ILLUSTRATION,  // open illustration
    ROW_NOTHING,       // close illustration
    ROW_NOTHING,       // remove hidden
    ROW_DECIMAL,       // release tactic: character number
    ROW_ILLUSTRATION,  // another illustration command
    ROW_SOUND_EFFECT,  // sound effect
};

RowContents ContentsOf(int command)
{
    return command >= 0 && command < EVENT_COMMAND_LIST_COUNT ? kRowContents[command]
                                                              : ROW_NOTHING;
}

// The command list's entry whose row text (the event-command table's text of
// its file command) equals text; -1 when none does (a command of a loaded
// stage that the dialog does not offer).
int CommandOfCellText(const char* text)
{
    for (int i = 0; i < EVENT_COMMAND_LIST_COUNT; i++) {
        const char* name = StageTables::RowName(StageTables::TABLE_EVENT_COMMAND,
                                                StageTables::FileCommandOfListIndex(i));
        if (name != nullptr && std::strcmp(name, text) == 0)
            return i;
    }
    return -1;
}

// The character type whose name equals text; 0 when none does.
int TypeOfCellText(const char* text)
{
    int type = StageTables::FindRow(StageTables::TABLE_CHARACTER_TYPE, text, 0,
                                     CHARACTER_TYPE_COUNT - 1);
    return type >= 0 ? type : 0;
}

int Clamp(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

}  // namespace

void CVantrelDlg::OnRegisterEvent()
{
    m_row = m_eventList.GetItemCount();
    if (m_row >= kRegisterLimit) {
        AfxMessageBox(TEXT_EVENT_LIMIT, MB_OK);
        return;
    }
    InsertEventRow();
    UpdateData(TRUE);
    UpdateData(FALSE);
    OpenEventDialog(this);
    LockForEntryDialog();
}

void CVantrelDlg::OnModifyEvent()
{
    int selected = SelectedRowOrRefuse(m_eventList, TEXT_SELECT_TO_MODIFY);
    if (selected < 0)
        return;
    m_row = selected;

    OpenEventDialog(nullptr);

    // The row's cells back into the dialog's values; a text that no table
    // holds leaves its value at 0, and a command the dialog does not offer
    // opens as "start" at 0.
    m_eventList.GetItemText(m_row, EVENT_TARGET, m_text, kCellLength);
    int target = TypeOfCellText(m_text);
    m_eventList.GetItemText(m_row, EVENT_COMMAND, m_text, kCellLength);
    int listed = CommandOfCellText(m_text);
    int command = listed >= 0 ? listed : 0;
    int face = 0;
    int number = 0;
    char lines[3][kLineReadBytes + 1] = {};
    switch (ContentsOf(listed)) {
    case ROW_NOTHING: break;
    case ROW_DIALOGUE:
        m_eventList.GetItemText(m_row, EVENT_SPEAKER, m_text, kCellLength);
        face = TypeOfCellText(m_text);
        for (int i = 0; i < 3; i++)
            m_eventList.GetItemText(m_row, EVENT_LINE1 + i, lines[i], kLineReadBytes + 1);
        break;
    case ROW_DECIMAL:
    case ROW_ILLUSTRATION:
    case ROW_SOUND_EFFECT:
        m_eventList.GetItemText(m_row, EVENT_VALUE, m_text, kCellLength);
        number = std::atoi(m_text);
        break;
    }

    m_dlgEvent.SetEvent(target, command, face, number, lines[0], lines[1], lines[2]);
    LockForEntryDialog();
}

void CVantrelDlg::OnInsertEvent()
{
    int selected = SelectedRowOrRefuse(m_eventList, TEXT_SELECT_POSITION);
    if (selected < 0)
        return;
    if (m_eventList.GetItemCount() >= kInsertLimit) {
        AfxMessageBox(TEXT_EVENT_LIMIT, MB_OK);
        return;
    }
    m_row = selected;

    // The new row goes in front of the selected one, which moves down with
    // every row after it.
    InsertEventRow();
    RenumberRows(m_eventList, m_row + 1, 1);
    OpenEventDialog(this);
    LockForEntryDialog();
    m_insertMode = 1;
}

void CVantrelDlg::OnDeleteEvent()
{
    int selected = SelectedRowOrRefuse(m_eventList, TEXT_SELECT_TO_DELETE);
    if (selected < 0)
        return;
    m_row = selected;
    std::snprintf(m_text, sizeof(m_text), TEXT_DELETE_EVENT_FORMAT, m_row);
    if (MessageBox(m_text, TEXT_TITLE, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;

    m_eventList.DeleteItem(m_row);
    RenumberRows(m_eventList, m_row, -1);
    UpdateData(FALSE);
    OnPaint();
}

void CVantrelDlg::OnEventEditResult(int target, int command, int face, int number, LPCSTR line1,
                                    LPCSTR line2, LPCSTR line3)
{
    m_dlgEvent.DestroyWindow();
    ReleaseAfterEntryDialog();

    // An inserted row is taken out again on cancel, and the rows after it
    // move back up.
    if (m_insertMode == 1) {
        if (target == RESULT_CANCEL_NEW) {
            m_eventList.DeleteItem(m_row);
            RenumberRows(m_eventList, m_row, -1);
            UpdateData(FALSE);
        } else {
            WriteEventRow(target, command, face, number, line1, line2, line3);
        }
        m_insertMode = 0;
        return;
    }

    if (target == RESULT_CANCEL_EDIT)
        return;
    if (target == RESULT_CANCEL_NEW) {
        // The row that register appended.
        m_eventList.DeleteItem(m_eventList.GetItemCount() - 1);
        return;
    }
    WriteEventRow(target, command, face, number, line1, line2, line3);
}

void CVantrelDlg::InsertEventRow()
{
    std::snprintf(m_text, sizeof(m_text), "%d", m_row);
    m_item.mask = LVIF_TEXT;
    m_item.iItem = m_row;
    m_item.iSubItem = 0;
    m_item.pszText = m_text;
    m_eventList.InsertItem(&m_item);
}

void CVantrelDlg::OpenEventDialog(CWnd* parent)
{
    m_dlgEvent.Create(IDD_EVENT_EDIT, parent);
    m_dlgEvent.ShowWindow(SW_SHOW);
    m_dlgEvent.CenterWindow();
}

void CVantrelDlg::WriteEventRow(int target, int command, int face, int number, LPCSTR line1,
                                LPCSTR line2, LPCSTR line3)
{
    for (int cell = EVENT_TARGET; cell < EVENT_CELL_COUNT; cell++)
        m_eventList.SetItemText(m_row, cell, "");

    // A name the tables do not hold (never from the dialog) leaves its cell
    // empty.
    const char* name = StageTables::RowName(StageTables::TABLE_CHARACTER_TYPE, target);
    m_eventList.SetItemText(m_row, EVENT_TARGET, name != nullptr ? name : "");
    // The command cell shows the text of the file command, which for "play
    // music" differs from the dialog's entry.
    name = StageTables::RowName(StageTables::TABLE_EVENT_COMMAND,
                                StageTables::FileCommandOfListIndex(command));
    m_eventList.SetItemText(m_row, EVENT_COMMAND, name != nullptr ? name : "");

    switch (ContentsOf(command)) {
    case ROW_NOTHING: break;
    case ROW_DIALOGUE: {
        name = StageTables::RowName(StageTables::TABLE_CHARACTER_TYPE, face);
        m_eventList.SetItemText(m_row, EVENT_SPEAKER, name != nullptr ? name : "");
        LPCSTR lines[3] = {line1, line2, line3};
        for (int i = 0; i < 3; i++)
            m_eventList.SetItemText(m_row, EVENT_LINE1 + i, lines[i] != nullptr ? lines[i] : "");
        break;
    }
    case ROW_DECIMAL:
        std::snprintf(m_text, sizeof(m_text), "%d", number);
        m_eventList.SetItemText(m_row, EVENT_VALUE, m_text);
        break;
    case ROW_ILLUSTRATION:
        // "00" to "32", the illustration's own cell text.
        m_eventList.SetItemText(m_row, EVENT_VALUE,
                                StageTables::RowName(StageTables::TABLE_ILLUSTRATION,
                                                     Clamp(number, 0, ILLUSTRATION_COUNT - 1)));
        break;
    case ROW_SOUND_EFFECT:
        std::snprintf(m_text, sizeof(m_text), "%d", Clamp(number, 0, kLastSoundEffect));
        m_eventList.SetItemText(m_row, EVENT_VALUE, m_text);
        break;
    }
    UpdateData(FALSE);
}
