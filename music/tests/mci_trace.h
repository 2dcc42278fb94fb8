// What the end-to-end tests need to watch MCI under Wine: the +mci trace of the test's
// process and its children (wine_exec_traced.sh sends it to a file) and a do-nothing
// MPEGVideo driver registered for the test. Win32 only, header-only.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "testing/wintest/wintest.h"

namespace mcitest {

using Commands = std::vector<std::string>;

// The mciSendStringW lines of the trace written since the last Take, in the form Wine
// prints them: non-ASCII characters as "\" and four hex digits, "\" and quotes escaped.
class MciTrace {
  public:
    MciTrace() {
        const char* unixPath = std::getenv("VQ_WINE_TRACE");
        if (unixPath) {
            path_ = std::string("Z:") + unixPath;
            for (char& c : path_) if (c == '/') c = '\\';
        }
        Take();
    }
    bool available() const { return !path_.empty(); }

    Commands Take() {
        const std::string text = wintest::ReadFileBytes(path_).value_or("");
        const std::string fresh = text.size() > seen_ ? text.substr(seen_) : "";
        seen_ = text.size();
        Commands commands;
        const std::string marker = ":trace:mci:mciSendStringW (L\"";
        for (size_t at = fresh.find(marker); at != std::string::npos;
             at = fresh.find(marker, at + 1)) {
            const size_t begin = at + marker.size();
            const size_t end = fresh.find("\", ", begin);
            if (end == std::string::npos) continue;
            const std::string command = fresh.substr(begin, end - begin);
            // The rest of the line: the reply buffer, its size and the callback window.
            const std::string arguments = fresh.substr(end + 3, fresh.find('\n', end) - end - 3);
            if (!IsAutomaticOpen(command, arguments)) commands.push_back(command);
        }
        return commands;
    }

    // How the trace shows an ANSI command, read as the platform reads it (code page 932).
    static std::string Shown(const std::string& ansi) {
        static const char kHex[] = "0123456789abcdef";
        std::string shown;
        for (wchar_t c : wintest::Widen(ansi, 932)) {
            if (c == L'\\' || c == L'"') {
                shown += '\\';
                shown += static_cast<char>(c);
            } else if (c < 32 || c >= 127) {
                shown += '\\';
                for (int shift = 12; shift >= 0; shift -= 4) shown += kHex[(c >> shift) & 15];
            } else {
                shown += static_cast<char>(c);
            }
        }
        return shown;
    }

  private:
    // WINE: a command for a device that is not open makes winmm try an "open <device> wait"
    // of its own first, with a 6-character reply buffer; the player never sends those.
    static bool IsAutomaticOpen(const std::string& command, const std::string& arguments) {
        const std::string wait = " wait";
        return command.rfind("open ", 0) == 0 && command.size() > wait.size() &&
               command.compare(command.size() - wait.size(), wait.size(), wait) == 0 &&
               arguments.find(", 6, ") != std::string::npos;
    }

    std::string path_;
    size_t seen_ = 0;
};

// Registers the do-nothing driver for MPEGVideo and puts back what was there before.
class NullMpegVideoDriver {
  public:
    explicit NullMpegVideoDriver(const std::string& dllPath) {
        DWORD disposition = 0;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key_, &disposition) != ERROR_SUCCESS) {
            return;
        }
        createdKey_ = disposition == REG_CREATED_NEW_KEY;
        char old[MAX_PATH] = {};
        DWORD size = sizeof(old) - 1;
        hadValue_ = RegQueryValueExA(key_, "MPEGVideo", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS;
        oldValue_ = old;
        registered_ = RegSetValueExA(key_, "MPEGVideo", 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(dllPath.c_str()),
                                     static_cast<DWORD>(dllPath.size() + 1)) == ERROR_SUCCESS;
    }
    ~NullMpegVideoDriver() {
        if (!key_) return;
        if (hadValue_) {
            RegSetValueExA(key_, "MPEGVideo", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(oldValue_.c_str()),
                           static_cast<DWORD>(oldValue_.size() + 1));
        } else {
            RegDeleteValueA(key_, "MPEGVideo");
        }
        RegCloseKey(key_);
        if (createdKey_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    }
    NullMpegVideoDriver(const NullMpegVideoDriver&) = delete;
    NullMpegVideoDriver& operator=(const NullMpegVideoDriver&) = delete;
    bool registered() const { return registered_; }

  private:
    static constexpr const char* kKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI";
    HKEY key_ = nullptr;
    bool createdKey_ = false;
    bool hadValue_ = false;
    bool registered_ = false;
    std::string oldValue_;
};

}  // namespace mcitest
