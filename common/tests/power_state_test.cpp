// What a run of power notifications leaves the programs believing: the display shows or not,
// the power is to be spared or not.
#include "common/power_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using common::PowerSetting;

struct Notice {
    PowerSetting setting;
    uint32_t value;
    uint32_t length = 4;
};

struct StateCase {
    const char* name;
    std::vector<Notice> notices;
    bool displayShows;
    bool sparesPower;
};

class PowerNotices : public testing::TestWithParam<StateCase> {};

TEST_P(PowerNotices, LeaveTheStateTheyTell) {
    common::PowerState state;
    for (const Notice& n : GetParam().notices) {
        const uint8_t data[4] = {static_cast<uint8_t>(n.value), static_cast<uint8_t>(n.value >> 8),
                                 static_cast<uint8_t>(n.value >> 16), static_cast<uint8_t>(n.value >> 24)};
        state = common::AfterPowerSetting(state, n.setting, data, n.length);
    }
    EXPECT_EQ(common::DisplayShows(state), GetParam().displayShows);
    EXPECT_EQ(common::SparesPower(state), GetParam().sparesPower);
}

INSTANTIATE_TEST_SUITE_P(Runs, PowerNotices, testing::Values(
    StateCase{"NothingHeard", {}, true, false},
    StateCase{"DisplayOff", {{PowerSetting::ConsoleDisplayState, 0}}, false, false},
    StateCase{"DimmedIsNotOff", {{PowerSetting::ConsoleDisplayState, 0}, {PowerSetting::ConsoleDisplayState, 2}}, true, false},
    StateCase{"BackOn", {{PowerSetting::ConsoleDisplayState, 0}, {PowerSetting::ConsoleDisplayState, 1}}, true, false},
    StateCase{"UnknownDisplayValueShows", {{PowerSetting::ConsoleDisplayState, 0}, {PowerSetting::ConsoleDisplayState, 7}}, true, false},
    StateCase{"MonitorPowerOff", {{PowerSetting::MonitorPower, 0}}, false, false},
    StateCase{"ShortDataSaysNothing", {{PowerSetting::ConsoleDisplayState, 0, 3}}, true, false},
    StateCase{"LongerDataReadsItsFirstValue", {{PowerSetting::ConsoleDisplayState, 0, 8}}, false, false},
    StateCase{"AHighByteSetIsNotOff", {{PowerSetting::ConsoleDisplayState, 0x01000000}}, true, false},
    StateCase{"OnBattery", {{PowerSetting::PowerSource, 1}}, true, true},
    StateCase{"OnAUps", {{PowerSetting::PowerSource, 2}}, true, true},
    StateCase{"BackOnMains", {{PowerSetting::PowerSource, 1}, {PowerSetting::PowerSource, 0}}, true, false},
    StateCase{"BatterySaver", {{PowerSetting::BatterySaver, 1}}, true, true},
    StateCase{"EnergySaverHigh", {{PowerSetting::EnergySaver, 2}}, true, true},
    // Mains again, but a saver still on: still sparing.
    StateCase{"SaverOutlastsBattery", {{PowerSetting::PowerSource, 1}, {PowerSetting::BatterySaver, 1},
                                       {PowerSetting::PowerSource, 0}}, true, true},
    StateCase{"DarkAndSparing", {{PowerSetting::PowerSource, 1}, {PowerSetting::ConsoleDisplayState, 0}}, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
