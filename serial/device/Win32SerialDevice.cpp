#include "serial/device/Win32SerialDevice.h"

#include "serial/device/SerialDeviceName.h"

namespace zeft {

namespace {

HANDLE MakeEvent(std::uint32_t& error) {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (event == nullptr && error == 0) {
        error = GetLastError();
    }
    return event;
}

void ResetRecord(OVERLAPPED& record) {
    HANDLE event = record.hEvent;
    record = OVERLAPPED{};
    record.hEvent = event;
}

} // namespace

Win32SerialDevice::Win32SerialDevice() {
    write_.hEvent = MakeEvent(eventError_);
    read_.hEvent = MakeEvent(eventError_);
    wait_.hEvent = MakeEvent(eventError_);
}

Win32SerialDevice::~Win32SerialDevice() {
    Close();
    for (HANDLE event : {write_.hEvent, read_.hEvent, wait_.hEvent}) {
        if (event != nullptr) {
            CloseHandle(event);
        }
    }
}

std::uint32_t Win32SerialDevice::Result(BOOL ok) const {
    return ok ? kDeviceOk : GetLastError();
}

// Done at once (count set), pending, or failed.
std::uint32_t Win32SerialDevice::Overlapped(BOOL ok, OVERLAPPED& record, std::uint32_t& count) const {
    if (ok) {
        // On an overlapped handle the count that the call itself gives may be wrong (Wine
        // leaves it 0); the record has the real one.
        DWORD done = 0;
        GetOverlappedResult(handle_, &record, &done, FALSE);
        count = done;
        return kDeviceOk;
    }
    return GetLastError();
}

std::uint32_t Win32SerialDevice::Open(const std::string& portName) {
    std::lock_guard lock(mutex_);
    if (eventError_ != 0) {
        return eventError_;
    }
    const std::string name = Win32DeviceName(portName);
    handle_ = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                          nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        return GetLastError();
    }
    // A file or another device opens as well; only a port has a line state to read.
    DCB probe{};
    probe.DCBlength = sizeof(DCB);
    if (GetFileType(handle_) != FILE_TYPE_CHAR || !GetCommState(handle_, &probe)) {
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        notAPortName_ = portName;
        return kNotASerialPort;
    }
    return kDeviceOk;
}

std::uint32_t Win32SerialDevice::Close() {
    std::lock_guard lock(mutex_);
    if (handle_ == INVALID_HANDLE_VALUE) {
        return ERROR_INVALID_HANDLE;
    }
    // Outstanding I/O ends before the handle goes: until then the system may still write
    // into the records and into the worker's read buffer.
    CancelIoEx(handle_, nullptr);
    for (OVERLAPPED* record : {&write_, &read_, &wait_}) {
        AwaitRecord(*record);
    }
    const std::uint32_t code = Result(CloseHandle(handle_));
    handle_ = INVALID_HANDLE_VALUE;
    return code;
}

void Win32SerialDevice::AwaitRecord(OVERLAPPED& record) const {
    // The record and the buffer behind it belong to the system until its request has
    // completed, however long a driver takes to finish a cancelled one: wait for that.
    if (HasOverlappedIoCompleted(&record)) {
        return;
    }
    // The event may have been set by hand; cleared, it is set again only by the completion
    // (which the wait below checks for first, so one that came meanwhile is not missed).
    ResetEvent(record.hEvent);
    DWORD done = 0;
    GetOverlappedResult(handle_, &record, &done, TRUE);
}

std::uint32_t Win32SerialDevice::TakeBack(OVERLAPPED& record, std::uint32_t& count) {
    if (!HasOverlappedIoCompleted(&record) && handle_ != INVALID_HANDLE_VALUE) {
        // Ended by hand while the system still holds the request: cancel it and let it finish.
        CancelIoEx(handle_, &record);
        AwaitRecord(record);
    }
    // Only the record is asked: after a close it still holds how its request ended.
    DWORD done = 0;
    const BOOL ok = GetOverlappedResult(handle_, &record, &done, FALSE);
    count = done;
    return Result(ok);
}

std::uint32_t Win32SerialDevice::NativeHandle() const {
    std::lock_guard lock(mutex_);
    if (handle_ == INVALID_HANDLE_VALUE) {
        return kNoDeviceHandle;
    }
    // Kernel handles fit in 32 bits.
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle_));
}

