// Saves pictures of the editor, its entry dialogs and its file dialogs for
// a person to look at, when VANTREL_SHOT_DIR names a folder; otherwise
// skipped.
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>

#include "EditorFixture.h"
#include "testing/FileDialogs.h"

namespace {

// Saves a picture of the real file dialog that a handler opens, and cancels
// it.
void ShootFileDialog(const std::string& name)
{
    WhenModalShows<QFileDialog>([name](QFileDialog* dialog) {
        dialog->grab().save(QString::fromStdString(std::string(PictureFolder()) + "/" + name + ".png"));
        dialog->reject();
    });
}

}  // namespace

TEST_F(EditorTest, SavesPicturesWhenAsked)
{
    if (PictureFolder() == nullptr)
        GTEST_SKIP() << "set VANTREL_SHOT_DIR to save pictures";
    RunEditor([&](CVantrelDlg& dlg) {
        dlg.Widget()->move(40, 30);

        // Four backgrounds at the left end, the middle and the right end.
        for (int row : {0, 6, 11, 12}) {
            ChooseEntry(dlg, IDC_BACKGROUND, row);
            int end = theScreen.m_backgrounds[dlg.m_nearImage].rc.right - dlg.m_graphics.m_width;
            for (int stop = 0; stop < 3; stop++) {
                while (dlg.m_nearSrc.left < end * stop / 2)
                    dlg.OnScrollRight();
                SavePicture(dlg, "editor-bg" + std::to_string(row) + "-" + std::to_string(stop));
            }
        }
        ChooseEntry(dlg, IDC_BACKGROUND, 0);

        // The character dialogs, and a dozen characters placed through them.
        std::vector<int> types = {0, 2, 5, 12, 16, 22};
        Click(dlg, IDC_CHARACTER_SETTING);
        Boxes(dlg, &types);
        SavePicture(dlg.m_dlgSelect, "select");
        Click(dlg.m_dlgSelect, IDOK);
        Click(dlg, IDC_CHARACTER_REGISTER);
        SavePicture(dlg.m_dlgAppearance, "appearance-register");
        Click(dlg.m_dlgAppearance, IDCANCEL);
        for (int i = 0; i < 12; i++) {
            Register(dlg, {std::to_string(i % 6), std::to_string(60 + i * 70),
                           std::to_string(205 + i * 7 % 35), std::to_string(i % 2),
                           "캐릭터" + std::to_string(i), std::to_string(i % 6), std::to_string(i * 17)});
        }
        SavePicture(dlg, "editor-twelve");
        testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 4);
        Click(dlg, IDC_CHARACTER_MODIFY);
        SavePicture(dlg.m_dlgAppearance, "appearance-modify");
        Click(dlg.m_dlgAppearance, IDCANCEL);
        for (int i = 0; i < 25; i++)
            dlg.OnScrollRight();
        SavePicture(dlg, "editor-twelve-scrolled");

        // A hundred events of every command, through the event dialog.
        const char* const numbers[] = {"120", "5", "40", "-3", "300", "17", "30", "-1"};
        for (int i = 0; i < 100; i++) {
            int command = i % 11;
            Click(dlg, IDC_EVENT_REGISTER);
            CEventEdit& edit = dlg.m_dlgEvent;
            PickEntry(edit, IDC_EVENT_TARGET, (i * 7) % 27);
            PickEntry(edit, IDC_EVENT_COMMAND, command);
            if (command == 2) {
                PickEntry(edit, IDC_EVENT_FACE, (i * 5) % 27);
                Type(Control(edit, IDC_EVENT_LINE1), QString::fromUtf8("안녕하세요, 여기는 %1번 줄").arg(i));
                Type(Control(edit, IDC_EVENT_LINE2), QString::fromUtf8("둘째 줄: 가나다라마바사아자"));
                Type(Control(edit, IDC_EVENT_LINE3), "Third line, Latin only");
            } else if (Control(edit, IDC_EVENT_NUMBER)->isEnabled()) {
                Retype(edit, IDC_EVENT_NUMBER, numbers[i % 8]);
            }
            if (i < 11 && (command == 0 || command == 2 || command == 10))
                SavePicture(edit, "event-dialog-command" + std::to_string(command));
            Click(edit, IDOK);
        }
        testhooks::ClickListRow(dlg.m_eventList.m_hWnd, 2);
        SavePicture(dlg, "event-list");
        // A dialogue row opened for modifying, its neighbours greyed.
        Click(dlg, IDC_EVENT_MODIFY);
        SavePicture(dlg.m_dlgEvent, "event-dialog-modify-dialogue");
        SavePicture(dlg, "event-list-locked");
        Click(dlg.m_dlgEvent, IDCANCEL);

        // The stage saved and loaded again, then the real file dialogs in
        // its folder; the stage is emptied first, so that the load asks no
        // question.
        QTemporaryDir folder;
        const QString start = QDir::currentPath();
        testhooks::AnswerNextFileDialogs({{true, folder.path().toStdString(), "demo.stg"}});
        Click(dlg, IDC_STAGE_SAVE);
        testhooks::AnswerNextMessageBoxes({IDYES});
        testhooks::AnswerNextFileDialogs({{true, folder.path().toStdString(), "demo.stg"}});
        Click(dlg, IDC_STAGE_LOAD);
        SavePicture(dlg, "stage-loaded");
        testhooks::CaptureMessageBoxes(false);
        ShootFileDialog("stage-save-dialog");
        dlg.OnStageSave();
        dlg.m_characterList.DeleteAllItems();
        dlg.m_eventList.DeleteAllItems();
        dlg.m_selectedTypeCount = 0;
        ShootFileDialog("stage-load-dialog");
        dlg.OnStageLoad();
        testhooks::CaptureMessageBoxes(true);
        QDir::setCurrent(start);
    });
}
