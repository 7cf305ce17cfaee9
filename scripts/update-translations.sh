#!/usr/bin/env bash
# Brings the translations (translations/zeft_*.ts) up to date with the sources: new texts
# come in unfinished, texts gone from the sources are marked vanished. Then translate the
# unfinished entries (Qt Linguist, or any editor: fill <translation> and drop its
# type="unfinished") and delete the vanished ones; the build's translations.Complete test
# fails until none is left.
#   scripts/update-translations.sh              updates every translations/zeft_*.ts
#   scripts/update-translations.sh FILE.ts...   updates those (the test runs it on copies)
# A new language: scripts/update-translations.sh translations/zeft_<code>.ts creates it;
# then add the code to translations/CMakeLists.txt and ui/Translations.h.
# Needs lupdate (Debian: qt6-l10n-tools; scripts/install-deps.sh run).
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate="${LUPDATE:-}"
if [ -z "$lupdate" ]; then
    for candidate in /usr/lib/qt6/bin/lupdate lupdate-qt6 lupdate; do
        if command -v "$candidate" >/dev/null 2>&1; then
            lupdate="$candidate"
            break
        fi
    done
fi
if [ -z "$lupdate" ]; then
    echo "update-translations.sh: lupdate not found (apt-get install qt6-l10n-tools)" >&2
    exit 2
fi

if [ "$#" -eq 0 ]; then
    set -- translations/zeft_*.ts
fi

# The window program's sources. zeftctl (cli/) stays English. The core's texts are
# marked with ZEFT_TEXT and translated patterns with TranslatedText (main/TextTranslation.h).
# No line numbers in the files, so that edits elsewhere do not touch them.
"$lupdate" -silent -locations none -extensions cpp,h -I . \
    -tr-function-alias QT_TRANSLATE_NOOP+=ZEFT_TEXT,translate+=TranslatedText \
    app base calc main seams serial ui -ts "$@"
