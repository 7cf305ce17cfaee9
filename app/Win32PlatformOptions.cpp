#include "app/PlatformOptions.h"

#include <cstdlib>

#include <windows.h>

namespace zeft::app {

namespace {

// Wine's ntdll exports its version; Windows' does not.
bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

} // namespace

void ChoosePlatformOptions() {
    // Under Wine, Qt's GDI font engine leaves the text of every line edit unpainted (the
    // settings' edits look empty); its FreeType engine, built into the program, draws it.
    // Windows itself keeps the native engine.
    if (RunsUnderWine() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        _putenv_s("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    }
}

} // namespace zeft::app
