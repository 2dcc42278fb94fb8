// The user controls' property store: what is stored, what reads back, and how stored
// values convert to the types the properties are applied as.
#include "host/property_store.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertyStore, AValueEqualToItsWriteDefaultIsNotStoredAndReadsAsTheReadDefault) {
    host::PropertyStore store;
    store.Write(L"Caption", std::wstring(L"Command"), std::wstring(L"Command"));
    EXPECT_FALSE(store.Has(L"Caption"));
    EXPECT_EQ(host::ToText(store.Read(L"Caption", std::wstring(L"Command1"))), L"Command1");

    store.Write(L"Caption", std::wstring(L"設定"), std::wstring(L"Command"));
    EXPECT_EQ(host::ToText(store.Read(L"Caption", std::wstring(L"Command1"))), L"設定");
}

TEST(PropertyStore, DefaultsGivenAsTextCompareWithNumbersAndBooleans) {
    host::PropertyStore store;
    store.Write(L"FirstRun", int32_t{1}, std::wstring(L"1"));
    store.Write(L"FontColour", int32_t{0}, std::wstring(L"0"));
    store.Write(L"Enabled", true, true);
    store.Write(L"Visible", int32_t{1}, std::wstring(L"1"));
    EXPECT_EQ(store.size(), 0u) << "every value equals its default";

    store.Write(L"FontColour", int32_t{0x00FF00}, std::wstring(L"0"));
    store.Write(L"Enabled", false, true);
    EXPECT_EQ(host::ToInt32(store.Read(L"FontColour", std::wstring(L"0"))), 0x00FF00);
    EXPECT_EQ(host::ToBool(store.Read(L"Enabled", true)), false);
}

TEST(PropertyStore, NamesMatchRegardlessOfCaseAndARewriteReplacesTheEntry) {
    host::PropertyStore store;
    store.Write(L"caption", std::wstring(L"a"), std::wstring(L"Command"));
    store.Write(L"CAPTION", std::wstring(L"b"), std::wstring(L"Command"));
    EXPECT_EQ(store.size(), 1u);
    EXPECT_EQ(host::ToText(store.Read(L"Caption", std::wstring())), L"b");
    store.Write(L"Caption", std::wstring(L"Command"), std::wstring(L"Command"));
    EXPECT_FALSE(store.Has(L"caption")) << "writing the default removes the old entry";
}

TEST(PropertyStore, AFontIsStoredWholeUnlessItIsTheAmbientFont) {
    host::PropertyStore store;
    const host::FontInfo ambient = host::DialogFont();
    store.Write(L"Font", ambient, ambient);
    EXPECT_FALSE(store.Has(L"Font"));
    host::FontInfo bold = ambient;
    bold.weight = host::kBoldWeight;
    store.Write(L"Font", bold, ambient);
    EXPECT_EQ(host::ToFont(store.Read(L"Font", ambient)), bold);
}

struct ConversionCase {
    host::PropertyValue value;
    std::optional<bool> asBool;
    std::optional<int32_t> asInt;
    std::optional<std::wstring> asText;
};
class PropertyConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(PropertyConversion, ConvertsOrRefuses) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(host::ToBool(c.value), c.asBool);
    EXPECT_EQ(host::ToInt32(c.value), c.asInt);
    EXPECT_EQ(host::ToText(c.value), c.asText);
}

INSTANTIATE_TEST_SUITE_P(Values, PropertyConversion, testing::Values(
    ConversionCase{true, true, -1, L"True"},
    ConversionCase{false, false, 0, L"False"},
    ConversionCase{int32_t{2}, true, 2, L"2"},
    ConversionCase{std::wstring(L"1"), true, 1, L"1"},
    ConversionCase{std::wstring(L" 0 "), false, 0, L" 0 "},
    ConversionCase{std::wstring(L"true"), true, std::nullopt, L"true"},
    ConversionCase{std::wstring(L"2.5"), true, 2, L"2.5"},
    ConversionCase{std::wstring(L"3.5"), true, 4, L"3.5"},
    ConversionCase{std::wstring(L"abc"), std::nullopt, std::nullopt, L"abc"},
    ConversionCase{std::wstring(L""), std::nullopt, std::nullopt, L""},
    ConversionCase{std::wstring(L"0x10"), std::nullopt, std::nullopt, L"0x10"},
    ConversionCase{std::wstring(L"inf"), std::nullopt, std::nullopt, L"inf"},
    ConversionCase{std::wstring(L"99999999999"), true, std::nullopt, L"99999999999"},
    ConversionCase{host::DialogFont(), std::nullopt, std::nullopt, std::nullopt}));

}  // namespace
