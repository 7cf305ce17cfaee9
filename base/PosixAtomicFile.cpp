#include "base/AtomicFile.h"

#include "base/FileErrorText.h"
#include "base/SaveTarget.h"
#include "base/WriteAll.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zeft {

namespace {

// A save killed before its rename leaves its temporary file behind. One is stale when it
// is ours (our owner, our name pattern for this target), nobody holds its lock (a save holds
// it until the rename, and a killed one lost it) and nothing has written to it for a while
// (which covers the moment between creating a temporary file and locking it).
constexpr std::chrono::minutes kStaleAfter{10};

// A name near the length limit leaves no room for the additions.
std::string TemporaryStem(const fs::path& target) {
    const std::string name = target.filename().string();
    return name.size() <= 200 ? name : "zeft-save";
}

// "." stem "." up to six digits ".tmp", as CreateTemporary names them.
bool IsTemporaryName(const std::string& name, const std::string& stem) {
    const std::string head = "." + stem + ".";
    const std::string tail = ".tmp";
    if (name.size() <= head.size() + tail.size() || name.compare(0, head.size(), head) != 0 ||
        name.compare(name.size() - tail.size(), tail.size(), tail) != 0) {
        return false;
    }
    const std::string digits = name.substr(head.size(), name.size() - head.size() - tail.size());
    return digits.size() <= 6 && digits.find_first_not_of("0123456789") == std::string::npos;
}

bool IsStale(const struct stat& info) {
    const auto age = std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(info.st_mtime);
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && age >= kStaleAfter;
}

void RemoveStaleTemporaries(const fs::path& target) {
    const std::string stem = TemporaryStem(target);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const fs::path candidate = entry->path();
        struct stat named {};
        if (!IsTemporaryName(candidate.filename().string(), stem) || ::lstat(candidate.c_str(), &named) != 0 ||
            !IsStale(named)) {
            continue;
        }
        const int fd = ::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat opened {};
        // Still the same file under that name, and no save holds it.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && opened.st_ino == named.st_ino &&
            opened.st_dev == named.st_dev) {
            ::unlink(candidate.c_str());
        }
        ::close(fd);
    }
}

// Creates a new file next to the target, named after it, with a name nobody holds, and
// locks it for as long as it is open.
int CreateTemporary(const fs::path& target, mode_t mode, fs::path& temporary, int& error) {
    std::random_device seed;
    std::mt19937 random(seed());
    const std::string stem = TemporaryStem(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary.replace_filename("." + stem + "." + std::to_string(random() % 1000000) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB); // best effort: without it the age alone protects it
            return fd;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    error = errno;
    return -1;
}

bool ReadAll(int fd, std::string& bytes) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

bool Rewrite(int fd, std::string_view contents) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && ::ftruncate(fd, 0) == 0 && WriteAll(fd, contents) && ::fsync(fd) == 0;
}

// A folder where the user may change the file but not create one leaves no room for a
// temporary file: the file is rewritten where it is. Its old bytes are kept in memory and
// put back when the write fails, so a failed save still leaves the old file. Returns 0 or
// the error.
int SaveInPlace(const fs::path& target, std::string_view contents, int folderError) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return folderError;
    }
    struct stat info {};
    std::string old;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !ReadAll(fd, old)) {
        ::close(fd);
        return folderError;
    }
    int error = 0;
    if (!Rewrite(fd, contents)) {
        error = errno;
        Rewrite(fd, old);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

// Makes the rename itself durable; a failure here does not undo a complete save.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<AtomicFileFailure> ReplaceFileAtomically(const fs::path& requested, std::string_view contents,
                                                       AtomicFileOptions options) {
    const auto failure = [](int error) { return AtomicFileFailure{std::nullopt, static_cast<unsigned long>(error)}; };
    if (requested.empty() || !requested.has_filename()) {
        return failure(ENOENT);
    }
    const SaveTarget resolved = ResolveSaveTarget(requested);
    if (resolved.refusal) {
        return AtomicFileFailure{resolved.refusal, 0};
    }
    const fs::path& target = resolved.file;
    // A file the user may not write stays as it is, although the folder would let a rename
    // replace it.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
        return failure(errno);
    }

    RemoveStaleTemporaries(target);
    fs::path temporary;
    int error = 0;
    const int fd = CreateTemporary(target, options.ownerOnly ? 0600 : 0666, temporary, error);
    if (fd < 0) {
        if (error == EACCES || error == EPERM) {
            error = SaveInPlace(target, contents, error);
            if (error == 0 && options.ownerOnly) {
                ::chmod(target.c_str(), 0600);
            }
            return error == 0 ? std::nullopt : std::optional(failure(error));
        }
        return failure(error);
    }

    struct stat old {};
    if (!options.ownerOnly && ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777); // best effort: the file stays usable either way
    }

    bool ok = WriteAll(fd, contents) && ::fsync(fd) == 0;
    if (!ok) {
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return failure(error);
    }
    SyncFolder(target.parent_path());
    return std::nullopt;
}

std::optional<std::string> SaveFileAtomically(const fs::path& target, std::string_view contents) {
    const std::optional<AtomicFileFailure> failure = ReplaceFileAtomically(target, contents);
    if (!failure) {
        return std::nullopt;
    }
    return failure->refusal ? *failure->refusal : FileErrorTextFromErrno(static_cast<int>(failure->systemError));
}

} // namespace zeft
