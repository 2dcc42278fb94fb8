// The push button's behaviour over scripted notifications: which face is painted when,
// when Click is raised, and what a disabled or uninitialised button does.
#include "controls/button_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/control_events.h"

namespace {

enum class Event { Move, LeftDown, LeftUp, RightDown, RightUp, Focus, Blur, TickOver, TickOff, Resize };

const char* Name(controls::FacePicture picture) {
    switch (picture) {
        case controls::FacePicture::Normal: return "Normal";
        case controls::FacePicture::HighLight: return "HighLight";
        case controls::FacePicture::Selected: return "Selected";
        case controls::FacePicture::HighLightSelect: return "HighLightSelect";
        case controls::FacePicture::Pressed: return "Pressed";
        case controls::FacePicture::Disable: return "Disable";
    }
    return "?";
}

// The steps as one text: "HighLight" for a paint, "Click" for the event, "-" for nothing.
std::string Describe(const controls::ButtonSteps& steps) {
    std::string text;
    for (const controls::ButtonStep& step : steps) {
        if (!text.empty()) text += ",";
        text += step.kind == controls::ButtonStep::Kind::RaiseClick ? "Click" : Name(step.picture);
    }
    return text.empty() ? "-" : text;
}

controls::ButtonSteps Send(controls::Button& button, Event event) {
    switch (event) {
        case Event::Move: return controls::OnButtonMouseMove(button);
        case Event::LeftDown: return controls::OnButtonMouseDown(button, host::kLeftButton);
        case Event::LeftUp: return controls::OnButtonMouseUp(button, host::kLeftButton);
        case Event::RightDown: return controls::OnButtonMouseDown(button, host::kRightButton);
        case Event::RightUp: return controls::OnButtonMouseUp(button, host::kRightButton);
        case Event::Focus: return controls::OnButtonGotFocus(button);
        case Event::Blur: return controls::OnButtonLostFocus(button);
        case Event::TickOver: return controls::OnButtonHoverTick(button, true);
        case Event::TickOff: return controls::OnButtonHoverTick(button, false);
        case Event::Resize: return controls::ApplyEnabledLook(button);
    }
    return {};
}

struct Beat {
    Event event;
    const char* steps;  // what the platform is asked to do
    int faceState;      // afterwards
};

struct Scenario {
    const char* what;
    bool initialized;
    bool enabled;
    std::vector<Beat> beats;
};

class ButtonScenarios : public testing::TestWithParam<Scenario> {};

TEST_P(ButtonScenarios, PaintsAndClicksAsAUserSeesThem) {
    const Scenario& scenario = GetParam();
    controls::Button button;
    button.state.enabled = scenario.enabled;
    button.state.FirstRun = 1;
    if (scenario.initialized) controls::InitializeButton(button);
    for (size_t i = 0; i < scenario.beats.size(); ++i) {
        const Beat& beat = scenario.beats[i];
        EXPECT_EQ(Describe(Send(button, beat.event)), beat.steps) << scenario.what << ", beat " << i;
        EXPECT_EQ(button.state.FaceState, beat.faceState) << scenario.what << ", beat " << i;
    }
}

// NOTE: the host gives the button the focus before it reports a left press, so a press
// over the button arrives as Focus then LeftDown.
INSTANTIATE_TEST_SUITE_P(EdgeCases, ButtonScenarios, testing::Values(
    Scenario{"a left click with the pointer staying on the button", true, true, {
        {Event::Move, "HighLight", 2}, {Event::Focus, "Pressed", 4}, {Event::LeftDown, "Pressed", 4},
        {Event::TickOver, "-", 4}, {Event::LeftUp, "HighLightSelect,Click", 4}}},
    Scenario{"press, drag off, release: Selected within a tick and no click", true, true, {
        {Event::Move, "HighLight", 2}, {Event::Focus, "Pressed", 4}, {Event::LeftDown, "Pressed", 4},
        {Event::Move, "-", 4}, {Event::TickOff, "Selected", 3}, {Event::LeftUp, "-", 3},
        {Event::Move, "HighLightSelect", 4}}},
    Scenario{"press, drag off, come back, release: no click", true, true, {
        {Event::Move, "HighLight", 2}, {Event::Focus, "Pressed", 4}, {Event::LeftDown, "Pressed", 4},
        {Event::TickOff, "Selected", 3}, {Event::Move, "-", 3}, {Event::TickOver, "-", 3},
        {Event::LeftUp, "-", 3}}},
    Scenario{"the right button paints nothing but clicks on release", true, true, {
        {Event::Move, "HighLight", 2}, {Event::RightDown, "-", 2}, {Event::RightUp, "Click", 2}}},
    Scenario{"a left release over a hovered button without focus repaints Normal", true, true, {
        {Event::Move, "HighLight", 2}, {Event::LeftDown, "Pressed", 2}, {Event::LeftUp, "Normal,Click", 2}}},
    Scenario{"keyboard focus with the pointer elsewhere shows Selected", true, true, {
        {Event::Focus, "Selected", 3}, {Event::TickOff, "-", 3}, {Event::Blur, "Normal", 1}}},
    Scenario{"the hover ends when the pointer leaves", true, true, {
        {Event::Move, "HighLight", 2}, {Event::TickOver, "-", 2}, {Event::TickOff, "Normal", 1},
        {Event::TickOff, "-", 1}}},
    Scenario{"a disabled button ignores mouse, focus and timer", true, false, {
        {Event::Move, "-", 1}, {Event::Focus, "-", 1}, {Event::LeftDown, "-", 1},
        {Event::LeftUp, "-", 1}, {Event::TickOff, "-", 1}, {Event::Resize, "Disable", 1}}},
    Scenario{"a resize repaints the enabled look whatever the state", true, true, {
        {Event::Move, "HighLight", 2}, {Event::Resize, "Normal", 2}, {Event::Focus, "Pressed", 4},
        {Event::Resize, "Normal", 4}}},
    Scenario{"before Initialize: moves change nothing, focus and release still act", false, true, {
        {Event::Move, "-", 0}, {Event::TickOff, "-", 0}, {Event::LeftUp, "Click", 0},
        {Event::Focus, "Selected", 3}, {Event::Blur, "Normal", 1}}}));

TEST(ButtonFirstRun, AFreshButtonShowsDisabledUntilEnabledIsFirstRead) {
    controls::Button button;  // placed for the first time: nothing was stored
    EXPECT_EQ(Describe(controls::ApplyEnabledLook(button)), "Disable");
    EXPECT_FALSE(button.look.captionEnabled);
    bool enabled = false;
    EXPECT_EQ(Describe(controls::ReadEnabled(button, enabled)), "Normal");
    EXPECT_TRUE(enabled);
    EXPECT_EQ(button.state.FirstRun, 1);
    EXPECT_TRUE(button.look.captionEnabled);
    EXPECT_EQ(Describe(controls::ReadEnabled(button, enabled)), "Normal") << "the defaults come once";
}

TEST(ButtonFirstRun, RefreshingBeforeTheFirstRunTurnsTheCaptionBlack) {
    controls::Button button;
    button.look.fontColour = 0x0000FF;
    EXPECT_EQ(Describe(controls::WriteEnabled(button, true)), "Normal");
    int32_t colour = -1;
    EXPECT_EQ(Describe(controls::ReadFontColour(button, colour)), "Normal");
    EXPECT_EQ(colour, 0x0000FF) << "read before the refresh";
    EXPECT_EQ(button.look.fontColour, 0) << "the refresh of a first run blackens the caption";
}

TEST(ButtonProperties, DisablingGreysTheCaptionAndPaintsDisable) {
    controls::Button button;
    button.state.enabled = true;
    button.state.FirstRun = 1;
    EXPECT_EQ(Describe(controls::WriteEnabled(button, false)), "Disable");
    EXPECT_FALSE(button.look.captionEnabled);
    bool enabled = true;
    EXPECT_EQ(Describe(controls::ReadEnabled(button, enabled)), "Disable");
    EXPECT_FALSE(enabled);
    EXPECT_EQ(Describe(controls::RefreshFace(button)), "-") << "a disabled face is never refreshed";
}

TEST(ButtonProperties, VisibleFalseHidesTheFaceAndReadsBackFalse) {
    controls::Button button;
    button.state.enabled = true;
    button.state.FirstRun = 1;
    EXPECT_EQ(Describe(controls::WriteVisible(button, false)), "-");
    EXPECT_EQ(button.look.backStyle, controls::kFaceTransparent);
    bool visible = true;
    EXPECT_EQ(Describe(controls::ReadVisible(button, visible)), "-");
    EXPECT_FALSE(visible);
    EXPECT_EQ(Describe(controls::WriteVisible(button, true)), "Normal");
    EXPECT_EQ(Describe(controls::ReadVisible(button, visible)), "Normal");
    EXPECT_TRUE(visible);
}

TEST(ButtonProperties, AFontColourThatIsNoColourKeepsTheOldOneButStillRefreshes) {
    controls::Button button;
    button.state.enabled = true;
    button.state.FirstRun = 1;
    EXPECT_EQ(Describe(controls::WriteFontColour(button, 0x123456)), "Normal");
    EXPECT_EQ(button.look.fontColour, 0x123456);
    EXPECT_EQ(Describe(controls::WriteFontColour(button, 0x7F000000)), "Normal");
    EXPECT_EQ(button.look.fontColour, 0x123456);
    EXPECT_TRUE(controls::IsColourValue(static_cast<int32_t>(0x80000012u))) << "a system colour";
    EXPECT_FALSE(controls::IsColourValue(static_cast<int32_t>(0x80000019u)));
}

}  // namespace
