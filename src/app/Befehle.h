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
    Befehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner, const Nebenfenster& neben,
            Logowahl& logowahl, Anhangkopf& kopf, QProgressBar& fortschritt)
        : datei(fenster, dokument, ordner, neben.nameEingabe, kopf),
          bearbeiten(fenster, dokument, ordner, neben.bearbeiten, neben.textliste, logowahl), druck(fenster, dokument),
          bild(fenster, dokument), einstellung(fenster, ordner, dokument),
          logos(fenster, dokument, ordner, logowahl, kopf),
          importe(fenster, dokument, ordner, fortschritt, datei, logos, druck) {}

    Dateibefehle datei;
    Bearbeitenbefehle bearbeiten;
    Druckbefehle druck;
    Bildbefehle bild;
    Einstellungsbefehle einstellung;
    Logobefehle logos;
    Importbefehle importe;
};

} // namespace senvio
