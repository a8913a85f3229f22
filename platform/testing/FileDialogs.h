// Hooks for tests: scripted file dialogs. Whenever message boxes are
// captured (as in every test), no file dialog is shown: each one is recorded
// and answered from the queue of scripted answers, or cancelled when the
// queue is empty.
#pragma once

#include <string>
#include <vector>

#include "win32/Win32.h"

namespace testhooks {

// What the user does: cancel, or choose a file name in a folder. Both in
// UTF-8, as the file system holds them; an empty folder is the current
// directory. The name is taken as typed: the dialog's default extension is
// added to a name without one.
struct FileDialogAnswer {
    bool ok = false;
    std::string folder;
    std::string fileName;
};

// What the program asked for (texts in code page 949, as it passed them)
// and what it got.
struct ShownFileDialog {
    bool open = false;  // open dialog, else save dialog
    std::string defaultExtension;
    std::string initialName;
    std::string filter;
    DWORD flags = 0;
    HWND owner = nullptr;
    int answer = 0;         // IDOK or IDCANCEL
    std::string chosenPath; // UTF-8, empty after cancel
    // Names the dialog refused before that answer because their folder does
    // not exist or cannot be entered (UTF-8 paths); each took an answer.
    std::vector<std::string> refused;
};

bool CapturingFileDialogs();
void AnswerNextFileDialogs(const std::vector<FileDialogAnswer>& answers);
const std::vector<ShownFileDialog>& ShownFileDialogs();
void ClearFileDialogs();

// For the platform layer: the next scripted answer (a cancel when none is
// left). The dialog is recorded with RecordFileDialog once it is answered.
FileDialogAnswer NextFileDialogAnswer();
void RecordFileDialog(const ShownFileDialog& shown);

}  // namespace testhooks
