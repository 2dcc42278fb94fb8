// The front end's process-wide state, owned by WinMain and passed down by reference:
// the settings record and the result of the latest platform call of the settings and
// music code (read only by the settings dialog, right after the call that set it).
#pragma once
#include <cstdint>

#include "settings/settings_record.h"

namespace frontend {

struct FrontendState {
    settings::SettingsRecord settings;
    int32_t LastResult = 0;
};

}  // namespace frontend
