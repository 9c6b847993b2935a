#pragma once

namespace senvio {

class TGrossImageForm;
class TNameEingabeForm;
class TSuchForm;
class TTextlistenForm;
class TbearbeitenForm;

// The other five windows of the program, made before the main window and kept until it
// is gone.
struct Nebenfenster {
    TNameEingabeForm& nameEingabe;
    TbearbeitenForm& bearbeiten;
    TTextlistenForm& textliste;
    TGrossImageForm& grossBild;
    TSuchForm& suche;
};

} // namespace senvio
