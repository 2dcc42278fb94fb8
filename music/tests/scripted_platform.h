// A scripted stand-in for the platform's media services: it records every command with the
// buffer it was offered and answers like a device would (the reply written NUL-terminated on
// success, the buffer left alone on failure). Scenario devices derive from it.
#pragma once
#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "music/music_platform.h"

struct SentCommand {
    std::string command;
    bool hasBuffer;
    uint32_t size;
};

struct DeviceAnswer {
    uint32_t code = 0;
    std::string reply;
};

// Error codes as the platform numbers them.
constexpr uint32_t kErrInvalidDevice = 263;
constexpr uint32_t kErrFileNotFound = 275;
constexpr uint32_t kErrNotReady = 276;
constexpr uint32_t kErrOutOfRange = 282;

class ScriptedPlatform : public music::MusicPlatform {
  public:
    uint32_t SendMciString(const char* command, char* reply, uint32_t replySize) override {
        sent.push_back({command, reply != nullptr, replySize});
        const DeviceAnswer answer = Answer(command);
        if (answer.code == 0 && reply && replySize > 0) {
            const size_t length = std::min<size_t>(answer.reply.size(), replySize - 1);
            std::memcpy(reply, answer.reply.data(), length);
            reply[length] = '\0';
        }
        return answer.code;
    }
    bool GetMciErrorString(uint32_t code, char* text, uint32_t textSize) override {
        const auto found = errorTexts.find(code);
        if (found == errorTexts.end() || textSize == 0) return false;
        // Only the text and one NUL: whatever lies behind it stays, as on the platform.
        const size_t length = std::min<size_t>(found->second.size(), textSize - 1);
        std::memcpy(text, found->second.data(), length);
        text[length] = '\0';
        return true;
    }
    uint32_t CountWaveOutDevices() override { return waveDevices; }
    int32_t PlaySoundNamed(const char* name, uint32_t flags) override {
        sounds.push_back({name ? name : "<none>", flags});
        return 1;
    }
    std::string ToAnsi(std::wstring_view text) override {  // UTF-8 stands in for the code page
        std::string out;
        for (wchar_t c : text) {
            const auto u = static_cast<uint32_t>(c);
            if (u < 0x80) {
                out += static_cast<char>(u);
            } else if (u < 0x800) {
                out += static_cast<char>(0xC0 | (u >> 6));
                out += static_cast<char>(0x80 | (u & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (u >> 12));
                out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (u & 0x3F));
            }
        }
        return out;
    }

    // Code page 932: these bytes begin a two-byte character.
    bool IsLeadByte(unsigned char byte) override {
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    }

    // The commands sent since the last call, for step-by-step checks.
    std::vector<std::string> TakeSent() {
        std::vector<std::string> commands;
        for (const auto& s : sent) commands.push_back(s.command);
        sent.clear();
        return commands;
    }

    std::vector<SentCommand> sent;
    std::map<uint32_t, std::string> errorTexts;
    uint32_t waveDevices = 0;
    std::vector<std::pair<std::string, uint32_t>> sounds;

  protected:
    virtual DeviceAnswer Answer(const std::string& command) = 0;
};
