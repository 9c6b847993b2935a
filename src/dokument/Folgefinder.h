#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace senvio {

// Items filed under keys in their order, each taken once: asked for a key, it gives the
// first item of that key not yet taken. The taken marks belong to the caller, so several
// finders (by service, by name) can share one set of items.
class Folgefinder {
public:
    // Files the item under the key, after those filed before.
    void Lege(const QString& schluessel, qsizetype element) { m_folgen[schluessel].elemente.append(element); }
    // The first item of the key not yet taken, marked taken; -1 when none is left.
    qsizetype Nimm(const QString& schluessel, QList<bool>& genommen) {
        const auto it = m_folgen.find(schluessel);
        if (it == m_folgen.end())
            return -1;
        Folge& folge = it.value();
        while (folge.weiter < folge.elemente.size() && genommen[folge.elemente[folge.weiter]])
            ++folge.weiter;
        if (folge.weiter == folge.elemente.size())
            return -1;
        const qsizetype element = folge.elemente[folge.weiter++];
        genommen[element] = true;
        return element;
    }

private:
    struct Folge {
        QList<qsizetype> elemente;
        qsizetype weiter = 0; // the items before it are taken
    };
    QHash<QString, Folge> m_folgen;
};

} // namespace senvio
