// Receive path over a pseudo-terminal at full speed: bytes per second delivered to the main
// thread as clusters, and CPU time per MiB, against a plain blocking read() loop on the
// same kind of pair; then the CPU time of a process that holds an open, quiet port.
// One line per figure.
#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"
#include "tests/support/PseudoTerminal.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kTotalBytes = std::size_t{64} << 20;
constexpr double kMiB = 1024.0 * 1024.0;

double CpuSeconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// A pseudo-terminal whose master the benchmark writes as fast as the pair takes bytes.
void MakeStreaming(zeft::testing::PseudoTerminal& pty) {
    if (!pty.Ok()) {
        std::fprintf(stderr, "%s\n", pty.Error().c_str());
        std::exit(1);
    }
    pty.BlockOnMaster();
}

// Writes kTotalBytes into the master as fast as the pair takes them; its own CPU time is
// kept apart so that the figures are the receiving side's.
struct Writer {
    explicit Writer(int fd)
        : thread([this, fd] {
              std::vector<char> block(65536);
              for (std::size_t i = 0; i < block.size(); ++i) {
                  block[i] = static_cast<char>(i * 7);
              }
              std::size_t sent = 0;
              while (sent < kTotalBytes) {
                  const ssize_t n = write(fd, block.data(), std::min(block.size(), kTotalBytes - sent));
                  if (n <= 0) {
                      break;
                  }
                  sent += static_cast<std::size_t>(n);
              }
              cpu = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
          }) {}
    void Join() { thread.join(); }
    double cpu = 0;
    std::thread thread;
};

struct Figures {
    double bytesPerSecond;
    double cpuPerMiB;
    double bytesPerCluster = 0;
};

Figures PlainReadLoop() {
    zeft::testing::PseudoTerminal pty;
    MakeStreaming(pty);
    const int fd = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &tio);
    const double cpuStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const auto start = Clock::now();
    Writer writer(pty.Master());
    std::vector<char> buffer(4096);
    std::size_t got = 0;
    while (got < kTotalBytes) {
        const ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    writer.Join();
    const double cpu = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart - writer.cpu;
    close(fd);
    pty.CloseMaster();
    return {static_cast<double>(got) / seconds, cpu / (static_cast<double>(got) / kMiB)};
}

// The rate of the stream: the clock stops once fewer than ClusterSize bytes are missing,
// since the cluster rule holds such a tail back for its time allowance on purpose (up to
// seconds at the load defaults); how late a tail comes is the latency benchmark's subject.
Figures ClusterPath(std::uint16_t rxQueueSize, std::uint16_t clusterSize) {
    zeft::testing::PseudoTerminal pty;
    MakeStreaming(pty);
    zeft::HandOverQueue queue;
    std::size_t got = 0;
    std::size_t clusters = 0;
    zeft::TSerialLink link(queue);
    link.SetRxQueueSize(rxQueueSize);
    link.SetClusterSize(clusterSize);
    link.SetCommPort(pty.SlavePath());
    const std::size_t streamEndsAt = kTotalBytes - (link.ClusterSize() - 1);
    Clock::time_point streamEnd{};
    double cpuAtStreamEnd = 0;
    link.OnRxClusterEvent = [&](zeft::TSerialLink& sender) {
        got += sender.ReadNextClusterAsString().size();
        ++clusters;
        if (got >= streamEndsAt && streamEnd == Clock::time_point{}) {
            streamEnd = Clock::now();
            cpuAtStreamEnd = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
            sender.SetReadRequest(true); // the tail, at once
        }
    };
    link.SetActive(true);
    if (!link.Active()) {
        std::fprintf(stderr, "cannot open %s\n", pty.SlavePath().c_str());
        std::exit(1);
    }
    const double cpuStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const auto start = Clock::now();
    Writer writer(pty.Master());
    const bool whole = queue.DrainUntil([&] { return got >= kTotalBytes; }, Clock::now() + std::chrono::seconds(120));
    writer.Join();
    pty.CloseMaster();
    if (!whole) {
        std::fprintf(stderr, "only %zu of %zu bytes arrived\n", got, kTotalBytes);
        std::exit(1);
    }
    const double seconds = std::chrono::duration<double>(streamEnd - start).count();
    const double cpu = cpuAtStreamEnd - cpuStart - writer.cpu;
    const auto streamed = static_cast<double>(streamEndsAt);
    return {streamed / seconds, cpu / (streamed / kMiB), static_cast<double>(got) / static_cast<double>(clusters)};
}

double QuietPortCorePercent(int seconds) {
    zeft::testing::PseudoTerminal pty;
    MakeStreaming(pty);
    zeft::HandOverQueue queue;
    zeft::TSerialLink link(queue);
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    // Let the open's one-time work (the refused modem lines of a pseudo-terminal) pass.
    queue.DrainUntil([] { return false; }, Clock::now() + std::chrono::milliseconds(500));
    const double cpuStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    // A main loop with nothing else to do sleeps until a step comes.
    while (Clock::now() < end) {
        queue.WaitForWork(end);
        queue.Drain();
    }
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart;
    pty.CloseMaster();
    return 100.0 * cpu / wall;
}

// The middle of three runs: the machine is shared, and one run can be unlucky.
template <typename Measure> Figures Median(Measure measure) {
    std::vector<Figures> runs;
    for (int i = 0; i < 3; ++i) {
        runs.push_back(measure());
    }
    std::sort(runs.begin(), runs.end(),
              [](const Figures& a, const Figures& b) { return a.bytesPerSecond < b.bytesPerSecond; });
    return runs[1];
}

} // namespace

int main() {
    const Figures plain = Median([] { return PlainReadLoop(); });
    const Figures clusters = Median([] { return ClusterPath(4096, 3072); });
    const Figures large = Median([] { return ClusterPath(65535, 32768); });
    std::printf("plain read() loop:                  %8.1f MiB/s, %.4f s CPU per MiB\n", plain.bytesPerSecond / kMiB,
                plain.cpuPerMiB);
    std::printf("clusters, the program's settings:   %8.1f MiB/s, %.4f s CPU per MiB, %.0f bytes a cluster\n",
                clusters.bytesPerSecond / kMiB, clusters.cpuPerMiB, clusters.bytesPerCluster);
    std::printf("clusters, 64 KiB buffer, 32 KiB:    %8.1f MiB/s, %.4f s CPU per MiB, %.0f bytes a cluster\n",
                large.bytesPerSecond / kMiB, large.cpuPerMiB, large.bytesPerCluster);
    std::printf("rate against the plain loop:        %8.2f (program's settings), %.2f (64/32 KiB); target >= 0.90\n",
                clusters.bytesPerSecond / plain.bytesPerSecond, large.bytesPerSecond / plain.bytesPerSecond);
    std::printf("open, quiet port for 10 s:          %8.3f %% of a core; target well under 1 %%\n",
                QuietPortCorePercent(10));
    return 0;
}
