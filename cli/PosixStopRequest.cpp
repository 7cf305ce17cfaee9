#include "cli/StopRequest.h"

#include "cli/CommandLineErrors.h"
#include "cli/ExitStatus.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/signalfd.h>
#include <unistd.h>

namespace zeft::cli {
namespace {

sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

// What the handler writes: set before it is installed, read only by it.
std::string_view stopJson;

void EndRunAtOnce(int) {
    // Only calls that are safe in a signal handler: no stdio, no exit handlers.
    if (!stopJson.empty()) {
        [[maybe_unused]] const ssize_t json = write(STDOUT_FILENO, stopJson.data(), stopJson.size());
    }
    constexpr std::string_view kMessage = "Error: Interrupted.\n";
    [[maybe_unused]] const ssize_t message = write(STDERR_FILENO, kMessage.data(), kMessage.size());
    _exit(kExitInterrupted);
}

} // namespace

void StopRequest::EndRunOnStopSignals(bool json) {
    if (json) {
        static const std::string text = ErrorJson("Interrupted.");
        stopJson = text;
    }
    struct sigaction action {};
    action.sa_handler = EndRunAtOnce;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&action.sa_mask, signal); // one handler at a time
    }
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

void StopRequest::BlockStopSignals() {
    const sigset_t set = StopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

StopRequest::StopRequest(bool watchStandardInput, std::function<void()> wake) : wake_(std::move(wake)) {
    BlockStopSignals();
    const sigset_t set = StopSignals();
    signalFd_ = signalfd(-1, &set, SFD_CLOEXEC);
    if (pipe2(quitPipe_, O_CLOEXEC) != 0) {
        quitPipe_[0] = quitPipe_[1] = -1;
    }
    watcher_ = std::thread([this, watchStandardInput] { Watch(watchStandardInput); });
}

StopRequest::~StopRequest() {
    if (quitPipe_[1] >= 0) {
        const char quit = 'q';
        [[maybe_unused]] const ssize_t written = write(quitPipe_[1], &quit, 1);
    }
    watcher_.join();
    for (int fd : {signalFd_, quitPipe_[0], quitPipe_[1]}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void StopRequest::Watch(bool watchStandardInput) {
    pollfd fds[3] = {{quitPipe_[0], POLLIN, 0}, {signalFd_, POLLIN, 0}, {watchStandardInput ? 0 : -1, POLLIN, 0}};
    for (;;) {
        if (poll(fds, 3, -1) < 0) {
            continue; // EINTR: signals are blocked here, but be safe
        }
        if (fds[0].revents != 0) {
            return;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            signalfd_siginfo info{};
            if (read(signalFd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
                signal_.store(static_cast<int>(info.ssi_signo));
            }
            break;
        }
        if (fds[2].revents != 0) {
            // A line or the end of input ends the wait; read the line so it is not echoed
            // into the shell afterwards.
            char buffer[256];
            const ssize_t got = read(0, buffer, sizeof buffer);
            if (got <= 0 ||
                std::string_view(buffer, static_cast<std::size_t>(got)).find('\n') != std::string_view::npos) {
                break;
            }
        }
    }
    requested_.store(true);
    wake_();
    // Stay until the owner is done, so that the quit byte is always read by someone.
    pollfd quit = {quitPipe_[0], POLLIN, 0};
    while (poll(&quit, 1, -1) < 0) {
    }
}

} // namespace zeft::cli
