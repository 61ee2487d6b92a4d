#!/usr/bin/env bash
# Every text of the sources is in the English catalogue: lupdate run over a copy of it must
# find nothing new. Fails with the texts that are missing (scripts/translations.sh adds them).
#   tests/translations.sh <lupdate> <source folder>
set -euo pipefail
lupdate=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$source/translations/pellar_en.ts" "$scratch/before.ts"
cp "$scratch/before.ts" "$scratch/after.ts"
cd "$source"
"$lupdate" -I . -locations none -no-obsolete -source-language en -target-language en \
    -extensions cpp,h common expenses deposits invoicing -ts "$scratch/after.ts" \
    >"$scratch/log" 2>&1 || { cat "$scratch/log"; exit 1; }
# lupdate's warnings (a tr() it cannot read, a class without its context) are faults too.
if grep -qi 'warning\|error' "$scratch/log"; then
    grep -i 'warning\|error' "$scratch/log"
    exit 1
fi
# A sentence left as a plain literal in the forms' code is a text lupdate cannot see. File
# names are not texts, and a literal under a comment that says "untranslated" stays as it is.
untranslated=$(for folder in common/ui expenses/ui deposits/ui invoicing/ui; do
    for file in "$folder"/*.cpp; do
        awk -v file="$file" '
            /untranslated/ { marked = NR }
            /QStringLiteral\("[A-Z][a-z]*[ ,.!?:][^"]*"\)/ && !/\.[a-z]+"\)/ && NR - marked > 2 {
                print file ":" FNR ": " $0
            }' "$file"
    done
done)
if [ -n "$untranslated" ]; then
    echo "texts the forms show without tr():"
    echo "$untranslated"
    exit 1
fi
if ! cmp -s "$scratch/before.ts" "$scratch/after.ts"; then
    echo "texts missing from translations/pellar_en.ts (run scripts/translations.sh):"
    diff "$scratch/before.ts" "$scratch/after.ts" | grep '^> *<source>' | sed 's/^> *//' || true
    exit 1
fi
