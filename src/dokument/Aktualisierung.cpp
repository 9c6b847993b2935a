#include "dokument/Aktualisierung.h"

#include "dokument/Empfangslogos.h"
#include "dokument/Folgefinder.h"
#include "list/Bearbeitung.h"
#include "list/Doppelte.h"
#include "list/Nummerierung.h"
#include "list/Zeilenformat.h"

#include <QHash>

#include <algorithm>

namespace senvio {

namespace {

// A new channel of the review the choices take into the list.
bool Aufgenommen(const Abgleichzeile& zeile, const Aktualisierungswahl& wahl) {
    return wahl.neue == NeueSender::AnsEnde || (wahl.neue == NeueSender::Einzeln && zeile.aufnehmen);
}

bool IstFrei(const QString& name) {
    return name.trimmed() == FreierEintrag;
}

// Station names are only compared within one kind; "R" and "T" keep the kinds apart.
QString MitArt(const QString& schluessel, bool radio) {
    return schluessel.isEmpty() ? schluessel : (radio ? QLatin1Char('R') : QLatin1Char('T')) + schluessel;
}

QString Namensschluessel(QStringView name, bool radio) {
    return MitArt(Senderschluessel(name), radio);
}

// An entry knows its source when the import recorded its name or its service.
bool KenntQuelle(const Eintragsherkunft& herkunft) {
    return !herkunft.quellname.isEmpty() || !herkunft.referenz.isEmpty();
}

Eintragsherkunft HerkunftVon(const ImportEintrag& kanal) {
    return {kanal.referenz, kanal.logoSchluessel, kanal.name, kanal.radio, {}};
}

} // namespace

QString AbgleichartText(Abgleichart art) {
    switch (art) {
    case Abgleichart::Unveraendert:
        return QStringLiteral("Unverändert");
    case Abgleichart::NeueNummer:
        return QStringLiteral("Neue Nummer");
    case Abgleichart::Umbenannt:
        return QStringLiteral("Umbenannt");
    case Abgleichart::Neu:
        return QStringLiteral("Neu");
    case Abgleichart::Fehlend:
        break;
    }
    return QStringLiteral("Nicht mehr empfangbar");
}

Abgleich GleicheAb(const QStringList& zeilen, const QList<Eintragsherkunft>& herkunft,
                   const QList<ImportEintrag>& kanaele) {
    Abgleich abgleich{zeilen, herkunft, kanaele, {}};
    abgleich.herkunft.resize(zeilen.size());
    const auto herkunftVon = [&](qsizetype i) -> const Eintragsherkunft& { return abgleich.herkunft[i]; };

    Folgefinder nachReferenz, nachName, nachNameJederArt;
    QList<bool> vergeben(kanaele.size(), false);
    for (qsizetype k = 0; k < kanaele.size(); ++k) {
        const ImportEintrag& kanal = kanaele[k];
        if (IstFrei(kanal.name)) {
            vergeben[k] = true;
            continue;
        }
        // A channel without service or name is found by neither.
        const auto lege = [k](Folgefinder& finder, const QString& schluessel) {
            if (!schluessel.isEmpty())
                finder.Lege(schluessel, k);
        };
        const QString schluessel = Senderschluessel(kanal.name);
        lege(nachReferenz, kanal.referenz);
        lege(nachName, MitArt(schluessel, kanal.radio));
        lege(nachNameJederArt, schluessel);
    }

    QList<qsizetype> gefunden(zeilen.size(), -1);
    QList<qsizetype> eintraege;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (IstFrei(ZerlegeZeile(zeilen[i]).name))
            continue;
        eintraege.append(i);
        gefunden[i] = nachReferenz.Nimm(herkunftVon(i).referenz, vergeben);
    }
    // Names only once every service has found its own entry: a name never takes a channel
    // whose service an entry of the list has.
    for (const qsizetype i : eintraege) {
        if (gefunden[i] >= 0)
            continue;
        const Eintragsherkunft& h = herkunftVon(i);
        const QString name = ZerlegeZeile(zeilen[i]).name;
        if (KenntQuelle(h)) {
            gefunden[i] = nachName.Nimm(Namensschluessel(h.quellname, h.radio), vergeben);
            if (gefunden[i] < 0)
                gefunden[i] = nachName.Nimm(Namensschluessel(name, h.radio), vergeben);
        } else {
            gefunden[i] = nachNameJederArt.Nimm(Senderschluessel(name), vergeben);
        }
    }

