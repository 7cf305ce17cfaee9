#include "serial/PortDoctor.h"

#include "seams/TextTranslation.h"
#include "serial/PortDoctorShell.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

// Summaries and notes are patterns in the window's language (English without a translator,
// as zeftctl prints them); names, paths and commands are put in after.

namespace zeft::finding {

namespace {

std::string Octal(unsigned mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", mode & 07777U);
    return text;
}

PortFinding Make(const char* id, FindingSeverity severity, const std::string& port, std::string summary,
                 std::string fix, std::string note = {}) {
    return {id, severity, port, std::move(summary), std::move(fix), std::move(note)};
}

bool AllOf(const std::string& text, bool (*allowed)(unsigned char)) {
    return !text.empty() && text.size() <= 64 && std::all_of(text.begin(), text.end(), allowed);
}
bool HexDigit(unsigned char c) {
    return std::isxdigit(c) != 0;
}
bool LocationChar(unsigned char c) {
    return std::isdigit(c) != 0 || c == '.' || c == '-';
}
// What a rule and a file name may hold without quoting or glob characters.
bool WordChar(unsigned char c) {
    return std::isalnum(c) != 0 || c == '.' || c == '_' || c == '-';
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A rule's match keys for one adapter, and the name its file takes from them.
struct RuleMatch {
    std::string keys;
    std::string name;
};

// Nothing when no part of the identity can be written into a rule as it stands.
std::optional<RuleMatch> MatchOf(const AdapterIdentity& adapter) {
    const bool usb = adapter.vendor.size() == 4 && adapter.product.size() == 4 && AllOf(adapter.vendor, HexDigit) &&
                     AllOf(adapter.product, HexDigit);
    if (usb) {
        const std::string ids = Lower(adapter.vendor) + "-" + Lower(adapter.product);
        const std::string keys =
            "ATTRS{idVendor}==\"" + Lower(adapter.vendor) + "\", ATTRS{idProduct}==\"" + Lower(adapter.product) + "\"";
        if (AllOf(adapter.serial, WordChar)) {
            return RuleMatch{keys + ", ATTRS{serial}==\"" + adapter.serial + "\"", ids + "-" + adapter.serial};
        }
        if (AllOf(adapter.location, LocationChar)) {
            // Keys of one parent match on the same device: the location is the USB device's name.
            return RuleMatch{"KERNELS==\"" + adapter.location + "\", " + keys, ids + "-at-" + adapter.location};
        }
    }
    if (AllOf(adapter.kernel, WordChar)) {
        return RuleMatch{"KERNEL==\"" + adapter.kernel + "\"", adapter.kernel};
    }
    return std::nullopt;
}

// Writes the rule to its own file (one per adapter and purpose) and applies it to the port.
std::string RuleFix(const std::string& file, const std::string& rule, const std::string& kernel) {
    return "printf '%s\\n' " + ShellQuoted(rule) + " | sudo tee " + ShellPath("/etc/udev/rules.d/" + file) +
           " >/dev/null\nsudo udevadm control --reload-rules\nsudo udevadm trigger --action=add --sysname-match=" +
           ShellQuoted(kernel);
}

std::string JoinGroup(const std::string& group, const std::string& user) {
    return "sudo usermod -aG " + ShellQuoted(group) + (user.rfind('-', 0) == 0 ? " -- " : " ") + ShellQuoted(user);
}

std::string LogInAgain() {
    return TranslatedText("Core", "then log out and log in again");
}

PortFinding AccessFinding(const std::string& port, std::string summary, const AccessRule& rule) {
    const std::string grant = rule.serialGroup.empty() ? std::string("TAG+=\"uaccess\"")
                                                       : "GROUP=\"" + rule.serialGroup + "\", MODE=\"0660\"";
    const auto match = MatchOf(rule.adapter);
    if (!match) {
        return Make(
            "no-permission", FindingSeverity::Error, port, std::move(summary), std::string(),
            FillPlaceholders(TranslatedText("Core", "give the port to the serial group with a udev rule that sets %1"),
                             {grant}));
    }
    std::string fix = RuleFix("70-zeft-port-" + match->name + ".rules",
                              "SUBSYSTEM==\"tty\", " + match->keys + ", " + grant, rule.adapter.kernel);
    std::string note;
    if (!rule.serialGroup.empty() && !rule.joiner.empty()) {
        fix += "\n" + JoinGroup(rule.serialGroup, rule.joiner);
        note = LogInAgain();
    }
    return Make("no-permission", FindingSeverity::Error, port, std::move(summary), std::move(fix), std::move(note));
}

std::string List(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
        list += (list.empty() ? "" : ", ") + name;
    }
    return list;
}

std::string NotInGroup(const std::string& port, const std::string& group, const std::string& user) {
    return FillPlaceholders(TranslatedText("Core", "%1 may be used by the group \"%2\", and the user %3 is not in it."),
                            {port, group, user});
}

std::string ChooseAnother(const std::vector<std::string>& present) {
    return present.empty()
               ? TranslatedText("Core", "plug in the adapter")
               : FillPlaceholders(TranslatedText("Core", "plug in the adapter, or choose a port that is there: %1"),
                                  {List(present)});
}

} // namespace

PortFinding NoPermission(const std::string& port, const std::string& group, const std::string& user) {
    return Make("no-permission", FindingSeverity::Error, port, NotInGroup(port, group, user), JoinGroup(group, user),
                LogInAgain());
}

PortFinding ForeignGroup(const std::string& port, const std::string& group, const std::string& user,
                         const AccessRule& rule) {
    return AccessFinding(port, NotInGroup(port, group, user), rule);
}

PortFinding OwnerOnly(const std::string& port, const std::string& owner, unsigned mode, const AccessRule& rule) {
    return AccessFinding(port,
                         FillPlaceholders(TranslatedText("Core", "%1 may be used by its owner %2 only (mode %3)."),
                                          {port, owner, Octal(mode)}),
                         rule);
}

PortFinding GroupNotActive(const std::string& port, const std::string& group, const std::string& user) {
    return Make(
        "group-not-active", FindingSeverity::Error, port,
        FillPlaceholders(
            TranslatedText("Core",
                           "The user %1 is in the group \"%2\" that may use %3, but this session started before that "
                           "and does not have the group yet."),
            {user, group, port}),
        std::string(), TranslatedText("Core", "log out and log in again (or restart the computer)"));
}

PortFinding PortTaken(const std::string& port, const std::string& holders, const std::string& command,
                      const std::string& pids) {
    return Make("port-taken", FindingSeverity::Error, port,
                FillPlaceholders(TranslatedText("Core", "%1 is open in another program: %2."), {port, holders}),
                "kill " + pids, FillPlaceholders(TranslatedText("Core", "or close %1"), {command}));
}

PortFinding Exclusive(const std::string& port) {
    return Make("exclusive", FindingSeverity::Error, port,
                FillPlaceholders(
                    TranslatedText(
                        "Core", "%1 is held in exclusive mode by a program this user cannot see (a service or another "
                                "user's program)."),
                    {port}),
                "sudo fuser -v " + ShellPath(port),
                TranslatedText("Core", "fuser names the program; close it or stop its service"));
}

PortFinding OpenFailed(const std::string& port, const std::string& reason) {
    return Make("open-failed", FindingSeverity::Error, port,
                FillPlaceholders(TranslatedText("Core", "%1 does not open: %2."), {port, reason}), std::string(),
                TranslatedText("Core", "unplug the adapter and plug it in again"));
}

PortFinding BrailleDaemon(const std::string& device, const std::string& ids, const std::string& rulesFile) {
    return Make(
        "braille-daemon", FindingSeverity::Error, device,
        FillPlaceholders(
            TranslatedText("Core",
                           "The braille display daemon (brltty) claims USB id %1 in its rule %2, so this adapter's "
                           "serial port goes away as soon as it is plugged in."),
            {ids, rulesFile}),
        "sudo ln -s /dev/null " + ShellPath("/etc/udev/rules.d/" + rulesFile) + "\nsudo udevadm control --reload-rules",
        TranslatedText("Core", "then plug the adapter in again; where no braille display is used, removing brltty "
                               "does too"));
}

PortFinding ModemManager(const std::string& port, const AdapterIdentity& adapter) {
    const std::string summary = FillPlaceholders(
        TranslatedText("Core", "ModemManager is running and takes %1 for a modem: it sends the adapter AT "
                               "commands and holds the port after it is plugged in."),
        {port});
    const std::string stop =
        FillPlaceholders(TranslatedText("Core", "or stop ModemManager: %1"), {"sudo systemctl stop ModemManager"});
    const auto match = MatchOf(adapter);
    if (!match) {
        return Make("modem-manager", FindingSeverity::Warning, port, summary, std::string(), stop);
    }
    return Make("modem-manager", FindingSeverity::Warning, port, summary,
                RuleFix("99-zeft-not-a-modem-" + match->name + ".rules",
                        match->keys + ", ENV{ID_MM_DEVICE_IGNORE}=\"1\"", adapter.kernel),
                FillPlaceholders(TranslatedText("Core", "then plug the adapter in again; %1"), {stop}));
}

PortFinding NoDriver(const std::string& device, const std::string& what, const std::string& module) {
    return Make(
        "no-driver", FindingSeverity::Error, device,
        FillPlaceholders(TranslatedText("Core", "The USB serial adapter %1 has no driver, so it has no serial port."),
                         {what}),
        "sudo modprobe " + ShellQuoted(module));
}

PortFinding NoPorts() {
    return Make("no-ports", FindingSeverity::Error, std::string(), TranslatedText("Core", "No serial port was found."),
                std::string(),
                TranslatedText("Core", "plug in the adapter (check its cable, try another USB socket), then run "
                                       "this again"));
}

PortFinding MissingPort(const std::string& port, const std::vector<std::string>& present) {
    return Make("missing-port", FindingSeverity::Error, port,
                FillPlaceholders(TranslatedText("Core", "%1 is not there."), {port}), std::string(),
                ChooseAnother(present));
}

PortFinding NotAPort(const std::string& port, const std::string& what, const std::vector<std::string>& present) {
    return Make("not-a-port", FindingSeverity::Error, port,
                FillPlaceholders(TranslatedText("Core", "%1 is not a serial port: it is %2."),
                                 {port, TranslatedText("Core", what.c_str())}),
                std::string(), ChooseAnother(present));
}

PortFinding OwnTerminal(const std::string& port, const std::vector<std::string>& present) {
    return Make(
        "own-terminal", FindingSeverity::Error, port,
        FillPlaceholders(TranslatedText("Core", "%1 is the terminal this program runs in, not a serial port."), {port}),
        std::string(), ChooseAnother(present));
}

PortFinding DeviceProblem(const std::string& device, unsigned long code) {
    const DeviceProblemText text = WindowsDeviceProblem(code);
    return Make("device-problem", FindingSeverity::Error, device,
                FillPlaceholders(TranslatedText("Core", "%1 does not work: %2."), {device, text.words}), std::string(),
                text.fix);
}

PortFinding PortInUse(const std::string& port) {
    return Make(
        "port-in-use", FindingSeverity::Error, port,
        FillPlaceholders(TranslatedText("Core", "%1 is in use by another program."), {port}), std::string(),
        FillPlaceholders(
            TranslatedText("Core", "close the program that uses %1 (a terminal program, an IDE's serial monitor)"),
            {port}));
}

} // namespace zeft::finding
