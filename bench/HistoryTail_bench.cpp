// The last records of a long job history: 100,000 records (some 45 MB), of which
// "zeftctl history --last 10" must show the last ten in well under a second. The reader
// reads the file's end only; the whole-file read is measured beside it for scale.
#include "main/HistoryFile.h"
#include "main/HistoryReader.h"
#include "main/HistoryRecord.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRecords = 100'000;

double Milliseconds(Clock::duration took) {
    return std::chrono::duration<double, std::milli>(took).count();
}

template <typename Work> double MedianMs(int runs, Work work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        work();
        times.push_back(Milliseconds(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    const fs::path folder = fs::temp_directory_path() / ("zeft-history-bench-" + std::to_string(std::rand()));
    fs::create_directories(folder);
    const fs::path file = folder / "history.jsonl";
    {
        std::ofstream out(file, std::ios::binary);
        for (int n = 0; n < kRecords; ++n) {
            zeft::HistoryRecord record;
            record.time = zeft::UtcTimeText(1'780'000'000'000 + 1000LL * n);
            record.operation = n % 2 ? zeft::DeviceOperation::Program : zeft::DeviceOperation::Read;
            record.port = n % 3 ? "/dev/ttyUSB0" : "/dev/ttyUSB1";
            record.adapter = "by-id:usb-FTDI_FT232R_USB_UART_A10K5J3X-if00-port0";
            record.outcome = "success";
            record.settings = zeft::RecordedSettings{1, 2, {"25", "800", "4", "15", "33", std::to_string(n % 100)}};
            if (n % 2) {
                record.sent = record.settings;
            }
            record.source = "zeftctl";
            record.version = "1.0.0.8";
            out << zeft::HistoryRecordJson(record) << '\n';
        }
    }
    const double megabytes = static_cast<double>(fs::file_size(file)) / 1e6;

    const double tail = MedianMs(21, [&] { zeft::ReadHistory(file, {std::nullopt, 10}); });
    const double tailOfPort = MedianMs(21, [&] { zeft::ReadHistory(file, {"/dev/ttyUSB1", 10}); });
    const double whole = MedianMs(3, [&] { zeft::ReadHistory(file); });
    std::printf("result: history of %d records (%.0f MB), the last 10, median of 21 | %.2f ms | well under 1000 ms\n",
                kRecords, megabytes, tail);
    std::printf("result: the same, the last 10 of one port | %.2f ms | well under 1000 ms\n", tailOfPort);
    std::printf("result: the same, every record (for scale), median of 3 | %.0f ms | \n", whole);

    // A crash's tail: one line of 40 MB of NUL bytes after a few records. Read once, in a
    // time that grows with the file's size only.
    const fs::path tailFile = folder / "nul-tail.jsonl";
    {
        std::ofstream out(tailFile, std::ios::binary);
        for (int n = 0; n < 10; ++n) {
            zeft::HistoryRecord record;
            record.time = zeft::UtcTimeText(1'780'000'000'000 + n);
            record.port = "/dev/ttyUSB0";
            record.outcome = "success";
            out << zeft::HistoryRecordJson(record) << '\n';
        }
        out << std::string(40'000'000, '\0');
    }
    const double nulTail = MedianMs(3, [&] { zeft::ReadHistory(tailFile, {std::nullopt, 10}); });
    const double nulTailWhole = MedianMs(3, [&] { zeft::ReadHistory(tailFile); });
    std::printf(
        "result: 10 records and a 40 MB line of NUL bytes, the last 10, median of 3 | %.0f ms | under 1000 ms\n",
        nulTail);
    std::printf("result: the same, every record, median of 3 | %.0f ms | under 1000 ms\n", nulTailWhole);

#ifdef ZEFTCTL_PATH
    // The whole command, as a script runs it: process start, the read, the printing.
    const std::string command = "ZEFT_HISTORY='" + file.string() + "' '" ZEFTCTL_PATH "' history --last 10 >/dev/null";
    const double zeftctl = MedianMs(11, [&] {
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "zeftctl history failed\n");
        }
    });
    std::printf("result: zeftctl history --last 10 over %d records, median of 11 | %.1f ms | under 1000 ms\n", kRecords,
                zeftctl);
#endif
    fs::remove_all(folder);
    return 0;
}
