#include "serial/PosixPortDoctorNode.h"

#include <cerrno>
#include <fstream>
#include <sstream>

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

int StatThrough(const MachineView& view, const std::string& path, struct stat& info) {
    if (view.statPath) {
        return view.statPath(path, info);
    }
    return ::stat(path.c_str(), &info) == 0 ? 0 : errno;
}

std::optional<std::string> NotATerminal(const struct stat& info, const MachineView& view) {
    if (S_ISDIR(info.st_mode)) {
        return "a folder";
    }
    if (S_ISREG(info.st_mode)) {
        return "a regular file";
    }
    if (S_ISFIFO(info.st_mode)) {
        return "a named pipe (FIFO)";
    }
    if (S_ISSOCK(info.st_mode)) {
        return "a socket";
    }
    if (S_ISBLK(info.st_mode)) {
        return "a block device (a disk)";
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
    return "a device that is not a terminal";
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