std::string Win32SerialDevice::ErrorText(std::uint32_t code) const {
    char buffer[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        buffer, sizeof(buffer), nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    if (code == ERROR_ACCESS_DENIED) {
        text += " (the port is in use by another program)";
    } else if (code == ERROR_FILE_NOT_FOUND) {
        text += " (no such port; is the adapter plugged in?)";
    } else if (code == kNotASerialPort) {
        text += " (" + notAPortName_ + " is not a serial port)";
    }
    return text;
}

std::uint32_t Win32SerialDevice::SetQueueSizes(std::uint32_t rxSize, std::uint32_t txSize) {
    std::lock_guard lock(mutex_);
    return Result(SetupComm(handle_, rxSize, txSize));
}

std::uint32_t Win32SerialDevice::GetLineSettings(SerialLineSettings& settings) {
    std::lock_guard lock(mutex_);
    dcb_ = DCB{};
    dcb_.DCBlength = sizeof(DCB);
    if (!GetCommState(handle_, &dcb_)) {
        return GetLastError();
    }
    settings.BaudRate = dcb_.BaudRate;
    settings.Flags = dcb_.fBinary | (dcb_.fParity << 1) | (dcb_.fOutxCtsFlow << 2) | (dcb_.fOutxDsrFlow << 3) |
                     (dcb_.fDtrControl << 4) | (dcb_.fDsrSensitivity << 6) | (dcb_.fTXContinueOnXoff << 7) |
                     (dcb_.fOutX << 8) | (dcb_.fInX << 9) | (dcb_.fErrorChar << 10) | (dcb_.fNull << 11) |
                     (dcb_.fRtsControl << 12) | (dcb_.fAbortOnError << 14);
    settings.XonLim = dcb_.XonLim;
    settings.XoffLim = dcb_.XoffLim;
    settings.ByteSize = dcb_.ByteSize;
    settings.Parity = dcb_.Parity;
    settings.StopBits = dcb_.StopBits;
    settings.XonChar = dcb_.XonChar;
    settings.XoffChar = dcb_.XoffChar;
    settings.ErrorChar = dcb_.ErrorChar;
    settings.EofChar = dcb_.EofChar;
    settings.EvtChar = dcb_.EvtChar;
    return kDeviceOk;
}

std::uint32_t Win32SerialDevice::SetLineSettings(const SerialLineSettings& settings) {
    std::lock_guard lock(mutex_);
    // The length field and the reserved words keep what was read.
    DCB dcb = dcb_;
    dcb.DCBlength = sizeof(DCB);
    const std::uint32_t flags = settings.Flags;
    dcb.BaudRate = settings.BaudRate;
    dcb.fBinary = flags & 1;
    dcb.fParity = (flags >> 1) & 1;
    dcb.fOutxCtsFlow = (flags >> 2) & 1;
    dcb.fOutxDsrFlow = (flags >> 3) & 1;
    dcb.fDtrControl = (flags >> 4) & 3;
    dcb.fDsrSensitivity = (flags >> 6) & 1;
    dcb.fTXContinueOnXoff = (flags >> 7) & 1;
    dcb.fOutX = (flags >> 8) & 1;
    dcb.fInX = (flags >> 9) & 1;
    dcb.fErrorChar = (flags >> 10) & 1;
    dcb.fNull = (flags >> 11) & 1;
    dcb.fRtsControl = (flags >> 12) & 3;
    dcb.fAbortOnError = (flags >> 14) & 1;
    dcb.fDummy2 = 0;
    dcb.XonLim = settings.XonLim;
    dcb.XoffLim = settings.XoffLim;
    dcb.ByteSize = settings.ByteSize;
    dcb.Parity = settings.Parity;
    dcb.StopBits = settings.StopBits;
    dcb.XonChar = settings.XonChar;
    dcb.XoffChar = settings.XoffChar;
    dcb.ErrorChar = settings.ErrorChar;
    dcb.EofChar = settings.EofChar;
    dcb.EvtChar = settings.EvtChar;
    return Result(SetCommState(handle_, &dcb));
}

std::uint32_t Win32SerialDevice::GetTimeouts(SerialTimeouts& timeouts) {
    std::lock_guard lock(mutex_);
    COMMTIMEOUTS native{};
    if (!GetCommTimeouts(handle_, &native)) {
        return GetLastError();
    }
    timeouts = {native.ReadIntervalTimeout, native.ReadTotalTimeoutMultiplier, native.ReadTotalTimeoutConstant,
                native.WriteTotalTimeoutMultiplier, native.WriteTotalTimeoutConstant};
    return kDeviceOk;
}

std::uint32_t Win32SerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    std::lock_guard lock(mutex_);
    COMMTIMEOUTS native{timeouts.ReadIntervalTimeout, timeouts.ReadTotalTimeoutMultiplier,
                        timeouts.ReadTotalTimeoutConstant, timeouts.WriteTotalTimeoutMultiplier,
                        timeouts.WriteTotalTimeoutConstant};
    return Result(SetCommTimeouts(handle_, &native));
}

std::uint32_t Win32SerialDevice::SetEventMask(std::uint32_t mask) {
    std::lock_guard lock(mutex_);
    return Result(SetCommMask(handle_, mask));
}
std::uint32_t Win32SerialDevice::Purge(std::uint32_t flags) {
    std::lock_guard lock(mutex_);
    return Result(PurgeComm(handle_, flags));
}

