// The fault point of file writes, for the platform layer only: OpenFileA
// hands every file it opened through it, and MoveFileReplaceA asks it before
// it renames (the test side is in Testing.h).
#pragma once

#include <cstdio>

namespace testhooks {

// The file itself; or, when it was opened for writing while writes are set
// to fail, a stream over it that passes on the armed number of bytes and
// then fails as a full disk does. Null (and the file closed) when that
// stream cannot be made.
FILE* FileOpenFaultPoint(FILE* file, const char* mode);

// True while renames are set to fail.
bool FileRenameFaultArmed();

}  // namespace testhooks
