// The main dialog's stage files: saving the stage it holds and loading one
// into it. The bytes are the codec's (StageFile); here the dialog's choices,
// fields and list cells become a stage record, and a record becomes them
// again in the form in which the editing handlers write them.
#include "VantrelDlg.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "StageFile.h"
#include "StageTables.h"
#include "Texts.h"
#include "Vantrel.h"

namespace {

// Buffer length of a dialogue line's read: 39 bytes (the file keeps 36 of
// them).
const int kLineLength = 40;

// The game takes stage file names of at most 8 bytes, extension included.
const size_t kMaxFileNameLength = 8;

// Character type 26, "none": no character.
const int kTypeNone = CHARACTER_TYPE_COUNT - 1;

// ---- Cells to bytes --------------------------------------------------------

// The byte of a type, target or speaker cell: its row of the character-type
// table; the number that a loaded byte naming no row was shown as; else
// "none".
uint8_t TypeOfCell(const char* text)
{
    int row = StageTables::FindRow(StageTables::TABLE_CHARACTER_TYPE, text, 0, kTypeNone);
    if (row >= 0)
        return uint8_t(row);
    size_t digits = std::strspn(text, "0123456789");
    if (digits > 0 && digits <= 3 && text[digits] == '\0' && std::atoi(text) <= 255)
        return uint8_t(std::atoi(text));
    return uint8_t(kTypeNone);
}

// The file command of a command cell; a text that names no command gives a
// number past the table, which the writer refuses.
uint8_t CommandOfCell(const char* text)
{
    int row = StageTables::FindRow(StageTables::TABLE_EVENT_COMMAND, text, 0,
                                   EVENT_COMMAND_COUNT - 1);
    return uint8_t(row >= 0 ? row : EVENT_COMMAND_COUNT);
}

// ---- Bytes to cells --------------------------------------------------------

// Appends a row whose cell 0 is its number.
void AppendRow(CListCtrl& list, int row)
{
    char number[16];
    wsprintfA(number, "%d", row);
    list.InsertItem(row, number);
}

void SetNumberCell(CListCtrl& list, int row, int column, int value)
{
    char number[16];
    wsprintfA(number, "%d", value);
    list.SetItemText(row, column, number);
}

// A type, target or speaker: its row's name, or its number when it names no
// row, so that a save writes the same byte back.
void SetTypeCell(CListCtrl& list, int row, int column, int type)
{
    const char* name = StageTables::RowName(StageTables::TABLE_CHARACTER_TYPE, type);
    if (name != nullptr)
        list.SetItemText(row, column, name);
    else
        SetNumberCell(list, row, column, type);
}

// ---- Files -----------------------------------------------------------------

// Reads and checks the stage file of that name in the current folder; false
// when it cannot be opened or read, or is not a whole stage file.
bool ReadStageFile(LPCSTR name, StageRecord& stage)
{
    FILE* file = OpenFileA(name, "rb");
    if (file == nullptr)
        return false;
    // Nothing after the largest stage file can matter.
    const size_t chunk = 1 << 16;
    std::vector<uint8_t> data;
    bool readable = true;
    while (data.size() < StageFile::MAX_FILE_SIZE) {
        size_t had = data.size();
        size_t wanted = std::min(chunk, StageFile::MAX_FILE_SIZE - had);
        data.resize(had + wanted);
        size_t got = std::fread(data.data() + had, 1, wanted, file);
        data.resize(had + got);
        if (got < wanted) {
            readable = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    std::string reason;
    return readable && StageFile::Read(data.data(), data.size(), stage, reason);
}

// Writes the bytes as the file of that name in the current folder, never
// leaving a damaged file under the name: a new file beside it takes the
// bytes and replaces it only when every write, the flush and the close have
// succeeded. On failure the new file is removed and an old one is as it was.
bool ReplaceFile(LPCSTR name, const std::vector<uint8_t>& bytes)
{
    // A name no file has yet ("x": the open fails rather than take one).
    CString temporary;
    FILE* file = nullptr;
    for (int attempt = 0; attempt < 100 && file == nullptr; attempt++) {
        temporary.Format("%s.%d.tmp", name, attempt);
        file = OpenFileA(temporary, "wbx");
    }
    if (file == nullptr)
        return false;

    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (written && MoveFileReplaceA(temporary, name))
        return true;
    DeleteFileA(temporary);
    return false;
}

}  // namespace

void CVantrelDlg::OnStageSave()
{
    // The name, in a save dialog that asks before it replaces a file. A
    // cancel goes on to the title.
    CFileDialog dialog(FALSE, "stg", m_fileName, OFN_OVERWRITEPROMPT, TEXT_STAGE_FILTER, nullptr);
    if (dialog.DoModal() == IDOK) {
        // The fields as their edits hold them.
        UpdateData(TRUE);

        CString name = dialog.GetFileName();
        if (std::strlen(name) > kMaxFileNameLength) {
            AfxMessageBox(TEXT_NAME_TOO_LONG);
            return;
        }

        // The stage's bytes; a stage the file cannot count, or a write that
        // fails, leaves the file and the stage's name as they were.
        StageRecord stage;
        StageFromDialog(stage);
        std::vector<uint8_t> bytes;
        std::string reason;
        if (!StageFile::Write(stage, bytes, reason) || !ReplaceFile(name, bytes)) {
            AfxMessageBox(TEXT_FILE_ACCESS_ERROR);
            return;
        }
        m_fileName = name;
    }
    SetTitle();
}

void CVantrelDlg::OnStageLoad()
{
    // A stage with rows or selected types is replaced only after a Yes.
    if (m_characterList.GetItemCount() > 0 || m_eventList.GetItemCount() > 0 ||
        m_selectedTypeCount != 0) {
        if (MessageBox(TEXT_LOAD_QUESTION, TEXT_TITLE, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
            IDYES)
            return;
    }

    // The file, in an open dialog preset to "*.stg". A cancel keeps the
    // stage and goes on to the title and the background.
    CFileDialog dialog(TRUE, "stg", "*.stg", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       TEXT_STAGE_FILTER, nullptr);
    if (dialog.DoModal() == IDOK) {
        // The whole file is read and checked before anything changes: one
        // that cannot be read, or is damaged, leaves the stage as it was.
        CString name = dialog.GetFileName();
        StageRecord stage;
        if (!ReadStageFile(name, stage)) {
            AfxMessageBox(TEXT_FILE_ACCESS_ERROR);
            return;
        }

        // The file's stage replaces the old one, under its name.
        m_fileName = name;
        m_characterList.DeleteAllItems();
        m_eventList.DeleteAllItems();
        for (int& type : m_selectedTypes)
            type = SLOT_EMPTY;
        m_selectedTypeCount = 0;
        StageToDialog(stage);
        UpdateData(FALSE);
    }

    // The title, then the background row now chosen: its band replaces the
    // file's, the layers go back to the left end, and the preview is redrawn.
    SetTitle();
    ApplyBackground();
}

void CVantrelDlg::StageFromDialog(StageRecord& stage)
{
    using namespace StageTables;

    // Header: the chosen rows' layer and music files, then the fields in
    // their low bits; no clear condition chosen gives 255.
    const BackgroundRow* background = Background(m_background.GetCurSel());
    if (background != nullptr) {
        stage.nearLayer = background->nearFile;
        stage.farLayer = background->farFile != nullptr ? background->farFile : "";
    }
    const char* music = RowName(TABLE_BGM_FILE, m_bgm.GetCurSel());
    stage.bgm = music != nullptr ? music : "";
    stage.minY = uint8_t(m_moveMinY);
    stage.maxY = uint8_t(m_moveMaxY);
    stage.timeLimit = uint8_t(m_timeLimit);
    stage.clearCondition = uint8_t(m_clearCondition.GetCurSel());
    stage.clearValue = uint8_t(m_clearValue);
    for (int i = 0; i < m_selectedTypeCount && i < 10; i++)
        stage.selectedTypes.push_back(uint8_t(m_selectedTypes[i]));

    // One record per character row. A tactic cell that names no tactic (a
    // loaded byte above 5) gives 0.
    const int characters = m_characterList.GetItemCount();
    stage.characters.resize(characters);
    for (int row = 0; row < characters; row++) {
        CharacterRecord& c = stage.characters[row];
        m_characterList.GetItemText(row, CHARACTER_TYPE, m_text, kCellLength);
        c.type = TypeOfCell(m_text);
        m_characterList.GetItemText(row, CHARACTER_X, m_text, kCellLength);
        c.x = uint16_t(std::atoi(m_text));
        m_characterList.GetItemText(row, CHARACTER_Y, m_text, kCellLength);
        c.y = uint8_t(std::atoi(m_text));
        m_characterList.GetItemText(row, CHARACTER_FACING, m_text, kCellLength);
        c.facing = std::strcmp(m_text, RowName(TABLE_FACING, 0)) == 0 ? 1 : 0;
        m_characterList.GetItemText(row, CHARACTER_NAME, m_text, kCellLength);
        c.name = m_text;
        m_characterList.GetItemText(row, CHARACTER_TACTIC, m_text, kCellLength);
        c.tactic = uint8_t(std::max(FindRow(TABLE_TACTIC, m_text, 0, TACTIC_COUNT - 1), 0));
        m_characterList.GetItemText(row, CHARACTER_TEAM, m_text, kCellLength);
        c.team = uint8_t(std::atoi(m_text));
    }

    // One record per event row, with the payload of its command.
    const int events = m_eventList.GetItemCount();
    stage.events.resize(events);
    for (int row = 0; row < events; row++) {
        EventRecord& e = stage.events[row];
        m_eventList.GetItemText(row, EVENT_TARGET, m_text, kCellLength);
        e.target = TypeOfCell(m_text);
        m_eventList.GetItemText(row, EVENT_COMMAND, m_text, kCellLength);
        e.command = CommandOfCell(m_text);
        m_eventList.GetItemText(row, EVENT_VALUE, m_text, kCellLength);
        switch (e.command) {
        case StageFile::COMMAND_START:
        case StageFile::COMMAND_SOUND_EFFECT:
            e.number = uint16_t(std::atoi(m_text));
            break;
        case StageFile::COMMAND_RELEASE_TACTIC:
            e.character = uint8_t(std::atoi(m_text));
            break;
        case StageFile::COMMAND_OPEN_ILLUSTRATION:
        case StageFile::COMMAND_OTHER_ILLUSTRATION: {
            // A value outside "00".."32" leaves the name empty.
            const char* file = IllustrationFileOfCellText(m_text);
            e.illustration = file != nullptr ? file : "";
            break;
        }
        case StageFile::COMMAND_DIALOGUE: {
            m_eventList.GetItemText(row, EVENT_SPEAKER, m_text, kCellLength);
            e.speaker = TypeOfCell(m_text);
            char line[kLineLength];
            for (int i = 0; i < 3; i++) {
                m_eventList.GetItemText(row, EVENT_LINE1 + i, line, kLineLength);
                e.lines[i] = line;
            }
            break;
        }
        default:
            break;
        }
    }
}

void CVantrelDlg::StageToDialog(const StageRecord& stage)
{
    using namespace StageTables;

    // The choices by file name; a name that matches no row keeps the
    // previous choice. A clear condition of 3 or more leaves none chosen.
    int row = FindRow(TABLE_BACKGROUND_NEAR_FILE, stage.nearLayer.c_str(), 0, BACKGROUND_COUNT - 1);
    if (row >= 0)
        m_background.SetCurSel(row);
    row = FindRow(TABLE_BGM_FILE, stage.bgm.c_str(), 0, BGM_COUNT - 1);
    if (row >= 0)
        m_bgm.SetCurSel(row);
    m_moveMinY = stage.minY;
    m_moveMaxY = stage.maxY;
    m_timeLimit = stage.timeLimit;
    m_clearCondition.SetCurSel(stage.clearCondition);
    m_clearValue = stage.clearValue;

    // The selected types: the list has ten slots, a file with more keeps its
    // first ten.
    m_selectedTypeCount = int(std::min(stage.selectedTypes.size(), size_t(10)));
    for (int i = 0; i < m_selectedTypeCount; i++)
        m_selectedTypes[i] = stage.selectedTypes[i];

    // The characters as stored, unclamped. Facing 0 is right; a tactic
    // above 5 leaves its cell empty.
    for (int i = 0; i < int(stage.characters.size()); i++) {
        const CharacterRecord& c = stage.characters[i];
        AppendRow(m_characterList, i);
        SetTypeCell(m_characterList, i, CHARACTER_TYPE, c.type);
        SetNumberCell(m_characterList, i, CHARACTER_X, c.x);
        SetNumberCell(m_characterList, i, CHARACTER_Y, c.y);
        m_characterList.SetItemText(i, CHARACTER_FACING, RowName(TABLE_FACING, c.facing == 0 ? 1 : 0));
        m_characterList.SetItemText(i, CHARACTER_NAME, c.name.c_str());
        if (const char* tactic = RowName(TABLE_TACTIC, c.tactic))
            m_characterList.SetItemText(i, CHARACTER_TACTIC, tactic);
        SetNumberCell(m_characterList, i, CHARACTER_TEAM, c.team);
    }

    // The events as stored: target and command, then the cells of the
    // command's payload.
    for (int i = 0; i < int(stage.events.size()); i++) {
        const EventRecord& e = stage.events[i];
        AppendRow(m_eventList, i);
        SetTypeCell(m_eventList, i, EVENT_TARGET, e.target);
        m_eventList.SetItemText(i, EVENT_COMMAND, RowName(TABLE_EVENT_COMMAND, e.command));
        switch (e.command) {
        case StageFile::COMMAND_START:
        case StageFile::COMMAND_SOUND_EFFECT:
            SetNumberCell(m_eventList, i, EVENT_VALUE, e.number);
            break;
        case StageFile::COMMAND_RELEASE_TACTIC:
            SetNumberCell(m_eventList, i, EVENT_VALUE, e.character);
            break;
        case StageFile::COMMAND_OPEN_ILLUSTRATION:
        case StageFile::COMMAND_OTHER_ILLUSTRATION: {
            // A name outside the illustration table shows no number.
            const char* number = IllustrationCellTextOfFile(e.illustration.c_str());
            m_eventList.SetItemText(i, EVENT_VALUE, number != nullptr ? number : "");
            break;
        }
        case StageFile::COMMAND_DIALOGUE:
            SetTypeCell(m_eventList, i, EVENT_SPEAKER, e.speaker);
            for (int line = 0; line < 3; line++)
                m_eventList.SetItemText(i, EVENT_LINE1 + line, e.lines[line].c_str());
            break;
        default:
            break;
        }
    }
}
