// The Linux side of a Wine process, read through Wine's drive Z: for the benchmarks: a process
// found by the command line Wine gives it (the Windows one), and its CPU time from /proc.
// WINE: Wine reports no CPU time for another process through GetProcessTimes; /proc has it.
// Win32 only, header-only.
#pragma once
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace wintest {

// User and system time of a Linux process, from fields 14 and 15 of /proc/<pid>/stat (after the
// command name, which may hold blanks, in parentheses), in clock ticks of 1/100 s; 0 when the
// process cannot be read.
inline double UnixProcessCpuSeconds(unsigned long processId) {
    char path[64];
    std::snprintf(path, sizeof(path), "Z:\\proc\\%lu\\stat", processId);
    std::FILE* file = std::fopen(path, "r");
    if (!file) return 0;
    char line[1024] = {};
    const bool read = std::fgets(line, sizeof(line), file) != nullptr;
    std::fclose(file);
    const char* afterName = read ? std::strrchr(line, ')') : nullptr;
    if (!afterName) return 0;
    unsigned long long user = 0, system = 0;
    if (std::sscanf(afterName + 1, " %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %llu %llu", &user, &system) != 2) {
        return 0;
    }
    constexpr double kTicksPerSecond = 100;  // USER_HZ on Linux
    return double(user + system) / kTicksPerSecond;
}

// The Linux process whose command line starts with the program's Windows path (as Wine sets
// it), in any case; 0 when there is none.
inline unsigned long UnixProcessOf(const std::string& programPath) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    unsigned long match = 0;
    do {
        char* end = nullptr;
        const unsigned long id = std::strtoul(found.cFileName, &end, 10);
        if (id == 0 || *end != '\0') continue;
        const std::string cmdline = "Z:\\proc\\" + std::string(found.cFileName) + "\\cmdline";
        std::FILE* file = std::fopen(cmdline.c_str(), "rb");
        if (!file) continue;
        char first[512] = {};
        std::fread(first, 1, sizeof(first) - 1, file);
        std::fclose(file);
        if (_strnicmp(first, programPath.c_str(), programPath.size()) == 0) match = id;
    } while (!match && FindNextFileA(search, &found));
    FindClose(search);
    return match;
}

}  // namespace wintest
