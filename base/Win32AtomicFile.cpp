#include "base/AtomicFile.h"

#include "base/FileErrorText.h"
#include "base/SaveTarget.h"
#include "base/WriteAll.h"

#include <windows.h>

#include <chrono>
#include <random>

namespace fs = std::filesystem;

namespace zeft {

namespace {

// A save killed before its rename leaves its temporary file behind. One is stale when it
// has our name pattern for this target, nobody has it open (a save holds it unshared until
// it is complete, so deleting it fails) and nothing has written to it for a while (which
// covers the moment between closing it and the rename).
constexpr std::chrono::minutes kStaleAfter{10};

// A name near the length limit leaves no room for the additions.
std::wstring TemporaryStem(const fs::path& target) {
    const std::wstring name = target.filename().wstring();
    return name.size() <= 200 ? name : L"zeft-save";
}

// "~" stem "." up to six digits ".tmp", as CreateTemporary names them.
bool IsTemporaryName(const std::wstring& name, const std::wstring& stem) {
    const std::wstring head = L"~" + stem + L".";
    const std::wstring tail = L".tmp";
    if (name.size() <= head.size() + tail.size() || name.compare(0, head.size(), head) != 0 ||
        name.compare(name.size() - tail.size(), tail.size(), tail) != 0) {
        return false;
    }
    const std::wstring digits = name.substr(head.size(), name.size() - head.size() - tail.size());
    return digits.size() <= 6 && digits.find_first_not_of(L"0123456789") == std::wstring::npos;
}

void RemoveStaleTemporaries(const fs::path& target) {
    const std::wstring stem = TemporaryStem(target);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const fs::path candidate = entry->path();
        std::error_code statusError;
        if (!IsTemporaryName(candidate.filename().wstring(), stem) ||
            !fs::is_regular_file(fs::symlink_status(candidate, statusError))) {
            continue;
        }
        const fs::file_time_type written = fs::last_write_time(candidate, statusError);
        if (!statusError && fs::file_time_type::clock::now() - written >= kStaleAfter) {
            DeleteFileW(candidate.c_str());
        }
    }
}

// Creates a new file next to the target, named after it, with a name nobody holds.
HANDLE CreateTemporary(const fs::path& target, fs::path& temporary, DWORD& error) {
    std::random_device seed;
    std::mt19937 random(seed());
    const std::wstring stem = TemporaryStem(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary.replace_filename(L"~" + stem + L"." + std::to_wstring(random() % 1000000) + L".tmp");
        HANDLE file =
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            return file;
        }
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return INVALID_HANDLE_VALUE;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool Rewrite(HANDLE file, std::string_view contents) {
    LARGE_INTEGER start{};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && SetEndOfFile(file) && WriteAll(file, contents) &&
           FlushFileBuffers(file);
}

// A folder where the user may change the file but not create one leaves no room for a
// temporary file: the file is rewritten where it is. Its old bytes are kept in memory and
// put back when the write fails, so a failed save still leaves the old file. Returns 0 or
// the error.
DWORD SaveInPlace(const fs::path& target, std::string_view contents, DWORD folderError) {
    HANDLE file = CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return folderError;
    }
    std::string old;
    char buffer[4096];
    DWORD got = 0;
    BOOL read = FALSE;
    while ((read = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) {
        old.append(buffer, got);
    }
    if (!read) {
        CloseHandle(file);
        return folderError;
    }
    DWORD error = 0;
    if (!Rewrite(file, contents)) {
        error = GetLastError();
        Rewrite(file, old);
    }
    if (!CloseHandle(file) && error == 0) {
        error = GetLastError();
    }
    return error;
}

} // namespace

std::optional<AtomicFileFailure> ReplaceFileAtomically(const fs::path& requested, std::string_view contents,
                                                       AtomicFileOptions) {
    // The owner-only rule is the profile folder's: its files are the user's alone already.
    const auto failure = [](DWORD error) { return AtomicFileFailure{std::nullopt, error}; };
    if (requested.empty() || !requested.has_filename()) {
        return failure(ERROR_INVALID_NAME);
    }
    const SaveTarget resolved = ResolveSaveTarget(requested);
    if (resolved.refusal) {
        return AtomicFileFailure{resolved.refusal, 0};
    }
    const fs::path& target = resolved.file;

    // A read-only file stays as it is (not every system's rename refuses to replace it).
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return failure(ERROR_ACCESS_DENIED);
    }

    RemoveStaleTemporaries(target);
    fs::path temporary;
    DWORD error = 0;
    HANDLE file = CreateTemporary(target, temporary, error);
    if (file == INVALID_HANDLE_VALUE) {
        if (error == ERROR_ACCESS_DENIED) {
            error = SaveInPlace(target, contents, error);
            return error == 0 ? std::nullopt : std::optional(failure(error));
        }
        return failure(error);
    }
    bool ok = WriteAll(file, contents) && FlushFileBuffers(file);
    if (!ok) {
        error = GetLastError();
    }
    if (!CloseHandle(file) && ok) {
        ok = false;
        error = GetLastError();
    }
    // The replacement keeps the old file's attributes (hidden, archive...).
    if (ok && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        SetFileAttributesW(temporary.c_str(), attributes);
    }
    if (ok && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        DeleteFileW(temporary.c_str());
        return failure(error);
    }
    return std::nullopt;
}

std::optional<std::string> SaveFileAtomically(const fs::path& target, std::string_view contents) {
    const std::optional<AtomicFileFailure> failure = ReplaceFileAtomically(target, contents);
    if (!failure) {
        return std::nullopt;
    }
    return failure->refusal ? *failure->refusal : FileErrorTextFromWin32(failure->systemError);
}

} // namespace zeft
