// Saving and loading stage files through the main dialog's buttons.
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "EditorFixture.h"
#include "StageFile.h"
#include "StageFileTesting.h"
#include "testing/FileDialogs.h"

namespace {

using Bytes = std::vector<uint8_t>;

const std::string kTitle = std::string(kCaption) + "  -  ";

// "등록", the appearance dialog filled, OK.
void Register(CVantrelDlg& dlg, const Texts& fields)
{
    Click(dlg, IDC_CHARACTER_REGISTER);
    Fill(dlg, fields);
    Click(dlg.m_dlgAppearance, IDOK);
}

// Everything a load may change; the title and scroll are compared apart.
struct StageState {
    std::vector<Texts> characters, events;
    std::vector<int> values;  // selected types, their count, the three choices, the four fields
    std::string fileName, title;
    int scroll = 0;
};

StageState StateOf(CVantrelDlg& dlg)
{
    std::vector<int> values(std::begin(dlg.m_selectedTypes), std::end(dlg.m_selectedTypes));
    values.insert(values.end(), {dlg.m_selectedTypeCount, dlg.m_background.GetCurSel(), dlg.m_bgm.GetCurSel(),
                                 dlg.m_clearCondition.GetCurSel(), dlg.m_moveMinY, dlg.m_moveMaxY,
                                 dlg.m_clearValue, dlg.m_timeLimit});
    return {AllCells(dlg.m_characterList), AllCells(dlg.m_eventList), values,
            testhooks::Utf8(dlg.m_fileName.Str()), WindowTitle(dlg), dlg.m_nearSrc.left};
}

void ExpectSameStage(const StageState& a, const StageState& b)
{
    EXPECT_EQ(std::tie(a.characters, a.events, a.values, a.fileName),
              std::tie(b.characters, b.events, b.values, b.fileName));
}

// A dialogue event's cells from the target on.
Texts Dialogue(const std::string& target, const std::string& speaker, const Texts& lines)
{
    return {target, "대사", speaker, "", "", "", "", "", lines[0], lines[1], lines[2]};
}

// The names of the folder's files that this process holds open.
Texts OpenIn(const std::filesystem::path& folder)
{
    const std::filesystem::path real = std::filesystem::canonical(folder);
    Texts names;
    for (const auto& descriptor : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code closed;  // the listing's own descriptor, say
        std::filesystem::path target = std::filesystem::read_symlink(descriptor.path(), closed);
        if (!closed && target.parent_path() == real) names.push_back(target.filename().string());
    }
    return names;
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

    // Save or load with the file dialog answered by a name in the scratch
    // folder (null: cancelled), questions before it by the given answers.
    void Save(CVantrelDlg& dlg, const char* name) { Answered(dlg, IDC_STAGE_SAVE, name); }
    void Load(CVantrelDlg& dlg, const char* name, std::vector<int> answers = {})
    {
        testhooks::AnswerNextMessageBoxes(answers);
        Answered(dlg, IDC_STAGE_LOAD, name);
    }
    void Answered(CVantrelDlg& dlg, int button, const char* name)
    {
        testhooks::AnswerNextFileDialogs({name ? testhooks::FileDialogAnswer{true, m_folder.string(), name}
                                               : testhooks::FileDialogAnswer{}});
        Click(dlg, button);
    }

    Bytes FileBytes(const std::string& name) const
    {
        std::ifstream file((m_folder / name).string(), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(file), {});
    }
    void PutStage(const std::string& name, const StageRecord& stage) const
    {
        Bytes bytes;
        std::string reason;
        EXPECT_TRUE(StageFile::Write(stage, bytes, reason)) << reason;
        std::ofstream((m_folder / name).string(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    StageRecord SavedStage(const std::string& name) const
    {
        const Bytes bytes = FileBytes(name);
        StageRecord stage;
        std::string reason;
        EXPECT_TRUE(StageFile::Read(bytes.data(), bytes.size(), stage, reason)) << reason;
        return stage;
    }
    Texts FilesInFolder() const
    {
        Texts names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path m_start, m_folder;
};

}  // namespace

// A stage made through the dialogs, saved, another loaded over it, loaded back.
// What was typed and chosen is checked in the cells, the file and the
// controls: comparing the stage with itself cannot see a value lost on the
// way in.
TEST_F(StageFileTest, AStageMadeThroughTheDialogsLoadsBackAsItWas)
{
    const Texts lines = {"여기까지 온 것을 환영한다", "두 번째 줄", "Third line"};
    // The same lines in code page 949, as the file holds them.
    const std::string stored[3] = {
        "\xBF\xA9\xB1\xE2\xB1\xEE\xC1\xF6 \xBF\xC2 \xB0\xCD\xC0\xBB \xC8\xAF\xBF\xB5\xC7\xD1\xB4\xD9",
        "\xB5\xCE \xB9\xF8\xC2\xB0 \xC1\xD9", "Third line"};
    RunEditor([&](CVantrelDlg& dlg) {
        PickEntry(dlg, IDC_BACKGROUND, 7);
        PickEntry(dlg, IDC_BGM, 3);
        PickEntry(dlg, IDC_CLEAR_CONDITION, 1);
        ChooseTypes(dlg, {0, 2, 10});

        Register(dlg, {"0", "120", "170", "0", "장군", "0", "0"});
        Register(dlg, {"1", "300", "200", "1", "Hong Kil", "5", "200"});
        Register(dlg, {"2", "850", "160", "0", "", "3", "15"});

        // A dialogue and a start through the event dialog, the clear value
        // typed just before: registering an event must not lose it.
        Retype(dlg, IDC_CLEAR_VALUE, "2");
        CEventEdit& edit = dlg.m_dlgEvent;
        Click(dlg, IDC_EVENT_REGISTER);
        PickEntry(edit, IDC_EVENT_TARGET, 2);
        PickEntry(edit, IDC_EVENT_COMMAND, 2);
        PickEntry(edit, IDC_EVENT_FACE, 16);
        Retype(edit, IDC_EVENT_LINE1, QString::fromStdString(lines[0]));
        Retype(edit, IDC_EVENT_LINE2, QString::fromStdString(lines[1]));
        Retype(edit, IDC_EVENT_LINE3, QString::fromStdString(lines[2]));
        Click(edit, IDOK);
        Click(dlg, IDC_EVENT_REGISTER);
        PickEntry(edit, IDC_EVENT_TARGET, 9);
        PickEntry(edit, IDC_EVENT_COMMAND, 0);
        Retype(edit, IDC_EVENT_NUMBER, "700");
        Click(edit, IDOK);

        // The rows as typed; the slots stand for the types in check order
        // (10, 2, 0).
        EXPECT_EQ(AllCells(dlg.m_characterList),
                  (std::vector<Texts>{{"0", "Plodwick", "120", "170", "왼쪽", "장군", "자유행동", "0"},
                                      {"1", "Nemra", "300", "200", "오른쪽", "Hong Kil", "잠복공격", "200"},
                                      {"2", "Torvane", "850", "160", "왼쪽", "", "열혈가드", "15"}}));
        ASSERT_EQ(dlg.m_eventList.GetItemCount(), 2);
        EXPECT_EQ(RowCells(dlg.m_eventList, 0, 1), Dialogue("Nemra", "Zerrek", lines));
        EXPECT_EQ(RowCells(dlg.m_eventList, 1, 1), (Texts{"전부", "시작", "", "", "700", "", "", "", "", "", ""}));

        // The time limit's edit still has the focus at the save.
        Retype(dlg, IDC_TIME_LIMIT, "30");
        Save(dlg, "abcd.stg");
        ASSERT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
        // Row 7's layers and band, music row 3, the fields; "장군" in code page 949.
        const StageRecord typed = {
            "ky2.bak", "ky0.bak", 160, 200, "grun.wav", 30, 1, 2, {10, 2, 0},
            {{10, 120, 170, 1, "\xC0\xE5\xB1\xBA", 0, 0}, {2, 300, 200, 0, "Hong Kil", 5, 200},
             {0, 850, 160, 1, "", 3, 15}},
            {{2, 2, 0, 0, 16, {stored[0], stored[1], stored[2]}, ""}, {9, 0, 700, 0, 0, {}, ""}}};
        EXPECT_EQ(SavedStage("abcd.stg"), typed);
        // The file's last bytes: the event count, the dialogue with each line
        // in its 36 bytes, the start at 700, the trailer.
        Bytes events = {2, 0, 2, 2, 16};
        for (const std::string& line : stored) {
            events.insert(events.end(), line.begin(), line.end());
            events.resize(events.size() + 36 - line.size());
        }
        events.insert(events.end(), {9, 0, 0xBC, 0x02, 0, 0, 0, 0, 0, 0, 0, 0});
        const Bytes file = FileBytes("abcd.stg");
        ASSERT_GE(file.size(), events.size());
        EXPECT_EQ(Bytes(file.end() - std::ptrdiff_t(events.size()), file.end()), events);
        const StageState saved = StateOf(dlg);
        EXPECT_EQ(saved.title, kTitle + "abcd.stg");

        // Another stage over it, then the file back.
        PutStage("other.stg", stagetest::PlainStage());
        Load(dlg, "other.stg", {IDYES});
        ASSERT_EQ(dlg.m_eventList.GetItemCount(), 0);
        Load(dlg, "abcd.stg");
        const StageState loaded = StateOf(dlg);
        ExpectSameStage(loaded, saved);
        EXPECT_EQ(loaded.title, saved.title);
        EXPECT_EQ((Texts{TextOf(dlg, IDC_BACKGROUND), TextOf(dlg, IDC_BGM), TextOf(dlg, IDC_CLEAR_CONDITION),
                         TextOf(dlg, IDC_CLEAR_VALUE), TextOf(dlg, IDC_TIME_LIMIT)}),
                  (Texts{"Imbrel 2", "Glass Harbor", "특정캐릭터", "2", "30"}));
    });
}

// A file with values only a file brings is written back as read.
TEST_F(StageFileTest, ALoadedStageIsSavedBackByteForByte)
{
    PutStage("in.stg", stagetest::SampleStage());
    RunEditor([&](CVantrelDlg& dlg) {
        SetSelectedTypes(dlg, {5});
        Load(dlg, "in.stg", {IDYES});
        ExpectOneBox("현재의 데이터는 지워집니다", kCaption, kQuestionBox);
        EXPECT_EQ(SelectedTypes(dlg), (std::vector<int>{3, 25, 0, 1, 2, 4, 5, 6, 7, 8}));
        EXPECT_EQ(RowCells(dlg.m_eventList, 22, 1),
                  Dialogue("200", "27", {std::string(36, 'L'), "두 번째 줄", ""}));
        Save(dlg, "out.stg");
        EXPECT_EQ(FileBytes("out.stg"), FileBytes("in.stg"));
    });
}

// What the file takes of the cells as the handlers write them.
TEST_F(StageFileTest, SavedValuesOfEachCellForm)
{
    RunEditor([&](CVantrelDlg& dlg) {
        dlg.m_background.SetCurSel(12);
        dlg.ApplyBackground();
        dlg.m_bgm.SetCurSel(6);
        dlg.m_clearCondition.SetCurSel(-1);
        dlg.m_clearValue = 300;
        dlg.m_timeLimit = 41;
        dlg.UpdateData(FALSE);
        SetSelectedTypes(dlg, {25});
        AddRow(dlg.m_characterList, {"Vell2", "300", "220", "왼쪽", std::string(25, 'N'), "잠복공격", "201"});
        AddRow(dlg.m_characterList, {"Torvane", "7", "200", "오른쪽", "abcdef", "자유행동", "0"});
        // A type number as a loaded file shows it, up to a byte's 255.
        AddRow(dlg.m_characterList, {"255", "1", "2", "오른쪽", "", "자유행동", "0"});
        AddRow(dlg.m_characterList, {"256", "1", "2", "오른쪽", "", "자유행동", "0"});
        AddRow(dlg.m_eventList, {"전부", "시작", "", "", "-1"});
        AddRow(dlg.m_eventList, {"없음", "BGM 시작"});
        AddRow(dlg.m_eventList, {"Torvane", "일러열기", "", "", "10"});
        AddRow(dlg.m_eventList, {"Torvane", "일러노열", "", "", "33"});
        AddRow(dlg.m_eventList, Dialogue("Brisalt", "Nemra", {std::string(35, 'L'), "", "ok"}));
        AddRow(dlg.m_eventList, {"Torvane", "전술해체", "", "", "300"});
        // A row edited from one whose target and speaker name no type.
        AddRow(dlg.m_eventList, Dialogue("", "", {"", "", ""}));
        Save(dlg, "cell.stg");
        ASSERT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
    });
    // Layers, band, music, time limit, clear condition and value, types.
    const StageRecord expected = {
        "nuf.bak", "", 190, 240, "pox.wav", 41, 255, 300 % 256, {25},
        {{25, 300, 220, 1, std::string(20, 'N'), 5, 201}, {0, 7, 200, 0, "abcdef", 0, 0}, {255, 1, 2, 0, "", 0, 0},
         {26, 1, 2, 0, "", 0, 0}},
        {{9, 0, 65535, 0, 0, {}, ""}, {26, 6, 0, 0, 0, {}, ""}, {0, 7, 0, 0, 0, {}, "09.bak"},
         {0, 20, 0, 0, 0, {}, ""}, {1, 2, 0, 0, 2, {std::string(35, 'L'), "", "ok"}, ""},
         {0, 18, 0, 300 % 256, 0, {}, ""}, {26, 2, 0, 0, 26, {}, ""}}};
    EXPECT_EQ(SavedStage("cell.stg"), expected);
}

TEST_F(StageFileTest, TheFileDialogsAskForStageFilesOfAtMostEightBytes)
{
    // Korean syllables take two bytes each in the program's code page.
    const struct {
        const char* typed;
        const char* saved;  // null: refused
    } cases[] = {
        {"abcd.stg", "abcd.stg"}, {"wxyz", "wxyz.stg"},     {"abcde.stg", nullptr},
        {"abcde", nullptr},       {"가나.stg", "가나.stg"}, {"가나다.stg", nullptr},
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
                EXPECT_EQ(SavedStage(c.saved), stagetest::PlainStage());
                EXPECT_EQ(testhooks::Utf8(dlg.m_fileName.Str()), c.saved);
                EXPECT_EQ(WindowTitle(dlg), kTitle + c.saved);
            } else {
                ExpectFrameworkBox("이름은 8자를 넘길 수 없습니다");
                EXPECT_EQ(testhooks::Utf8(dlg.m_fileName.Str()), before);
                EXPECT_EQ(WindowTitle(dlg), "unchanged");
            }
        }
        EXPECT_EQ(FilesInFolder(), (Texts{"abcd.stg", "wxyz.stg", "가나.stg"}));

        // The Korean name opens the file it names.
        testhooks::ClearMessageBoxes();
        Load(dlg, "가나.stg");
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
        EXPECT_EQ(WindowTitle(dlg), kTitle + "가나.stg");

        // A cancelled dialog writes nothing and still shows the name.
        dlg.SetWindowText("unchanged");
        Save(dlg, nullptr);
        EXPECT_EQ(WindowTitle(dlg), kTitle + "가나.stg");
        EXPECT_EQ(FilesInFolder().size(), 3u);

        // Both dialogs ask for stage files, the save one from the stage's name.
        const auto& shown = testhooks::ShownFileDialogs();
        ASSERT_EQ(shown.size(), 8u);
        EXPECT_EQ((std::vector<bool>{shown[0].open, shown[6].open}), (std::vector<bool>{false, true}));
        EXPECT_EQ((Texts{shown[0].initialName, shown[1].initialName, shown[6].initialName, shown[7].initialName}),
                  (Texts{"none.stg", "abcd.stg", "*.stg", testhooks::Cp949("가나.stg")}));
        EXPECT_EQ(shown[0].flags, OFN_OVERWRITEPROMPT);
        EXPECT_EQ(shown[6].flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        for (const auto& dialog : shown) {
            EXPECT_EQ(dialog.defaultExtension, "stg");
            EXPECT_EQ(testhooks::Utf8(dialog.filter), "스테이지 파일 (*.stg) |*.stg|");
            EXPECT_EQ(dialog.owner, dlg.m_hWnd);
        }
    });
}

TEST_F(StageFileTest, ALoadEndsInOneOfFourStates)
{
    enum Ending { KEPT, CANCELLED, REFUSED, LOADED };
    const struct {
        const char* what;
        int answer;
        const char* file;  // null: the file dialog is cancelled
        Ending ending;
    } cases[] = {
        {"No to the question", IDNO, "good.stg", KEPT},
        {"file dialog cancelled", IDYES, nullptr, CANCELLED},
        {"no such file", IDYES, "none.stg", REFUSED},
        {"a folder, which cannot be read", IDYES, "folder.stg", REFUSED},
        {"file ending inside its trailer", IDYES, "short.stg", REFUSED},
        {"a stage file", IDYES, "good.stg", LOADED},
    };
    StageRecord good = stagetest::PlainStage();
    good.characters.resize(1);
    good.events.resize(2);
    PutStage("good.stg", good);
    PutStage("short.stg", good);
    std::filesystem::resize_file(m_folder / "short.stg", std::filesystem::file_size(m_folder / "short.stg") - 1);
    std::filesystem::create_directory(m_folder / "folder.stg");

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testhooks::ResetAll();
        std::filesystem::current_path(m_start);  // where the archive is
        EmptyImageStore();
        RunEditor([&](CVantrelDlg& dlg) {
            dlg.m_background.SetCurSel(3);
            dlg.ApplyBackground();
            dlg.m_bgm.SetCurSel(4);
            SetSelectedTypes(dlg, {0, 2});
            AddRow(dlg.m_characterList, {"Nemra", "5", "180", "오른쪽", "", "서서공격", "1"});
            AddRow(dlg.m_eventList, {"Nemra", "끝"});
            dlg.OnScrollRight();
            dlg.SetWindowText("before");
            StageState before = StateOf(dlg);

            Load(dlg, c.file, {c.answer});
            StageState after = StateOf(dlg);
            EXPECT_EQ(OpenIn(m_folder), Texts{});  // whatever the ending, the file is closed again
            ASSERT_EQ(testhooks::ShownMessageBoxes().size(), c.ending == REFUSED ? 2u : 1u);
            EXPECT_EQ(BoxText(0), "현재의 데이터는 지워집니다");
            EXPECT_EQ(BoxText(1), c.ending == REFUSED ? "파일 접근 오류" : "<no box>");
            if (c.ending == REFUSED) { EXPECT_EQ(testhooks::ShownMessageBoxes()[1].type, kFrameworkBox); }
            EXPECT_EQ(testhooks::ShownFileDialogs().size(), c.ending == KEPT ? 0u : 1u);
            if (c.ending != LOADED) {
                ExpectSameStage(after, before);
                EXPECT_EQ(after.title, c.ending == CANCELLED ? kTitle + "none.stg" : "before");
                EXPECT_EQ(after.scroll, c.ending == CANCELLED ? 0 : 10);
                return;
            }
            EXPECT_EQ((std::vector<size_t>{after.characters.size(), after.events.size()}), (std::vector<size_t>{1, 2}));
            std::vector<int> noTypes(10, SLOT_EMPTY);
            noTypes.insert(noTypes.end(), {0, 0, 0});  // and background and music row 0
            EXPECT_EQ(std::vector<int>(after.values.begin(), after.values.begin() + 13), noTypes);
            EXPECT_EQ(after.fileName, "good.stg");
            EXPECT_EQ(after.title, kTitle + "good.stg");
            EXPECT_EQ(after.scroll, 0);
        });
    }
}

// Bytes the editor never writes load as stored; none after the trailer, even
// past the largest stage file.
TEST_F(StageFileTest, FilesLoadAsStoredWhateverTheEditorWouldHaveWritten)
{
    // Row 6's layers with another band, twelve types.
    StageRecord odd = {"ky1.bak", "ky0.bak", 10, 20, "tilp.wav", 100, 3, 255,
                       {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}, {}, {}};
    odd.characters.resize(61);
    odd.characters[0] = {27, 900, 7, 2, "ABCDEFGHIJKLMNOPQRST", 6, 255};
    odd.characters[1] = {3, 1, 2, 0, "", 5, 0};
    odd.characters[2].type = 9;
    odd.events.resize(5002);
    odd.events[0] = {27, 6, 0, 0, 0, {}, ""};
    odd.events[1] = {9, 4, 0, 0, 0, {}, ""};
    odd.events[2] = {0, 7, 0, 0, 0, {}, "01a.bak"};
    odd.events[3] = {0, 20, 0, 0, 0, {}, "32.bak"};
    odd.events[4] = {26, 2, 0, 0, 255, {std::string(36, 'D'), "", "x"}, ""};
    odd.events[5] = {1, 21, 65535, 0, 0, {}, ""};
    odd.events[6] = {1, 18, 0, 250, 0, {}, ""};
    odd.events[7] = {0, 20, 0, 0, 0, {}, "31.bak"};
    // Dialogues take the last event past the first 64 KiB.
    std::fill(odd.events.begin() + 8, odd.events.begin() + 1000, odd.events[4]);
    odd.events[5001] = {1, 0, 65535, 0, 0, {}, ""};
    PutStage("odd.stg", odd);
    std::ofstream((m_folder / "odd.stg").string(), std::ios::app) << std::string(StageFile::MAX_FILE_SIZE, '\x01');
    odd.nearLayer = "ky9.bak";  // no row: the previous choices stay
    odd.bgm = "tilp.wa";
    PutStage("norow.stg", odd);

    RunEditor([&](CVantrelDlg& dlg) {
        Load(dlg, "odd.stg");
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
        EXPECT_EQ((std::vector<int>{dlg.m_background.GetCurSel(), dlg.m_bgm.GetCurSel(), dlg.m_nearImage,
                                    dlg.m_moveMinY, dlg.m_moveMaxY, dlg.m_clearCondition.GetCurSel()}),
                  (std::vector<int>{6, 2, 13, 160, 200, -1}));
        EXPECT_EQ((Texts{TextOf(dlg, IDC_MOVE_MIN_Y), TextOf(dlg, IDC_TIME_LIMIT), TextOf(dlg, IDC_CLEAR_VALUE)}),
                  (Texts{"160", "100", "255"}));
        EXPECT_EQ(SelectedTypes(dlg), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 10}));

        CListCtrl& characters = dlg.m_characterList;
        ASSERT_EQ(characters.GetItemCount(), 61);
        EXPECT_EQ(RowCells(characters, 0), (Texts{"0", "27", "900", "7", "왼쪽", "ABCDEFGHIJKLMNOPQRST", "", "255"}));
        EXPECT_EQ(RowCells(characters, 1), (Texts{"1", "Okkar", "1", "2", "오른쪽", "", "잠복공격", "0"}));
        EXPECT_EQ(RowCells(characters, 2), (Texts{"2", "전부", "0", "0", "오른쪽", "", "자유행동", "0"}));
        EXPECT_EQ(CellText(characters, 60, 0), "60");

        CListCtrl& events = dlg.m_eventList;
        ASSERT_EQ(events.GetItemCount(), 5002);
        const std::vector<Texts> rows = {
            {"0", "27", "BGM 시작"},
            {"1", "전부", "모션행동"},
            {"2", "Torvane", "일러열기", "", "", "02"},
            {"3", "Torvane", "일러노열"},  // a name outside the table shows no number
            {"4", "없음", "대사", "255", "", "", "", "", "", std::string(36, 'D'), "", "x"},
            {"5", "Brisalt", "효과음", "", "", "65535"},
            {"6", "Brisalt", "전술해체", "", "", "250"},
            {"7", "Torvane", "일러노열", "", "", "32"},
            {"5001", "Brisalt", "시작", "", "", "65535"},
        };
        for (Texts row : rows) {
            const int number = std::stoi(row[0]);
            row.resize(12);
            EXPECT_EQ(RowCells(events, number), row);
        }

        Load(dlg, "norow.stg", {IDYES});
        EXPECT_EQ((std::vector<int>{dlg.m_background.GetCurSel(), dlg.m_bgm.GetCurSel(), dlg.m_moveMaxY}),
                  (std::vector<int>{6, 2, 200}));

        // Rows of either list alone, without types, are asked about too.
        for (CListCtrl* list : {&characters, &events}) {
            characters.DeleteAllItems();
            events.DeleteAllItems();
            SetSelectedTypes(dlg, {});
            AddRow(*list, {"Nemra"});
            testhooks::ClearMessageBoxes();
            Load(dlg, "norow.stg", {IDNO});
            ExpectOneBox("현재의 데이터는 지워집니다", kCaption, kQuestionBox);
            EXPECT_EQ(list->GetItemCount(), 1);
        }
    });
}

