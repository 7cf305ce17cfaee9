#include "main/HistoryFile.h"

#include "base/FileErrorText.h"

#include <windows.h>

#include <cstdlib>
#include <thread>

namespace fs = std::filesystem;

namespace zeft {
namespace {

const char kNotAFile[] = "The history is not a regular file.";
const char kLocked[] = "The history stays locked by another program.";

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// The whole file, as far as it can ever reach, is the locked range.
bool LockWithin(HANDLE file, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        OVERLAPPED at{};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &at)) {
            return true;
        }
        if (GetLastError() != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool EndsWithLineEnd(HANDLE file, LONGLONG size) {
    if (size == 0) {
        return true;
    }
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(static_cast<ULONGLONG>(size - 1) & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(static_cast<ULONGLONG>(size - 1) >> 32);
    char last = '\n';
    DWORD got = 0;
    return ReadFile(file, &last, 1, &got, &at) && got == 1 && last == '\n';
}

fs::path FromEnvironment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value != nullptr && *value != L'\0' ? fs::path(value) : fs::path();
}

} // namespace

fs::path HistoryFilePath() {
    if (fs::path named = FromEnvironment(L"ZEFT_HISTORY"); !named.empty()) {
        return named;
    }
    const fs::path data = FromEnvironment(L"LOCALAPPDATA");
    return data.empty() ? fs::path() : data / "zeft" / "history.jsonl";
}

std::optional<std::string> AppendHistoryLine(const fs::path& file, std::string_view line) {
    if (file.empty() || !file.has_filename()) {
        return FileErrorTextFromWin32(ERROR_FILE_NOT_FOUND);
    }
    std::error_code made;
    if (file.has_parent_path()) {
        fs::create_directories(file.parent_path(), made);
        if (made) {
            return FileErrorTextFromWin32(static_cast<unsigned long>(made.value()));
        }
    }
    // Append rights only: every write goes to the end of the file, whatever the offset.
    Handle handle(CreateFileW(file.c_str(), FILE_APPEND_DATA | FILE_READ_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (handle.Get() == INVALID_HANDLE_VALUE) {
        return FileErrorTextFromWin32(GetLastError());
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(handle.Get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle.Get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::string(kNotAFile);
    }
    if (!LockWithin(handle.Get(), kHistoryLockLimit)) {
        return std::string(kLocked);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle.Get(), &size)) {
        return FileErrorTextFromWin32(GetLastError());
    }
    std::string whole;
    whole.reserve(line.size() + 2);
    if (!EndsWithLineEnd(handle.Get(), size.QuadPart)) {
        whole += '\n';
    }
    whole += line;
    whole += '\n';
    DWORD written = 0;
    if (!WriteFile(handle.Get(), whole.data(), static_cast<DWORD>(whole.size()), &written, nullptr) ||
        written != whole.size()) {
        const DWORD error = GetLastError();
        // Whole or not at all: the part that got out goes again; older lines stay.
        FILE_END_OF_FILE_INFO end{};
        end.EndOfFile = size;
        SetFileInformationByHandle(handle.Get(), FileEndOfFileInfo, &end, sizeof end);
        return FileErrorTextFromWin32(error);
    }
    if (!FlushFileBuffers(handle.Get())) {
        return FileErrorTextFromWin32(GetLastError());
    }
    return std::nullopt;
}

} // namespace zeft
