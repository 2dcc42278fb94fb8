// Where Tab moves the focus, and which part of a window a mouse event reaches.
#include <gtest/gtest.h>

#include <vector>

#include "host/control_events.h"
#include "host/focus_order.h"
#include "host/pointer_routing.h"

namespace {

struct FocusCase {
    const char* what;
    std::vector<bool> canTakeFocus;
    std::optional<size_t> current;
    bool forward;
    std::optional<size_t> next;
};
class FocusOrder : public testing::TestWithParam<FocusCase> {};

TEST_P(FocusOrder, MovesToTheNextControlThatCanTakeIt) {
    const FocusCase& c = GetParam();
    EXPECT_EQ(host::NextInFocusOrder(c.canTakeFocus, c.current, c.forward), c.next) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Orders, FocusOrder, testing::Values(
    FocusCase{"Tab goes to the next", {true, true, true}, 0, true, 1},
    FocusCase{"Shift+Tab goes back", {true, true, true}, 1, false, 0},
    FocusCase{"the last wraps to the first", {true, true, true}, 2, true, 0},
    FocusCase{"the first wraps back to the last", {true, true, true}, 0, false, 2},
    FocusCase{"a control that cannot take it is passed over", {true, false, true}, 0, true, 2},
    FocusCase{"nothing focused: Tab starts at the first", {true, true}, std::nullopt, true, 0},
    FocusCase{"nothing focused: Shift+Tab starts at the last", {true, true}, std::nullopt, false, 1},
    FocusCase{"the only one keeps it", {false, true, false}, 1, true, 1},
    FocusCase{"none can take it", {false, false}, 0, true, std::nullopt},
    FocusCase{"an empty order", {}, std::nullopt, true, std::nullopt}));

constexpr int kWindow = host::PointerRouter::kWindowItself;

TEST(PointerRouting, APressAndReleaseOverThePartIsItsClick) {
    host::PointerRouter router;
    EXPECT_EQ(router.Down(2, host::kLeftButton).target, 2);
    const auto up = router.Up(2, host::kLeftButton);
    EXPECT_EQ(up.target, 2);
    EXPECT_TRUE(up.click);
}

TEST(PointerRouting, APressKeepsItsPartUntilReleasedAndAReleaseElsewhereIsNoClick) {
    host::PointerRouter router;
    router.Down(1, host::kLeftButton);
    EXPECT_EQ(router.Move(kWindow).target, 1) << "dragged off, the press still reports to its part";
    const auto up = router.Up(kWindow, host::kLeftButton);
    EXPECT_EQ(up.target, 1);
    EXPECT_FALSE(up.click);
    EXPECT_EQ(router.Move(kWindow).target, kWindow) << "with no button held, the part under the pointer";
}

TEST(PointerRouting, OnlyTheLeftButtonClicksAndASecondButtonKeepsThePress) {
    host::PointerRouter router;
    router.Down(0, host::kRightButton);
    EXPECT_FALSE(router.Up(0, host::kRightButton).click);

    router.Down(0, host::kLeftButton);
    router.Down(kWindow, host::kRightButton);
    EXPECT_EQ(router.Up(kWindow, host::kRightButton).target, 0);
    EXPECT_TRUE(router.Up(0, host::kLeftButton).click);
}

TEST(PointerRouting, AfterTheMouseWasTakenAwayANewPressStartsAfresh) {
    host::PointerRouter router;
    router.Down(1, host::kLeftButton);
    router.LoseMouse();  // released over another window
    EXPECT_EQ(router.Move(2).target, 2);
    EXPECT_EQ(router.Down(2, host::kLeftButton).target, 2);
    EXPECT_TRUE(router.Up(2, host::kLeftButton).click);
}

TEST(PointerRouting, AReleaseWithoutItsPressGoesToThePartUnderItWithoutAClick) {
    host::PointerRouter router;
    const auto up = router.Up(3, host::kLeftButton);
    EXPECT_EQ(up.target, 3);
    EXPECT_FALSE(up.click);
}

}  // namespace
