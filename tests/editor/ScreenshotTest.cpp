// Saves pictures of the editor for a person to look at, when
// VANTREL_SHOT_DIR names a folder; otherwise skipped.
#include <QPixmap>

#include <cstdlib>
#include <string>

#include "EditorFixture.h"
#include "win32/Window.h"

TEST_F(EditorTest, SavesPicturesWhenAsked)
{
    const char* folder = std::getenv("VANTREL_SHOT_DIR");
    if (folder == nullptr)
        GTEST_SKIP() << "set VANTREL_SHOT_DIR to save pictures";
    RunEditor([&](CVantrelDlg& dlg) {
        AddCharacter(dlg, "Torvane", 120, 230, "왼쪽");
        AddCharacter(dlg, "Nemra", 180, 215, "오른쪽");
        AddCharacter(dlg, "Okkar", 420, 235, "오른쪽");
        AddCharacter(dlg, "Yorrith", 700, 225, "왼쪽");
        for (int row : {0, 6, 11, 12}) {
            dlg.m_background.SetCurSel(row);
            dlg.ApplyBackground();
            int end = theScreen.m_backgrounds[dlg.m_nearImage].rc.right - dlg.m_graphics.m_width;
            for (int stop = 0; stop < 3; stop++) {
                while (dlg.m_nearSrc.left < end * stop / 2)
                    dlg.OnScrollRight();
                Settle();
                std::string name = std::string(folder) + "/editor-bg" + std::to_string(row) + "-" +
                                   std::to_string(stop) + ".png";
                win32::WidgetOf(dlg.m_hWnd)->grab().save(QString::fromStdString(name));
            }
        }
    });
}
