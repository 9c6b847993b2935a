#include "Kindlauf.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

Kindlauf StarteUndMiss(const std::vector<std::string>& argumente, const std::vector<std::string>& umgebung) {
    int rohr[2];
    if (pipe(rohr) != 0)
        std::exit(1);
    const auto start = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        dup2(rohr[1], STDERR_FILENO);
        const int nichts = open("/dev/null", O_WRONLY);
        dup2(nichts, STDOUT_FILENO);
        close(rohr[0]);
        for (const std::string& variable : umgebung)
            putenv(const_cast<char*>(variable.c_str()));
        std::vector<char*> argv;
        for (const std::string& a : argumente)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(rohr[1]);
    Kindlauf lauf;
    char puffer[4096];
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;)
        lauf.fehlerausgabe.append(puffer, std::size_t(n));
    close(rohr[0]);
    int status = 0;
    rusage nutzung{};
    wait4(kind, &status, 0, &nutzung);
    lauf.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    lauf.spitzeMiB = double(nutzung.ru_maxrss) / 1024.0;
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    lauf.cpuMs = ms(nutzung.ru_utime) + ms(nutzung.ru_stime);
    lauf.erfolgreich = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return lauf;
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}
