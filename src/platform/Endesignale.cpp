#include "platform/Endesignale.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace senvio {

namespace {

constexpr std::array Endesignalnummern{SIGTERM, SIGHUP, SIGINT};
// [0] is written by the handler, [1] read by the event loop.
int s_rohr[2] = {-1, -1};

extern "C" void MeldeSignal(int signal) {
    const int gerettet = errno;
    const unsigned char nummer = static_cast<unsigned char>(signal);
    // A full pipe already carries an end: losing this byte changes nothing.
    [[maybe_unused]] const ssize_t geschrieben = ::write(s_rohr[0], &nummer, 1);
    errno = gerettet;
}

} // namespace

Endesignale::Endesignale(QObject* eltern) : QObject(eltern) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_rohr) != 0)
        return;
    m_melder = new QSocketNotifier(s_rohr[1], QSocketNotifier::Read, this);
    connect(m_melder, &QSocketNotifier::activated, this, &Endesignale::LiesSignale);
    struct sigaction aktion {};
    aktion.sa_handler = MeldeSignal;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (const int nummer : Endesignalnummern)
        ::sigaction(nummer, &aktion, nullptr);
}

Endesignale::~Endesignale() {
    if (!m_melder)
        return;
    for (const int nummer : Endesignalnummern)
        ::signal(nummer, SIG_DFL);
    delete m_melder;
    ::close(s_rohr[0]);
    ::close(s_rohr[1]);
    s_rohr[0] = s_rohr[1] = -1;
}

void Endesignale::LiesSignale() {
    unsigned char nummer = 0;
    while (::read(s_rohr[1], &nummer, 1) == 1)
        emit Empfangen(nummer);
}

} // namespace senvio
