// Saves pictures of the editor, its entry dialogs and its file dialogs for
// a person to look at, when VANTREL_SHOT_DIR names a folder; otherwise
// skipped.
#include <QFileDialog>

#include <cstdlib>

#include "EditorFixture.h"

static void Save(QWidget* widget, const std::string& name)
{
    Settle();
    widget->grab().save(QString(std::getenv("VANTREL_SHOT_DIR")) + "/" + name.c_str() + ".png");
}

TEST_F(EditorTest, SavesPicturesWhenAsked)
{
    if (std::getenv("VANTREL_SHOT_DIR") == nullptr)
        GTEST_SKIP() << "set VANTREL_SHOT_DIR to save pictures";
    RunEditor([&](CVantrelDlg& dlg) {
        // The real file dialogs, cancelled while the stage is empty.
        testhooks::CaptureMessageBoxes(false);
        for (bool save : {true, false}) {
            WhenModalShows<QFileDialog>([save](QFileDialog* dialog) {
                Save(dialog, save ? "stage-save-dialog" : "stage-load-dialog");
                dialog->reject();
            });
            save ? dlg.OnStageSave() : dlg.OnStageLoad();
        }
        testhooks::CaptureMessageBoxes(true);

        for (int row : {6, 12, 0}) {
            PickEntry(dlg, IDC_BACKGROUND, row, true);
            Save(dlg.Widget(), "editor-bg" + std::to_string(row));
        }
        // The character dialogs, and a dozen characters placed through them.
        std::vector<int> types = {0, 2, 5, 12, 16, 22};
        Click(dlg, IDC_CHARACTER_SETTING);
        Boxes(dlg, &types);
        Save(dlg.m_dlgSelect.Widget(), "select");
        Click(dlg.m_dlgSelect, IDOK);
        for (int i = 0; i < 12; i++) {
            Click(dlg, IDC_CHARACTER_REGISTER);
            Fill(dlg, {std::to_string(i % 6), std::to_string(60 + i * 70),
                       std::to_string(205 + i * 7 % 35), std::to_string(i % 2),
                       "캐릭터" + std::to_string(i), std::to_string(i % 6), "17"});
            if (i == 0)
                Save(dlg.m_dlgAppearance.Widget(), "appearance");
            Click(dlg.m_dlgAppearance, IDOK);
        }
        Save(dlg.Widget(), "editor-twelve");
        // A dialogue event, and the event list with a row chosen.
        Click(dlg, IDC_EVENT_REGISTER);
        PickEntry(dlg.m_dlgEvent, IDC_EVENT_COMMAND, 2);
        Type(Control(dlg.m_dlgEvent, IDC_EVENT_LINE1), QString::fromUtf8("안녕하세요, 첫째 줄"));
        Save(dlg.m_dlgEvent.Widget(), "event-dialog");
        Click(dlg.m_dlgEvent, IDOK);
        Save(dlg.Widget(), "event-list");
    });
}
