#pragma once

// A file descriptor that is closed when it goes out of scope, and whole reads and
// writes that go on after interruptions and short transfers; for the PDF writer and
// the logo cache alike.
#include <cerrno>
#include <cstddef>
#include <string_view>
#include <unistd.h>

namespace senvio {

class Deskriptor {
public:
    explicit Deskriptor(int fd) : m_fd(fd) {}
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    ~Deskriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int fd() const { return m_fd; }
    // Closes now; false when the close reports an error (e.g. a full disk).
    bool Schliesse() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

inline bool SchreibeAlles(int fd, std::string_view daten) {
    while (!daten.empty()) {
        const ssize_t n = ::write(fd, daten.data(), daten.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        daten.remove_prefix(std::size_t(n));
    }
    return true;
}

// Reads exactly `laenge` bytes from offset `versatz` on; false on an error or an
// early end of the file.
inline bool LiesAlles(int fd, void* ziel, std::size_t laenge, off_t versatz) {
    char* z = static_cast<char*>(ziel);
    while (laenge > 0) {
        const ssize_t n = ::pread(fd, z, laenge, versatz);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        z += n;
        versatz += n;
        laenge -= std::size_t(n);
    }
    return true;
}

} // namespace senvio
