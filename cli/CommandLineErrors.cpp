#include "cli/CommandLineErrors.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <string_view>

namespace zeft::cli {

void RefuseEmptyValues(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") {
            return;
        }
        if (argument.size() > 3 && argument.substr(0, 2) == "--" && argument.find('=') == argument.size() - 1) {
            const std::string option(argument.substr(0, argument.size() - 1));
            throw CLI::ValidationError(option, "the value after \"=\" is empty");
        }
    }
}

bool AsksForJson(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--json") {
            return true;
        }
    }
    return false;
}

std::string ErrorJson(const std::string& message) {
    nlohmann::ordered_json result;
    result["error"] = message;
    // A message may quote an argument that is not UTF-8.
    return result.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

} // namespace zeft::cli
