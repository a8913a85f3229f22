// Saving and loading stage files through the real main dialog: its buttons
// clicked, file dialogs scripted, message boxes captured, the lists' cells
// written and read through the list control as the editing handlers do.
// Last, pictures of the real file dialogs and of a loaded stage.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "Resource.h"
#include "StageFile.h"
#include "testing/FileDialogs.h"
#include "win32/Window.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Cells = std::vector<std::vector<std::string>>;  // UTF-8

const char* const kTitle = "Vantrel v3.1.0 (User Version)  -  ";

std::string Title(CVantrelDlg& dlg)
{
    return win32::WidgetOf(dlg.m_hWnd)->windowTitle().toStdString();
}

std::string EditText(CVantrelDlg& dlg, int id)
{
    return static_cast<QLineEdit*>(Control(dlg, id))->text().toStdString();
}

void Click(CVantrelDlg& dlg, int id)
{
    static_cast<QAbstractButton*>(Control(dlg, id))->click();
}

// Writes a row: cell 0 its number, then the given cells (UTF-8) from cell 1
// on; null leaves a cell unwritten.
void PutRow(CListCtrl& list, std::vector<const char*> cells)
{
    int row = list.GetItemCount();
    list.InsertItem(row, std::to_string(row).c_str());
    for (size_t i = 0; i < cells.size(); i++) {
        if (cells[i] != nullptr)
            list.SetItemText(row, int(i) + 1, testhooks::Cp949(cells[i]).c_str());
    }
}

Cells CellsOf(const CListCtrl& list, int columns)
{
    Cells cells;
    for (int row = 0; row < list.GetItemCount(); row++) {
        cells.emplace_back();
        for (int column = 0; column < columns; column++)
            cells.back().push_back(testhooks::Utf8(list.GetItemText(row, column).Str()));
    }
    return cells;
}

// Everything a load may change, and a save may read.
struct StageState {
    Cells characters, events;
    std::vector<int> types;
    int typeCount = 0;
    int background = 0, bgm = 0, clearCondition = 0;
    int minY = 0, maxY = 0, clearValue = 0, timeLimit = 0;
    std::string fileName, title;
    int scroll = 0;
};

StageState StateOf(CVantrelDlg& dlg)
{
    StageState s;
    s.characters = CellsOf(dlg.m_characterList, 8);
    s.events = CellsOf(dlg.m_eventList, 12);
    s.types.assign(std::begin(dlg.m_selectedTypes), std::end(dlg.m_selectedTypes));
    s.typeCount = dlg.m_selectedTypeCount;
    s.background = dlg.m_background.GetCurSel();
    s.bgm = dlg.m_bgm.GetCurSel();
    s.clearCondition = dlg.m_clearCondition.GetCurSel();
    s.minY = dlg.m_moveMinY;
    s.maxY = dlg.m_moveMaxY;
    s.clearValue = dlg.m_clearValue;
    s.timeLimit = dlg.m_timeLimit;
    s.fileName = testhooks::Utf8(dlg.m_fileName.Str());
    s.title = Title(dlg);
    s.scroll = dlg.m_nearSrc.left;
    return s;
}

// The title and the scroll position are compared apart: some end states
// change them alone.
void ExpectSameStage(const StageState& a, const StageState& b)
{
    EXPECT_EQ(a.characters, b.characters);
    EXPECT_EQ(a.events, b.events);
    EXPECT_EQ(a.types, b.types);
    EXPECT_EQ(a.typeCount, b.typeCount);
    EXPECT_EQ(a.background, b.background);
    EXPECT_EQ(a.bgm, b.bgm);
    EXPECT_EQ(a.clearCondition, b.clearCondition);
    EXPECT_EQ(a.minY, b.minY);
    EXPECT_EQ(a.maxY, b.maxY);
    EXPECT_EQ(a.clearValue, b.clearValue);
    EXPECT_EQ(a.timeLimit, b.timeLimit);
    EXPECT_EQ(a.fileName, b.fileName);
}

void ChooseBackground(CVantrelDlg& dlg, int row)
{
    dlg.m_background.SetCurSel(row);
    dlg.ApplyBackground();
}

