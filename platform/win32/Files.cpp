// Files by the program's code-page-949 names.
#include <QByteArray>
#include <QString>

#include <cstdio>
#include <unistd.h>

#include "testing/FileFaults.h"
#include "win32/Window.h"

namespace {

// The name as the file system holds it.
QByteArray SystemName(LPCSTR name)
{
    return win32::FromCp949(name).toUtf8();
}

}  // namespace

FILE* OpenFileA(LPCSTR fileName, LPCSTR mode)
{
    if (!fileName || !mode) return nullptr;
    return testhooks::FileOpenFaultPoint(std::fopen(SystemName(fileName).constData(), mode), mode);
}

BOOL MoveFileReplaceA(LPCSTR from, LPCSTR to)
{
    if (!from || !to || testhooks::FileRenameFaultArmed()) return FALSE;
    return std::rename(SystemName(from).constData(), SystemName(to).constData()) == 0;
}

BOOL DeleteFileA(LPCSTR fileName)
{
    if (!fileName) return FALSE;
    return unlink(SystemName(fileName).constData()) == 0;
}