    for (const qsizetype i : eintraege) {
        Abgleichzeile zeile;
        zeile.eintrag = i;
        zeile.kanal = gefunden[i];
        const Eintragsherkunft& h = herkunftVon(i);
        if (zeile.kanal >= 0 && !h.quellname.isEmpty() && h.quellname != kanaele[zeile.kanal].name) {
            zeile.umbenannt = true;
            zeile.namenUebernehmen = ZerlegeZeile(zeilen[i]).name.trimmed() == h.quellname.trimmed();
        }
        abgleich.sender.append(zeile);
    }
    for (qsizetype k = 0; k < kanaele.size(); ++k)
        if (!vergeben[k])
            abgleich.sender.append({-1, k, false, false, true});
    return abgleich;
}

Abgleich GleicheAb(const Listendokument& dokument, const QList<ImportEintrag>& kanaele) {
    QList<Eintragsherkunft> herkunft;
    herkunft.reserve(dokument.Liste().Anzahl());
    for (qsizetype i = 0; i < dokument.Liste().Anzahl(); ++i)
        herkunft.append(dokument.Herkunft(i));
    return GleicheAb(dokument.Liste().Zeilen(), herkunft, kanaele);
}

Aktualisierung PlaneAktualisierung(const Abgleich& abgleich, const Aktualisierungswahl& wahl, int platzhalterzaehler) {
    Aktualisierung plan;
    plan.stand.resize(abgleich.sender.size());
    // The station of each line and channel: which row of the review it is.
    QList<qsizetype> senderDesEintrags(abgleich.zeilen.size(), -1);
    QList<qsizetype> senderDesKanals(abgleich.kanaele.size(), -1);
    for (qsizetype s = 0; s < abgleich.sender.size(); ++s) {
        const Abgleichzeile& zeile = abgleich.sender[s];
        if (zeile.eintrag >= 0)
            senderDesEintrags[zeile.eintrag] = s;
        if (zeile.kanal >= 0)
            senderDesKanals[zeile.kanal] = s;
        if (zeile.eintrag >= 0)
            plan.stand[s].nummerVorher = int(zeile.eintrag) + 1;
    }
    const auto aufgenommen = [&](const Abgleichzeile& zeile) { return Aufgenommen(zeile, wahl); };

    const int zaehlerAnfang = platzhalterzaehler;
    int& zaehler = platzhalterzaehler;
    SenderListe liste;
    const auto neueZeile = [&](const QString& name, Eintragsherkunft herkunft) {
        liste.HaengeAn(NeueTextzeile(name, liste.Anzahl() + 1, zaehler));
        plan.herkunft.append(std::move(herkunft));
    };
    const auto setze = [&](qsizetype s) {
        const Abgleichzeile& zeile = abgleich.sender[s];
        plan.stand[s].nummerNachher = int(liste.Anzahl()) + 1;
        if (zeile.eintrag < 0) {
            neueZeile(abgleich.kanaele[zeile.kanal].name, HerkunftVon(abgleich.kanaele[zeile.kanal]));
            return;
        }
        QString text = abgleich.zeilen[zeile.eintrag];
        Eintragsherkunft herkunft = abgleich.herkunft[zeile.eintrag];
        if (zeile.kanal >= 0) {
            const ImportEintrag& kanal = abgleich.kanaele[zeile.kanal];
            // The user's short name stays with the entry.
            herkunft = HerkunftVon(kanal);
            herkunft.kurzname = abgleich.herkunft[zeile.eintrag].kurzname;
            const ZeilenTeile teile = ZerlegeZeile(text);
            if (zeile.umbenannt && zeile.namenUebernehmen && teile.hatTrenner)
                text = BaueZeile(teile.praefix, MacheEinzeilig(kanal.name), teile.logoPfad);
        }
        liste.HaengeAn(text);
        plan.herkunft.append(std::move(herkunft));
    };
    const auto fehlendBehalten = [&](qsizetype s) {
        return abgleich.sender[s].kanal < 0 && wahl.fehlende == FehlendeSender::Behalten;
    };

    if (wahl.reihenfolge == Reihenfolge::Empfaenger) {
        // The numbers the receiver leaves free are kept as an import keeps them: a list that
        // would grow beyond GroessteListeMitLuecken that way is laid out again without them.
        const auto lege = [&](bool mitLuecken) {
            liste = SenderListe();
            plan.herkunft.clear();
            zaehler = zaehlerAnfang;
            qsizetype luecken = 0;
            for (qsizetype k = 0; k < abgleich.kanaele.size(); ++k) {
                const qsizetype s = senderDesKanals[k];
                if (s >= 0 && (abgleich.sender[s].eintrag >= 0 || aufgenommen(abgleich.sender[s]))) {
                    setze(s);
                } else if (!mitLuecken) {
                    continue;
                } else if (const qsizetype p = liste.Anzahl();
                           p < abgleich.zeilen.size() && IstFrei(ZerlegeZeile(abgleich.zeilen[p]).name)) {
                    // A number free before and now keeps its line, placeholder and all.
                    liste.HaengeAn(abgleich.zeilen[p]);
                    plan.herkunft.append(abgleich.herkunft[p]);
                } else {
                    neueZeile(FreierEintrag, {});
                    ++luecken;
                }
            }
            // Numbers after the last channel taken keep nothing free.
            while (liste.Anzahl() > 0 && plan.herkunft.last() == Eintragsherkunft() &&
                   IstFrei(ZerlegeZeile(liste.Zeile(liste.Anzahl() - 1)).name)) {
                liste.Loesche(liste.Anzahl() - 1);
                plan.herkunft.removeLast();
                --luecken;
            }
            return luecken > 0 && liste.Anzahl() > GroessteListeMitLuecken;
        };
        if (lege(true)) {
            lege(false);
            plan.hinweis = QStringLiteral(
                "Die Nummern des Empfängers haben zu große Lücken; die Liste wird ohne Lücken nummeriert.");
        }
        for (qsizetype i = 0; i < abgleich.zeilen.size(); ++i)
            if (const qsizetype s = senderDesEintrags[i]; s >= 0 && fehlendBehalten(s))
                setze(s);
    } else {
        for (qsizetype i = 0; i < abgleich.zeilen.size(); ++i) {
            const qsizetype s = senderDesEintrags[i];
            if (s < 0) {
                // A "(frei)" of the list keeps its place and its line.
                liste.HaengeAn(abgleich.zeilen[i]);
                plan.herkunft.append(abgleich.herkunft[i]);
            } else if (abgleich.sender[s].kanal >= 0 || fehlendBehalten(s)) {
                setze(s);
            }
        }
        for (qsizetype s = 0; s < abgleich.sender.size(); ++s)
            if (abgleich.sender[s].eintrag < 0 && aufgenommen(abgleich.sender[s]))
                setze(s);
    }
    KorrigiereDieNummern(liste);
    plan.zeilen = liste.Zeilen();
    plan.platzhalterzaehler = zaehler;

    for (qsizetype s = 0; s < abgleich.sender.size(); ++s) {
        const Abgleichzeile& zeile = abgleich.sender[s];
        Abgleichstand& stand = plan.stand[s];
        if (zeile.eintrag < 0)
            stand.art = Abgleichart::Neu;
        else if (zeile.kanal < 0)
            stand.art = Abgleichart::Fehlend;
        else if (zeile.umbenannt)
            stand.art = Abgleichart::Umbenannt;
        else if (stand.nummerVorher != stand.nummerNachher)
            stand.art = Abgleichart::NeueNummer;
        else
            stand.art = Abgleichart::Unveraendert;
        ++plan.anzahl[int(stand.art)];
    }
    return plan;
}

