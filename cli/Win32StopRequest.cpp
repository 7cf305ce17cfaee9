#include "cli/StopRequest.h"

#include "cli/CommandLineErrors.h"
#include "cli/ExitStatus.h"

#include <string>

#include <windows.h>

namespace zeft::cli {
namespace {

// The console control handler runs on a thread the system starts and knows no object, so
// the events it and the watcher share are the process's own. One StopRequest lives at a
// time.
struct StopEvents {
    HANDLE control = CreateEventW(nullptr, TRUE, FALSE, nullptr); // Ctrl-C, Ctrl-Break, close
    HANDLE ownerDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE inputLine = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE inputEnded = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> controlType{-1};
};

StopEvents& Events() {
    static StopEvents events;
    return events;
}

BOOL WINAPI OnConsoleControl(DWORD type) {
    StopEvents& events = Events();
    int none = -1;
    events.controlType.compare_exchange_strong(none, static_cast<int>(type));
    SetEvent(events.control);
    if (type == CTRL_CLOSE_EVENT || type == CTRL_LOGOFF_EVENT || type == CTRL_SHUTDOWN_EVENT) {
        // The process ends when this returns: hold it until the owner has switched the
        // sender off (the system allows a few seconds).
        WaitForSingleObject(events.ownerDone, 4000);
    }
    return TRUE;
}

// Reads standard input for as long as the process lives: a blocking read cannot be taken
// back, so one reader serves every watcher and tells them of each line and of the end.
DWORD WINAPI ReadStandardInput(LPVOID) {
    StopEvents& events = Events();
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(input, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        for (DWORD i = 0; i < got; ++i) {
            if (buffer[i] == '\n' || buffer[i] == '\r') {
                SetEvent(events.inputLine);
                break;
            }
        }
    }
    SetEvent(events.inputEnded);
    return 0;
}

void StartInputReader() {
    static const bool started = [] {
        const HANDLE thread = CreateThread(nullptr, 0, ReadStandardInput, nullptr, 0, nullptr);
        if (thread == nullptr) {
            SetEvent(Events().inputEnded);
            return false;
        }
        CloseHandle(thread);
        return true;
    }();
    static_cast<void>(started);
}

std::string stopJson; // set before the handler is installed

BOOL WINAPI EndRunAtOnce(DWORD) {
    DWORD written = 0;
    if (!stopJson.empty()) {
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), stopJson.data(), static_cast<DWORD>(stopJson.size()), &written,
                  nullptr);
    }
    const char message[] = "Error: Interrupted.\n";
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), message, sizeof message - 1, &written, nullptr);
    ExitProcess(kExitInterrupted);
}

} // namespace

void StopRequest::EndRunOnStopSignals(bool json) {
    if (json) {
        stopJson = ErrorJson("Interrupted.");
    }
    // A later StopRequest's handler is asked first, so this one acts only outside them.
    SetConsoleCtrlHandler(EndRunAtOnce, TRUE);
}

void StopRequest::BlockStopSignals() {
    // Nothing is blocked on Windows; taking Ctrl-C early keeps it from ending the process
    // before the watcher exists.
    static const bool installed = SetConsoleCtrlHandler(OnConsoleControl, TRUE) != 0;
    static_cast<void>(installed);
}

StopRequest::StopRequest(bool watchStandardInput, std::function<void()> wake) : wake_(std::move(wake)) {
    BlockStopSignals();
    StopEvents& events = Events();
    ResetEvent(events.ownerDone);
    if (watchStandardInput) {
        ResetEvent(events.inputLine);
        StartInputReader();
    }
    watcher_ = std::thread([this, watchStandardInput] { Watch(watchStandardInput); });
}

StopRequest::~StopRequest() {
    SetEvent(Events().ownerDone);
    watcher_.join();
}

void StopRequest::Watch(bool watchStandardInput) {
    StopEvents& events = Events();
    const HANDLE handles[4] = {events.ownerDone, events.control, events.inputLine, events.inputEnded};
    const DWORD count = watchStandardInput ? 4 : 2;
    const DWORD woken = WaitForMultipleObjects(count, handles, FALSE, INFINITE);
    if (woken == WAIT_OBJECT_0) {
        return;
    }
    if (woken == WAIT_OBJECT_0 + 1) {
        // Ctrl-C and Ctrl-Break as the interrupt, the closing console as a hang-up, as the
        // POSIX side reports its signals.
        const int type = events.controlType.load();
        signal_.store(type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT ? 2 : 1);
    }
    requested_.store(true);
    wake_();
    WaitForSingleObject(events.ownerDone, INFINITE);
}

} // namespace zeft::cli
