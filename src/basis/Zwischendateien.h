#pragma once

#include <string>
#include <utility>

// The files a run has open for a moment (a temporary file before its rename, a staged picture):
// a tool ended by SIGTERM, SIGINT or SIGHUP removes them before it ends, so a print that is
// stopped leaves nothing behind.
namespace senvio {

void MerkeZwischendatei(const std::string& pfad);
void VergissZwischendatei(const std::string& pfad);

// Kept while it lives.
class GemerkteZwischendatei {
public:
    explicit GemerkteZwischendatei(std::string pfad) : m_pfad(std::move(pfad)) { MerkeZwischendatei(m_pfad); }
    ~GemerkteZwischendatei() { VergissZwischendatei(m_pfad); }
    GemerkteZwischendatei(const GemerkteZwischendatei&) = delete;
    GemerkteZwischendatei& operator=(const GemerkteZwischendatei&) = delete;

private:
    std::string m_pfad;
};

// Blocks the three signals in this thread and in every thread started from it, and waits for
// them on a thread of its own, which removes the files kept (folders among them once empty)
// and ends the process by the same signal. Called first in a tool's main, before any thread.
void RaeumeBeimEndeAuf();

} // namespace senvio
