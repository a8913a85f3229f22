// Saves pictures of the stage file dialogs and of a loaded stage for a
// person to look at, when VANTREL_SHOT_DIR names a folder; otherwise
// skipped. The file dialogs are the real ones.
#include <QApplication>
#include <QFileDialog>
#include <QPixmap>
#include <QTimer>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "EditorFixture.h"
#include "StageFile.h"
#include "testing/FileDialogs.h"
#include "win32/Window.h"

namespace {

// A stage of a dozen characters and a hundred events of every command
// that the editor writes.
std::vector<uint8_t> DozenAndHundred()
{
    StageRecord stage;
    stage.nearLayer = "sek.bak";
    stage.farLayer = "sey.bak";
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
    std::vector<uint8_t> bytes;
    std::string reason;
    EXPECT_TRUE(StageFile::Write(stage, bytes, reason)) << reason;
    return bytes;
}

// Shows the real file dialog that the handler opens, saves its picture and
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

TEST_F(EditorTest, SavesStageFilePicturesWhenAsked)
{
    const char* shots = std::getenv("VANTREL_SHOT_DIR");
    if (shots == nullptr)
        GTEST_SKIP() << "set VANTREL_SHOT_DIR to save pictures";
    const std::filesystem::path start = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-shots-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    std::vector<uint8_t> stage = DozenAndHundred();
    for (const char* name : {"demo.stg", "ky.stg", "hib.bak", "notes.txt"})
        std::ofstream((folder / name).string(), std::ios::binary)
            .write(reinterpret_cast<const char*>(stage.data()), std::streamsize(stage.size()));

    RunEditor([&](CVantrelDlg& dlg) {
        testhooks::AnswerNextFileDialogs({{true, folder.string(), "demo.stg"}});
        dlg.OnStageLoad();
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
    std::filesystem::current_path(start);
    std::filesystem::remove_all(folder);
}
