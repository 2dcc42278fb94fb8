// The push button's persisted properties, written and read back through the host's store.
#include "controls/button_properties.h"

#include <gtest/gtest.h>

namespace {

controls::Button LoadedButton() {
    controls::Button button;
    host::PropertyStore nothingStored;
    controls::ReadButtonProperties(button, nothingStored, host::DialogFont());
    return button;
}

TEST(ButtonPropertyStore, AButtonLoadedWithNothingStoredIsEnabledAndCaptionedCommand1) {
    controls::Button button;
    const controls::ButtonSteps steps = controls::ReadButtonProperties(button, host::PropertyStore{}, host::DialogFont());
    EXPECT_TRUE(button.state.enabled);
    EXPECT_EQ(button.state.FirstRun, 1) << "never takes the first-run defaults";
    EXPECT_EQ(button.look.caption, L"Command1");
    EXPECT_EQ(button.look.font, host::DialogFont());
    EXPECT_EQ(button.look.backStyle, controls::kFaceOpaque);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].picture, controls::FacePicture::Normal);
}

TEST(ButtonPropertyStore, DefaultsAreNotStoredSoTheCaptionCommandReadsBackAsCommand1) {
    controls::Button button = LoadedButton();
    button.look.caption = L"Command";
    host::PropertyStore store;
    controls::WriteButtonProperties(button, store, host::DialogFont());
    EXPECT_EQ(store.size(), 0u);
    controls::Button reloaded;
    controls::ReadButtonProperties(reloaded, store, host::DialogFont());
    EXPECT_EQ(reloaded.look.caption, L"Command1");
}

TEST(ButtonPropertyStore, EveryChangedPropertySurvivesASaveAndALoad) {
    controls::Button button = LoadedButton();
    button.state.enabled = false;
    button.look.caption = L"ｷｬﾝｾﾙ";
    button.look.font.weight = host::kBoldWeight;
    button.look.fontColour = 0x0000FF;
    button.look.backStyle = controls::kFaceTransparent;
    host::PropertyStore store;
    controls::WriteButtonProperties(button, store, host::DialogFont());
    EXPECT_EQ(store.size(), 5u) << "FirstRun 1 is the default";

    controls::Button reloaded;
    const controls::ButtonSteps steps = controls::ReadButtonProperties(reloaded, store, host::DialogFont());
    EXPECT_FALSE(reloaded.state.enabled);
    EXPECT_EQ(reloaded.look.caption, L"ｷｬﾝｾﾙ");
    EXPECT_EQ(reloaded.look.font.weight, host::kBoldWeight);
    EXPECT_EQ(reloaded.look.fontColour, 0x0000FF);
    EXPECT_EQ(reloaded.look.backStyle, controls::kFaceTransparent);
    EXPECT_TRUE(steps.empty()) << "a disabled face is not refreshed";
}

TEST(ButtonPropertyStore, StoredValuesThatDoNotConvertAreSkipped) {
    host::PropertyStore store;
    store.Write(L"Enabled", std::wstring(L"perhaps"), true);
    store.Write(L"FirstRun", int32_t{300}, std::wstring(L"1"));
    store.Write(L"FontColour", std::wstring(L"red"), std::wstring(L"0"));
    store.Write(L"Visible", int32_t{7}, std::wstring(L"1"));
    store.Write(L"Font", std::wstring(L"Arial"), host::DialogFont());
    controls::Button button;
    button.look.fontColour = 0x00FF00;
    controls::ReadButtonProperties(button, store, host::DialogFont());
    EXPECT_FALSE(button.state.enabled) << "kept its start value";
    EXPECT_EQ(button.state.FirstRun, 0);
    EXPECT_EQ(button.look.fontColour, 0x00FF00);
    EXPECT_EQ(button.look.backStyle, controls::kFaceOpaque);
    EXPECT_EQ(button.look.font, host::DialogFont());
}

}  // namespace
