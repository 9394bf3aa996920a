#!/bin/sh
# Takes the README's screenshots from the real program on a virtual X display:
# docs/main-window.png, docs/engine-dialog.png, docs/ad-sheet.png, docs/spelling.png and
# docs/asset-editor.png.
# Usage: tools/screenshots.sh [build dir]   (after "make build")
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
sh tools/install-deps.sh xvfb xauth imagemagick xdotool x11-utils

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of the program with the shipped engines and its own settings.
cp "$build/vellumo" "$build"/velm_*.qm "$work/"
cp -r files "$work/files"
mkdir -p "$work/img" "$work/config/Vellumo" "$work/data/vellumo"
# A few ads already kept in the sheet, one too long for the narrower engines.
cat > "$work/data/vellumo/sheet.csv" <<'SHEET'
Title,Text,URL
Rye bread from the wood oven,"Baked before six, every morning. Order online.",example-bakery.com/rye
Sourdough loaves and rolls delivered warm,Fresh bread to your door across town; free delivery over 20 euros.,example-bakery.com
Свежий хлеб каждое утро,Закажите онлайн — заберите по дороге на работу.,пекарня/хлеб
SHEET
cp resources/img/unknown.png "$work/img/"
cat > "$work/config/Vellumo/VELM.conf" <<CONF
[General]
pos=@Point(0 0)
size=@Size(760 680)
preview=true
CONF

cat > "$work/shoot.sh" <<'SHOT'
#!/bin/sh
set -eu
cd "$1"
# Waits for the window whose title starts with $1 and prints its id.
window_of() {
    for _ in $(seq 50); do
        xdotool search --name "^$1" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 1
    xdotool search --name "^$1" | head -n 1
}
# Starts the program and types the title and TEXT into the form; sets $pid and $main.
start_and_type() {
    XDG_CONFIG_HOME="$1/config" XDG_DATA_HOME="$1/data" LANG=C.UTF-8 ./vellumo &
    pid=$!
    main=$(window_of Vellumo)
    # No window manager: the keyboard follows the pointer, and XTEST types as a user would.
    xdotool mousemove 260 97 click 1
    xdotool type --delay 20 "Fresh bread every morning"
    xdotool key Tab
    xdotool type --delay 10 "$2"
    xdotool key Tab
}
start_and_type "$1" "Sourdough, rye and spelt, baked before six. Order online, pick up on your way to work."
xdotool type --delay 10 "www.example-bakery.com"
sleep 1
import -window "$main" "$1/main-window.png"
# "View" > "Ad Sheet" opens the sheet below the form (closed at a first start), and "Keep"
# adds the typed ad to it.
xdotool key alt+v
sleep 0.5
xdotool key Return
sleep 0.5
xdotool key alt+k
sleep 1
import -window "$main" "$1/ad-sheet.png"
xdotool key ctrl+o
dialog=$(window_of 'Engine Dialog')
# A click on the first engine loads it into the editors.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 80)) $((Y + 65)) click 1
sleep 1
import -window "$dialog" "$1/engine-dialog.png"
kill "$pid"
wait "$pid" || true

# Spelling in US English: a misspelt word underlined and listed with its suggestions.
printf 'spellingLanguages=en_US\nadTitle=\nadText=\nadURL=\n' >>"$1/config/Vellumo/VELM.conf"
start_and_type "$1" "Weekly Subcriptions for {KeyWord:bread lovers}. Order online, pick up on your way."
sleep 2
import -window "$main" "$1/spelling.png"
kill "$pid"
wait "$pid" || true

# A responsive search ad of five titles, one pinned, and three texts in the asset editor, and
# the preview stepped on to its second combination.
cat >"$1/config/Vellumo/VELM.conf" <<'CONF'
[General]
pos=@Point(0 0)
size=@Size(1000 640)
preview=true
adTitle=Fresh Bread Every Morning
adMoreTitles=Rye From the Wood Oven, Baked Before Six, Order Online Today, Free Delivery Over 20
adTitlePins=1
adText="Sourdough, rye and spelt, baked before six."
adMoreTexts=Order online and pick up on your way to work., Free delivery across town over 20 euros.
adURL=example-bakery.com/bread
adFinalURL=https://example-bakery.com/bread?src=ads
CONF
XDG_CONFIG_HOME="$1/config" XDG_DATA_HOME="$1/data" LANG=C.UTF-8 ./vellumo &
pid=$!
main=$(window_of Vellumo)
xdotool mousemove 260 97 click 1
xdotool key alt+Next
sleep 1
import -window "$main" "$1/asset-editor.png"
kill "$pid"
SHOT
xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/shoot.sh" "$work"
mkdir -p "${SHOTS_OUT:-docs}" && cp "$work/main-window.png" "$work/engine-dialog.png" "$work/ad-sheet.png" "$work/spelling.png" "$work/asset-editor.png" "${SHOTS_OUT:-docs}/"
echo "docs/main-window.png, docs/engine-dialog.png, docs/ad-sheet.png, docs/spelling.png and docs/asset-editor.png written"
