#!/usr/bin/env bash
# Brings translations/pellar_en.ts up to date with the texts in the sources of all three
# programs: new texts are added, texts no longer in the sources are dropped. A translator
# starts from a copy named for the language (pellar_de.ts, ...), which this script then keeps
# up to date the same way. Run it after adding or changing a text; the test
# translations.complete fails while a text is missing from the catalogue.
#   scripts/translations.sh [catalogue.ts ...]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || true)
[ -x /usr/lib/qt6/bin/lupdate ] && lupdate=/usr/lib/qt6/bin/lupdate
if [ -z "$lupdate" ]; then
    echo "lupdate not found (Debian: qt6-l10n-tools)" >&2
    exit 1
fi
catalogues=("$@")
if [ ${#catalogues[@]} -eq 0 ]; then
    catalogues=(translations/pellar_*.ts)
    [ -e "${catalogues[0]}" ] || catalogues=(translations/pellar_en.ts)
fi
for catalogue in "${catalogues[@]}"; do
    language=$(basename "$catalogue" .ts)
    language=${language#pellar_}
    # No source locations: the catalogue changes only when a text does.
    "$lupdate" -silent -I . -locations none -no-obsolete -source-language en \
        -target-language "$language" -extensions cpp,h \
        common expenses deposits invoicing -ts "$catalogue"
done
