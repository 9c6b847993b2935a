#pragma once

#include "app/Bearbeitenbefehle.h"
#include "app/Bildbefehle.h"
#include "app/Dateibefehle.h"
#include "app/Druckbefehle.h"
#include "app/Einstellungsbefehle.h"
#include "app/Importbefehle.h"
#include "app/Logobefehle.h"
#include "app/Nebenfenster.h"

namespace senvio {

// The main window's commands, one class per menu, made together once its controls stand.
// A new command goes into one of these classes, or a class of its own here.
struct Befehle {
    Befehle(Hauptfenster& f, Listendokument& d, const ProgrammOrdner& o, const Nebenfenster& n, Logowahl& logowahl,
            Anhangkopf& kopf, QProgressBar& fortschritt)
        : datei(f, d, o, n.nameEingabe, kopf), bearbeiten(f, d, o, n.bearbeiten, n.textliste, logowahl), druck(f, d),
          bild(f, d), einstellung(f, o), logos(f, d, o, logowahl, kopf),
          import(f, d, o, fortschritt, datei, logos, druck) {}

    Dateibefehle datei;
    Bearbeitenbefehle bearbeiten;
    Druckbefehle druck;
    Bildbefehle bild;
    Einstellungsbefehle einstellung;
    Logobefehle logos;
    Importbefehle import;
};

} // namespace senvio
