// Reading and writing the whole file behind a file URL.  Writes go to a
// temporary file beside the target that is synced and renamed over it, so the
// target is either the old file or the new one, never a torn mix.
#include "CFInternal.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void setError(SInt32 *errorCode, int err)
{
    if (errorCode)
        *errorCode = err;
}

// Writes all n bytes, retrying short writes; false with errno set on failure.
bool writeAll(int fd, const UInt8 *p, size_t n)
{
    while (n > 0) {
        ssize_t w = write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += w;
        n -= size_t(w);
    }
    return true;
}

// Permission bits for the new file: those of the file it replaces, else the
// usual 0666 less the process umask.
mode_t targetMode(const std::string &path)
{
    struct stat st;
    if (stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

Boolean CFURLCreateDataAndPropertiesFromResource(CFAllocatorRef, CFURLRef url, CFDataRef *resourceData,
                                                 CFDictionaryRef *properties, CFArrayRef, SInt32 *errorCode)
{
    if (resourceData)
        *resourceData = nullptr;
    if (properties)
        *properties = nullptr;
    setError(errorCode, 0);
    std::string path;
    if (!cfURLFilePath(url, path)) {
        setError(errorCode, EINVAL);
        return false;
    }
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        setError(errorCode, errno);
        return false;
    }
    struct stat st;
    int statErr = fstat(fd, &st) != 0 ? errno : 0;
    if (statErr || !S_ISREG(st.st_mode)) {
        int err = statErr ? statErr : (S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        close(fd);
        setError(errorCode, err);
        return false;
    }
    std::vector<UInt8> bytes;
    bytes.reserve(size_t(st.st_size));
    UInt8 buf[65536];
    while (true) {
        ssize_t r = read(fd, buf, sizeof buf);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            close(fd);
            setError(errorCode, err);
            return false;
        }
        if (r == 0)
            break;
        bytes.insert(bytes.end(), buf, buf + r);
    }
    close(fd);
    if (resourceData)
        *resourceData = CFDataCreate(nullptr, bytes.data(), CFIndex(bytes.size()));
    return true;
}

Boolean CFURLWriteDataAndPropertiesToResource(CFURLRef url, CFDataRef dataToWrite, CFDictionaryRef, SInt32 *errorCode)
{
    setError(errorCode, 0);
    std::string path;
    const __CFData *data = cfData(dataToWrite);
    if (!cfURLFilePath(url, path) || !data || path == "/") {
        setError(errorCode, EINVAL);
        return false;
    }
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        setError(errorCode, errno);
        return false;
    }
    bool ok = writeAll(fd, data->bytes.data(), data->bytes.size()) && fchmod(fd, targetMode(path)) == 0 &&
              fsync(fd) == 0;
    int err = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        setError(errorCode, err);
        return false;
    }
    // Make the rename itself durable.
    std::string dir = path.substr(0, path.rfind('/'));
    int dfd = open(dir.empty() ? "/" : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        fsync(dfd);
        close(dfd);
    }
    return true;
}
