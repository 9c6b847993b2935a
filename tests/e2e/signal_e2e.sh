#!/usr/bin/env bash
# Ends the real senvio under Xvfb by a signal, as a shutdown or a logout without session
# manager does: an entry deleted with the Delete key and one moved with Ctrl+Down, then
# SIGTERM; the restart shows the list with both changes. The same again with SIGHUP; a
# save that fails then ends the program all the same.
#   signal_e2e.sh PFAD/ZU/senvio
set -euo pipefail

senvio="$(realpath "$1")"
ordner="$(mktemp -d)"
xvfb_pid=""
senvio_pid=""
aufraeumen() {
    [ -n "$senvio_pid" ] && kill -KILL "$senvio_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$ordner"
}
trap aufraeumen EXIT
fehler() {
    echo "FEHLER: $*" >&2
    [ -f "$ordner/ausgabe.txt" ] && tail -n 40 "$ordner/ausgabe.txt" >&2
    exit 1
}

liste="$ordner/Senvio-Listen/Signal.lis"
mkdir -p "$ordner/Senvio-Listen" "$ordner/TV und Radio Sender Logos/Gruppe A"
printf '[Einstellung]\r\nListenName=Signal\r\n' >"$ordner/senvio.ini"
printf '    1   = ARD #png#Ohne Logo1.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n    3   = Arte #png#Ohne Logo3.png\r\n    4   = Sat.1 #png#Ohne Logo4.png\r\n' >"$liste"

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 nummer <&"$fd" || fehler "Xvfb startet nicht"
export DISPLAY=":$nummer"

# Starts senvio and waits for its window with the list's name; sets X and Y of its client area.
starte() {
    (cd "$ordner" && QT_QPA_PLATFORM=xcb exec "$senvio") >>"$ordner/ausgabe.txt" 2>&1 &
    senvio_pid=$!
    fenster="$(timeout 20 xdotool search --sync --onlyvisible --name '^Senvio-Liste 2.0:   Signal$' | head -n1)" ||
        fehler "das Fenster mit der Liste erscheint nicht"
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$fenster")"
}

# Row 0 of the list has its middle at Y + 101 (menu bar 20, list panel 14, list 47).
loesche_und_verschiebe() {
    xdotool mousemove $((X + 150)) $((Y + 101)) click 1
    sleep 0.3
    # The question's default is "Nein"; Tab goes to "Ja".
    xdotool key Delete
    sleep 0.5
    xdotool key Tab space
    sleep 0.5
    xdotool mousemove $((X + 150)) $((Y + 101)) click 1
    xdotool key ctrl+Down
    sleep 0.5
}

beende_mit() {
    kill -"$1" "$senvio_pid"
    for _ in $(seq 1 100); do
        kill -0 "$senvio_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$senvio_pid" 2>/dev/null; then fehler "senvio endet nicht auf SIG$1"; fi
    wait "$senvio_pid" || true
    senvio_pid=""
}

pruefe_liste() {
    [ "$(cat "$liste")" = "$1" ] || fehler "Liste nach SIG$2 nicht wie erwartet: $(od -c "$liste" | head)"
}

starte
loesche_und_verschiebe
beende_mit TERM
pruefe_liste $'    1   = Arte #png#Ohne Logo3.png\r\n    2   = ZDF #png#Ohne Logo2.png\r\n    3   = Sat.1 #png#Ohne Logo4.png\r' TERM
grep -q $'^ListenName=Signal\r$' "$ordner/senvio.ini" || fehler "ListenName fehlt: $(cat "$ordner/senvio.ini")"

starte
loesche_und_verschiebe
beende_mit HUP
pruefe_liste $'    1   = Sat.1 #png#Ohne Logo4.png\r\n    2   = ZDF #png#Ohne Logo2.png\r' HUP

# The list the restart shows is the one written.
starte
beende_mit INT
pruefe_liste $'    1   = Sat.1 #png#Ohne Logo4.png\r\n    2   = ZDF #png#Ohne Logo2.png\r' INT
# A save that fails at a signal goes to standard error: no box waits for a user who is gone.
starte
rm "$liste" && mkdir -p "$liste/x"
beende_mit TERM
grep -q "senvio: Datei .*Signal.lis kann nicht erstellt werden" "$ordner/ausgabe.txt" ||
    fehler "keine Meldung auf der Standardfehlerausgabe"
echo "Ende durch Signal bestanden."
