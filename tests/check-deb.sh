#!/bin/sh
# Builds the Debian package with CPack from a finished build, checks its contents and metadata,
# unpacks it into a scratch root and starts the program there: it lists the shipped engines,
# and where the install folder is read-only the engines live in a scratch home, where a new
# engine is saved and listed, and the shipped profiles are neither duplicated nor overwritten.
# Usage: check-deb.sh <build dir> <install_probe> <shipped engines dir> <scratch dir>
#                     [other programs the package holds beside vellumo, blank-separated]
set -eu
build=$1 probe=$2 shipped=$3 scratch=$4 others=${5:-}
fail() { echo "$*"; exit 1; }

rm -rf "$scratch/pkg" "$scratch/root" "$scratch/home" "$scratch/nobody"
mkdir -p "$scratch/pkg" "$scratch/home"
(cd "$build" && cpack -G DEB -B "$scratch/pkg") >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack failed"; }
set -- "$scratch"/pkg/vellumo_0.2_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no single package vellumo_0.2_<arch>.deb in $scratch/pkg"
deb=$1

# Metadata: name and version, dependencies found from the shared libraries.
[ "$(dpkg-deb -f "$deb" Package)" = vellumo ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 0.2 ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6xml6 libqt6core6 libquazip1-qt6-1 libc6 qt6-qpa-plugins; do
    echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done

# Contents: the program in /usr/lib/vellumo with a link in /usr/bin, the shipped profiles with
# their folders, the translation, the menu entry, icons and AppStream metadata; nothing else.
dpkg-deb -c "$deb" | awk '{ for (i = 6; i <= NF; ++i) printf "%s%s", $i, (i < NF ? " " : "\n") }' \
    >"$scratch/contents"
expect() { grep -qxF "$1" "$scratch/contents" || fail "the package lacks $1"; }
lib=./usr/lib/vellumo
expect "$lib/vellumo"
expect "./usr/bin/vellumo -> ../lib/vellumo/vellumo"
expect "$lib/velm_de.qm"
expect "$lib/img/unknown.png"
expect ./usr/share/applications/vellumo.desktop
expect ./usr/share/metainfo/org.example.vellumo.metainfo.xml
expect ./usr/share/doc/vellumo/copyright
for size in 16x16/apps/vellumo.png 32x32/apps/vellumo.png scalable/apps/vellumo.svg; do
    expect "./usr/share/icons/hicolor/$size"
done
for program in $others; do
    expect "$lib/$program"
    expect "./usr/bin/$program -> ../lib/vellumo/$program"
done
shipped_count=0
for f in "$shipped"/*.xml; do
    name=$(basename "$f" .xml)
    expect "$lib/files/$name.xml"
    [ -d "$shipped/$name" ] && for s in "$shipped/$name"/*; do expect "$lib/files/$name/$(basename "$s")"; done
    shipped_count=$((shipped_count + 1))
done
stray=$(grep -v -e '^\./usr/$' -e '^\./usr/bin/' -e '^\./usr/lib/$' -e '^\./usr/lib/vellumo/' \
    -e '^\./usr/share/$' -e '^\./usr/share/applications/' -e '^\./usr/share/icons/' \
    -e '^\./usr/share/metainfo/' -e '^\./usr/share/doc/' "$scratch/contents" || true)
[ -z "$stray" ] || fail "unexpected in the package: $stray"
grep -q -e install_probe -e '/tst_' "$scratch/contents" && fail "test programs in the package"

# Unpacked: the menu entry and the AppStream file validate, and the entry starts the program.
dpkg -x "$deb" "$scratch/root"
root=$scratch/root
desktop-file-validate "$root/usr/share/applications/vellumo.desktop" || fail "desktop file"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.vellumo.metainfo.xml" \
    || fail "AppStream metainfo"
appstreamcli validate-tree --no-net "$root" >"$scratch/tree.log" \
    || { cat "$scratch/tree.log"; fail "AppStream tree"; }
grep -qx "Exec=/usr/lib/vellumo/vellumo" "$root/usr/share/applications/vellumo.desktop" \
    || fail "the menu entry does not start /usr/lib/vellumo/vellumo"

export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config"
unset XDG_DATA_HOME
users="$scratch/home/.local/share/Vellumo/VELM/files"
status=0
timeout 3 "$root/usr/bin/vellumo" 2>"$scratch/vellumo.log" || status=$?
[ "$status" -eq 124 ] || { cat "$scratch/vellumo.log"; fail "the program ended early ($status)"; }

# A window built in the unpacked folder lists the shipped engines, in order.
expected=$(cd "$shipped" && for f in *.xml; do
    printf '%s\t%s\n' "$(sed -n 's/.*<listPosition value="\(-*[0-9]*\)".*/\1/p' "$f")" "${f%.xml}"
done | sort -n | cut -f 2)
cp "$probe" "$root/usr/lib/vellumo/install_probe"
listed=$("$root/usr/lib/vellumo/install_probe" 2>/dev/null) || fail "the probe found no engine"
[ "$listed" = "$expected" ] || fail "listed: $listed; expected: $expected"
[ -e "$users" ] && fail "a writable install used the home folder"

