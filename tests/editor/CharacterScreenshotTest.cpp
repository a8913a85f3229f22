// Saves pictures of the character dialogs for a person to look at, when
// VANTREL_SHOT_DIR names a folder; otherwise skipped. On a display with
// windows of its own (not offscreen) each picture is of the whole screen,
// so that it shows where a dialog stands over the editor.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdlib>
#include <string>

#include "CharacterTesting.h"
#include "win32/Window.h"

using namespace characters;

TEST_F(EditorTest, SavesPicturesOfTheCharacterDialogsWhenAsked)
{
    const char* folder = std::getenv("VANTREL_SHOT_DIR");
    if (folder == nullptr)
        GTEST_SKIP() << "set VANTREL_SHOT_DIR to save pictures";
    auto save = [&](CWnd& window, const char* name) {
        Settle();
        QPixmap shot;
        if (QGuiApplication::platformName() != "offscreen")
            shot = QGuiApplication::primaryScreen()->grabWindow(0);
        if (shot.isNull())
            shot = win32::WidgetOf(window.m_hWnd)->grab();
        shot.save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
    };
    RunEditor([&](CVantrelDlg& dlg) {
        win32::WidgetOf(dlg.m_hWnd)->move(40, 30);
        Settle();

        std::vector<int> types = {0, 2, 5, 12, 16, 22};
        Click(dlg, IDC_CHARACTER_SETTING);
        Boxes(dlg, &types);
        save(dlg.m_dlgSelect, "select");
        Click(dlg.m_dlgSelect, IDOK);

        Click(dlg, IDC_CHARACTER_REGISTER);
        save(dlg.m_dlgAppearance, "appearance-register");
        Click(dlg.m_dlgAppearance, IDCANCEL);

        for (int i = 0; i < 12; i++) {
            Register(dlg, {std::to_string(i % 6), std::to_string(60 + i * 70),
                           std::to_string(205 + i * 7 % 35), std::to_string(i % 2),
                           "캐릭터" + std::to_string(i), std::to_string(i % 6), std::to_string(i * 17)});
        }
        save(dlg, "editor-twelve");

        testhooks::ClickListRow(dlg.m_characterList.m_hWnd, 4);
        Click(dlg, IDC_CHARACTER_MODIFY);
        save(dlg.m_dlgAppearance, "appearance-modify");
        Click(dlg.m_dlgAppearance, IDCANCEL);

        for (int i = 0; i < 25; i++)
            dlg.OnScrollRight();
        save(dlg, "editor-twelve-scrolled");
    });
}
