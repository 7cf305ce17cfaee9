#include "tests/cli/DeviceCaseTable.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace zeft::cli::testing {
namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string WithLineEnds(std::string text) {
    for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1)) {
        text.replace(at, 2, "\n");
    }
    return text;
}

DeviceCase ReadLine(const std::string& line, int number) {
    std::vector<std::string> fields;
    std::istringstream input(line);
    for (std::string field; std::getline(input, field, '|');) {
        fields.push_back(Trimmed(field));
    }
    // A line ending in "|" has an empty last field that getline does not return.
    if (!line.empty() && line.back() == '|') {
        fields.emplace_back();
    }
    DeviceCase c;
    c.name = "Line" + std::to_string(number);
    if (fields.size() != 8) {
        c.problem = "line " + std::to_string(number) + " has " + std::to_string(fields.size()) + " fields, not 8";
        return c;
    }
    c.name = fields[0];
    c.faults = fields[1];
    std::istringstream words(fields[2]);
    for (std::string word; words >> word;) {
        c.arguments.push_back(word);
    }
    const std::string& exit = fields[3];
    if (std::from_chars(exit.data(), exit.data() + exit.size(), c.exitCode).ptr != exit.data() + exit.size() ||
        exit.empty()) {
        c.problem = "line " + std::to_string(number) + ": the exit status \"" + exit + "\" is not a number";
    }
    c.outputBegins = WithLineEnds(fields[4]);
    c.errorHas = fields[5];
    c.savedFile = fields[6];
    c.interruptAfter = fields[7];
    return c;
}

} // namespace

std::vector<DeviceCase> ReadDeviceCases(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        DeviceCase unreadable;
        unreadable.name = "Unreadable";
        unreadable.problem = "cannot read " + path;
        return {unreadable};
    }
    std::vector<DeviceCase> cases;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (Trimmed(line).empty() || line.front() == '#') {
            continue;
        }
        cases.push_back(ReadLine(line, number));
    }
    return cases;
}

} // namespace zeft::cli::testing
