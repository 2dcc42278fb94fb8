// The number rules: what the command line, the settings file and the track box turn into.
#include "host/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct PrefixCase { const char* text; double value; };
class NumberPrefix : public testing::TestWithParam<PrefixCase> {};

TEST_P(NumberPrefix, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(host::ReadNumberPrefix(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Forms, NumberPrefix, testing::Values(
    PrefixCase{"1234", 1234}, PrefixCase{"  1234", 1234}, PrefixCase{"\t 77", 77},
    PrefixCase{"-5x", -5}, PrefixCase{"  -5x", -5}, PrefixCase{"+8", 8},
    PrefixCase{"12ab34", 12}, PrefixCase{"12 34", 12}, PrefixCase{"2.9", 2.9},
    PrefixCase{".5", 0.5}, PrefixCase{"7.", 7}, PrefixCase{"1.2.3", 1.2},
    PrefixCase{"1e3", 1000}, PrefixCase{"1E+2x", 100}, PrefixCase{"5e-1", 0.5},
    PrefixCase{"3e", 3}, PrefixCase{"3e+", 3}, PrefixCase{"3ex", 3},
    PrefixCase{"", 0}, PrefixCase{"   ", 0}, PrefixCase{"x12", 0}, PrefixCase{"-", 0},
    PrefixCase{"-.", 0}, PrefixCase{".", 0}, PrefixCase{"--5", 0}, PrefixCase{"+-5", 0},
    PrefixCase{"0x1F", 0}, PrefixCase{"inf", 0}, PrefixCase{"nan", 0},
    PrefixCase{"4294967296", 4294967296.0}));

TEST(NumberPrefix, OverlongExponentGivesAValueNoRoundingAccepts) {
    EXPECT_FALSE(host::RoundHalfEvenToInt32(host::ReadNumberPrefix("1e999")).has_value());
}

struct WholeCase { const char* text; std::optional<double> value; };
class WholeNumber : public testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumber, AcceptsOnlyATextThatIsOneNumber) {
    const auto got = host::ReadWholeNumber(GetParam().text);
    ASSERT_EQ(got.has_value(), GetParam().value.has_value()) << GetParam().text;
    if (got) {
        EXPECT_DOUBLE_EQ(*got, *GetParam().value) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, WholeNumber, testing::Values(
    WholeCase{"2", 2.0}, WholeCase{" 2", 2.0}, WholeCase{"2 ", 2.0}, WholeCase{" 12 ", 12.0},
    WholeCase{"-1", -1.0}, WholeCase{"+3", 3.0}, WholeCase{"2.9", 2.9}, WholeCase{"-0.5", -0.5},
    WholeCase{"1e2", 100.0}, WholeCase{"\t7\t", 7.0}, WholeCase{"99999", 99999.0},
    WholeCase{"", std::nullopt}, WholeCase{"   ", std::nullopt}, WholeCase{"abc", std::nullopt},
    WholeCase{"2x", std::nullopt}, WholeCase{"1 2", std::nullopt}, WholeCase{"1e", std::nullopt},
    WholeCase{"-", std::nullopt}, WholeCase{".", std::nullopt}, WholeCase{"0x10", std::nullopt},
    WholeCase{"inf", std::nullopt}, WholeCase{"1e999", std::nullopt}));

struct RoundCase { double value; std::optional<int16_t> rounded; };

class FloorInto16 : public testing::TestWithParam<RoundCase> {};
TEST_P(FloorInto16, RoundsDownWithinRange) {
    EXPECT_EQ(host::FloorToInt16(GetParam().value), GetParam().rounded) << GetParam().value;
}
INSTANTIATE_TEST_SUITE_P(Values, FloorInto16, testing::Values(
    RoundCase{2.0, 2}, RoundCase{2.9, 2}, RoundCase{-0.5, -1}, RoundCase{-2.1, -3},
    RoundCase{0.0, 0}, RoundCase{32767.9, 32767}, RoundCase{-32768.0, -32768},
    RoundCase{32768.0, std::nullopt}, RoundCase{-32768.5, std::nullopt},
    RoundCase{99999.0, std::nullopt}, RoundCase{HUGE_VAL, std::nullopt},
    RoundCase{-HUGE_VAL, std::nullopt}, RoundCase{std::nan(""), std::nullopt}));

class HalfEvenInto16 : public testing::TestWithParam<RoundCase> {};
TEST_P(HalfEvenInto16, RoundsHalvesToEvenWithinRange) {
    EXPECT_EQ(host::RoundHalfEvenToInt16(GetParam().value), GetParam().rounded) << GetParam().value;
}
INSTANTIATE_TEST_SUITE_P(Values, HalfEvenInto16, testing::Values(
    RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2}, RoundCase{-3.5, -4},
    RoundCase{0.5, 0}, RoundCase{-0.5, 0}, RoundCase{2.4999, 2}, RoundCase{2.5001, 3},
    RoundCase{32767.4, 32767}, RoundCase{32767.5, std::nullopt},
    RoundCase{-32768.5, -32768}, RoundCase{-32769.0, std::nullopt},
    RoundCase{std::nan(""), std::nullopt}));

struct Round32Case { double value; std::optional<int32_t> rounded; };
class HalfEvenInto32 : public testing::TestWithParam<Round32Case> {};
TEST_P(HalfEvenInto32, RoundsHalvesToEvenWithinRange) {
    EXPECT_EQ(host::RoundHalfEvenToInt32(GetParam().value), GetParam().rounded) << GetParam().value;
}
INSTANTIATE_TEST_SUITE_P(Values, HalfEvenInto32, testing::Values(
    Round32Case{1234.0, 1234}, Round32Case{1234.5, 1234}, Round32Case{1235.5, 1236},
    Round32Case{-5.0, -5}, Round32Case{2147483647.0, 2147483647},
    Round32Case{2147483647.4, 2147483647}, Round32Case{2147483647.5, std::nullopt},
    Round32Case{-2147483648.0, INT32_MIN}, Round32Case{-2147483648.5, INT32_MIN},
    Round32Case{-2147483649.0, std::nullopt}, Round32Case{4294967296.0, std::nullopt},
    Round32Case{1e20, std::nullopt}, Round32Case{HUGE_VAL, std::nullopt}));

}  // namespace
