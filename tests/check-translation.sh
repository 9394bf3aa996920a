#!/bin/sh
# Fails when the German translation lacks a text of the program.
# Usage: check-translation.sh <lupdate> <source dir> <scratch dir>
set -eu
lupdate=$1 source=$2 scratch=$3
rm -rf "$scratch" && mkdir -p "$scratch"
cp "$source/translations/velm_de.ts" "$scratch/velm_de.ts"
cd "$source"
"$lupdate" -no-obsolete -locations none app engines ads ui programs -ts "$scratch/velm_de.ts" \
    >"$scratch/lupdate.log" 2>&1
cat "$scratch/lupdate.log"
if grep -q 'type="unfinished"' "$scratch/velm_de.ts"; then
    echo "Texts without a German translation:"
    grep -B 2 'type="unfinished"' "$scratch/velm_de.ts" | grep '<source>'
    exit 1
fi
echo "every text has its German translation"
