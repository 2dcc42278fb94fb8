// Finding an extension in a driver's lists: whole names only, in either list.
#include <gtest/gtest.h>

#include "renderer/gl_extensions.h"

namespace {

struct ListCase {
    const char* name;
    const char* list;
    bool listed;
};

class ExtensionList : public testing::TestWithParam<ListCase> {};

TEST_P(ExtensionList, FindsOnlyTheWholeName) {
    EXPECT_EQ(renderer::ListsExtension(GetParam().list, "WGL_EXT_swap_control"), GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(Lists, ExtensionList, testing::Values(
    ListCase{"Alone", "WGL_EXT_swap_control", true},
    ListCase{"First", "WGL_EXT_swap_control WGL_ARB_pixel_format", true},
    ListCase{"Middle", "WGL_ARB_extensions_string WGL_EXT_swap_control WGL_ARB_pixel_format", true},
    ListCase{"LastWithTrailingBlank", "GL_ARB_multitexture WGL_EXT_swap_control ", true},
    ListCase{"AfterSeveralBlanks", "GL_ARB_multitexture   WGL_EXT_swap_control", true},
    ListCase{"OnlyTheTearVariant", "WGL_ARB_pixel_format WGL_EXT_swap_control_tear", false},
    ListCase{"TearVariantThenTheName", "WGL_EXT_swap_control_tear WGL_EXT_swap_control", true},
    ListCase{"LongerNameEndingInIt", "XWGL_EXT_swap_control", false},
    ListCase{"Cut", "WGL_EXT_swap_contro", false},
    ListCase{"Empty", "", false},
    ListCase{"NoList", nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct SourceCase {
    const char* name;
    const char* gl;
    const char* wgl;
    bool offered;
};

class SwapControlSource : public testing::TestWithParam<SourceCase> {};

TEST_P(SwapControlSource, EitherListIsEnough) {
    EXPECT_EQ(renderer::OffersSwapControl(GetParam().gl, GetParam().wgl), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(Drivers, SwapControlSource, testing::Values(
    SourceCase{"OnlyAmongGlExtensions", "GL_ARB_multitexture WGL_EXT_swap_control", "WGL_ARB_pixel_format", true},
    SourceCase{"OnlyInTheWglString", "GL_ARB_multitexture", "WGL_EXT_swap_control", true},
    SourceCase{"NoWglString", "WGL_EXT_swap_control", nullptr, true},
    SourceCase{"InNeither", "GL_ARB_multitexture", "WGL_EXT_swap_control_tear", false},
    SourceCase{"NoListsAtAll", nullptr, nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
