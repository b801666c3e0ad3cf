// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// wakeups PID SECONDS
//
// How often a running program wakes up, and how much processor time it takes,
// over SECONDS: the context switches (voluntary and not) of every one of its
// threads, from /proc/PID/task/*/status, and its processor time through its
// CPU clock (all threads, ended ones too, to the nanosecond; /proc/PID/stat
// counts only hundredths, too coarse for a program that sleeps).
// Prints one line: "wakeups_per_second cpu_percent threads_at_start threads_at_end".
// A thread that ends within the interval takes its switches with it, so the
// caller lets a program settle (its sound device closed) before it measures.
#include <dirent.h>
#include <sys/types.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace {

// Context switches so far, by thread.
std::map<long, long long> Switches(long pid) {
    std::map<long, long long> out;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return out;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream status(tasks + "/" + entry->d_name + "/status");
        std::string key;
        long long value = 0, sum = 0;
        while (status >> key) {
            if (key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") {
                status >> value;
                sum += value;
            }
        }
        out[std::atol(entry->d_name)] = sum;
    }
    closedir(dir);
    return out;
}

double CpuSeconds(long pid) {
    clockid_t clock{};
    timespec used{};
    if (clock_getcpuclockid(static_cast<pid_t>(pid), &clock) != 0 ||
        clock_gettime(clock, &used) != 0)
        return -1;
    return static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) / 1e9;
}

double Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wakeups PID SECONDS\n");
        return 2;
    }
    const long pid = std::atol(argv[1]);
    const double seconds = std::atof(argv[2]);
    const std::map<long, long long> before = Switches(pid);
    const double cpuBefore = CpuSeconds(pid), start = Now();
    if (before.empty() || cpuBefore < 0) {
        std::fprintf(stderr, "wakeups: no process %ld\n", pid);
        return 1;
    }
    timespec pause{static_cast<time_t>(seconds),
                   static_cast<long>((seconds - static_cast<long>(seconds)) * 1e9)};
    nanosleep(&pause, nullptr);
    const std::map<long, long long> after = Switches(pid);
    const double cpuAfter = CpuSeconds(pid), elapsed = Now() - start;
    if (after.empty() || cpuAfter < 0) {
        std::fprintf(stderr, "wakeups: process %ld ended\n", pid);
        return 1;
    }
    long long switches = 0;
    for (const auto& [tid, count] : after) {
        const auto was = before.find(tid);
        switches += count - (was == before.end() ? 0 : was->second);
    }
    std::printf("%.1f %.3f %zu %zu\n", static_cast<double>(switches) / elapsed,
                100.0 * (cpuAfter - cpuBefore) / elapsed, before.size(), after.size());
    return 0;
}
