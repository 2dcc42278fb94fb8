// The named property store of a user control: what the control writes when its form is
// saved and reads back when the form is loaded. Names match regardless of case; an entry
// equal to the default given when writing is not stored, so reading it back gives the
// default given when reading. Portable.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "host/font_info.h"

namespace host {

// A stored value: a Boolean, a whole number, a text or a font.
using PropertyValue = std::variant<bool, int32_t, std::wstring, FontInfo>;

// Conversions to the type a property is applied as; nothing when the value does not
// convert (a text that is no number, a font as a number), so that the caller skips the
// step. True converts to the number -1, false to 0; texts "True" and "False" (any case)
// and numbers convert to Booleans; numbers are rounded half to even.
std::optional<bool> ToBool(const PropertyValue& value);
std::optional<int32_t> ToInt32(const PropertyValue& value);
std::optional<std::wstring> ToText(const PropertyValue& value);
std::optional<FontInfo> ToFont(const PropertyValue& value);

// Whether value equals other once other is converted to value's type.
bool SameValue(const PropertyValue& value, const PropertyValue& other);

class PropertyStore {
  public:
    PropertyValue Read(std::wstring_view name, const PropertyValue& defaultValue) const;
    void Write(std::wstring_view name, PropertyValue value, const PropertyValue& defaultValue);
    bool Has(std::wstring_view name) const;
    size_t size() const { return entries_.size(); }

  private:
    const PropertyValue* Find(std::wstring_view name) const;
    std::vector<std::pair<std::wstring, PropertyValue>> entries_;  // in the order written
};

}  // namespace host
