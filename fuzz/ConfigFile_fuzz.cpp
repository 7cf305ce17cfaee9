// The configuration file reader on arbitrary bytes. Besides not crashing: the lists get a
// selection they have or none, no edit gets more than the longest value, a byte order mark
// changes nothing, and what was loaded survives being saved and loaded again.
#include "main/ConfigFile.h"
#include "main/PlainSettingsControls.h"
#include "main/SenderSettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Keeps the list indexes as the reader set them: the plain controls would turn an index
// the lists do not have into no selection, as the window's lists do.
class RawIndexControls : public zeft::PlainSettingsControls {
public:
    void SetOutputTypeIndex(int index) override {
        outputTypeIndex = index;
        PlainSettingsControls::SetOutputTypeIndex(index);
    }
    void SetFluidTypeIndex(int index) override {
        fluidTypeIndex = index;
        PlainSettingsControls::SetFluidTypeIndex(index);
    }

    int outputTypeIndex = 0;
    int fluidTypeIndex = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RawIndexControls loaded;
    zeft::LoadConfigText(text, loaded);

    const auto listIndexOk = [](int index, std::size_t items) {
        return index == zeft::kNoSelection || (index >= 0 && static_cast<std::size_t>(index) < items);
    };
    Check(listIndexOk(loaded.outputTypeIndex, zeft::kOutputTypeItems.size()), "output type index out of the list");
    Check(listIndexOk(loaded.fluidTypeIndex, zeft::kFluidTypeItems.size()), "fluid type index out of the list");
    for (const std::string& edit : loaded.settings.edits) {
        Check(edit.size() <= zeft::kConfigMaxValueChars, "an edit longer than the longest value");
    }

    if (!text.starts_with("\xEF\xBB\xBF")) {
        zeft::PlainSettingsControls withMark;
        zeft::LoadConfigText("\xEF\xBB\xBF" + std::string(text), withMark);
        Check(loaded.settings == withMark.settings, "a byte order mark changed what was loaded");
    }

    zeft::PlainSettingsControls again;
    zeft::LoadConfigText(zeft::ConfigFileText(loaded), again);
    Check(loaded.settings == again.settings, "saving and loading again changed the settings");
    return 0;
}
