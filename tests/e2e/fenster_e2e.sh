#!/usr/bin/env bash
# Starts the real senvio under Xvfb in a temporary program folder, drives it with
# xdotool (wheel and keys on the list, a drag, Ctrl+Down, a logo attached through the
# context menu and the tile grid, then "Datei" → "Beenden" from the menu bar) and
# checks the files it leaves behind: the list reordered and renumbered, the logo
# copied, the settings written.
#   fenster_e2e.sh PFAD/ZU/senvio
set -euo pipefail

senvio="$(realpath "$1")"
ordner="$(mktemp -d)"
xvfb_pid=""
senvio_pid=""
aufraeumen() {
    [ -n "$senvio_pid" ] && kill "$senvio_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$ordner"
}
trap aufraeumen EXIT
fehler() {
    echo "FEHLER: $*" >&2
    [ -f "$ordner/ausgabe.txt" ] && tail -n 40 "$ordner/ausgabe.txt" >&2
    exit 1
}

mkdir -p "$ordner/Senvio-Listen" "$ordner/TV und Radio Sender Logos/Gruppe A"
printf '[Einstellung]\r\nListenName=Ende zu Ende\r\n' >"$ordner/senvio.ini"
printf '  3   = ARD #png#Ohne Logo1.png\r\n  1   = ZDF #png#Ohne Logo2.png\r\n  2   = Arte #png#Ohne Logo3.png\r\n' \
    >"$ordner/Senvio-Listen/Ende zu Ende.lis"
# An 8 × 4 red logo in the only group, which the grid shows first.
base64 -d >"$ordner/TV und Radio Sender Logos/Gruppe A/rot.png" <<<'iVBORw0KGgoAAAANSUhEUgAAAAgAAAAECAIAAAA8r+mnAAAAEklEQVR4nGP4z8CAFWEXJUsCAFpeH+EeQoQoAAAAAElFTkSuQmCC'

# A display of our own; Xvfb writes its number once it is ready.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 nummer <&"$fd" || fehler "Xvfb startet nicht"
export DISPLAY=":$nummer"

(cd "$ordner" && QT_QPA_PLATFORM=xcb exec "$senvio") >"$ordner/ausgabe.txt" 2>&1 &
senvio_pid=$!

fenster="$(timeout 20 xdotool search --sync --onlyvisible --name '^Senvio-Liste 2.0:   Ende zu Ende$' | head -n1)" ||
    fehler "das Fenster erscheint nicht"
sleep 1
titel="$(xdotool getwindowname "$fenster")"
[ "$titel" = "Senvio-Liste 2.0:   Ende zu Ende" ] || fehler "Fenstertitel ist \"$titel\""
eval "$(xdotool getwindowgeometry --shell "$fenster")"

# The list view lies at 24, 61 of the client area, below the menu bar.
xdotool mousemove $((X + 120)) $((Y + 120)) click 1
xdotool click 5 click 5 click 4
xdotool key Down Up
sleep 0.5

# The menu bar is 20 pixels high, so row i of the list has its middle at Y + 101 + 41 i.
zeile() { echo $((Y + 101 + 41 * $1)); }
# A real drag: ARD (row 0) onto Arte (row 2) gives ZDF, Arte, ARD.
xdotool mousemove $((X + 150)) "$(zeile 0)" mousedown 1
sleep 0.2
for schritt in 5 10 20 40 60 80; do
    xdotool mousemove $((X + 150)) $(($(zeile 0) + schritt))
    sleep 0.05
done
xdotool mousemove $((X + 150)) "$(zeile 2)"
sleep 0.3
xdotool mouseup 1
sleep 0.5
# Ctrl+Down on ZDF: Arte, ZDF, ARD.
xdotool mousemove $((X + 150)) "$(zeile 0)" click 1
xdotool key ctrl+Down
sleep 0.3
# ARD gets the red logo: context menu, third command, the first tile, the attach button.
xdotool mousemove $((X + 150)) "$(zeile 2)" click 1
sleep 0.3
xdotool click 3
sleep 0.5
xdotool key Down Down Down Return
sleep 1
xdotool mousemove $((X + 90)) $((Y + 20 + 97)) click 1
sleep 1
xdotool mousemove $((X + 390)) $((Y + 20 + 37)) click 1
sleep 0.5

# "Datei" is the first menu of the menu bar; Up from its first item wraps to "Beenden".
xdotool mousemove $((X + 18)) $((Y + 10)) click 1
sleep 0.5
xdotool key Up Return

for _ in $(seq 1 100); do
    kill -0 "$senvio_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$senvio_pid" 2>/dev/null; then fehler "senvio endet nicht nach Datei → Beenden"; fi
wait "$senvio_pid" || fehler "senvio endet mit Fehlercode"
senvio_pid=""

erwartet=$'    1   = Arte #png#Ohne Logo3.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n    3   = ARD #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\rot.png\r'
[ "$(cat "$ordner/Senvio-Listen/Ende zu Ende.lis")" = "$erwartet" ] ||
    fehler "Liste nicht wie erwartet: $(od -c "$ordner/Senvio-Listen/Ende zu Ende.lis" | head)"
grep -q $'^Auswahl=0\r$' "$ordner/senvio.ini" || fehler "Auswahl fehlt: $(cat "$ordner/senvio.ini")"
grep -q $'^ListenName=Ende zu Ende\r$' "$ordner/senvio.ini" || fehler "ListenName fehlt: $(cat "$ordner/senvio.ini")"
[ -d "$ordner/Senvio-Listen/Temp" ] || fehler "Temp fehlt"
cmp -s "$ordner/TV und Radio Sender Logos/Gruppe A/rot.png" "$ordner/Senvio-Listen/Sender-Logos/rot.png" ||
    fehler "das Logo liegt nicht in Sender-Logos"
echo "Ende-zu-Ende-Lauf bestanden."
