#include "serial/PortDoctor.h"

#include "base/AsciiLower.h"
#include "seams/TextTranslation.h"
#include "serial/PortDoctorShell.h"

#include <algorithm>

namespace zeft {

namespace {

// The serial bridges of cheap USB adapters, and the Linux driver of each.
struct KnownBridge {
    const char* vendor;
    const char* product;
    SerialBridge bridge;
};
const KnownBridge kBridges[] = {
    {"0403", "6001", {"FTDI FT232R", "ftdi_sio"}},
    {"0403", "6010", {"FTDI FT2232", "ftdi_sio"}},
    {"0403", "6011", {"FTDI FT4232", "ftdi_sio"}},
    {"0403", "6014", {"FTDI FT232H", "ftdi_sio"}},
    {"0403", "6015", {"FTDI FT-X", "ftdi_sio"}},
    {"10c4", "ea60", {"Silicon Labs CP210x", "cp210x"}},
    {"10c4", "ea70", {"Silicon Labs CP2105", "cp210x"}},
    {"10c4", "ea71", {"Silicon Labs CP2108", "cp210x"}},
    {"1a86", "7523", {"CH340", "ch341"}},
    {"1a86", "5523", {"CH341", "ch341"}},
    {"1a86", "7522", {"CH340K", "ch341"}},
    {"067b", "2303", {"Prolific PL2303", "pl2303"}},
    {"067b", "23a3", {"Prolific PL2303GC", "pl2303"}},
    {"0557", "2008", {"ATEN UC-232A", "pl2303"}},
};

} // namespace

const char* SeverityWord(FindingSeverity severity) {
    switch (severity) {
    case FindingSeverity::Error:
        return ZEFT_TEXT("Core", "error");
    case FindingSeverity::Warning:
        return ZEFT_TEXT("Core", "warning");
    case FindingSeverity::Info:
        break;
    }
    return ZEFT_TEXT("Core", "info");
}

bool HasErrorFinding(const std::vector<PortFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const PortFinding& f) { return f.severity == FindingSeverity::Error; });
}

std::string FixesText(const std::vector<PortFinding>& findings) {
    std::string text;
    for (const PortFinding& f : findings) {
        // The severity in the language of the summary beside it.
        text += (text.empty() ? "# " : "\n# ") + TranslatedText("Core", SeverityWord(f.severity)) + ": " +
                CommentText(f.summary) + "\n";
        text += f.fix.empty() ? std::string() : f.fix + "\n";
        text += f.note.empty() ? std::string() : "# " + CommentText(f.note) + "\n";
    }
    return text;
}

bool IsSerialGroup(const std::string& group) {
    return group == "dialout" || group == "uucp" || group == "serial";
}

std::optional<SerialBridge> KnownSerialBridge(const std::string& vendor, const std::string& product) {
    const std::string v = AsciiLower(vendor);
    const std::string p = AsciiLower(product);
    for (const KnownBridge& known : kBridges) {
        if (v == known.vendor && p == known.product) {
            return known.bridge;
        }
    }
    return std::nullopt;
}

DeviceProblemText WindowsDeviceProblem(unsigned long code) {
    // Words the window shows in its language; the Windows names in them as Windows shows
    // them there.
    const auto text = [](const char* words, const char* fix) {
        return DeviceProblemText{TranslatedText("Core", words), TranslatedText("Core", fix)};
    };
    const char* const reinstall = ZEFT_TEXT("Core", "open the Device Manager (devmgmt.msc), right-click the adapter, "
                                                    "choose Uninstall device, then plug the adapter in again");
    const char* const install = ZEFT_TEXT("Core", "install the adapter's driver from its maker (or let Windows Update "
                                                  "find it), then plug the adapter in again");
    switch (code) {
    case 1:
        return text(ZEFT_TEXT("Core", "it is not configured"), reinstall);
    case 10:
        return text(ZEFT_TEXT("Core", "it could not start"), reinstall);
    case 12:
        return text(ZEFT_TEXT("Core", "it finds no free resources"), reinstall);
    case 14:
        return text(ZEFT_TEXT("Core", "it works only after a restart"), ZEFT_TEXT("Core", "restart the computer"));
    case 18:
    case 19:
        return text(ZEFT_TEXT("Core", "its driver must be installed again"), reinstall);
    case 22:
        return text(ZEFT_TEXT("Core", "it is disabled"),
                    ZEFT_TEXT("Core", "open the Device Manager (devmgmt.msc), right-click the adapter, choose "
                                      "Enable device"));
    case 24:
    case 45:
        return text(ZEFT_TEXT("Core", "it is not connected"),
                    ZEFT_TEXT("Core", "plug the adapter in again, or into another USB socket"));
    case 28:
        return text(ZEFT_TEXT("Core", "its driver is not installed"), install);
    case 31:
    case 37:
    case 39:
        return text(ZEFT_TEXT("Core", "its driver does not load"), install);
    case 32:
        return text(ZEFT_TEXT("Core", "its driver's service is disabled"), reinstall);
    case 43:
        return text(ZEFT_TEXT("Core", "Windows stopped it because it reported problems"),
                    ZEFT_TEXT("Core", "plug the adapter into another USB socket; if that does not help, the adapter "
                                      "is faulty or a copy its maker's driver refuses"));
    case 48:
    case 52:
        return text(ZEFT_TEXT("Core", "its driver is blocked or not signed"), install);
    default:
        break;
    }
    return {FillPlaceholders(TranslatedText("Core", "the Device Manager shows a problem (code %1)"),
                             {std::to_string(code)}),
            TranslatedText("Core", reinstall)};
}

} // namespace zeft
