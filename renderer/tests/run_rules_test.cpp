// What ends the run: the pointer rule measured from the start position, and the key table.
#include <gtest/gtest.h>

#include "renderer/run_rules.h"

namespace {

using renderer::ScreenPoint;

struct PointerCase {
    const char* name;
    ScreenPoint now;
    bool ends;
};

class PointerRule : public testing::TestWithParam<PointerCase> {};

TEST_P(PointerRule, EndsOnlyPastThirtyOnBothAxes) {
    EXPECT_EQ(renderer::PointerEndsRun({640, 512}, GetParam().now), GetParam().ends);
}

INSTANTIATE_TEST_SUITE_P(Moves, PointerRule, testing::Values(
    PointerCase{"Still", {640, 512}, false},
    PointerCase{"FarLeftOnly", {440, 512}, false},
    PointerCase{"FarDownOnly", {640, 1000}, false},
    PointerCase{"ThirtyAndThirty", {670, 542}, false},
    PointerCase{"ThirtyOneAndThirty", {671, 542}, false},
    PointerCase{"ThirtyOneAndThirtyOne", {671, 543}, true},
    PointerCase{"BackUpAndLeft", {609, 481}, true},
    PointerCase{"ExtremeCoordinates", {INT32_MIN, INT32_MAX}, true}),
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
