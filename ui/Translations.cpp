#include "ui/Translations.h"

#include "base/DataLocations.h"
#include "seams/TextTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zeft::ui {

namespace {

std::string TranslateCoreText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

bool IsOurs(const QString& code) {
    for (const WindowLanguage& language : kWindowLanguages) {
        if (code == QLatin1String(language.code)) {
            return true;
        }
    }
    return false;
}

QString ProgramFile(const QString& language) {
    return QStringLiteral("zeft_") + language;
}

} // namespace

QString WindowLanguageFor(const QString& chosen, const QStringList& systemLanguages) {
    if (IsOurs(chosen)) {
        return chosen;
    }
    for (const QString& system : systemLanguages) {
        // "de-DE", "de_AT", "nl": the language is what comes before the country.
        const QString code = system.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (IsOurs(code)) {
            return code;
        }
    }
    return QStringLiteral("en");
}

Translations::Translations() {
    SetTextTranslator(TranslateCoreText);
}

Translations::~Translations() {
    SetTextTranslator(nullptr);
    Remove();
}

void Translations::Remove() {
    if (programInstalled_) {
        QCoreApplication::removeTranslator(&program_);
    }
    if (qtInstalled_) {
        QCoreApplication::removeTranslator(&qt_);
    }
    programInstalled_ = qtInstalled_ = false;
    language_ = QStringLiteral("en");
}

bool Translations::Install(const QString& language, const QString& folder) {
    Remove();
    if (language == QLatin1String("en") || !IsOurs(language)) {
        return language == QLatin1String("en");
    }
    // Qt's own texts may be missing on the host; the program's own still count.
    const QString qtFile = QStringLiteral("qtbase_") + language;
    if (qt_.load(qtFile, folder) || qt_.load(qtFile, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qtInstalled_ = QCoreApplication::installTranslator(&qt_);
    }
    if (!program_.load(ProgramFile(language), folder)) {
        return false;
    }
    programInstalled_ = QCoreApplication::installTranslator(&program_);
    language_ = language;
    return programInstalled_;
}

QString Translations::TranslateFor(const QString& language, const QString& folder, const char* context,
                                   const char* text) {
    QTranslator translator;
    if (language != QLatin1String("en") && translator.load(ProgramFile(language), folder)) {
        const QString translated = translator.translate(context, text);
        if (!translated.isEmpty()) {
            return translated;
        }
    }
    return QString::fromUtf8(text);
}

QString TranslationsFolder() {
    return QString::fromStdString(DataLocations::ForThisProgram().Folder("translations").string());
}

QString CoreText(const char* context, const std::string& text) {
    return QCoreApplication::translate(context, text.c_str());
}

} // namespace zeft::ui