void SetFields(CVantrelDlg& dlg, int clearValue, int timeLimit)
{
    dlg.m_clearValue = clearValue;
    dlg.m_timeLimit = timeLimit;
    dlg.UpdateData(FALSE);
}

void SetTypes(CVantrelDlg& dlg, std::vector<int> types)
{
    for (int i = 0; i < 10; i++)
        dlg.m_selectedTypes[i] = i < int(types.size()) ? types[i] : SLOT_EMPTY;
    dlg.m_selectedTypeCount = int(types.size());
}

// A stage in every form the editing handlers write, and the forms a loaded
// file brings that must survive a save: a type, target or speaker byte
// beyond the table shown as its number, "없음", a command the event dialog
// does not offer, a 20-byte name.
void FillStage(CVantrelDlg& dlg)
{
    ChooseBackground(dlg, 7);
    dlg.m_bgm.SetCurSel(3);
    dlg.m_clearCondition.SetCurSel(1);
    SetFields(dlg, 2, 30);
    SetTypes(dlg, {0, 2, 10});

    CListCtrl& c = dlg.m_characterList;
    PutRow(c, {"Torvane", "120", "170", "왼쪽", "장군", "자유행동", "0"});
    PutRow(c, {"Nemra", "300", "200", "오른쪽", "ABCDEFGHIJKLMNOPQRST", "잠복공격", "200"});
    PutRow(c, {"Plodwick", "0", "160", "왼쪽", "", "열혈가드", "15"});
    PutRow(c, {"27", "65535", "255", "오른쪽", "x", "공격대기", "255"});
    PutRow(c, {"없음", "5", "180", "왼쪽", "n", "서서공격", "1"});
    PutRow(c, {"전부", "6", "181", "오른쪽", "m", "열혈공격", "2"});

    std::string line35(35, 'L');
    CListCtrl& e = dlg.m_eventList;
    PutRow(e, {"전부", "시작", nullptr, nullptr, "700"});
    PutRow(e, {"Torvane", "대사", "Nemra", nullptr, nullptr, nullptr, nullptr, nullptr,
               line35.c_str(), "", "둘째 줄"});
    PutRow(e, {"없음", "끝"});
    PutRow(e, {"Nemra", "BGM 정지"});
    PutRow(e, {"Nemra", "BGM 시작"});
    PutRow(e, {"Torvane", "일러열기", nullptr, nullptr, "02"});
    PutRow(e, {"Torvane", "일러닫기"});
    PutRow(e, {"전부", "히든제거"});
    PutRow(e, {"전부", "전술해체", nullptr, nullptr, "3"});
    PutRow(e, {"Torvane", "일러노열", nullptr, nullptr, "32"});
    PutRow(e, {"전부", "효과음", nullptr, nullptr, "23"});
    PutRow(e, {"200", "대사", "27", nullptr, nullptr, nullptr, nullptr, nullptr, "a", "b", "c"});
    PutRow(e, {"Nemra", "강제종료"});
}

class StageFileTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        m_start = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-stage-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override
    {
        std::filesystem::current_path(m_start);
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
        EditorTest::TearDown();
    }

    // Clicks the save or load button with the file dialog answered: a name
    // (UTF-8) in the scratch folder, or a cancel for null. Questions before
    // the dialog take the given answers.
    void Save(CVantrelDlg& dlg, const char* name)
    {
        Answer(name);
        Click(dlg, IDC_STAGE_SAVE);
    }
    void Load(CVantrelDlg& dlg, const char* name, std::vector<int> answers = {})
    {
        testhooks::AnswerNextMessageBoxes(answers);
        Answer(name);
        Click(dlg, IDC_STAGE_LOAD);
    }

    std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

    Bytes FileBytes(const std::string& name) const
    {
        std::ifstream file(PathOf(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(file), {});
    }
    void PutFile(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::vector<std::string> FilesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path m_start;
    std::filesystem::path m_folder;

private:
    void Answer(const char* name)
    {
        if (name != nullptr)
            testhooks::AnswerNextFileDialogs({{true, m_folder.string(), name}});
        else
            testhooks::AnswerNextFileDialogs({{}});
    }
};

Bytes Encoded(const StageRecord& stage)
{
    Bytes bytes;
    std::string reason;
    EXPECT_TRUE(StageFile::Write(stage, bytes, reason)) << reason;
    return bytes;
}

// A stage file of background row 0 and music row 0 with nothing in it.
StageRecord PlainStage()
{
    StageRecord stage;
    stage.nearLayer = "hib.bak";
    stage.farLayer = "hix.bak";
    stage.bgm = "qu17.wav";
    stage.minY = 200;
    stage.maxY = 240;
    return stage;
}

}  // namespace

