// Fuzz target: arbitrary bytes as the resource archive. Every input must
// load or be refused with exactly one message, without a sanitizer report,
// and leave no surface behind once its store is gone.
#include <QApplication>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "CGraphics.h"
#include "Screen.h"
#include "testing/Testing.h"
#include "win32/Window.h"

namespace {

CGraphics* g_graphics = nullptr;
int g_displaySurfaces = 0;
std::string g_folder;
int g_startFolder = -1;  // the folder libFuzzer resolves its paths in

void RemoveFolder()
{
    std::error_code ignored;
    if (!g_folder.empty())
        std::filesystem::remove_all(g_folder, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt and the display object live until the process ends: tearing Qt
    // down from static destructors is not safe.
    static int argc = 1;
    static char name[] = "fuzz_archive";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    testhooks::CaptureMessageBoxes(true);

    // One scratch folder per process: parallel workers must not share it.
    std::string base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/vantrel-fuzz-XXXXXX";
    g_startFolder = open(".", O_RDONLY | O_DIRECTORY);
    if (g_startFolder < 0 || !mkdtemp(pattern.data())) {
        std::perror("scratch folder");
        std::abort();
    }
    g_folder = pattern;
    std::atexit(RemoveFolder);

    // The display object is made once and reused by every input.
    static QWidget* main = new QWidget;
    main->resize(200, 150);
    QWidget* target = new QWidget(main);
    target->setGeometry(10, 10, 160, 100);
    main->show();
    QApplication::processEvents();
    static CGraphics* graphics = new CGraphics;
    graphics->SetCaches(win32::HandleOf(main), win32::HandleOf(target), FALSE, 640, 480, 16);
    if (!graphics->InitializeGraphics())
        std::abort();
    g_graphics = graphics;
    g_displaySurfaces = testhooks::LiveSurfaces();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The loader reads "vantrel.bfc" from the current folder.
    if (chdir(g_folder.c_str()) != 0)
        std::abort();
    FILE* f = std::fopen("vantrel.bfc", "wb");
    if (!f || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0)
        std::abort();

    testhooks::ClearMessageBoxes();
    {
        CScreen screen;
        BOOL loaded = screen.LoadArchive(g_graphics);
        size_t boxes = testhooks::ShownMessageBoxes().size();
        if (loaded ? boxes != 0 : boxes != 1) {
            std::fprintf(stderr, "LoadArchive returned %d after %zu message boxes\n", loaded, boxes);
            std::abort();
        }
    }
    if (testhooks::LiveSurfaces() != g_displaySurfaces) {
        std::fprintf(stderr, "%d surfaces left behind\n", testhooks::LiveSurfaces() - g_displaySurfaces);
        std::abort();
    }
    if (fchdir(g_startFolder) != 0)
        std::abort();
    return 0;
}
