#include "cli/WholeNumberOption.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <limits>
#include <string>

namespace zeft::cli {
namespace {

// Thrown from the check: CLI11 would put "NAME: " before a ValidationError's text, and the
// text already names the option.
class OptionValueError : public CLI::ParseError {
public:
    explicit OptionValueError(std::string message)
        : CLI::ParseError("OptionValueError", std::move(message), CLI::ExitCodes::ValidationError) {}
};

} // namespace

void TakeWholeNumber(CLI::Option& option, std::uint64_t least, std::uint64_t most) {
    const std::string name = option.get_name();
    // A limit of the type (a count, a baud rate) is no limit a user needs to be told.
    const bool typeLimit = most >= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    const std::string wanted = name + " takes a whole number " +
                               (typeLimit ? "of at least " + std::to_string(least)
                                          : "from " + std::to_string(least) + " to " + std::to_string(most));
    option.check(CLI::Validator(
        [wanted, least, most, typeLimit](std::string& text) -> std::string {
            std::uint64_t value = 0;
            const char* end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data(), end, value);
            if (text.empty() || stop != end || error == std::errc::invalid_argument) {
                throw OptionValueError(wanted);
            }
            if (error == std::errc::result_out_of_range || value > most) {
                throw OptionValueError(wanted + (typeLimit ? "; " + text + " is too large" : ""));
            }
            if (value < least) {
                throw OptionValueError(wanted);
            }
            return {};
        },
        typeLimit ? "at least " + std::to_string(least)
                  : "in [" + std::to_string(least) + " - " + std::to_string(most) + "]"));
}

} // namespace zeft::cli