const QList<ImportEintrag>& KanaeleFuer(const Listendokument& dokument, const Importlisten& listen) {
    if (listen.radio.isEmpty())
        return listen.liste;
    int radio = 0, tv = 0;
    for (qsizetype i = 0; i < dokument.Liste().Anzahl(); ++i) {
        const Eintragsherkunft& h = dokument.Herkunft(i);
        if (KenntQuelle(h))
            ++(h.radio ? radio : tv);
    }
    const bool istRadioliste = radio + tv > 0 ? radio > tv : dokument.Name().endsWith(QStringLiteral(" Radio"));
    return istRadioliste ? listen.radio : listen.liste;
}

Abgleich GleicheAb(const Listendokument& dokument, const Importlisten& listen) {
    return GleicheAb(dokument, KanaeleFuer(dokument, listen));
}

Aktualisierungsbericht Aktualisiere(Listendokument& dokument, const Abgleich& abgleich, const Aktualisierungswahl& wahl,
                                    const Quellenwahl& quellen, const QHash<QString, QByteArray>& empfangslogos) {
    const Aktualisierung plan = PlaneAktualisierung(abgleich, wahl, dokument.Umgebung().platzhalterzaehler);
    Aktualisierungsbericht bericht;
    bericht.anzahl = plan.anzahl;
    bericht.hinweis = plan.hinweis;
    const QStringList vorher = dokument.Liste().Zeilen();
    bool herkunftGleich = plan.zeilen == vorher;
    for (qsizetype i = 0; herkunftGleich && i < plan.herkunft.size(); ++i)
        herkunftGleich = plan.herkunft[i] == dokument.Herkunft(i);
    if (herkunftGleich)
        return bericht;
    // The way back, should the new scan have been the wrong one.
    dokument.SichereVorigenStand();
    dokument.Aendere({QStringLiteral("Liste aktualisieren"), Speichern::Spaeter, true}, [&](Listenaenderung& a) {
        if (quellen != Quellenwahl())
            a.MerkeQuellen(quellen);
        a.AendereZeilen([&](SenderListe& liste) { liste.SetzeZeilen(plan.zeilen); });
        for (qsizetype i = 0; i < plan.herkunft.size(); ++i)
            a.SetzeHerkunft(int(i), plan.herkunft[i]);
        a.Platzhalterzaehler() = plan.platzhalterzaehler;
        a.MerkeGedrucktenStand();
    });
    dokument.Speichere();
    bericht.geaendert = true;
    QList<int> neue;
    for (const Abgleichstand& stand : plan.stand)
        if (stand.art == Abgleichart::Neu && stand.nummerNachher > 0)
            neue.append(stand.nummerNachher - 1);
    bericht.empfangslogos = LegeEmpfangslogosAn(dokument, neue, empfangslogos, Speichern::Sofort);
    bericht.geaenderteKarten = dokument.GeaenderteKarten();
    return bericht;
}

