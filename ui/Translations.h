#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <string>

namespace zeft::ui {

// A language the windows speak, with its name in itself (Help > Language).
struct WindowLanguage {
    const char* code;
    const char* name;
};
inline constexpr WindowLanguage kWindowLanguages[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Fran\u00e7ais"}, {"nl", "Nederlands"}};

// The language the windows speak: the chosen code when it is one of ours; with none
// chosen, the first of the system's languages (QLocale::uiLanguages: "de-DE", "fr") that
// is ours; else English.
QString WindowLanguageFor(const QString& chosen, const QStringList& systemLanguages);

// The program's translation (zeft_<code>.qm from folder) and Qt's own for its dialogs and
// buttons (qtbase_<code>.qm, from folder or else Qt's), installed into the application
// while this lives. Also translates the core's texts (main/TextTranslation.h).
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Replaces what was installed; English installs nothing. False when the program's
    // translation of that language was not found (the windows stay English).
    bool Install(const QString& language, const QString& folder);
    const QString& Language() const { return language_; }

    // The text in context as the translation of language in folder has it, without
    // installing it (the "next start" notice speaks the chosen language).
    static QString TranslateFor(const QString& language, const QString& folder, const char* context, const char* text);

private:
    void Remove();

    QTranslator program_;
    QTranslator qt_;
    bool programInstalled_ = false;
    bool qtInstalled_ = false;
    QString language_ = QStringLiteral("en");
};

// Where the program's translations are: translations/ beside the pictures and the help
// (base/DataLocations.h).
QString TranslationsFolder();

// A fixed core text (ZEFT_TEXT(context, text)) in the window's language; texts that have
// no translation, such as the sender's own, come back as they are.
QString CoreText(const char* context, const std::string& text);

} // namespace zeft::ui
