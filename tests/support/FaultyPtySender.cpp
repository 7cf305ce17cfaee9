#ifndef _WIN32

#include "tests/support/FaultyPtySender.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

#include <poll.h>
#include <unistd.h>

namespace zeft::testing {
namespace {

std::int64_t NowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr int kAnnouncePeriodMs = 300;

} // namespace

FaultyPtySender::FaultyPtySender(LineFaults faults, VirtualSenderFaults senderFaults)
    : faults_(faults), sender_(senderFaults), random_(faults.seed) {
    if (!pty_.Ok()) {
        return;
    }
    sender_.SetIdleAnnouncement(kAnnouncePeriodMs, NowUs());
    thread_ = std::thread([this] { Run(); });
}

FaultyPtySender::~FaultyPtySender() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    HangUp();
}

void FaultyPtySender::HangUp() {
    pty_.HangUp();
    hungUp_ = true;
}

void FaultyPtySender::QueueGarbage(std::size_t count) {
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t i = 0; i < count; ++i) {
        out_.push_back(static_cast<char>(byte(random_)));
    }
}

// What the sender says, with the line's faults applied, in the order it goes out.
void FaultyPtySender::Queue(const std::string& bytes) {
    for (const char c : bytes) {
        if (commandSeen_ && faults_.vanishAfterReplyBytes >= 0 &&
            afterCommand_ >= static_cast<std::size_t>(faults_.vanishAfterReplyBytes)) {
            return;
        }
        out_.push_back(c);
        ++afterCommand_;
        if (faults_.noiseInsideEvery > 0 && ++sinceNoise_ >= faults_.noiseInsideEvery) {
            sinceNoise_ = 0;
            QueueGarbage(1);
        }
    }
}

// Writes as much as the pseudo-terminal takes.
void FaultyPtySender::Flush() {
    char chunk[4096];
    while (!out_.empty() && pty_.Ok()) {
        const std::size_t count = std::min(out_.size(), sizeof(chunk));
        std::copy_n(out_.begin(), count, chunk);
        const ssize_t n = ::write(pty_.Master(), chunk, count);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        out_.erase(out_.begin(), out_.begin() + n);
    }
}

void FaultyPtySender::Run() {
    char buffer[256];
    std::size_t floodLeft = 0;
    while (!stop_ && pty_.Ok()) {
        const std::int64_t now = NowUs();
        std::string said;
        sender_.Collect(now, said);
        if (!said.empty()) {
            replying_ = true;
            Queue(said);
        } else if (replying_ && !sender_.NextDueUs()) {
            // The reply is complete.
            replying_ = false;
            QueueGarbage(faults_.noiseAfter);
        }
        if (floodLeft > 0 && out_.size() < 4096) {
            const std::size_t piece = std::min<std::size_t>(floodLeft, 4096);
            QueueGarbage(piece);
            floodLeft -= piece;
            floodSent_ += piece;
        }
        Flush();
        if (commandSeen_ && faults_.vanishAfterReplyBytes >= 0 &&
            afterCommand_ >= static_cast<std::size_t>(faults_.vanishAfterReplyBytes) && out_.empty()) {
            HangUp();
            return;
        }

        int waitMs = 20;
        if (const auto due = sender_.NextDueUs()) {
            waitMs = static_cast<int>(std::clamp<std::int64_t>((*due - now + 999) / 1000, 0, waitMs));
        }
        pollfd fd{pty_.Master(), static_cast<short>(POLLIN | (out_.empty() ? 0 : POLLOUT)), 0};
        if (::poll(&fd, 1, waitMs) > 0 && (fd.revents & POLLIN) != 0) {
            const ssize_t n = ::read(pty_.Master(), buffer, sizeof(buffer));
            if (n > 0) {
                if (!commandSeen_) {
                    commandSeen_ = true;
                    afterCommand_ = 0;
                    floodLeft = faults_.floodBytes;
                }
                QueueGarbage(faults_.noiseBefore);
                sender_.SetBaudRate(pty_.BaudRate());
                sender_.Receive(std::string_view(buffer, static_cast<std::size_t>(n)), NowUs());
            }
        }
    }
}

} // namespace zeft::testing

#endif
