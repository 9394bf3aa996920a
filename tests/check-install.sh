#!/bin/sh
# Installs into a temporary prefix as a user would (--prefix ~/.local), then checks that the
# installed program starts and that a window built in the installed folder lists the shipped
# engines.
# Usage: check-install.sh <build dir> <install_probe> <shipped engines dir> <scratch dir>
set -eu
build=$1 probe=$2 shipped=$3 scratch=$4
prefix="$scratch/prefix"
rm -rf "$prefix" "$scratch/config"
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log"
folder="$prefix/lib/vellumo"
for f in vellumo vellumo-check velm_de.qm img/unknown.png; do
    [ -e "$folder/$f" ] || { echo "missing after install: $folder/$f"; exit 1; }
done
[ -f "$prefix/share/applications/vellumo.desktop" ] || { echo "no menu entry"; exit 1; }
grep -qx "Exec=$folder/vellumo" "$prefix/share/applications/vellumo.desktop" \
    || { echo "the menu entry does not start the installed program"; exit 1; }
[ -f "$prefix/share/icons/hicolor/32x32/apps/vellumo.png" ] || { echo "no icon"; exit 1; }

# The installed program starts and keeps running until it is stopped.
export XDG_CONFIG_HOME="$scratch/config"
# The ad sheet is user data: it stays in the scratch folder too.
export XDG_DATA_HOME="$scratch/data"
status=0
timeout 3 "$folder/vellumo" 2>"$scratch/vellumo.log" || status=$?
if [ "$status" -ne 124 ]; then
    echo "the installed program ended early (status $status):"
    cat "$scratch/vellumo.log"
    exit 1
fi

# A main window built in the installed folder lists the shipped engines, in order.
cp "$probe" "$folder/install_probe"
listed=$("$folder/install_probe" 2>/dev/null)
rm "$folder/install_probe"
expected=$(cd "$shipped" && for f in *.xml; do
    printf '%s\t%s\n' "$(sed -n 's/.*<listPosition value="\(-*[0-9]*\)".*/\1/p' "$f")" "${f%.xml}"
done | sort -n | cut -f 2)
if [ "$listed" != "$expected" ]; then
    echo "listed:"; echo "$listed"; echo "expected:"; echo "$expected"
    exit 1
fi
# The installed checker finds the installed engines without a display.
# No ad fits Google's three titles at least and Yandex's two at most: status 1 (an ad does not
# fit) is an answer, 2 a failure.
printf 'Title,Text,URL\nBread,Fresh,example.com\n' >"$scratch/deck.csv"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$folder/vellumo-check" "$scratch/deck.csv" \
    >"$scratch/check.log" 2>&1 || status=$?
[ "$status" -le 1 ] || { echo "the installed checker failed:"; cat "$scratch/check.log"; exit 1; }
grep -q "against $(echo "$expected" | wc -l) engines" "$scratch/check.log" \
    || { echo "the installed checker did not use the installed engines:"; cat "$scratch/check.log"; exit 1; }
# A second install keeps the engines the user has.
echo changed >"$folder/files/mine.xml"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -f "$folder/files/mine.xml" ] || { echo "a reinstall lost an engine"; exit 1; }
echo "installed, started, and listed: $(echo "$listed" | tr '\n' ',')"
