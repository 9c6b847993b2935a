// Ordered work in the background: results in job order, the bound on work ahead, the first error, the stop.
// No test waits for time to pass: jobs finish out of order because they wait for one another.
#include "nebenlauf/GeordneteArbeit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>

namespace senvio {
namespace {

// Jobs in threes whose first waits until the third is done: the results are ready out of order.
class Dreiergruppen {
public:
    explicit Dreiergruppen(int gruppen) : m_fertig(size_t(gruppen)) {
        for (std::promise<void>& fertig : m_fertig)
            m_warten.push_back(fertig.get_future().share());
    }
    int Arbeite(int i) {
        if (i % 3 == 0)
            m_warten[size_t(i / 3)].wait();
        if (i % 3 == 2)
            m_fertig[size_t(i / 3)].set_value();
        return i;
    }

private:
    std::vector<std::promise<void>> m_fertig;
    std::vector<std::shared_future<void>> m_warten;
};

TEST(GeordneteArbeit, ReihenfolgeUndVorlauf) {
    // Each job notes how far it is ahead of the results counted taken.
    std::atomic<int> genommen = 0, weitester = 0;
    Dreiergruppen gruppen(7);
    GeordneteArbeit<int> arbeit(4, 3);
    for (int i = 0; i < 21; ++i)
        arbeit.Gib([&, i] {
            weitester = std::max(weitester.load(), i - genommen.load());
            return gruppen.Arbeite(i);
        });
    for (int i = 0; i < 21; ++i, ++genommen)
        ASSERT_EQ(arbeit.Naechstes(), i);
    // The third of a group begins while its first waits untaken: 2 ahead at least. Three at
    // most begun and not taken; 3 when one begins between hand-over and count.
    EXPECT_GE(weitester, 2);
    EXPECT_LE(weitester, 3);
    EXPECT_THROW(arbeit.Naechstes(), std::logic_error);
}

TEST(GeordneteArbeit, ErsterFehlerBeendetDieArbeit) {
    std::atomic<int> begonnen = 0;
    GeordneteArbeit<int> arbeit(1);
    for (int i = 0; i < 5; ++i)
        arbeit.Gib([&, i] {
            ++begonnen;
            if (i == 2)
                throw std::runtime_error("zwei");
            return i;
        });
    EXPECT_EQ(arbeit.Naechstes(), 0);
    EXPECT_EQ(arbeit.Naechstes(), 1);
    EXPECT_THROW(arbeit.Naechstes(), std::runtime_error);
    EXPECT_THROW(arbeit.Naechstes(), std::runtime_error); // in place of job 3, never begun
    EXPECT_EQ(begonnen, 3);
}

TEST(GeordneteArbeit, AbnehmerErhaeltAllesInReihenfolge) {
    std::vector<int> erhalten;
    std::promise<void> alle;
    Dreiergruppen gruppen(4);
    {
        GeordneteArbeit<int> arbeit(3, SIZE_MAX, [&](int i) {
            erhalten.push_back(i);
            if (i == 11)
                alle.set_value();
        });
        for (int i = 0; i < 12; ++i)
            arbeit.Gib([&, i] { return gruppen.Arbeite(i); });
        alle.get_future().wait();
    }
    EXPECT_EQ(erhalten, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(GeordneteArbeit, HaltBeendetDenAuftragInDerHandUndBeginntKeinenNeuen) {
    // Four may run ahead: jobs 0 to 2 are done, job 3 is in hand and waits for the gate.
    std::atomic<int> begonnen = 0, beendet = 0;
    std::promise<void> vierter, tor;
    const std::shared_future<void> offen = tor.get_future().share();
    GeordneteArbeit<int> arbeit(3, 4);
    for (int i = 0; i < 1000; ++i)
        arbeit.Gib([&, i] {
            if (++begonnen == 4)
                vierter.set_value();
            if (i == 3)
                offen.wait();
            ++beendet;
            return i;
        });
    vierter.get_future().wait();
    {
        std::jthread halter([&] { arbeit.Halte(); });
        // Before or after the stop: either way no fifth job may begin.
        tor.set_value();
    }
    EXPECT_EQ(begonnen, 4);
    EXPECT_EQ(beendet, 4); // the job in hand was finished before Halte returned
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(arbeit.Naechstes(), i);
    EXPECT_THROW(arbeit.Naechstes(), std::logic_error); // job 4, never begun
    EXPECT_EQ(begonnen, 4);
}

} // namespace
} // namespace senvio
