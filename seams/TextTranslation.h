#pragma once

#include <atomic>
#include <initializer_list>
#include <string>
#include <string_view>

// The core's texts that the windows show are English and stay so in the core; the
// windows translate them. Two ways, both found by lupdate (scripts/update-translations.sh):
//
// ZEFT_TEXT(context, text) marks a fixed text and is just that text. The window that
// shows it translates the whole text by its context (ui/Translations.h, CoreText).
//
// zeft::TranslatedText(context, text) translates a pattern before numbers or names are
// put into it, through the translator the window program installs; without one (zeftctl,
// the core tests) it is the English text.
#define ZEFT_TEXT(context, text) text

namespace zeft {

// Returns the translation of text in context, the text itself when it has none. Installed
// once at start-up, before any thread is started; called from any thread.
using TextTranslator = std::string (*)(const char* context, const char* text);

inline std::atomic<TextTranslator>& InstalledTextTranslator() {
    static std::atomic<TextTranslator> translator{nullptr};
    return translator;
}

inline void SetTextTranslator(TextTranslator translator) {
    InstalledTextTranslator().store(translator);
}

inline std::string TranslatedText(const char* context, const char* text) {
    const TextTranslator translator = InstalledTextTranslator().load();
    return translator != nullptr ? translator(context, text) : std::string(text);
}

// The pattern with %1 to %9 replaced by the arguments, as QString::arg does, so that a
// translation may put them in another order. A placeholder without an argument stays.
inline std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t index = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : 9;
        if (pattern[i] == '%' && index < args.size()) {
            filled.append(*(args.begin() + index));
            ++i;
        } else {
            filled.push_back(pattern[i]);
        }
    }
    return filled;
}

} // namespace zeft
