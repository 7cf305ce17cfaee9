// Instructions the reading process spends on one transfer over a pseudo-terminal, counted
// by valgrind's callgrind: TSerialLink at the program's and at streaming settings, and
// Qt's QSerialPort. CPU time on a shared machine moves with whatever else runs; the count
// of instructions stays put, so the comparison holds from run to run.
//
// Run without arguments, the program runs itself under callgrind three times per reader
// ("--count <reader>") and prints the range of the counts. The counted run starts
// valgrind's instrumentation right before the writer starts and stops it once the last
// byte is in, so start-up and shutdown do not count. The writer is a child process that
// valgrind does not follow ("--write"), so only the reader's own work is counted, on all
// its threads. The kernel's work (system calls, thread switches) is not in the count.
//
// QSerialPort is used here only, never in the program.
#include "serial/CoreMainLoop.h"
#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSerialPort>
#include <QTimer>
#include <valgrind/callgrind.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <limits.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr std::size_t kTotalBytes = 8u << 20;

struct Reader {
    const char* key;
    const char* name;
};
constexpr Reader kReaders[] = {
    {"link-program", "TSerialLink, the program's settings (4096-byte buffer, clusters from 3072 bytes)"},
    {"link-streaming", "TSerialLink, streaming settings (65535-byte buffer, clusters from 32 KiB)"},
    {"qt", "QSerialPort"},
};

std::string OwnPath() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof(path) - 1);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}

// Runs argv, its output dropped, and returns its exit status, or -1 when it could not run.
int Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int nowhere = ::open("/dev/null", O_WRONLY);
        ::dup2(nowhere, STDOUT_FILENO);
        ::dup2(nowhere, STDERR_FILENO);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// --- the counted run ---

// The far end: a pseudo-terminal whose master a child process fills with kTotalBytes.
class PtyFeeder {
public:
    PtyFeeder() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            return;
        }
        path_ = ::ptsname(master_);
        self_ = OwnPath();
        fd_ = std::to_string(master_);
        // Raw before anyone reads: no echo, no line editing.
        slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        termios mode{};
        ::tcgetattr(slave_, &mode);
        ::cfmakeraw(&mode);
        ::tcsetattr(slave_, TCSANOW, &mode);
    }
    ~PtyFeeder() {
        if (writer_ > 0) {
            ::waitpid(writer_, nullptr, 0);
        }
        ::close(slave_);
        ::close(master_);
    }
    const std::string& Path() const { return path_; }
    bool Ok() const { return slave_ >= 0; }

    // Counting starts here, before the first byte is written.
    void Start() {
        CALLGRIND_START_INSTRUMENTATION;
        writer_ = ::fork();
        if (writer_ == 0) {
            ::execl(self_.c_str(), self_.c_str(), "--write", fd_.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    static void Stop() { CALLGRIND_STOP_INSTRUMENTATION; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
    std::string self_;
    std::string fd_;
    pid_t writer_ = -1;
};

int Write(int fd) {
    std::vector<char> block(16384);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<char>('A' + i % 26);
    }
    std::size_t sent = 0;
    while (sent < kTotalBytes) {
        const ssize_t n = ::write(fd, block.data(), std::min(block.size(), kTotalBytes - sent));
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EINTR) {
            std::perror("write");
            return 1;
        }
    }
    return 0;
}

// The stream's tail, fewer than ClusterSize bytes, is asked for at once instead of waiting
// out the cluster rule's allowance.
bool CountLink(std::uint16_t rxQueueSize, std::uint16_t clusterSize) {
    PtyFeeder feeder;
    zeft::HandOverQueue queue;
    zeft::CoreMainLoop loop(queue);
    zeft::TSerialLink link(queue);
    std::size_t total = 0;
    link.OnRxClusterEvent = [&total](zeft::TSerialLink& sender) {
        total += sender.ReadNextClusterAsString().size();
        if (total + sender.ClusterSize() > kTotalBytes && total < kTotalBytes) {
            sender.SetReadRequest(true);
        }
    };
    link.SetBaudRate(115200);
    link.SetRxQueueSize(rxQueueSize);
    link.SetClusterSize(clusterSize);
    link.SetCommPort(feeder.Path());
    link.SetActive(true);
    if (!feeder.Ok() || !link.Active()) {
        return false;
    }
    feeder.Start();
    loop.RunUntil([&total] { return total >= kTotalBytes; }, std::chrono::seconds(300));
    PtyFeeder::Stop();
    link.OnRxClusterEvent = nullptr;
    link.SetActive(false);
    return total == kTotalBytes;
}

bool CountQt() {
    PtyFeeder feeder;
    QSerialPort port;
    port.setPortName(QString::fromStdString(feeder.Path()));
    port.setBaudRate(115200);
    if (!feeder.Ok() || !port.open(QIODevice::ReadOnly)) {
        return false;
    }
    std::size_t total = 0;
    QEventLoop loop;
    QObject::connect(&port, &QSerialPort::readyRead, [&] {
        total += static_cast<std::size_t>(port.readAll().size());
        if (total >= kTotalBytes) {
            loop.quit();
        }
    });
    QTimer::singleShot(300000, &loop, &QEventLoop::quit);
    feeder.Start();
    loop.exec();
    PtyFeeder::Stop();
    port.close();
    return total == kTotalBytes;
}

int Count(const std::string& reader) {
    bool ok = false;
    if (reader == "link-program") {
        ok = CountLink(4096, 3072);
    } else if (reader == "link-streaming") {
        ok = CountLink(65535, 32768);
    } else if (reader == "qt") {
        ok = CountQt();
    }
    return ok ? 0 : 1;
}

// --- the comparison ---

// The instructions (callgrind's "Ir") in a callgrind output file, or -1.
double ReadInstructions(const std::string& file) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("totals: ", 0) == 0) {
            return std::strtod(line.c_str() + 8, nullptr);
        }
    }
    return -1;
}