TEST_F(StageFileTest, AFailedSaveLeavesTheOldFileAndTheName)
{
    // Each case adds rows to the loaded stage before its save.
    const struct {
        const char* what;
        std::function<void()> arm;
        int addedCharacters, addedEvents;
        int takenNames = 0;  // "keep.stg.0.tmp" on: names the new file cannot take
    } cases[] = {
        {"the disk fills up midway: the flush fails", [] { testhooks::FailFileWrites(100); }, 0, 0},
        {"the rename fails", [] { testhooks::FailFileRenames(); }, 0, 0},
        {"every name for the new file is taken", [] {}, 0, 0, 100},
        {"the disk fills up midway: the write fails", [] { testhooks::FailFileWrites(9000); }, 0, 200},
        {"more characters than the file can count", [] {}, 253, 0},
    };
    PutStage("keep.stg", stagetest::SampleStage());
    const Bytes old = FileBytes("keep.stg");
    RunEditor([&](CVantrelDlg& dlg) {
        Load(dlg, "keep.stg");
        CListCtrl& characters = dlg.m_characterList;
        CListCtrl& events = dlg.m_eventList;
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            for (int i = 0; i < c.addedCharacters; i++)
                AddRow(characters, {"Nemra", "1", "200", "왼쪽", "abc", "자유행동", "1"});
            for (int i = 0; i < c.addedEvents; i++)
                AddRow(events, Dialogue("Nemra", "Nemra", {"line", "", ""}));
            dlg.m_fileName = "kept.stg";
            dlg.SetWindowText("before");
            testhooks::ClearMessageBoxes();
            const auto taken = [&](int i) { return m_folder / ("keep.stg." + std::to_string(i) + ".tmp"); };
            for (int i = 0; i < c.takenNames; i++)
                std::ofstream(taken(i).string());
            c.arm();
            Save(dlg, "keep.stg");
            testhooks::ClearFileFaults();
            for (int i = 0; i < c.takenNames; i++)
                std::filesystem::remove(taken(i));

            ExpectFrameworkBox("파일 접근 오류");
            EXPECT_EQ(FileBytes("keep.stg"), old);
            EXPECT_EQ(FilesInFolder(), Texts{"keep.stg"});
            EXPECT_EQ(testhooks::Utf8(dlg.m_fileName.Str()), "kept.stg");
            EXPECT_EQ(WindowTitle(dlg), "before");
        }

        // Without a fault the stage replaces the file.
        characters.DeleteItem(0);
        testhooks::ClearMessageBoxes();
        Save(dlg, "keep.stg");
        EXPECT_TRUE(testhooks::ShownMessageBoxes().empty()) << BoxText(0);
        EXPECT_EQ(SavedStage("keep.stg").characters.size(), 255u);
        EXPECT_EQ(FilesInFolder(), Texts{"keep.stg"});
        EXPECT_EQ(WindowTitle(dlg), kTitle + "keep.stg");
    });
}
