#include "serial/PosixPortDoctorNode.h"

#include "seams/TextTranslation.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace zeft {

namespace {

// "64" or "0-1048575".
bool InRange(const std::string& range, unsigned minor) {
    unsigned first = 0;
    unsigned last = 0;
    char dash = 0;
    std::istringstream in(range);
    if (!(in >> first)) {
        return false;
    }
    if (!(in >> dash >> last) || dash != '-') {
        last = first;
    }
    return minor >= first && minor <= last;
}

} // namespace

ProcessIdentity ThisProcess() {
    ProcessIdentity self;
    self.uid = geteuid();
    self.gid = getegid();
    self.pid = static_cast<int>(getpid());
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    if (count > 0 && getgroups(count, groups.data()) == count) {
        self.groups.assign(groups.begin(), groups.end());
    }
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(self.uid, &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr) {
        self.user = found->pw_name;
    } else {
        self.user = std::to_string(self.uid);
    }
    return self;
}

int OpenForAMoment(const std::string& node) {
    const int fd = ::open(node.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    ::close(fd);
    return 0;
}

int StatThrough(const MachineView& view, const std::string& path, struct stat& info) {
    if (view.statPath) {
        return view.statPath(path, info);
    }
    return ::stat(path.c_str(), &info) == 0 ? 0 : errno;
}

std::optional<std::string> NotATerminal(const struct stat& info, const MachineView& view) {
    if (S_ISDIR(info.st_mode)) {
        return ZEFT_TEXT("Core", "a folder");
    }
    if (S_ISREG(info.st_mode)) {
        return ZEFT_TEXT("Core", "a regular file");
    }
    if (S_ISFIFO(info.st_mode)) {
        return ZEFT_TEXT("Core", "a named pipe (FIFO)");
    }
    if (S_ISSOCK(info.st_mode)) {
        return ZEFT_TEXT("Core", "a socket");
    }
    if (S_ISBLK(info.st_mode)) {
        return ZEFT_TEXT("Core", "a block device (a disk)");
    }
    // Lines of: name, path, major, minors ("64" or "0-1048575"), type.
    std::ifstream in(view.proc / "tty" / "drivers");
    bool listed = false;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string name;
        std::string path;
        unsigned driverMajor = 0;
        std::string minors;
        if (fields >> name >> path >> driverMajor >> minors) {
            listed = true;
            if (driverMajor == major(info.st_rdev) && InRange(minors, minor(info.st_rdev))) {
                return std::nullopt;
            }
        }
    }
    if (!listed) {
        return std::nullopt;
    }
    return ZEFT_TEXT("Core", "a device that is not a terminal");
}

bool IsOwnTerminal(const struct stat& info, const MachineView& view, int pid) {
    if (!S_ISCHR(info.st_mode)) {
        return false;
    }
    std::ifstream in(view.proc / std::to_string(pid) / "stat");
    std::string line;
    std::getline(in, line);
    // The command in brackets may hold spaces and brackets: the fields follow the last one.
    const auto close = line.rfind(')');
    if (close == std::string::npos) {
        return false;
    }
    std::istringstream fields(line.substr(close + 1));
    std::string state;
    long long parent = 0;
    long long group = 0;
    long long session = 0;
    unsigned long long terminal = 0;
    if (!(fields >> state >> parent >> group >> session >> terminal) || terminal == 0) {
        return false;
    }
    // The kernel's encoding: minor's low byte, major, then the minor's high bits.
    const auto ttyMajor = static_cast<unsigned>((terminal >> 8) & 0xfffU);
    const auto ttyMinor = static_cast<unsigned>((terminal & 0xffU) | ((terminal >> 12) & 0xfff00U));
    return info.st_rdev == makedev(ttyMajor, ttyMinor) || info.st_rdev == makedev(5, 0);
}

} // namespace zeft
