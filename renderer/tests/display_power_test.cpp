// The display state notification's data, as the system writes it, read as fly or sleep.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "renderer/display_power.h"

namespace {

using renderer::DisplayRun;

struct StateCase {
    const char* name;
    std::vector<uint8_t> data;
    std::optional<DisplayRun> run;
};

class DisplayState : public testing::TestWithParam<StateCase> {};

TEST_P(DisplayState, ReadsAsFlyOrSleep) {
    const std::vector<uint8_t>& data = GetParam().data;
    EXPECT_EQ(renderer::DisplayRunFor(data.empty() ? nullptr : data.data(), static_cast<uint32_t>(data.size())),
              GetParam().run);
}

INSTANTIATE_TEST_SUITE_P(Values, DisplayState, testing::Values(
    StateCase{"Off", {0, 0, 0, 0}, DisplayRun::Sleep},
    StateCase{"On", {1, 0, 0, 0}, DisplayRun::Fly},
    StateCase{"Dimmed", {2, 0, 0, 0}, DisplayRun::Fly},
    StateCase{"HighByteSetIsNotOff", {0, 0, 0, 1}, DisplayRun::Fly},
    StateCase{"UnknownValueFlies", {7, 0, 0, 0}, DisplayRun::Fly},
    StateCase{"LongerDataReadsItsFirstValue", {0, 0, 0, 0, 9, 9, 9, 9}, DisplayRun::Sleep},
    StateCase{"TooShortSaysNothing", {0, 0, 0}, std::nullopt},
    StateCase{"NoDataSaysNothing", {}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
