// Saves pictures of the event dialog and of the event list for a person to
// look at, when VANTREL_SHOT_DIR names a folder; otherwise skipped.
#include <QPixmap>

#include <cstdlib>
#include <string>

#include "EditorFixture.h"
#include "Resource.h"
#include "win32/Window.h"

TEST_F(EditorTest, SavesPicturesOfTheEventsWhenAsked)
{
    const char* folder = std::getenv("VANTREL_SHOT_DIR");
    if (folder == nullptr)
        GTEST_SKIP() << "set VANTREL_SHOT_DIR to save pictures";
    auto save = [&](CWnd& window, const std::string& name) {
        Settle();
        win32::WidgetOf(window.m_hWnd)->grab().save(QString::fromStdString(std::string(folder) +
                                                                           "/" + name + ".png"));
    };
    RunEditor([&](CVantrelDlg& dlg) {
        // Three events of every command, through the dialog.
        const char* const numbers[] = {"120", "5", "40", "-3", "300", "17", "30", "-1"};
        for (int i = 0; i < 33; i++) {
            int command = i % 11;
            ClickButton(dlg, IDC_EVENT_REGISTER);
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
                save(edit, "event-dialog-command" + std::to_string(command));
            ClickButton(edit, IDOK);
        }
        testhooks::ClickListRow(dlg.m_eventList.m_hWnd, 2);
        save(dlg, "event-list");

        // A dialogue row opened for modifying, its neighbours greyed.
        ClickButton(dlg, IDC_EVENT_MODIFY);
        save(dlg.m_dlgEvent, "event-dialog-modify-dialogue");
        save(dlg, "event-list-locked");
        ClickButton(dlg.m_dlgEvent, IDCANCEL);
    });
}
