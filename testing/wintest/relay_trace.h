// Wine's relay trace of a few platform functions, for the programs a test starts: which calls
// a program made, with their arguments and results, in order. It lets a test wait for what a
// program did (three renderer watches, a frame) instead of sleeping for as long as that
// should take. Win32 test helper; under Wine only, with the test run through
// wine_exec_traced.sh (VQ_WINE_TRACE names the trace file).
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "testing/wintest/wintest.h"

namespace wintest {

struct RelayCall {
    std::string arguments;          // as Wine prints them: strings quoted, the rest in hex
    std::optional<uint32_t> result;  // none while the call has not returned
    std::optional<uint32_t> tickMs;  // the program's tick count at the call, as Wine stamped it
};

class RelayTrace {
  public:
    // Relay tracing limited to `functions` ("user32.FindWindowA", several joined by ';') in
    // the processes started while this lives; the prefix's setting is put back after.
    explicit RelayTrace(const char* functions);
    ~RelayTrace();
    RelayTrace(const RelayTrace&) = delete;
    RelayTrace& operator=(const RelayTrace&) = delete;

    // False off Wine, without a trace file, or when the setting could not be made.
    bool available() const { return isSet_ && !tracePath_.empty(); }
    // Starts a program with the relay channel on; this process keeps its own debug setting.
    std::optional<ChildProcess> Start(const std::string& commandLine, const std::string& workDir = "") const;
    // The calls of `function` ("user32.FindWindowA") that process `processId` made so far,
    // those whose arguments hold `argumentText` (a quoted string, say) when it is given.
    std::vector<RelayCall> Calls(DWORD processId, const std::string& function,
                                 const std::string& argumentText = "") const;

  private:
    HKEY key_ = nullptr;
    bool isSet_ = false;
    std::string tracePath_;
};

bool RunningUnderWine();

}  // namespace wintest
