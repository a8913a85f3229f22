#include "testing/FileFaults.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/types.h>

#include "testing/Testing.h"

namespace {

struct FileFaults {
    bool writesFail = false;
    size_t writableBytes = 0;
    bool renamesFail = false;
};

FileFaults& Faults()
{
    static FileFaults faults;
    return faults;
}

// The real file and what it may still take.
struct WatchedFile {
    FILE* file;
    size_t left;
};

ssize_t WatchedWrite(void* cookie, const char* buffer, size_t size)
{
    auto* watched = static_cast<WatchedFile*>(cookie);
    size_t passed = std::fwrite(buffer, 1, std::min(size, watched->left), watched->file);
    watched->left -= passed;
    // A short count, 0 included, is the stream's error.
    if (passed < size)
        errno = ENOSPC;
    return static_cast<ssize_t>(passed);
}

int WatchedClose(void* cookie)
{
    auto* watched = static_cast<WatchedFile*>(cookie);
    int result = std::fclose(watched->file);
    delete watched;
    return result;
}

}  // namespace

namespace testhooks {

void FailFileWrites(size_t afterBytes)
{
    Faults().writesFail = true;
    Faults().writableBytes = afterBytes;
}

void FailFileRenames(bool on)
{
    Faults().renamesFail = on;
}

void ClearFileFaults()
{
    Faults() = FileFaults{};
}

FILE* FileOpenFaultPoint(FILE* file, const char* mode)
{
    if (file == nullptr || !Faults().writesFail || std::strpbrk(mode, "wa+") == nullptr)
        return file;
    auto* watched = new WatchedFile{file, Faults().writableBytes};
    cookie_io_functions_t functions = {};
    functions.write = WatchedWrite;
    functions.close = WatchedClose;
    FILE* stream = fopencookie(watched, "wb", functions);
    if (stream == nullptr) {
        std::fclose(file);
        delete watched;
    }
    return stream;
}

bool FileRenameFaultArmed()
{
    return Faults().renamesFail;
}

}  // namespace testhooks
