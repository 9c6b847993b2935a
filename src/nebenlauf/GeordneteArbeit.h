#pragma once

// Work in the background whose results are needed in order: decoding logos for the
// tiles and the cards, writing page files, compressing page pictures. The C++ standard
// library only, so that every library of ours can use it, the PDF writer included.
#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace senvio {

// One worker per core: the number of threads the machine runs at once, at least 1.
inline int Kerne() {
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

// Runs the jobs given on up to `arbeiter` threads, started as jobs come; workers take the
// jobs in the order given. A worker begins a job only while fewer than `vorlauf` jobs are
// begun and their results not yet handed out, so memory stays bounded however far the
// jobs run ahead of the one who takes the results. The results are handed out in the
// order of the jobs: by Naechstes, or, when an Abnehmer is given, to it on a worker
// thread, one at a time (it must not call back into this object).
//
// The first job that throws ends the work: no later job is begun, and in its place
// Naechstes throws the job's exception (at every later call too). Halte, and the
// destructor, end the work at once: the workers begin no new job, finish the one in hand
// and are joined, so nothing is left running.
template <class Ergebnis> class GeordneteArbeit {
public:
    using Auftrag = std::function<Ergebnis()>;
    using Abnehmer = std::function<void(Ergebnis)>;

    explicit GeordneteArbeit(int arbeiter = Kerne(), std::size_t vorlauf = SIZE_MAX, Abnehmer abnehmer = {})
        : m_arbeiter(std::size_t(std::max(1, arbeiter))), m_vorlauf(std::max<std::size_t>(1, vorlauf)),
          m_abnehmer(std::move(abnehmer)) {}
    ~GeordneteArbeit() { Halte(); }
    GeordneteArbeit(const GeordneteArbeit&) = delete;
    GeordneteArbeit& operator=(const GeordneteArbeit&) = delete;

    void Gib(Auftrag auftrag) {
        {
            const std::lock_guard<std::mutex> gesperrt(m_sperre);
            m_plaetze.push_back({std::move(auftrag), {}, {}, false});
            if (m_faeden.size() < m_arbeiter && !m_halt)
                m_faeden.emplace_back([this] { Arbeite(); });
        }
        m_gemeldet.notify_all();
    }

    // The jobs given so far.
    std::size_t Gegeben() const {
        const std::lock_guard<std::mutex> gesperrt(m_sperre);
        return m_genommen + m_plaetze.size();
    }

    // The jobs whose results are not yet handed out.
    std::size_t Offen() const {
        const std::lock_guard<std::mutex> gesperrt(m_sperre);
        return m_plaetze.size();
    }

    // Whether Naechstes returns or throws without waiting.
    bool Bereit() const {
        const std::lock_guard<std::mutex> gesperrt(m_sperre);
        return !m_plaetze.empty() && VorneEntschieden();
    }

    // The result of the next job, waiting until it is done; throws what the job threw,
    // std::logic_error when no job is open or the work was halted before this one.
    Ergebnis Naechstes() {
        std::unique_lock<std::mutex> gesperrt(m_sperre);
        if (m_plaetze.empty())
            throw std::logic_error("GeordneteArbeit: kein Auftrag offen");
        m_gemeldet.wait(gesperrt, [this] { return VorneEntschieden(); });
        if (!m_plaetze.front().fertig)
            std::rethrow_exception(m_fehler ? m_fehler : std::make_exception_ptr(std::logic_error("angehalten")));
        Platz platz = NimmVorne();
        gesperrt.unlock();
        m_gemeldet.notify_all(); // a worker may begin the next job
        if (platz.fehler)
            std::rethrow_exception(platz.fehler);
        return std::move(*platz.ergebnis);
    }

    void Halte() {
        std::vector<std::jthread> faeden;
        {
            const std::lock_guard<std::mutex> gesperrt(m_sperre);
            m_halt = true;
            faeden.swap(m_faeden);
        }
        m_gemeldet.notify_all();
        faeden.clear(); // joins
    }

private:
    struct Platz {
        Auftrag auftrag;
        std::optional<Ergebnis> ergebnis;
        std::exception_ptr fehler;
        bool fertig;
    };

    bool Beendet() const { return m_halt || m_fehler; }
    bool DarfBeginnen() const {
        return m_begonnen < m_genommen + m_plaetze.size() && m_begonnen - m_genommen < m_vorlauf;
    }
    // The first open job is done, or never will be.
    bool VorneEntschieden() const { return m_plaetze.front().fertig || (Beendet() && m_begonnen == m_genommen); }

    Platz NimmVorne() {
        Platz platz = std::move(m_plaetze.front());
        m_plaetze.pop_front();
        ++m_genommen;
        return platz;
    }

    void Arbeite() {
        std::unique_lock<std::mutex> gesperrt(m_sperre);
        for (;;) {
            m_gemeldet.wait(gesperrt, [this] { return Beendet() || DarfBeginnen(); });
            if (Beendet())
                return;
            // A deque keeps its elements in place while others come and go.
            Platz& platz = m_plaetze[m_begonnen++ - m_genommen];
            std::optional<Ergebnis> ergebnis;
            std::exception_ptr fehler;
            {
                const Auftrag auftrag = std::move(platz.auftrag);
                gesperrt.unlock();
                try {
                    ergebnis.emplace(auftrag());
                } catch (...) {
                    fehler = std::current_exception();
                }
            }
            gesperrt.lock();
            platz.ergebnis = std::move(ergebnis);
            platz.fehler = fehler;
            platz.fertig = true;
            if (fehler && !m_fehler)
                m_fehler = fehler;
            if (m_abnehmer)
                Liefere(gesperrt);
            m_gemeldet.notify_all();
        }
    }

    // Hands the results done to the Abnehmer, in order, up to the first error. One
    // worker at a time does it; the others go back to work.
    void Liefere(std::unique_lock<std::mutex>& gesperrt) {
        while (!m_liefert && !m_halt && !m_plaetze.empty() && m_plaetze.front().fertig && !m_plaetze.front().fehler) {
            Platz platz = NimmVorne();
            m_liefert = true;
            gesperrt.unlock();
            try {
                m_abnehmer(std::move(*platz.ergebnis));
            } catch (...) {
                gesperrt.lock();
                m_liefert = false;
                m_fehler = m_fehler ? m_fehler : std::current_exception();
                return;
            }
            gesperrt.lock();
            m_liefert = false;
        }
    }

    const std::size_t m_arbeiter;
    const std::size_t m_vorlauf;
    const Abnehmer m_abnehmer;
    mutable std::mutex m_sperre;
    std::condition_variable m_gemeldet;
    std::deque<Platz> m_plaetze; // the open jobs, from number m_genommen on
    std::size_t m_genommen = 0;  // results handed out
    std::size_t m_begonnen = 0;  // jobs a worker has begun
    std::exception_ptr m_fehler; // of the first job that threw
    bool m_halt = false;
    bool m_liefert = false;
    std::vector<std::jthread> m_faeden; // last: joined before the rest goes
};

} // namespace senvio