TEST_F(StageFileTest, ASavedStageLoadsBackAsItWas)
{
    RunEditor([&](CVantrelDlg& dlg) {
        FillStage(dlg);
        Save(dlg, "abcd.stg");
        ASSERT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
        StageState saved = StateOf(dlg);
        EXPECT_EQ(saved.fileName, "abcd.stg");
        EXPECT_EQ(saved.title, std::string(kTitle) + "abcd.stg");

        // Another stage in the dialog, then the file back over it.
        ChooseBackground(dlg, 3);
        dlg.m_bgm.SetCurSel(0);
        dlg.m_clearCondition.SetCurSel(2);
        SetFields(dlg, 9, 4);
        SetTypes(dlg, {5});
        PutRow(dlg.m_characterList, {"Yorrith", "1", "200", "왼쪽", "", "", "0"});
        dlg.m_fileName = "other.stg";
        Load(dlg, "abcd.stg", {IDYES});
        ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(BoxText(0), "현재의 데이터는 지워집니다");

        StageState loaded = StateOf(dlg);
        ExpectSameStage(loaded, saved);
        EXPECT_EQ(loaded.title, saved.title);

        // Saving the loaded stage again writes the same bytes.
        Bytes first = FileBytes("abcd.stg");
        Save(dlg, "efgh.stg");
        EXPECT_EQ(FileBytes("efgh.stg"), first);
    });
}

