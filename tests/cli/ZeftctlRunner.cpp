#include "tests/cli/ZeftctlRunner.h"

#include "tests/support/TempFolder.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zeft::cli::testing {

RunResult RunZeftctl(const std::vector<std::string>& arguments, const std::string& input,
                     const std::string& interruptAfter, std::chrono::seconds limit) {
    // The device commands keep a job history: never the user's own, unless a test names one.
    static const zeft::testing::TempFolder historyFolder;
    setenv("ZEFT_HISTORY", (historyFolder / "history.jsonl").c_str(), 0);
    int in[2];
    int out[2];
    int err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);

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
    close(in[0]);
    close(out[1]);
    close(err[1]);
    RunResult result;
    if (spawned != 0) {
        close(in[1]);
        close(out[0]);
        close(err[0]);
        return result;
    }
    // The inputs are small: they fit the pipe, so writing them at once cannot block.
    if (!input.empty()) {
        [[maybe_unused]] const ssize_t written = write(in[1], input.data(), input.size());
    }
    if (interruptAfter.empty()) {
        close(in[1]);
        in[1] = -1;
    }
    bool interrupted = false;

    const auto deadline = std::chrono::steady_clock::now() + limit;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
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
                if (got <= 0) {
                    close(fds[i].fd);
                    fds[i].fd = -1;
                    --open;
                } else {
                    (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(got));
                }
                if (!interrupted && !interruptAfter.empty() && result.out.find(interruptAfter) != std::string::npos) {
                    kill(pid, SIGINT);
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
    if (in[1] >= 0) {
        close(in[1]);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace zeft::cli::testing
