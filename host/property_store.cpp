// The property store; see property_store.h.
#include "host/property_store.h"

#include <cerrno>
#include <cmath>
#include <cwchar>

namespace host {

namespace {

wchar_t FoldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool SameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The whole text (blanks around it allowed) as one decimal number.
std::optional<double> NumberOf(const std::wstring& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    if (first == last) return std::nullopt;
    const std::wstring trimmed = text.substr(first, last - first);
    for (wchar_t c : trimmed) {
        // Decimal digits, sign and point only: no hexadecimal, infinity or not-a-number.
        if (!(c >= L'0' && c <= L'9') && c != L'+' && c != L'-' && c != L'.') return std::nullopt;
    }
    wchar_t* end = nullptr;
    errno = 0;
    const double value = std::wcstod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE) return std::nullopt;
    return value;
}

std::optional<int32_t> RoundedInt32(double value) {
    const double rounded = std::nearbyint(value);  // the default mode rounds half to even
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) return std::nullopt;
    return static_cast<int32_t>(rounded);
}

}  // namespace

std::optional<bool> ToBool(const PropertyValue& value) {
    if (const auto* flag = std::get_if<bool>(&value)) return *flag;
    if (const auto* number = std::get_if<int32_t>(&value)) return *number != 0;
    if (const auto* text = std::get_if<std::wstring>(&value)) {
        if (SameName(*text, L"True")) return true;
        if (SameName(*text, L"False")) return false;
        if (const auto number = NumberOf(*text)) return *number != 0;
    }
    return std::nullopt;
}

std::optional<int32_t> ToInt32(const PropertyValue& value) {
    if (const auto* flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
    if (const auto* number = std::get_if<int32_t>(&value)) return *number;
    if (const auto* text = std::get_if<std::wstring>(&value)) {
        if (const auto number = NumberOf(*text)) return RoundedInt32(*number);
    }
    return std::nullopt;
}

std::optional<std::wstring> ToText(const PropertyValue& value) {
    if (const auto* flag = std::get_if<bool>(&value)) return std::wstring(*flag ? L"True" : L"False");
    if (const auto* number = std::get_if<int32_t>(&value)) return std::to_wstring(*number);
    if (const auto* text = std::get_if<std::wstring>(&value)) return *text;
    return std::nullopt;
}

std::optional<FontInfo> ToFont(const PropertyValue& value) {
    if (const auto* font = std::get_if<FontInfo>(&value)) return *font;
    return std::nullopt;
}

bool SameValue(const PropertyValue& value, const PropertyValue& other) {
    if (const auto* flag = std::get_if<bool>(&value)) return ToBool(other) == *flag;
    if (const auto* number = std::get_if<int32_t>(&value)) return ToInt32(other) == *number;
    if (const auto* text = std::get_if<std::wstring>(&value)) return ToText(other) == *text;
    return ToFont(other) == std::get<FontInfo>(value);
}

const PropertyValue* PropertyStore::Find(std::wstring_view name) const {
    for (const auto& [storedName, value] : entries_) {
        if (SameName(storedName, name)) return &value;
    }
    return nullptr;
}

PropertyValue PropertyStore::Read(std::wstring_view name, const PropertyValue& defaultValue) const {
    const PropertyValue* stored = Find(name);
    return stored ? *stored : defaultValue;
}

void PropertyStore::Write(std::wstring_view name, PropertyValue value, const PropertyValue& defaultValue) {
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        if (SameName(entry->first, name)) {
            entries_.erase(entry);
            break;
        }
    }
    if (SameValue(value, defaultValue)) return;
    entries_.emplace_back(std::wstring(name), std::move(value));
}

bool PropertyStore::Has(std::wstring_view name) const { return Find(name) != nullptr; }

}  // namespace host
