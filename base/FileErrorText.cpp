#include "base/FileErrorText.h"

#include <cerrno>

namespace zeft {

namespace {

constexpr const char* kFileNotFound = "File not found.";
constexpr const char* kInvalidFilename = "Invalid filename.";
constexpr const char* kTooManyOpenFiles = "Too many open files.";
constexpr const char* kAccessDenied = "File access denied.";
constexpr const char* kDiskFull = "Disk full.";

std::string OtherError(long long code) {
    return "I/O error " + std::to_string(code) + ".";
}

} // namespace

std::string FileErrorTextFromErrno(int error) {
    switch (error) {
    case ENOENT:
        return kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EILSEQ:
    case ELOOP:
        return kInvalidFilename;
    case EMFILE:
    case ENFILE:
        return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // a folder stands where the file should go
    case EBUSY:
        return kAccessDenied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return kDiskFull;
    default:
        return OtherError(error);
    }
}

std::string FileErrorTextFromWin32(unsigned long error) {
    // Numbers from winerror.h, spelled out so that this builds (and is tested) anywhere.
    switch (error) {
    case 2: // ERROR_FILE_NOT_FOUND
        return kFileNotFound;
    case 3:   // ERROR_PATH_NOT_FOUND
    case 123: // ERROR_INVALID_NAME
    case 161: // ERROR_BAD_PATHNAME
    case 206: // ERROR_FILENAME_EXCED_RANGE
        return kInvalidFilename;
    case 4: // ERROR_TOO_MANY_OPEN_FILES
        return kTooManyOpenFiles;
    case 5:  // ERROR_ACCESS_DENIED
    case 19: // ERROR_WRITE_PROTECT
        return kAccessDenied;
    case 39:  // ERROR_HANDLE_DISK_FULL
    case 112: // ERROR_DISK_FULL
        return kDiskFull;
    default:
        return OtherError(static_cast<long long>(error));
    }
}

} // namespace zeft
