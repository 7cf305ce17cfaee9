#include "tests/cli/ZeftctlRunner.h"

#include "serial/virtual/PosixPseudoTerminal.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace zeft::cli::testing {
namespace {

// The child's three standard descriptors; the parent's ends of them are closed by the
// caller.
pid_t Spawn(const std::vector<std::string>& arguments, int in, int out, int err) {
    // The device commands keep a job history: never the user's own, unless a test names one.
    static const zeft::testing::TempFolder historyFolder;
    setenv("ZEFT_HISTORY", (historyFolder / "history.jsonl").c_str(), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);

    std::vector<std::string> argv = {ZEFTCTL_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);

    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, ZEFTCTL_PATH, &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

// Reads standard output and error output to their ends (a terminal's end is EIO once the
// program is gone), sends the signal once the watched one holds interruptAfter, and
// waits for the program. Closes both descriptors.
RunResult Collect(pid_t pid, int out, int err, const std::string& interruptAfter, bool watchErr, int signal,
                  std::chrono::seconds limit) {
    RunResult result;
    bool interrupted = false;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    pollfd fds[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
    int open = 2;
    while (open > 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        if (poll(fds, 2, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd >= 0 && fds[i].revents != 0) {
                char buffer[4096];
                const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
                if (got < 0 && errno == EAGAIN) {
                    continue;
                }
                if (got <= 0) {
                    close(fds[i].fd);
                    fds[i].fd = -1;
                    --open;
                } else {
                    (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(got));
                }
                const std::string& watched = watchErr ? result.err : result.out;
                if (!interrupted && !interruptAfter.empty() && watched.find(interruptAfter) != std::string::npos) {
                    kill(pid, signal);
                    interrupted = true;
                }
            }
        }
    }
    for (const pollfd& fd : fds) {
        if (fd.fd >= 0) {
            close(fd.fd);
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Whether the process has a handler of its own for the signal (SigCgt in its status).
bool Catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) {
            return ((std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1) != 0;
        }
    }
    return false;
}

// Sends the signal once the program catches it, or at the deadline all the same (where a
// program that never catches it dies of it).
void SignalOnceCaught(pid_t pid, int signal, std::chrono::steady_clock::time_point deadline) {
    const auto limit = std::min(deadline, std::chrono::steady_clock::now() + std::chrono::seconds(5));
    while (!Catches(pid, signal) && std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid, signal);
}

} // namespace

RunResult RunZeftctl(const std::vector<std::string>& arguments, const std::string& input,
                     const std::string& interruptAfter, std::chrono::seconds limit) {
    int in[2];
    int out[2];
    int err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        return {};
    }
    const pid_t pid = Spawn(arguments, in[0], out[1], err[1]);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (pid < 0) {
        close(in[1]);
        close(out[0]);
        close(err[0]);
        return {};
    }
    // The inputs are small: they fit the pipe, so writing them at once cannot block.
    if (!input.empty()) {
        [[maybe_unused]] const ssize_t written = write(in[1], input.data(), input.size());
    }
    if (interruptAfter.empty()) {
        close(in[1]);
        in[1] = -1;
    }
    RunResult result = Collect(pid, out[0], err[0], interruptAfter, false, SIGINT, limit);
    if (in[1] >= 0) {
        close(in[1]);
    }
    return result;
}

RunResult RunZeftctlOnTerminal(const std::vector<std::string>& arguments, const std::string& interruptAfter, int signal,
                               std::chrono::seconds limit) {
    int master = -1;
    int terminal = -1;
    std::string path;
    std::string error;
    int out[2] = {-1, -1};
    if (!OpenSenderPseudoTerminal(master, terminal, path, error) || pipe2(out, O_CLOEXEC) != 0) {
        for (int fd : {master, terminal, out[0], out[1]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        RunResult failed;
        failed.err = error;
        return failed;
    }
    // The program reads its answers blocking, as from any terminal.
    fcntl(terminal, F_SETFL, fcntl(terminal, F_GETFL) & ~O_NONBLOCK);
    const pid_t pid = Spawn(arguments, terminal, out[1], terminal);
    close(terminal);
    close(out[1]);
    if (pid < 0) {
        close(master);
        close(out[0]);
        return {};
    }
    if (interruptAfter.empty()) {
        SignalOnceCaught(pid, signal, std::chrono::steady_clock::now() + limit);
    }
    return Collect(pid, out[0], master, interruptAfter, true, signal, limit);
}

} // namespace zeft::cli::testing
