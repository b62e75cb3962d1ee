// The write probe, the previous copy and removal of the list files.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "ProfileFileInternal.h"

namespace {

// Largest chunk copied at once when backing the current file up.
constexpr size_t kCopyChunk = 65535;

// Copies everything readable from one descriptor to the other; false when a
// read or write fails or a write writes nothing.
bool bCopyFile(int from, int to)
{
    std::unique_ptr<char[]> chunk(new char[kCopyChunk]);
    char *buffer = chunk.get();
    for (;;) {
        ssize_t got = read(from, buffer, kCopyChunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        for (ssize_t done = 0; done < got;) {
            ssize_t put = write(to, buffer + done, static_cast<size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return false;
            done += put;
        }
    }
}

// Backs the current file up as the previous copy, replacing an older copy.
// A copy that fails half way is removed, so that it can never be restored.
void vBackUpCurrentFile(const char *current, const char *previous)
{
    unlink(previous);
    int from = open(current, O_RDONLY | O_CLOEXEC);
    if (from < 0)
        return;
    int to = iProfileOpenShared(previous, O_RDWR | O_APPEND | O_CREAT);
    if (to < 0) {
        close(from);
        return;
    }
    bool copied = bCopyFile(from, to);
    close(from);
    if (close(to) != 0)
        copied = false;
    if (!copied)
        unlink(previous);
}

} // namespace

// Answers 1 when the current file can be opened for writing (creating it if
// needed, and removing it again if it was created here), else 0.
Boolean VxPListIsAdminProfile(void)
{
    char path[256];
    if (!VxPListCurrentPath(path, sizeof path))
        return 0;
    struct stat info;
    bool existed = stat(path, &info) == 0;
    int fd = iProfileOpenShared(path, O_RDWR | O_APPEND | O_CREAT);
    if (fd < 0)
        return 0;
    close(fd);
    if (!existed)
        unlink(path);
    return 1;
}

// mode 0 puts the previous copy in place of the current file (leaving the
// current file alone when there is no previous copy), 1 discards the
// previous copy, 2 backs the current file up.  Nothing when not writable.
void VxPListSwapProfile(SInt32 mode)
{
    vProfileTraceEntry("VxPListSwapProfile");
    if (!VxPListIsAdminProfile())
        return;
    char current[256];
    char previous[256];
    if (!VxPListCurrentPath(current, sizeof current) || !VxPListPreviousPath(previous, sizeof previous))
        return;
    switch (mode) {
    case 0:
        // rename replaces the current file in one step, and fails without
        // touching it when the previous copy is missing.
        rename(previous, current);
        break;
    case 1:
        unlink(previous);
        break;
    case 2:
        vBackUpCurrentFile(current, previous);
        break;
    default:
        break;
    }
}

// which 2 removes the previous copy, 3 the current file; 1 when a file was
// removed, 0 otherwise (also when the files are not writable).
SInt32 VxPListRemove(SInt32 which)
{
    vProfileTraceEntry("VxPListRemove");
    if (!VxPListIsAdminProfile())
        return 0;
    char path[256];
    Boolean formed = 0;
    if (which == 2)
        formed = VxPListPreviousPath(path, sizeof path);
    else if (which == 3)
        formed = VxPListCurrentPath(path, sizeof path);
    if (!formed)
        return 0;
    return std::remove(path) == 0 ? 1 : 0;
}
