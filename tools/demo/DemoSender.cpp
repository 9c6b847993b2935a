#include "DemoSender.h"

namespace senvio::demo {

const std::vector<DemoGruppe>& DemoGruppen() {
    static const std::vector<DemoGruppe> gruppen = {
        {QStringLiteral("Öffentlich-Rechtlich"),
         {{QStringLiteral("Kanal Eins"), QStringLiteral("K1")},
          {QStringLiteral("Kanal Zwei"), QStringLiteral("K2")},
          {QStringLiteral("Nordwelle TV"), QStringLiteral("NW")},
          {QStringLiteral("Südblick"), QStringLiteral("SÜD")},
          {QStringLiteral("Westfunk"), QStringLiteral("WF")},
          {QStringLiteral("Ostsee Fernsehen"), QStringLiteral("OSF")},
          {QStringLiteral("Bildung Plus"), QStringLiteral("B+")},
          {QStringLiteral("Kinderwelt Kiwi"), QStringLiteral("KIWI")},
          {QStringLiteral("Kultur Drei"), QStringLiteral("K3")},
          {QStringLiteral("Nachrichten Jetzt"), QStringLiteral("NJ")}}},
        {QStringLiteral("Privatsender"),
         {{QStringLiteral("Sport Plus"), QStringLiteral("S+")},
          {QStringLiteral("Filmhaus"), QStringLiteral("FH")},
          {QStringLiteral("Serienwelt"), QStringLiteral("SW")},
          {QStringLiteral("Sternkino"), QStringLiteral("STERN")},
          {QStringLiteral("Abenteuer TV"), QStringLiteral("ABT")},
          {QStringLiteral("Reise und Meer"), QStringLiteral("R&M")},
          {QStringLiteral("Krimi Kanal"), QStringLiteral("KK")},
          {QStringLiteral("Lachfabrik"), QStringLiteral("LF")},
          {QStringLiteral("Tanzfläche TV"), QStringLiteral("TANZ")},
          {QStringLiteral("Heimwerk TV"), QStringLiteral("HW")},
          {QStringLiteral("Kochtopf TV"), QStringLiteral("KOCH")},
          {QStringLiteral("Tierfreunde TV"), QStringLiteral("TIER")}}},
        {QStringLiteral("Regional"),
         {{QStringLiteral("Alpenblick TV"), QStringLiteral("AB")},
          {QStringLiteral("Heide Fernsehen"), QStringLiteral("HF")},
          {QStringLiteral("Rheintal TV"), QStringLiteral("RT")},
          {QStringLiteral("Elbufer TV"), QStringLiteral("ELBE")},
          {QStringLiteral("Harz Kanal"), QStringLiteral("HK")},
          {QStringLiteral("Bodensee Eins"), QStringLiteral("B1")},
          {QStringLiteral("Spreewald TV"), QStringLiteral("SPW")},
          {QStringLiteral("Moselland TV"), QStringLiteral("ML")}}},
        {QStringLiteral("Radio"),
         {{QStringLiteral("Radio Lerche"), QStringLiteral("LERCHE")},
          {QStringLiteral("Welle Blau"), QStringLiteral("WB")},
          {QStringLiteral("Klassik Klar"), QStringLiteral("KLASSIK")},
          {QStringLiteral("Jazzkeller Radio"), QStringLiteral("JAZZ")},
          {QStringLiteral("Hitwelle 99"), QStringLiteral("99")},
          {QStringLiteral("Stadtfunk"), QStringLiteral("SF")},
          {QStringLiteral("Küstenradio"), QStringLiteral("KÜSTE")},
          {QStringLiteral("Schlagerperle"), QStringLiteral("PERLE")},
          {QStringLiteral("Nachtfalter FM"), QStringLiteral("NF")},
          {QStringLiteral("Morgenrot Radio"), QStringLiteral("MR")}}},
    };
    return gruppen;
}

} // namespace senvio::demo