// One counted transfer under callgrind; -1 when it failed (valgrind's own words are shown then).
double CountUnderValgrind(const std::string& folder, const char* reader) {
    const std::string out = folder + "/callgrind.out";
    const std::string log = folder + "/valgrind.log";
    const int status = Run({"valgrind", "--tool=callgrind", "--instr-atstart=no", "--callgrind-out-file=" + out,
                            "--log-file=" + log, OwnPath(), "--count", reader});
    const double instructions = status == 0 ? ReadInstructions(out) : -1;
    if (instructions < 0) {
        std::ifstream text(log);
        std::printf("%s: the counted run failed (exit status %d)\n%s", reader, status,
                    std::string(std::istreambuf_iterator<char>(text), {}).c_str());
    }
    std::remove(out.c_str());
    std::remove(log.c_str());
    return instructions;
}

int Compare() {
    constexpr int kRuns = 3;
    const double mib = static_cast<double>(kTotalBytes) / (1u << 20);
    std::printf("Instructions of the reading process per MiB received over a pty, callgrind, %.0f MiB, %d runs each\n",
                mib, kRuns);
    if (Run({"valgrind", "--version"}) != 0) {
        std::printf("result: instructions per MiB received | not measured: needs valgrind | \n");
        return 0;
    }
    // valgrind counts every byte a "rep movsb" or "rep stosb" moves as one instruction, and
    // glibc copies with those from a few KiB on: a 32 KiB copy would count as 32768. With the
    // thresholds out of reach, copies of every size count as the vector instructions that
    // do them, the same on both sides.
    ::setenv("GLIBC_TUNABLES",
             "glibc.cpu.x86_rep_movsb_threshold=4294967295:glibc.cpu.x86_rep_stosb_threshold=4294967295", 1);
    char folder[] = "/tmp/zeft-callgrind-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    // Lowest and highest count per MiB of each reader.
    double low[std::size(kReaders)], high[std::size(kReaders)];
    bool ok[std::size(kReaders)];
    for (std::size_t i = 0; i < std::size(kReaders); ++i) {
        low[i] = 1e300;
        high[i] = 0;
        ok[i] = true;
        for (int run = 0; run < kRuns && ok[i]; ++run) {
            const double perMib = CountUnderValgrind(folder, kReaders[i].key) / mib;
            ok[i] = perMib >= 0;
            low[i] = std::min(low[i], perMib);
            high[i] = std::max(high[i], perMib);
            std::printf("%-16s %12.0f instructions per MiB\n", kReaders[i].key, perMib);
        }
    }
    ::rmdir(folder);

    const std::size_t qt = std::size(kReaders) - 1;
    for (std::size_t i = 0; i < std::size(kReaders); ++i) {
        if (!ok[i]) {
            std::printf("result: %s, instructions per MiB (callgrind) | not measured: the counted run failed | \n",
                        kReaders[i].name);
            continue;
        }
        std::string goal;
        if (i != qt && ok[qt]) {
            // The ratio's range over the runs: the worst of one side against the best of the other.
            const double least = low[i] / high[qt];
            const double most = high[i] / low[qt];
            char text[128];
            std::snprintf(text, sizeof(text), "%.2f to %.2f times QSerialPort's%s", least, most,
                          std::strcmp(kReaders[i].key, "link-streaming") != 0 ? ""
                          : most <= 1.0                                       ? ", at most 1.00 (met)"
                                                                              : ", at most 1.00 (NOT met)");
            goal = text;
        }
        std::printf("result: %s, instructions per MiB (callgrind, %d runs) | %.3f to %.3f million | %s\n",
                    kReaders[i].name, kRuns, low[i] / 1e6, high[i] / 1e6, goal.c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
        return Write(std::atoi(argv[2]));
    }
    if (argc == 3 && std::strcmp(argv[1], "--count") == 0) {
        QCoreApplication app(argc, argv);
        return Count(argv[2]);
    }
    return Compare();
}
