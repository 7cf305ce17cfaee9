#include "base/WriteAll.h"

#include <windows.h>

namespace zeft {

bool WriteAll(void* handle, std::string_view bytes) {
    while (!bytes.empty()) {
        // WriteFile takes a 32-bit length.
        const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(handle), bytes.data(), chunk, &written, nullptr)) {
            return false;
        }
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace zeft