TEST_F(StageFileTest, TheFileDialogsAskForStageFiles)
{
    RunEditor([&](CVantrelDlg& dlg) {
        dlg.m_fileName = "ab.stg";
        Save(dlg, nullptr);
        Load(dlg, nullptr);
        const auto& shown = testhooks::ShownFileDialogs();
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_FALSE(shown[0].open);
        EXPECT_EQ(shown[0].initialName, "ab.stg");
        EXPECT_EQ(shown[0].flags, OFN_OVERWRITEPROMPT);
        EXPECT_TRUE(shown[1].open);
        EXPECT_EQ(shown[1].initialName, "*.stg");
        EXPECT_EQ(shown[1].flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        for (const auto& dialog : shown) {
            EXPECT_EQ(dialog.defaultExtension, "stg");
            EXPECT_EQ(testhooks::Utf8(dialog.filter), "스테이지 파일 (*.stg) |*.stg|");
            EXPECT_EQ(dialog.owner, dlg.m_hWnd);
        }
    });
}

TEST_F(StageFileTest, SavedBytesOfEachCellForm)
{
    // One character and one event of each form, on background row 12 (no
    // far layer) and music row 6, with no clear condition chosen.
    const struct {
        const char* what;
        size_t offset;
        Bytes bytes;
    } cases[] = {
        {"near layer of 7 characters", 1, {'n', 'u', 'f', '.', 'b', 'a', 'k', 0}},
        {"no far layer", 11, Bytes(8, 0)},
        {"band of row 12, music of row 6", 20, {190, 240, 'p', 'o', 'x', '.', 'w', 'a', 'v', 0}},
        {"time limit, no clear condition, clear value, T", 31, {41, 255, 44, 1}},
        {"selected type, character count", 35, {25, 2}},
        {"type 25, x 300, y, facing left", 37, {25, 0x2C, 0x01, 220, 1}},
        {"25-byte name: its first 20 bytes", 42, Bytes(20, 'N')},
        {"tactic, team 201 in 8 bits, reserved", 62, {5, 201, 0}},
        {"facing right", 69, {0}},
        {"6-byte name", 70, {'a', 'b', 'c', 'd', 'e', 'f', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"event count", 93, {5, 0}},
        {"start X -1", 95, {9, 0, 0xFF, 0xFF}},
        {"\"BGM 시작\" is command 6", 99, {26, 6}},
        {"illustration \"10\"", 101, {0, 7, '0', '9', '.', 'b', 'a', 'k', 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"dialogue: speaker", 118, {1, 2, 2}},
        {"dialogue: 35-byte line and its zero", 121, Bytes(35, 'L')},
        {"dialogue: the zero after it, an empty line", 156, Bytes(1 + 36, 0)},
        {"dialogue: last line", 193, {'o', 'k', 0}},
        {"release tactic 300 in 8 bits, trailer", 229, {0, 18, 44, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        ChooseBackground(dlg, 12);
        dlg.m_bgm.SetCurSel(6);
        dlg.m_clearCondition.SetCurSel(-1);
        SetFields(dlg, 300, 41);
        SetTypes(dlg, {25});
        std::string name25(25, 'N');
        PutRow(dlg.m_characterList, {"Vell2", "300", "220", "왼쪽", name25.c_str(), "잠복공격", "201"});
        PutRow(dlg.m_characterList, {"Torvane", "7", "200", "오른쪽", "abcdef", "자유행동", "0"});
        std::string line35(35, 'L');
        PutRow(dlg.m_eventList, {"전부", "시작", nullptr, nullptr, "-1"});
        PutRow(dlg.m_eventList, {"없음", "BGM 시작"});
        PutRow(dlg.m_eventList, {"Torvane", "일러열기", nullptr, nullptr, "10"});
        PutRow(dlg.m_eventList, {"Brisalt", "대사", "Nemra", nullptr, nullptr, nullptr, nullptr,
                                 nullptr, line35.c_str(), "", "ok"});
        PutRow(dlg.m_eventList, {"Torvane", "전술해체", nullptr, nullptr, "300"});
        Save(dlg, "cell.stg");
        ASSERT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
    });
    Bytes file = FileBytes("cell.stg");
    ASSERT_EQ(file.size(), 240u);
    for (const auto& c : cases) {
        ASSERT_LE(c.offset + c.bytes.size(), file.size()) << c.what;
        EXPECT_EQ(Bytes(file.begin() + c.offset, file.begin() + c.offset + c.bytes.size()), c.bytes)
            << c.what;
    }
}

TEST_F(StageFileTest, NamesOfMoreThanEightBytesAreNotSaved)
{
    // Korean syllables take two bytes each in the program's code page.
    const struct {
        const char* typed;
        const char* saved;  // null: refused
    } cases[] = {
        {"abcd.stg", "abcd.stg"},
        {"wxyz", "wxyz.stg"},
        {"abcde.stg", nullptr},
        {"abcde", nullptr},
        {"가나.stg", "가나.stg"},
        {"가나다.stg", nullptr},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            testhooks::ClearMessageBoxes();
            std::string before = testhooks::Utf8(dlg.m_fileName.Str());
            dlg.SetWindowText("unchanged");
            Save(dlg, c.typed);
            if (c.saved != nullptr) {
                EXPECT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
                EXPECT_EQ(FileBytes(c.saved).size(), 46u);
                EXPECT_EQ(testhooks::Utf8(dlg.m_fileName.Str()), c.saved);
                EXPECT_EQ(Title(dlg), std::string(kTitle) + c.saved);
            } else {
                ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
                EXPECT_EQ(BoxText(0), "이름은 8자를 넘길 수 없습니다");
                EXPECT_EQ(testhooks::ShownMessageBoxes()[0].buttons(), MB_OK);
                EXPECT_EQ(testhooks::Utf8(dlg.m_fileName.Str()), before);
                EXPECT_EQ(Title(dlg), "unchanged");
            }
        }
        EXPECT_EQ(FilesInFolder(),
                  (std::vector<std::string>{"abcd.stg", "wxyz.stg", "가나.stg"}));

        // A cancelled dialog writes nothing and still shows the name.
        dlg.SetWindowText("unchanged");
        Save(dlg, nullptr);
        EXPECT_EQ(Title(dlg), std::string(kTitle) + "가나.stg");
        EXPECT_EQ(FilesInFolder().size(), 3u);
    });
}

TEST_F(StageFileTest, ALoadEndsInOneOfFourStates)
{
    enum Ending { KEPT, CANCELLED, REFUSED, LOADED };
    const struct {
        const char* what;
        bool rows;  // else selected types alone
        std::vector<int> answers;
        const char* file;  // null: the file dialog is cancelled
        Ending ending;
    } cases[] = {
        {"No to the question", true, {IDNO}, "good.stg", KEPT},
        {"No with selected types alone", false, {IDNO}, "good.stg", KEPT},
        {"file dialog cancelled", true, {IDYES}, nullptr, CANCELLED},
        {"no such file", true, {IDYES}, "none.stg", REFUSED},
        {"a folder, which cannot be read", true, {IDYES}, "folder.stg", REFUSED},
        {"empty file", true, {IDYES}, "empty.stg", REFUSED},
        {"file ending inside its trailer", true, {IDYES}, "short.stg", REFUSED},
        {"event command 22", true, {IDYES}, "command.stg", REFUSED},
        {"a stage file", true, {IDYES}, "good.stg", LOADED},
    };
    StageRecord good = PlainStage();
    good.characters.resize(1);
    good.events.resize(2);
    PutFile("good.stg", Encoded(good));
    std::filesystem::create_directory(m_folder / "folder.stg");
    PutFile("empty.stg", {});
    Bytes bytes = Encoded(good);
    PutFile("short.stg", Bytes(bytes.begin(), bytes.end() - 1));
    bytes[bytes.size() - 8 - 2 - 2 + 1] = 22;  // the second event's command
    PutFile("command.stg", bytes);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testhooks::ResetAll();
        std::filesystem::current_path(m_start);  // where the archive is
        EmptyImageStore();
        RunEditor([&](CVantrelDlg& dlg) {
            FillStage(dlg);
            if (!c.rows) {
                dlg.m_characterList.DeleteAllItems();
                dlg.m_eventList.DeleteAllItems();
            }
            dlg.OnScrollRight();
            dlg.SetWindowText("before");
            StageState before = StateOf(dlg);

            Load(dlg, c.file, c.answers);
            StageState after = StateOf(dlg);
            const auto& boxes = testhooks::ShownMessageBoxes();
            ASSERT_GE(boxes.size(), 1u);
            EXPECT_EQ(BoxText(0), "현재의 데이터는 지워집니다");
            EXPECT_EQ(boxes[0].caption, "Vantrel v3.1.0 (User Version)");
            EXPECT_EQ(boxes[0].type, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
            EXPECT_EQ(testhooks::ShownFileDialogs().size(), c.ending == KEPT ? 0u : 1u);
            switch (c.ending) {
            case KEPT:
            case REFUSED:
                ExpectSameStage(after, before);
                EXPECT_EQ(after.title, "before");
                EXPECT_EQ(after.scroll, 10);
                ASSERT_EQ(boxes.size(), c.ending == KEPT ? 1u : 2u);
                if (c.ending == REFUSED) {
                    EXPECT_EQ(BoxText(1), "파일 접근 오류");
                    EXPECT_EQ(boxes[1].buttons(), MB_OK);
                }
                break;
            case CANCELLED:
                ExpectSameStage(after, before);
                EXPECT_EQ(after.title, std::string(kTitle) + "none.stg");
                EXPECT_EQ(after.scroll, 0);
                EXPECT_EQ(boxes.size(), 1u);
                break;
            case LOADED:
                EXPECT_EQ(after.characters.size(), 1u);
                EXPECT_EQ(after.events.size(), 2u);
                EXPECT_EQ(after.typeCount, 0);
                EXPECT_EQ(after.types, std::vector<int>(10, SLOT_EMPTY));
                EXPECT_EQ(after.background, 0);
                EXPECT_EQ(after.fileName, "good.stg");
                EXPECT_EQ(after.title, std::string(kTitle) + "good.stg");
                EXPECT_EQ(after.scroll, 0);
                EXPECT_EQ(boxes.size(), 1u);
                break;
            }
        });
    }
}

TEST_F(StageFileTest, FilesLoadAsStoredWhateverTheEditorWouldHaveWritten)
{
    const struct {
        const char* what;
        std::function<void(StageRecord&)> make;
        std::function<void(CVantrelDlg&)> check;
    } cases[] = {
        {"61 characters with bytes the editor never writes",
         [](StageRecord& s) {
             s.characters.resize(61);
             s.characters[0] = {27, 900, 7, 2, "ABCDEFGHIJKLMNOPQRST", 6, 255};
             s.characters[1] = {9, 1, 2, 0, "", 5, 0};
         },
         [](CVantrelDlg& dlg) {
             Cells cells = CellsOf(dlg.m_characterList, 8);
             ASSERT_EQ(cells.size(), 61u);
             EXPECT_EQ(cells[0], (std::vector<std::string>{"0", "27", "900", "7", "왼쪽",
                                                           "ABCDEFGHIJKLMNOPQRST", "", "255"}));
             EXPECT_EQ(cells[1], (std::vector<std::string>{"1", "전부", "1", "2", "오른쪽", "",
                                                           "잠복공격", "0"}));
             EXPECT_EQ(cells[60][0], "60");
         }},
        {"clear condition 3, time limit 100, clear value 255",
         [](StageRecord& s) {
             s.clearCondition = 3;
             s.timeLimit = 100;
             s.clearValue = 255;
         },
         [](CVantrelDlg& dlg) {
             EXPECT_EQ(dlg.m_clearCondition.GetCurSel(), -1);
             EXPECT_EQ(EditText(dlg, IDC_TIME_LIMIT), "100");
             EXPECT_EQ(EditText(dlg, IDC_CLEAR_VALUE), "255");
         }},
        {"twelve selected types: the first ten, and the records after all twelve",
         [](StageRecord& s) {
             s.selectedTypes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12};
             s.characters.resize(1);
             s.characters[0].type = 3;
         },
         [](CVantrelDlg& dlg) {
             EXPECT_EQ(dlg.m_selectedTypeCount, 10);
             EXPECT_EQ(std::vector<int>(dlg.m_selectedTypes, dlg.m_selectedTypes + 10),
                       (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 10}));
             EXPECT_EQ(testhooks::Utf8(dlg.m_characterList.GetItemText(0, 1).Str()), "Okkar");
         }},
        {"the band is the background row's",
         [](StageRecord& s) {
             s.nearLayer = "ky1.bak";
             s.bgm = "tilp.wav";
             s.minY = 10;
             s.maxY = 20;
         },
         [](CVantrelDlg& dlg) {
             EXPECT_EQ(dlg.m_background.GetCurSel(), 6);
             EXPECT_EQ(dlg.m_bgm.GetCurSel(), 2);
             EXPECT_EQ(dlg.m_moveMinY, 160);
             EXPECT_EQ(dlg.m_moveMaxY, 200);
             EXPECT_EQ(EditText(dlg, IDC_MOVE_MIN_Y), "160");
             EXPECT_EQ(dlg.m_nearImage, 13);
         }},
        {"a near layer and music that match no row keep the previous ones",
         [](StageRecord& s) {
             s.nearLayer = "ky9.bak";
             s.bgm = "tilp.wa";
         },
         [](CVantrelDlg& dlg) {
             EXPECT_EQ(dlg.m_background.GetCurSel(), 6);
             EXPECT_EQ(dlg.m_bgm.GetCurSel(), 2);
             EXPECT_EQ(dlg.m_moveMaxY, 200);
         }},
        {"events of every payload, and more than 5000 of them",
         [](StageRecord& s) {
             s.events.resize(5002);
             s.events[0] = {27, 6, 0, 0, 0, {}, ""};
             s.events[1] = {9, 4, 0, 0, 0, {}, ""};
             s.events[2] = {0, 7, 0, 0, 0, {}, "01a.bak"};
             s.events[3] = {0, 20, 0, 0, 0, {}, "31.bak"};
             s.events[4] = {0, 7, 0, 0, 0, {}, "32.bak"};
             s.events[5] = {0, 20, 0, 0, 0, {}, ""};
             s.events[6] = {26, 2, 0, 0, 255, {std::string(36, 'D'), "", "x"}, ""};
             s.events[7] = {1, 0, 65535, 0, 0, {}, ""};
             s.events[8] = {1, 18, 0, 250, 0, {}, ""};
             s.events[9] = {1, 21, 40, 0, 0, {}, ""};
         },
         [](CVantrelDlg& dlg) {
             Cells cells = CellsOf(dlg.m_eventList, 12);
             ASSERT_EQ(cells.size(), 5002u);
             auto row = [](std::vector<std::string> start) {
                 start.resize(12);
                 return start;
             };
             EXPECT_EQ(cells[0], row({"0", "27", "BGM 시작"}));
             EXPECT_EQ(cells[1], row({"1", "전부", "모션행동"}));
             EXPECT_EQ(cells[2], row({"2", "Torvane", "일러열기", "", "", "02"}));
             EXPECT_EQ(cells[3], row({"3", "Torvane", "일러노열", "", "", "32"}));
             EXPECT_EQ(cells[4], row({"4", "Torvane", "일러열기"}));
             EXPECT_EQ(cells[5], row({"5", "Torvane", "일러노열"}));
             EXPECT_EQ(cells[6], row({"6", "없음", "대사", "255", "", "", "", "", "",
                                      std::string(36, 'D'), "", "x"}));
             EXPECT_EQ(cells[7], row({"7", "Brisalt", "시작", "", "", "65535"}));
             EXPECT_EQ(cells[8], row({"8", "Brisalt", "전술해체", "", "", "250"}));
             EXPECT_EQ(cells[9], row({"9", "Brisalt", "효과음", "", "", "40"}));
             EXPECT_EQ(cells[5001], row({"5001", "Torvane", "시작", "", "", "0"}));
         }},
    };

    RunEditor([&](CVantrelDlg& dlg) {
        ChooseBackground(dlg, 4);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            StageRecord stage = PlainStage();
            c.make(stage);
            Bytes bytes = Encoded(stage);
            bytes.insert(bytes.end(), {1, 2, 3});  // nothing after the trailer is read
            PutFile("odd.stg", bytes);
            bool asks = dlg.m_characterList.GetItemCount() > 0 ||
                        dlg.m_eventList.GetItemCount() > 0 || dlg.m_selectedTypeCount > 0;
            testhooks::ClearMessageBoxes();
            Load(dlg, "odd.stg", asks ? std::vector<int>{IDYES} : std::vector<int>{});
            // An empty stage is replaced without a question.
            EXPECT_EQ(testhooks::ShownMessageBoxes().size(), asks ? 1u : 0u) << BoxText(0);
            c.check(dlg);
        }
    });
}

