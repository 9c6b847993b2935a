// Ordered work in the background: results in job order, the bound on work ahead, the first error, the stop.
#include "nebenlauf/GeordneteArbeit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <stdexcept>

namespace senvio {
namespace {

using std::chrono::milliseconds;
using std::this_thread::sleep_for;

TEST(GeordneteArbeit, ReihenfolgeUndVorlauf) {
    // Later jobs are quicker; each notes how far it is ahead of the results counted taken.
    std::atomic<int> genommen = 0, weitester = 0;
    GeordneteArbeit<int> arbeit(4, 3);
    for (int i = 0; i < 20; ++i)
        arbeit.Gib([&, i] {
            weitester = std::max(weitester.load(), i - genommen.load());
            sleep_for(milliseconds((20 - i) % 5));
            return i;
        });
    for (int i = 0; i < 20; ++i, ++genommen) {
        sleep_for(milliseconds(1));
        ASSERT_EQ(arbeit.Naechstes(), i);
    }
    // Three at most begun and not taken; 3 when one begins between hand-over and count.
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

TEST(GeordneteArbeit, AbnehmerUndHaltMittenImLauf) {
    std::vector<int> erhalten;
    std::promise<void> alle;
    std::atomic<int> begonnen = 0, beendet = 0;
    {
        GeordneteArbeit<int> arbeit(3, SIZE_MAX, [&](int i) {
            if (i < 10)
                erhalten.push_back(i);
            if (i == 9)
                alle.set_value();
        });
        for (int i = 0; i < 10; ++i)
            arbeit.Gib([i] {
                sleep_for(milliseconds(i % 3));
                return i;
            });
        alle.get_future().wait();
        for (int i = 0; i < 1000; ++i) // some 700 ms of work for three workers
            arbeit.Gib([&] {
                ++begonnen;
                sleep_for(milliseconds(2));
                return 10 + ++beendet;
            });
    }
    EXPECT_EQ(erhalten, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_LT(begonnen, 1000);
    EXPECT_EQ(beendet, begonnen); // every job begun is done when the object is gone
}

} // namespace
} // namespace senvio
