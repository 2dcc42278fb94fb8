// Media control command strings; see music_commands.h.
#include "music/music_commands.h"

namespace music {

namespace music_commands {

std::string PlayCommand(std::string_view device, std::string_view from, std::string_view to) {
    std::string command = "play ";
    command += device;
    if (!from.empty()) {
        command += " from ";
        command += from;
    }
    if (!to.empty()) {
        command += " to ";
        command += to;
    }
    return command;
}

std::string OpenMp3Command(std::string_view ansiPath) {
    std::string command = "open \"";
    command += ansiPath;
    command += "\" type MPEGVideo Alias ";
    command += kMp3Alias;
    return command;
}

std::string TrackPositionQuery(int16_t track) {
    return "status cdaudio position track " + std::to_string(track);
}

}  // namespace music_commands

}  // namespace music
