// Wine's relay trace for tests; see relay_trace.h.
#include "testing/wintest/relay_trace.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace wintest {
namespace {

constexpr char kWineDebugKey[] = "Software\\Wine\\Debug";

struct LineHead {
    std::optional<uint32_t> tickMs;
    DWORD processId = 0;
    std::string thread;
    size_t rest = 0;  // where the call's own text begins
};

// With +timestamp,+pid a trace line begins "<seconds>.<ms>:<pid>:<tid>:", the ids four hex
// digits or more; the stamp is the system's tick count when the line was written.
std::optional<LineHead> ReadHead(const std::string& line) {
    LineHead head;
    size_t at = 0;
    size_t colon = line.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const size_t dot = line.find('.');
    if (dot < colon) {
        const unsigned long seconds = std::strtoul(line.c_str(), nullptr, 10);
        const unsigned long ms = std::strtoul(line.c_str() + dot + 1, nullptr, 10);
        head.tickMs = static_cast<uint32_t>(seconds * 1000 + ms);
        at = colon + 1;
        colon = line.find(':', at);
        if (colon == std::string::npos) return std::nullopt;
    }
    const size_t second = line.find(':', colon + 1);
    if (second == std::string::npos) return std::nullopt;
    head.processId = static_cast<DWORD>(std::strtoul(line.substr(at, colon - at).c_str(), nullptr, 16));
    head.thread = line.substr(colon + 1, second - colon - 1);
    head.rest = second + 1;
    return head;
}

}  // namespace

bool RunningUnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

RelayTrace::RelayTrace(const char* functions) {
    const char* unixTrace = std::getenv("VQ_WINE_TRACE");
    if (!RunningUnderWine() || !unixTrace || !*unixTrace) return;
    tracePath_ = std::string("Z:") + unixTrace;
    for (char& c : tracePath_) if (c == '/') c = '\\';
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kWineDebugKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_, nullptr) !=
        ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    const std::string include = functions;
    isSet_ = RegSetValueExA(key_, "RelayInclude", 0, REG_SZ, reinterpret_cast<const BYTE*>(include.c_str()),
                            static_cast<DWORD>(include.size() + 1)) == ERROR_SUCCESS;
}

RelayTrace::~RelayTrace() {
    if (isSet_) RegDeleteValueA(key_, "RelayInclude");
    if (key_) RegCloseKey(key_);
}

std::optional<ChildProcess> RelayTrace::Start(const std::string& commandLine, const std::string& workDir) const {
    char own[256] = {};
    const DWORD ownLength = GetEnvironmentVariableA("WINEDEBUG", own, sizeof(own));
    const bool hasOwn = ownLength > 0 && ownLength < sizeof(own);
    SetEnvironmentVariableA("WINEDEBUG", ((hasOwn ? std::string(own) + "," : std::string()) + "+timestamp,+pid,+relay").c_str());
    auto program = ChildProcess::Start(commandLine, workDir);
    SetEnvironmentVariableA("WINEDEBUG", hasOwn ? own : nullptr);
    return program;
}

std::vector<RelayCall> RelayTrace::Calls(DWORD processId, const std::string& function,
                                         const std::string& argumentText) const {
    // "<pid>:<tid>:Call user32.FindWindowA(00000000,0040a000 "Cirrovance_Tunnel") ret=00401234"
    // "<pid>:<tid>:Ret  user32.FindWindowA() retval=00000000 ret=00401234"
    const std::string call = "Call " + function + "(";
    const std::string ret = "Ret  " + function + "()";
    const std::string trace = ReadFileBytes(tracePath_).value_or("");
    std::vector<RelayCall> calls;
    std::map<std::string, size_t> openCallOfThread;
    size_t lineStart = 0;
    while (lineStart < trace.size()) {
        size_t lineEnd = trace.find('\n', lineStart);
        if (lineEnd == std::string::npos) break;  // a line still being written
        const std::string line = trace.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        const std::optional<LineHead> head = ReadHead(line);
        if (!head || head->processId != processId) continue;
        const size_t rest = head->rest;
        if (line.compare(rest, call.size(), call) == 0) {
            const size_t close = line.rfind(") ret=");
            const size_t begin = rest + call.size();
            calls.push_back(RelayCall{line.substr(begin, close == std::string::npos ? 0 : close - begin), std::nullopt,
                                      head->tickMs});
            openCallOfThread[head->thread] = calls.size() - 1;
        } else if (line.compare(rest, ret.size(), ret) == 0) {
            const auto open = openCallOfThread.find(head->thread);
            const size_t value = line.find("retval=", rest);
            if (open == openCallOfThread.end() || value == std::string::npos) continue;
            calls[open->second].result = static_cast<uint32_t>(std::strtoul(line.c_str() + value + 7, nullptr, 16));
            openCallOfThread.erase(open);
        }
    }
    if (!argumentText.empty()) {
        std::vector<RelayCall> matching;
        for (RelayCall& call : calls) {
            if (call.arguments.find(argumentText) != std::string::npos) matching.push_back(std::move(call));
        }
        return matching;
    }
    return calls;
}

}  // namespace wintest
