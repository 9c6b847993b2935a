#include "basis/Zwischendateien.h"

#include <csignal>
#include <mutex>
#include <pthread.h>
#include <set>
#include <thread>
#include <unistd.h>

namespace senvio {

namespace {

std::mutex s_sperre;
std::set<std::string>& Gemerkte() {
    static std::set<std::string> pfade;
    return pfade;
}

sigset_t Endesignale() {
    sigset_t signale;
    sigemptyset(&signale);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&signale, signal);
    return signale;
}

// Runs outside of any signal handler: the lock is taken as anywhere else. It is kept to the end,
// so no file is begun after the removal.
[[noreturn]] void RaeumeAufUndEnde(int signal) {
    const std::lock_guard<std::mutex> halte(s_sperre);
    for (const std::string& pfad : Gemerkte())
        ::unlink(pfad.c_str());
    for (const std::string& pfad : Gemerkte())
        ::rmdir(pfad.c_str());
    std::signal(signal, SIG_DFL);
    const sigset_t signale = Endesignale();
    ::pthread_sigmask(SIG_UNBLOCK, &signale, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

} // namespace

void MerkeZwischendatei(const std::string& pfad) {
    const std::lock_guard<std::mutex> halte(s_sperre);
    Gemerkte().insert(pfad);
}

void VergissZwischendatei(const std::string& pfad) {
    const std::lock_guard<std::mutex> halte(s_sperre);
    Gemerkte().erase(pfad);
}

void RaeumeBeimEndeAuf() {
    const sigset_t signale = Endesignale();
    ::pthread_sigmask(SIG_BLOCK, &signale, nullptr);
    std::thread([signale] {
        int signal = 0;
        while (::sigwait(&signale, &signal) != 0) {
        }
        RaeumeAufUndEnde(signal);
    }).detach();
}

} // namespace senvio