# Read-only install folder: the engines are copied into the home folder and listed from there.
(cd "$root/usr/lib/vellumo/files" && find . -type f -exec md5sum {} + | sort) >"$scratch/before"
listed=$("$root/usr/lib/vellumo/install_probe" --read-only 2>/dev/null) || fail "read-only: no engine"
[ "$listed" = "$expected" ] || fail "read-only listed: $listed; expected: $expected"
for f in "$shipped"/*.xml; do
    cmp -s "$f" "$users/$(basename "$f")" || fail "not copied to the home folder: $f"
done
# A new engine is saved there and listed; a profile the user changed stays as it is.
echo "<Engine><Name value=\"Google Ads\"/><listPosition value=\"0\"/></Engine>" >"$users/Google Ads.xml"
listed=$("$root/usr/lib/vellumo/install_probe" --read-only --save Own 2>/dev/null) \
    || fail "read-only: saving failed"
[ "$listed" = "$(printf '%s\nOwn' "$expected")" ] || fail "after saving: $listed"
[ -f "$users/Own.xml" ] || fail "the new engine is not in the home folder"
[ "$(ls "$users"/*.xml | wc -l)" -eq $((shipped_count + 1)) ] || fail "profiles duplicated"
grep -q 'limitTitle' "$users/Google Ads.xml" && fail "a changed profile was overwritten"
(cd "$root/usr/lib/vellumo/files" && find . -type f -exec md5sum {} + | sort) >"$scratch/after"
cmp -s "$scratch/before" "$scratch/after" || fail "the install folder changed"
rm "$root/usr/lib/vellumo/install_probe"

# Without the test seam: an unprivileged user cannot write the install, so the real program
# fills that user's home folder at its first start. The build folder may sit where that user
# cannot enter (a clone under /root, a mktemp -d folder), so the unpacked package and the
# user's home go into a folder of their own that everyone can read.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
    outside=$(mktemp -d /tmp/vellumo-deb.XXXXXX)
    trap 'rm -rf "$outside"' EXIT
    chmod 755 "$outside"
    cp -a "$root" "$outside/root"
    nobody=$outside/nobody
    mkdir -p "$nobody/home" "$nobody/runtime"
    chown -R nobody "$nobody"
    chmod 700 "$nobody/runtime"
    status=0
    HOME="$nobody/home" XDG_CONFIG_HOME="$nobody/home/config" XDG_RUNTIME_DIR="$nobody/runtime" \
        timeout 3 setpriv --reuid=nobody --regid=nogroup --clear-groups \
        "$outside/root/usr/bin/vellumo" 2>"$scratch/nobody.log" || status=$?
    [ "$status" -eq 124 ] || { cat "$scratch/nobody.log"; fail "unprivileged: ended early ($status)"; }
    for f in "$shipped"/*.xml; do
        cmp -s "$f" "$nobody/home/.local/share/Vellumo/VELM/files/$(basename "$f")" \
            || fail "unprivileged: not copied to the home folder: $f"
    done
fi
echo "package $(basename "$deb"): contents, metadata and start checked"