TEST_F(StageFileTest, AFailedSaveLeavesTheOldFileAndTheName)
{
    const struct {
        const char* what;
        std::function<void()> arm;
        int characters;
        int events;
    } cases[] = {
        {"the first byte cannot be written", [] { testhooks::FailFileWrites(0); }, 6, 13},
        {"the disk fills up midway: the flush fails", [] { testhooks::FailFileWrites(100); }, 6, 13},
        {"the disk fills up midway: the write fails", [] { testhooks::FailFileWrites(9000); }, 6, 200},
        {"the rename fails", [] { testhooks::FailFileRenames(); }, 6, 13},
        {"more characters than the file can count", [] {}, 256, 13},
    };
    RunEditor([&](CVantrelDlg& dlg) {
        FillStage(dlg);
        Save(dlg, "keep.stg");
        const Bytes old = FileBytes("keep.stg");
        ASSERT_FALSE(old.empty());
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            while (dlg.m_characterList.GetItemCount() < c.characters)
                PutRow(dlg.m_characterList, {"Nemra", "1", "200", "왼쪽", "abc", "자유행동", "1"});
            while (dlg.m_characterList.GetItemCount() > c.characters)
                dlg.m_characterList.DeleteItem(c.characters);
            while (dlg.m_eventList.GetItemCount() < c.events)
                PutRow(dlg.m_eventList, {"Nemra", "대사", "Nemra", nullptr, nullptr, nullptr,
                                         nullptr, nullptr, "line"});
            while (dlg.m_eventList.GetItemCount() > c.events)
                dlg.m_eventList.DeleteItem(c.events);
            dlg.m_fileName = "kept.stg";
            dlg.SetWindowText("before");
            testhooks::ClearMessageBoxes();
            c.arm();
            Save(dlg, "keep.stg");
            testhooks::ClearFileFaults();

            ASSERT_EQ(testhooks::ShownMessageBoxes().size(), 1u);
            EXPECT_EQ(BoxText(0), "파일 접근 오류");
            EXPECT_EQ(FileBytes("keep.stg"), old);
            EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"keep.stg"});
            EXPECT_EQ(testhooks::Utf8(dlg.m_fileName.Str()), "kept.stg");
            EXPECT_EQ(Title(dlg), "before");
        }

        // Without a fault the stage replaces the file.
        dlg.m_characterList.DeleteItem(0);
        testhooks::ClearMessageBoxes();
        Save(dlg, "keep.stg");
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
        EXPECT_EQ(FileBytes("keep.stg").size(), old.size() + 28 * (255 - 6));
        EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"keep.stg"});
        EXPECT_EQ(Title(dlg), std::string(kTitle) + "keep.stg");
    });
}