std::uint32_t Win32SerialDevice::SetLine(SerialLine line) {
    std::lock_guard lock(mutex_);
    DWORD function = SETRTS;
    switch (line) {
    case SerialLine::SetRts:
        function = SETRTS;
        break;
    case SerialLine::ClearRts:
        function = CLRRTS;
        break;
    case SerialLine::SetDtr:
        function = SETDTR;
        break;
    case SerialLine::ClearDtr:
        function = CLRDTR;
        break;
    }
    return Result(EscapeCommFunction(handle_, function));
}

std::uint32_t Win32SerialDevice::SetBreak(bool on) {
    std::lock_guard lock(mutex_);
    return Result(on ? SetCommBreak(handle_) : ClearCommBreak(handle_));
}

std::uint32_t Win32SerialDevice::StartWrite(const std::uint8_t* data, std::uint32_t count, std::uint32_t& written) {
    std::lock_guard lock(mutex_);
    ResetRecord(write_);
    return Overlapped(WriteFile(handle_, data, count, nullptr, &write_), write_, written);
}

std::uint32_t Win32SerialDevice::WriteResult(std::uint32_t& transferred) {
    std::lock_guard lock(mutex_);
    DWORD done = 0;
    const BOOL ok = GetOverlappedResult(handle_, &write_, &done, FALSE);
    transferred = done;
    return Result(ok);
}

std::uint32_t Win32SerialDevice::ResetWriteCompletion() {
    return Result(ResetEvent(write_.hEvent));
}

std::uint32_t Win32SerialDevice::GetModemStatus(std::uint32_t& status) {
    std::lock_guard lock(mutex_);
    DWORD bits = 0;
    const BOOL ok = GetCommModemStatus(handle_, &bits);
    status = bits;
    return Result(ok);
}

std::uint32_t Win32SerialDevice::ClearError(SerialDeviceStatus& status) {
    std::lock_guard lock(mutex_);
    DWORD errors = 0;
    COMSTAT stat{};
    if (!ClearCommError(handle_, &errors, &stat)) {
        return GetLastError();
    }
    status.Errors = errors;
    status.HoldFlags =
        static_cast<std::uint8_t>(stat.fCtsHold | (stat.fDsrHold << 1) | (stat.fRlsdHold << 2) | (stat.fXoffHold << 3) |
                                  (stat.fXoffSent << 4) | (stat.fEof << 5) | (stat.fTxim << 6));
    status.InQueue = stat.cbInQue;
    status.OutQueue = stat.cbOutQue;
    return kDeviceOk;
}

std::uint32_t Win32SerialDevice::StartRead(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& read) {
    std::lock_guard lock(mutex_);
    ResetRecord(read_);
    return Overlapped(ReadFile(handle_, buffer, count, nullptr, &read_), read_, read);
}

std::uint32_t Win32SerialDevice::ReadResult(std::uint32_t& transferred) {
    std::lock_guard lock(mutex_);
    return TakeBack(read_, transferred);
}

std::uint32_t Win32SerialDevice::StartWaitEvent(std::uint32_t& mask) {
    std::lock_guard lock(mutex_);
    ResetRecord(wait_);
    waitMask_ = 0;
    if (!WaitCommEvent(handle_, &waitMask_, &wait_)) {
        return GetLastError();
    }
    mask = waitMask_;
    return kDeviceOk;
}

std::uint32_t Win32SerialDevice::EventResult(std::uint32_t& mask) {
    std::lock_guard lock(mutex_);
    std::uint32_t count = 0;
    const std::uint32_t code = TakeBack(wait_, count);
    // The mask is the system's only once the wait has really ended with an event.
    mask = code == kDeviceOk ? waitMask_ : 0;
    return code;
}

std::uint32_t Win32SerialDevice::SignalReadCompletion() {
    return Result(SetEvent(read_.hEvent));
}
std::uint32_t Win32SerialDevice::SignalEventCompletion() {
    return Result(SetEvent(wait_.hEvent));
}

SerialWaitOutcome Win32SerialDevice::WaitForCompletion(bool read, bool event, std::uint32_t timeoutMs) {
    DWORD result = WAIT_FAILED;
    if (read && event) {
        const HANDLE events[2] = {read_.hEvent, wait_.hEvent}; // the read's first
        result = WaitForMultipleObjects(2, events, FALSE, timeoutMs);
        if (result == WAIT_OBJECT_0) {
            return {SerialWaitResult::ReadDone, 0};
        }
        if (result == WAIT_OBJECT_0 + 1) {
            return {SerialWaitResult::EventDone, 0};
        }
    } else if (read || event) {
        result = WaitForSingleObject(read ? read_.hEvent : wait_.hEvent, timeoutMs);
        if (result == WAIT_OBJECT_0) {
            return {read ? SerialWaitResult::ReadDone : SerialWaitResult::EventDone, 0};
        }
    }
    if (result == WAIT_TIMEOUT) {
        return {SerialWaitResult::TimedOut, 0};
    }
    return {SerialWaitResult::Failed, static_cast<std::uint32_t>(result)};
}

std::uint32_t Win32SerialDevice::TickCount() const {
    return GetTickCount();
}

} // namespace zeft
