// A small program that loads or saves the settings record with the real profile functions,
// for the end-to-end test of the settings file: it keeps "Vaporquill.ini" beside itself.
//   settings_file_probe save <kind> <repeat> [<file>]  -> exit code 0 when the writes succeeded
//   settings_file_probe load -> writes "<kind>|<repeat>|<file>" to loaded.txt beside itself
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "host/program_files_win32.h"
#include "settings/settings_file_win32.h"

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "save") == 0) {
        settings::SettingsRecord settings;
        settings.BgmKind = static_cast<int16_t>(std::atoi(argv[2]));
        settings.BgmRepeat = static_cast<int16_t>(std::atoi(argv[3]));
        if (argc >= 5) settings.BgmFile = argv[4];
        int32_t lastResult = 0;
        settings::SaveSettings(settings, lastResult);
        return lastResult != 0 ? 0 : 1;
    }
    if (argc >= 2 && std::strcmp(argv[1], "load") == 0) {
        settings::SettingsRecord settings;
        settings::LoadSettings(settings);
        const std::string line = std::to_string(settings.BgmKind) + "|" +
                                 std::to_string(settings.BgmRepeat) + "|" + settings.BgmFile;
        HANDLE out = CreateFileA((host::ProgramFolder() + "\\loaded.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out == INVALID_HANDLE_VALUE) return 3;
        DWORD written = 0;
        const BOOL ok = WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(out);
        return ok ? 0 : 4;
    }
    return 2;
}
