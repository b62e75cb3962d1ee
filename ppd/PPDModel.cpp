// Confirming that the current printer is the supported model, by the text its
// PPD file carries.
#include "PPDInternal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

// Reads the whole regular file at path; the buffer and its size, or null.
char *performOpen(const char *path, size_t *length)
{
    if (!path || !length)
        return nullptr;
    *length = 0;
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return nullptr;
    }
    FILE *file = fdopen(fd, "rb");
    if (!file) {
        close(fd);
        return nullptr;
    }
    const size_t size = static_cast<size_t>(info.st_size);
    char *buffer = static_cast<char *>(std::malloc(size ? size : 1));
    if (buffer && std::fread(buffer, 1, size, file) != size) {
        std::free(buffer);
        buffer = nullptr;
    }
    std::fclose(file);
    if (buffer)
        *length = size;
    return buffer;
}

// 0 when the current printer's PPD file contains the model text, else -1.
OSStatus MyPPDModelConfirmation(PMPrintSession session)
{
    char path[kPPDPathBufferSize];
    if (iCopyPrinterPPDPath(session, path) != noErr)
        return -1;
    size_t length = 0;
    char *contents = performOpen(path, &length);
    if (!contents)
        return -1;
    const bool found = std::string_view(contents, length).find(kPPDModelText) != std::string_view::npos;
    std::free(contents);
    return found ? noErr : -1;
}