namespace {

// Shows the real file dialog that a handler opens, saves its picture and
// cancels it.
void ShootFileDialog(const std::string& path)
{
    QTimer::singleShot(200, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        Settle();
        dialog->grab().save(QString::fromStdString(path));
        dialog->reject();
    });
}

}  // namespace

// Saves pictures for a person to look at when VANTREL_SHOT_DIR names a
// folder; otherwise skipped.
TEST_F(StageFileTest, SavesPicturesWhenAsked)
{
    const char* shots = std::getenv("VANTREL_SHOT_DIR");
    if (shots == nullptr)
        GTEST_SKIP() << "set VANTREL_SHOT_DIR to save pictures";

    // A dozen characters and a hundred events of the commands that the
    // editor writes, beside files of other kinds.
    StageRecord stage = PlainStage();
    stage.nearLayer = "sek.bak";
    stage.bgm = "grun.wav";
    stage.timeLimit = 30;
    stage.clearCondition = 1;
    stage.clearValue = 3;
    stage.selectedTypes = {0, 2, 5, 10, 16, 23};
    const char* names[] = {"Guard", "Scout", "", "Captain", "Archer", ""};
    for (int i = 0; i < 12; i++) {
        stage.characters.push_back({stage.selectedTypes[i % 6], uint16_t(60 + i * 70),
                                    uint8_t(195 + (i * 7) % 46), uint8_t(i % 2), names[i % 6],
                                    uint8_t(i % 6), uint8_t(i * 3)});
    }
    const int commands[] = {0, 2, 2, 6, 7, 2, 8, 18, 21, 2, 9, 20, 5, 1};
    const std::string line1 = testhooks::Cp949("여기까지 온 것을 환영한다");
    const std::string line2 = testhooks::Cp949("준비는 되었나?");
    for (int i = 0; i < 100; i++) {
        EventRecord e;
        e.target = uint8_t(i % 7 == 0 ? 9 : stage.selectedTypes[i % 6]);
        e.command = uint8_t(commands[i % 14]);
        e.number = uint16_t(i * 10);
        e.character = uint8_t(i % 12);
        e.speaker = stage.selectedTypes[(i + 1) % 6];
        e.lines = {line1, line2, "(" + std::to_string(i) + ")"};
        e.illustration = "0" + std::to_string(i % 10) + ".bak";
        stage.events.push_back(e);
    }
    for (const char* name : {"demo.stg", "ky.stg", "hib.bak", "notes.txt"})
        PutFile(name, Encoded(stage));

    RunEditor([&](CVantrelDlg& dlg) {
        Load(dlg, "demo.stg");
        ASSERT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
        Settle();
        win32::WidgetOf(dlg.m_hWnd)->grab().save(QString(shots) + "/stage-loaded.png");

        // The real dialogs, in the folder of the loaded stage. The stage is
        // emptied first, so that the load asks no question.
        testhooks::CaptureMessageBoxes(false);
        ShootFileDialog(std::string(shots) + "/stage-save-dialog.png");
        dlg.OnStageSave();
        dlg.m_characterList.DeleteAllItems();
        dlg.m_eventList.DeleteAllItems();
        dlg.m_selectedTypeCount = 0;
        ShootFileDialog(std::string(shots) + "/stage-load-dialog.png");
        dlg.OnStageLoad();
        testhooks::CaptureMessageBoxes(true);
    });
}
