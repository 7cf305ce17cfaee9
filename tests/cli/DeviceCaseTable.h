#pragma once

#include <string>
#include <vector>

namespace zeft::cli::testing {

// One line of tests/cli/device-cases.txt, the device cases that the Linux tests and the
// Windows build under Wine both run; that file says what each field means.
struct DeviceCase {
    std::string name;
    std::string faults;
    std::vector<std::string> arguments;
    int exitCode = 0;
    std::string outputBegins;
    std::string errorHas;
    std::string savedFile;
    std::string interruptAfter;
    std::string problem; // why the line could not be read; the case fails with it
};

// The cases of the table, in its order. A file that cannot be read gives one case with
// its problem, so that the test fails rather than running nothing.
std::vector<DeviceCase> ReadDeviceCases(const std::string& path);

} // namespace zeft::cli::testing
