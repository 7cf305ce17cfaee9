#include "main/AtomicFile.h"

#include "main/FileErrorText.h"

#include <windows.h>

#include <random>

namespace fs = std::filesystem;

namespace zeft {

namespace {

// Creates a new file next to the target, named after it, with a name nobody holds.
HANDLE CreateTemporary(const fs::path& target, fs::path& temporary, DWORD& error) {
    std::random_device seed;
    std::mt19937 random(seed());
    // A name near the length limit leaves no room for the additions.
    const std::wstring stem = target.filename().wstring().size() <= 200 ? target.filename().wstring() : L"zeft-save";
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

bool WriteAll(HANDLE file, std::string_view contents) {
    while (!contents.empty()) {
        const DWORD chunk = contents.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(contents.size());
        DWORD written = 0;
        if (!WriteFile(file, contents.data(), chunk, &written, nullptr)) {
            return false;
        }
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        contents.remove_prefix(written);
    }
    return true;
}

} // namespace

std::optional<std::string> SaveFileAtomically(const fs::path& requested, std::string_view contents) {
    if (requested.empty() || !requested.has_filename()) {
        return FileErrorTextFromWin32(ERROR_INVALID_NAME);
    }
    fs::path target = requested;
    std::error_code linkError;
    if (fs::is_symlink(requested, linkError)) {
        fs::path resolved = fs::canonical(requested, linkError);
        if (!linkError) {
            target = resolved;
        }
    }

    fs::path temporary;
    DWORD error = 0;
    HANDLE file = CreateTemporary(target, temporary, error);
    if (file == INVALID_HANDLE_VALUE) {
        return FileErrorTextFromWin32(error);
    }
    bool ok = WriteAll(file, contents) && FlushFileBuffers(file);
    if (!ok) {
        error = GetLastError();
    }
    if (!CloseHandle(file) && ok) {
        ok = false;
        error = GetLastError();
    }
    if (ok && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        DeleteFileW(temporary.c_str());
        return FileErrorTextFromWin32(error);
    }
    return std::nullopt;
}

} // namespace zeft
