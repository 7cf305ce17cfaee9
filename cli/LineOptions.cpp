#include "cli/LineOptions.h"

#include "serial/LineSettingNames.h"

namespace zeft::cli {

std::vector<std::string> ParityWords() {
    std::vector<std::string> words;
    for (const ParityName& name : kParityNames) {
        words.emplace_back(name.word);
    }
    return words;
}

std::vector<std::string> StopBitsWords() {
    std::vector<std::string> words;
    for (const StopBitsName& name : kStopBitsNames) {
        words.emplace_back(name.text);
    }
    return words;
}

} // namespace zeft::cli
