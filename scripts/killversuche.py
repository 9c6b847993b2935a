#!/usr/bin/env python3
"""Kills senvio-import --anhaengen, senvio-import --aktualisieren and the window's save with
SIGKILL at random moments and checks after every kill: the list is the old or the new one,
never torn; its sources file belongs to it (or waits beside it, complete, for the next read);
after the next run no temporary file is left.

    killversuche.py BUILD [VERSUCHE_JE_ART]   (BUILD: the build folder, default 300/300/200)
"""
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

bau = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
anzahl = [int(a) for a in sys.argv[2:5]] if len(sys.argv) > 2 else [300, 300, 200]
importprogramm = os.path.join(bau, "senvio-import")
fenster = os.path.join(bau, "senvio")
random.seed(20261207)

ordner = tempfile.mkdtemp(prefix="senvio-kill-")
listen = os.path.join(ordner, "Senvio-Listen")
liste = os.path.join(listen, "Kill.lis")
quellen = os.path.join(listen, "Kill.quellen")
zeile = re.compile(r"^ *\d+ *= .* #png#.*$")


def suchlauf(datei, anfang, n, umbenannt=""):
    with open(datei, "w", encoding="utf-8") as f:
        f.write("#EXTM3U\n")
        for i in range(anfang, anfang + n):
            f.write(f'#EXTINF:-1 group-title="Kabel",Sender {i} Süd HD{umbenannt}\nrtsp://192.168.178.1:554/?sid={i}\n')


def lies_liste():
    daten = open(liste, "rb").read()
    text = daten[2:].decode("utf-16-le") if daten.startswith(b"\xff\xfe") else daten.decode("cp1252")
    return daten, text.split("\r\n")[:-1] if text else []


def pruefe(vorher, erlaubt):
    """The list is whole and one of the allowed versions; the sources file belongs to it."""
    daten, zeilen = lies_liste()
    heil = (not daten or daten.endswith(b"\r\n")) and all(zeile.match(z) for z in zeilen)
    version = "alt" if daten == vorher else ("neu" if len(zeilen) in erlaubt else "zerrissen")
    summe = 2166136261
    for b in daten:
        summe = ((summe ^ b) * 16777619) & 0xFFFFFFFF
    abdruck = f"{len(daten)} {len(zeilen)} {summe:x}"

    def passt(datei):
        try:
            text = open(datei, encoding="utf-8").read().split("\n")
        except FileNotFoundError:
            return None
        eintraege = [t for t in text[1:] if t.count("\t") >= 3]
        return text[0] == "Senvio-Quellen 1" and f"Zur Liste\t{abdruck}" in text and len(eintraege) == len(zeilen)

    paar = passt(quellen)
    wartend = passt(quellen + ".neu")
    seite = "passt" if paar else ("wartet" if wartend else ("fehlt" if paar is None else "passt nicht"))
    return (version if heil else "zerrissen"), seite


def versuch(befehl, dauer, umgebung=None, vorlauf=0.0):
    prozess = subprocess.Popen(befehl, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=umgebung)
    if vorlauf:
        time.sleep(vorlauf)
        prozess.send_signal(signal.SIGTERM)
    time.sleep(random.uniform(0, dauer))
    getoetet = prozess.poll() is None
    if getoetet:
        prozess.kill()
    prozess.wait()
    return getoetet


def dauer_von(befehl, umgebung=None):
    anfang = time.monotonic()
    subprocess.run(befehl, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=umgebung, check=False)
    return time.monotonic() - anfang


os.makedirs(listen)
os.makedirs(os.path.join(ordner, "TV und Radio Sender Logos", "ARD"))
with open(os.path.join(ordner, "senvio.ini"), "w") as f:
    f.write("[Einstellung]\r\nListenName=Kill\r\n")
a, b, dazu = (os.path.join(ordner, n) for n in ("a.m3u", "b.m3u", "dazu.m3u"))
suchlauf(a, 1, 3000)
suchlauf(b, 1, 3000, " neu")
suchlauf(dazu, 5000, 200)
werkzeug = [importprogramm, "--programmordner", ordner]
subprocess.run(werkzeug + ["Kill", a], check=True, stdout=subprocess.DEVNULL)

ergebnis = {}
fehler = 0
offscreen = dict(os.environ, QT_QPA_PLATFORM="offscreen")
arten = [
    ("--anhaengen", lambda i: werkzeug + ["--anhaengen", "Kill", dazu], lambda n: {n, n + 200}),
    ("--aktualisieren", lambda i: werkzeug + ["--aktualisieren", "Kill", b if i % 2 else a], lambda n: {n, 3000}),
    ("Fenster", lambda i: [fenster, "--programmordner", ordner], lambda n: {n}),
]
beginn = time.monotonic()
for (art, befehl, erlaubt), versuche in zip(arten, anzahl):
    if art == "Fenster" and versuche:
        # The window's end after SIGTERM (its save) is what a kill is to hit: SIGTERM comes once
        # the window has set up its handler, which a clean exit (0) shows.
        vorlauf = 0.5
        while True:
            prozess = subprocess.Popen(befehl(0), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=offscreen)
            time.sleep(vorlauf)
            anfang = time.monotonic()
            prozess.send_signal(signal.SIGTERM)
            if prozess.wait() == 0 or vorlauf > 20:
                break
            vorlauf *= 1.5
        vorlauf *= 1.5
        dauer = (time.monotonic() - anfang) * 1.2
    elif versuche:
        dauer, vorlauf = dauer_von(befehl(0)) * 1.2, 0.0
    else:
        continue
    zaehler = {}
    getoetet = 0
    for i in range(versuche):
        if art == "--anhaengen" and len(lies_liste()[1]) > 4000:
            subprocess.run(werkzeug + ["--aktualisieren", "Kill", a], stdout=subprocess.DEVNULL, check=False)
        vorher, zeilen = lies_liste()
        getoetet += versuch(befehl(i), dauer, offscreen if art == "Fenster" else None, vorlauf)
        befund = pruefe(vorher, erlaubt(len(zeilen)))
        zaehler[befund] = zaehler.get(befund, 0) + 1
        if befund[0] == "zerrissen" or befund[1] in ("passt nicht", "fehlt"):
            fehler += 1
    ergebnis[art] = (versuche, getoetet, zaehler)

# The next run reads the pair (a sidecar waiting is taken in) and clears what kills left.
time.sleep(1)
subprocess.run(werkzeug + ["--aktualisieren", "Kill", a], stdout=subprocess.DEVNULL, check=False)
schluss = pruefe(lies_liste()[0], {3000})
uebrig = [n for n in os.listdir(listen) if os.path.isfile(os.path.join(listen, n)) and n not in ("Kill.lis", "Kill.quellen")]
for art, (versuche, getoetet, zaehler) in ergebnis.items():
    teile = ", ".join(f"{v}/{s}: {n}" for (v, s), n in sorted(zaehler.items()))
    print(f"{art}: {versuche} Versuche, {getoetet} mit kill -9 beendet; Liste/Quellen: {teile}")
zustand = "zerrissen" if schluss[0] == "zerrissen" else "heil"
print(f"Nach dem nächsten Lauf: Liste {zustand}, Quellen {schluss[1]}, übrige Dateien: {uebrig or 'keine'}")
print(f"{time.monotonic() - beginn:.0f} s, {fehler} Fehler")
shutil.rmtree(ordner)
sys.exit(1 if fehler or uebrig or schluss[1] != "passt" else 0)
