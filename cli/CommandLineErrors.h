#pragma once

#include <string>

namespace zeft::cli {

// An option written "--name=" with nothing after the "=": CLI11 would take the next
// argument as its value, so "--x= --h=1000" would set X to "--h=1000". Throws
// CLI::ValidationError naming the option instead.
void RefuseEmptyValues(int argc, const char* const* argv);

// Whether the arguments ask for JSON output, so that an option error is given as one
// JSON object too.
bool AsksForJson(int argc, const char* const* argv);

// {"error":"TEXT"}: the object every command prints under --json when it ends in an error
// before it has anything else to report.
std::string ErrorJson(const std::string& message);

} // namespace zeft::cli
