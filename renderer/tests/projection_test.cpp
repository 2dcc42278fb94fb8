// The projection for a window size: a zero height never reaches the division.
#include <gtest/gtest.h>

#include <cmath>

#include "renderer/projection.h"

namespace {

struct ShapeCase {
    const char* name;
    int32_t width, height;
    int32_t viewportHeight;
    double aspect;
};

class Projection : public testing::TestWithParam<ShapeCase> {};

TEST_P(Projection, ViewportAndAspect) {
    const ShapeCase& c = GetParam();
    const renderer::ProjectionShape shape = renderer::ProjectionFor(c.width, c.height);
    EXPECT_EQ(shape.viewportWidth, c.width);
    EXPECT_EQ(shape.viewportHeight, c.viewportHeight);
    EXPECT_TRUE(std::isfinite(shape.aspect));
    EXPECT_DOUBLE_EQ(shape.aspect, c.aspect);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Projection, testing::Values(
    ShapeCase{"HeightZeroTakenAsOne", 800, 0, 1, 800.0},
    ShapeCase{"WidestSizeNoticeWithHeightZero", 65535, 0, 1, 65535.0},
    ShapeCase{"NothingAtAll", 0, 0, 1, 0.0},
    ShapeCase{"MaximisedWithCaption", 1288, 1081, 1081, 1.1914893617021276}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