QStringList ReferenzenDerNeuen(const Abgleich& abgleich, const Aktualisierungswahl& wahl) {
    QStringList referenzen;
    for (const Abgleichzeile& zeile : abgleich.sender)
        if (zeile.eintrag < 0 && Aufgenommen(zeile, wahl) && !abgleich.kanaele[zeile.kanal].referenz.isEmpty())
            referenzen << abgleich.kanaele[zeile.kanal].referenz;
    referenzen.removeDuplicates();
    return referenzen;
}

QStringList WaehleGemerkteGruppen(ImportFund& fund, const Quellenwahl& quellen) {
    const auto gleich = [](const ImportGruppe& gruppe, const GemerkteGruppe& g) {
        return gruppe.radio == g.radio && gruppe.name.compare(g.name, Qt::CaseInsensitive) == 0;
    };
    const auto gemerkt = [&](const ImportGruppe& gruppe) {
        return std::any_of(quellen.gruppen.begin(), quellen.gruppen.end(),
                           [&](const GemerkteGruppe& g) { return gleich(gruppe, g); });
    };
    // Another source altogether (a playlist's group is its file name): its own choice stands.
    if (std::none_of(fund.gruppen.begin(), fund.gruppen.end(), gemerkt))
        return {};
    for (ImportGruppe& gruppe : fund.gruppen)
        gruppe.vorgewaehlt = gemerkt(gruppe);
    QStringList fehlend;
    for (const GemerkteGruppe& g : quellen.gruppen)
        if (std::none_of(fund.gruppen.begin(), fund.gruppen.end(),
                         [&](const ImportGruppe& gruppe) { return gleich(gruppe, g); }))
            fehlend.append(g.name);
    return fehlend;
}

