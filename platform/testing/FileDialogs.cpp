#include "testing/FileDialogs.h"

#include <deque>

#include "testing/Testing.h"

namespace {

struct FileDialogs {
    std::deque<testhooks::FileDialogAnswer> answers;
    std::vector<testhooks::ShownFileDialog> shown;
};

FileDialogs& Dialogs()
{
    static FileDialogs dialogs;
    return dialogs;
}

}  // namespace

namespace testhooks {

bool CapturingFileDialogs()
{
    return CapturingMessageBoxes();
}

void AnswerNextFileDialogs(const std::vector<FileDialogAnswer>& answers)
{
    Dialogs().answers.insert(Dialogs().answers.end(), answers.begin(), answers.end());
}

const std::vector<ShownFileDialog>& ShownFileDialogs()
{
    return Dialogs().shown;
}

void ClearFileDialogs()
{
    Dialogs().answers.clear();
    Dialogs().shown.clear();
}

FileDialogAnswer NextFileDialogAnswer()
{
    if (Dialogs().answers.empty()) return FileDialogAnswer{};
    FileDialogAnswer answer = Dialogs().answers.front();
    Dialogs().answers.pop_front();
    return answer;
}

void RecordFileDialog(const ShownFileDialog& shown)
{
    Dialogs().shown.push_back(shown);
}

}  // namespace testhooks
