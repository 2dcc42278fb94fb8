// What ends the run: the pointer rule measured from the start position, and the key table.
#include <gtest/gtest.h>

#include "renderer/run_rules.h"

namespace {

using renderer::ScreenPoint;

struct PointerCase {
    const char* name;
    ScreenPoint now;
    bool ends;
    int dpi = 96;
};

class PointerRule : public testing::TestWithParam<PointerCase> {};

TEST_P(PointerRule, EndsOnlyPastThirty96DpiPixelsOnBothAxes) {
    EXPECT_EQ(renderer::PointerEndsRun({640, 512}, GetParam().now, GetParam().dpi), GetParam().ends);
}

INSTANTIATE_TEST_SUITE_P(Moves, PointerRule, testing::Values(
    PointerCase{"Still", {640, 512}, false},
    PointerCase{"FarLeftOnly", {440, 512}, false},
    PointerCase{"FarDownOnly", {640, 1000}, false},
    PointerCase{"ThirtyAndThirty", {670, 542}, false},
    PointerCase{"ThirtyOneAndThirty", {671, 542}, false},
    PointerCase{"ThirtyOneAndThirtyOne", {671, 543}, true},
    PointerCase{"BackUpAndLeft", {609, 481}, true},
    PointerCase{"ExtremeCoordinates", {INT32_MIN, INT32_MAX}, true},
    // At 150 % the same hand moves 1.5 times the device pixels; at 125 %, 37.5.
    PointerCase{"FortyFiveAt144", {685, 557}, false, 144},
    PointerCase{"FortySixAt144", {686, 558}, true, 144},
    PointerCase{"SixtyAt192", {700, 572}, false, 192},
    PointerCase{"SixtyOneAt192", {701, 573}, true, 192},
    PointerCase{"ThirtySevenAt120", {677, 549}, false, 120},
    PointerCase{"ThirtyEightAt120", {678, 550}, true, 120},
    PointerCase{"UnknownDpiIs96", {671, 543}, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyTable, RemembersCodesInRangeAndIgnoresOthers) {
    renderer::KeyTable keys;
    keys.Set(0x26, true);
    keys.Set(0x1B, true);
    keys.Set(0x1B, false);
    keys.Set(256, true);
    keys.Set(static_cast<uintptr_t>(-1), true);
    EXPECT_TRUE(keys.IsDown(0x26));
    EXPECT_FALSE(keys.IsDown(0x1B));
    EXPECT_FALSE(keys.IsDown(256));
    EXPECT_FALSE(keys.IsDown(0));
}

}  // namespace
