// The number rules of the front end; see number_text.h. Decimal only: the texts come from
// the command line, the settings file and the track box, none of which use other bases.
#include "host/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace host {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest number at the start of text: an optional sign, digits with at most
// one decimal point (at least one digit in all), then an exponent only when digits follow
// its letter. 0 when text does not start with a number.
size_t NumberLength(std::string_view text) {
    size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    size_t digits = 0;
    while (at < text.size() && IsDigit(text[at])) { ++at; ++digits; }
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && IsDigit(text[at])) { ++at; ++digits; }
    }
    if (digits == 0) return 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        if (exponent < text.size() && IsDigit(text[exponent])) {
            while (exponent < text.size() && IsDigit(text[exponent])) ++exponent;
            at = exponent;
        }
    }
    return at;
}

// The value of a text that NumberLength accepted whole. strtod is given only that checked
// text, so its own extras (hex, "inf", "nan", locale) never come into play.
double ValueOf(std::string_view number) {
    const std::string copy(number);
    return std::strtod(copy.c_str(), nullptr);
}

std::string_view SkipLeadingBlanks(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    return text.substr(at);
}

std::string_view TrimBlanks(std::string_view text) {
    text = SkipLeadingBlanks(text);
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

// Half to even, computed without the floating-point environment's rounding mode.
double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

template <typename Int>
std::optional<Int> InRange(double whole, double lowest, double highest) {
    if (!(whole >= lowest && whole <= highest)) return std::nullopt;  // NaN fails too
    return static_cast<Int>(whole);
}

}  // namespace

double ReadNumberPrefix(std::string_view text) {
    text = SkipLeadingBlanks(text);
    const size_t length = NumberLength(text);
    return length == 0 ? 0.0 : ValueOf(text.substr(0, length));
}

std::optional<double> ReadWholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    const size_t length = NumberLength(text);
    if (length == 0 || length != text.size()) return std::nullopt;
    const double value = ValueOf(text);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int16_t> FloorToInt16(double value) {
    return InRange<int16_t>(std::floor(value), -32768.0, 32767.0);
}

std::optional<int16_t> RoundHalfEvenToInt16(double value) {
    return InRange<int16_t>(RoundHalfEven(value), -32768.0, 32767.0);
}

std::optional<int32_t> RoundHalfEvenToInt32(double value) {
    return InRange<int32_t>(RoundHalfEven(value), -2147483648.0, 2147483647.0);
}

}  // namespace host
