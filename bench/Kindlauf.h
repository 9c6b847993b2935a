#pragma once

#include <string>
#include <vector>

// One run of a program of ours as a child process, as the benchmarks time it: the
// whole process from fork to exit, and its own peak memory.
struct Kindlauf {
    double ms = 0;
    double spitzeMiB = 0;
    double cpuMs = 0;         // user and system time, which a busy machine changes less than the wall clock's
    bool erfolgreich = false; // exit code 0
    std::string fehlerausgabe;
};

// Runs argumente[0] with the arguments that follow, standard output discarded,
// standard error collected; the variables "NAME=WERT" are set for the child only.
Kindlauf StarteUndMiss(const std::vector<std::string>& argumente, const std::vector<std::string>& umgebung = {});

// The median of the figures of several runs.
double Median(std::vector<double> werte);