QString FehlendeGruppenText(const QStringList& namen) {
    QStringList genannt;
    for (const QString& name : namen)
        genannt.append(QStringLiteral("„%1“").arg(name));
    return (namen.size() == 1 ? QStringLiteral("Die Gruppe %1, aus der die Liste stammt, fehlt in den gewählten "
                                               "Quellen.")
                              : QStringLiteral("Die Gruppen %1, aus denen die Liste stammt, fehlen in den "
                                               "gewählten Quellen."))
        .arg(genannt.join(QStringLiteral(", ")));
}

Aenderungsumfang UmfangDerAktualisierung(const Abgleich& abgleich, const Aktualisierungswahl& wahl) {
    const Aktualisierung plan = PlaneAktualisierung(abgleich, wahl, 0);
    Aenderungsumfang umfang;
    for (qsizetype s = 0; s < abgleich.sender.size(); ++s) {
        const bool vorher = abgleich.sender[s].eintrag >= 0, nachher = plan.stand[s].nummerNachher > 0;
        umfang.bisher += vorher ? 1 : 0;
        umfang.hinzu += !vorher && nachher ? 1 : 0;
        umfang.weg += vorher && !nachher ? 1 : 0;
    }
    umfang.gross = 2 * umfang.weg > umfang.bisher || umfang.hinzu > umfang.bisher;
    return umfang;
}

QString UmfangText(const Aenderungsumfang& umfang) {
    return QStringLiteral("%1 Sender kommen hinzu, %2 fallen weg.").arg(umfang.hinzu).arg(umfang.weg);
}

QString Anzahlentext(const std::array<int, Abgleicharten>& anzahl) {
    QStringList teile;
    for (int art = 0; art < Abgleicharten; ++art)
        teile << QStringLiteral("%1: %2").arg(AbgleichartText(Abgleichart(art))).arg(anzahl[art]);
    return teile.join(QStringLiteral(", "));
}

QString KartenText(const QList<int>& karten) {
    if (karten.isEmpty())
        return QStringLiteral("Keine Karte hat sich geändert.");
    // Runs of three and more cards as ranges; after twenty items the rest is only counted.
    constexpr int MeisteTeile = 20;
    QStringList teile;
    qsizetype i = 0;
    for (; i < karten.size() && teile.size() < MeisteTeile; ++i) {
        qsizetype bis = i;
        while (bis + 1 < karten.size() && karten[bis + 1] == karten[bis] + 1)
            ++bis;
        if (bis - i >= 2) {
            teile << QStringLiteral("%1–%2").arg(karten[i]).arg(karten[bis]);
            i = bis;
        } else {
            teile << QString::number(karten[i]);
        }
    }
    QString text = (karten.size() == 1 ? QStringLiteral("Geändert: Karte ") : QStringLiteral("Geändert: Karten ")) +
                   teile.join(QStringLiteral(", "));
    if (i < karten.size())
        text += QStringLiteral(" … und %1 weitere").arg(karten.size() - i);
    return text;
}

} // namespace senvio
