// Number <-> text conversions. Everything here is written by hand or with std::to_chars /
// std::from_chars, which never consult a locale, so a decimal point is always ".".
#include "astro/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace natalis {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The decimal exponent of the first significant digit of a number written as digits, an
// optional point and digits, and an optional exponent ("1234.5" gives 3, "0.0012e2" gives
// -1), saturated far beyond the range of a double; only its sign matters to the caller,
// which has a value too large or too small for a double: a text of more than 308 digits
// is too large, whatever its exponent letter says.
long DecimalExponent(const std::string& number) {
    constexpr long kFar = 1000000;
    const std::size_t e = number.find('e');
    const std::string mantissa = number.substr(0, e);
    long exponent = 0;
    if (e != std::string::npos) {
        std::size_t q = e + 1;
        const bool negative = number[q] == '-';
        if (number[q] == '+' || number[q] == '-') ++q;
        for (; q < number.size() && exponent < kFar; ++q)
            exponent = exponent * 10 + (number[q] - '0');
        if (negative) exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string::npos) return -kFar;  // zero
    const long place =
        first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    return std::clamp(place + exponent, -kFar, kFar);
}

// Reads the longest prefix of text that forms a decimal number (sign, digits, point,
// exponent) and converts it; no number reads as 0. With blanksAnywhere every blank is
// dropped before reading; otherwise only leading blanks are, and a blank ends the number.
double ReadNumber(const std::string& text, bool blanksAnywhere) {
    std::string s;
    s.reserve(text.size());
    if (blanksAnywhere) {
        for (char c : text)
            if (!IsBlank(c)) s.push_back(c);
    } else {
        std::size_t i = 0;
        while (i < text.size() && IsBlank(text[i])) ++i;
        s.assign(text, i, std::string::npos);
    }

    std::string number;
    std::size_t p = 0;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        negative = s[p] == '-';
        ++p;
    }
    bool anyDigit = false;
    while (p < s.size() && IsDigit(s[p])) {
        number.push_back(s[p++]);
        anyDigit = true;
    }
    if (p < s.size() && s[p] == '.') {
        number.push_back(s[p++]);
        while (p < s.size() && IsDigit(s[p])) {
            number.push_back(s[p++]);
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;
    if (number.front() == '.') number.insert(number.begin(), '0');
    // An exponent counts only when at least one digit follows its letter and sign.
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
        std::size_t q = p + 1;
        std::string exponent = "e";
        if (q < s.size() && (s[q] == '+' || s[q] == '-')) exponent.push_back(s[q++]);
        bool expDigit = false;
        while (q < s.size() && IsDigit(s[q])) {
            exponent.push_back(s[q++]);
            expDigit = true;
        }
        if (expDigit) number += exponent;
    }
    double value = 0.0;
    auto res = std::from_chars(number.data(), number.data() + number.size(), value,
                               std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large keeps the largest finite value, too small reads as 0.
        value = DecimalExponent(number) > 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

// x with at most 15 significant digits, "%g"-like: plain notation for decimal exponents
// from -4 to 14, otherwise "1E+16"; no trailing zeros, a zero before a leading decimal point.
std::string General15(double x) {
    if (x == 0.0) return "0";
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "Inf" : "-Inf";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
    std::string s(buf, res.ptr);
    // Like %.15g, to_chars drops trailing zeros; the exponent letter is written upper case.
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

}  // namespace

double IntFloor(double x) { return std::floor(x); }

long CIntEven(double x) {
    // Beyond the range of a long (and for NaN) the conversion would have no defined
    // result; such values are never shown, since the computations refuse them first.
    constexpr double kLongRange = 9.2e18;
    if (!(std::fabs(x) < kLongRange)) return std::isnan(x) ? 0 : x > 0 ? LONG_MAX : LONG_MIN;
    double f = std::floor(x);
    double diff = x - f;
    if (diff > 0.5) return static_cast<long>(f) + 1;
    if (diff < 0.5) return static_cast<long>(f);
    long n = static_cast<long>(f);
    return (n % 2 == 0) ? n : n + 1;
}

double Val(const std::string& text) { return ReadNumber(text, true); }

double ValLeading(const std::string& text) { return ReadNumber(text, false); }

std::string FormatGeneral(double x) {
    if (x == 0.0) return "0";  // also for -0
    return General15(x);
}

std::string PrintedNumber(long n) { return StrSigned(n) + " "; }

std::string StrSigned(double x) {
    if (x == 0.0) return " 0";
    std::string s = General15(std::fabs(x));
    if (s.size() > 1 && s[0] == '0' && s[1] == '.') s.erase(0, 1);
    return (x < 0 ? "-" : " ") + s;
}

std::string FormatPicture(double x, int decDigits) {
    if (!std::isfinite(x)) return General15(x);
    if (decDigits < 0) decDigits = 0;
    bool negative = x < 0;
    double a = std::fabs(x);
    if (a == 0.0) return "0";

    // The value as the 15 significant digits it is printed from: digits d0 d1 ... d14 with
    // the decimal exponent of d0, so halves are judged on the decimal text, not on binary.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
    std::string sci(buf, res.ptr);
    std::size_t ePos = sci.find('e');
    int exp10 = std::stoi(sci.substr(ePos + 1));
    std::string digits;
    for (std::size_t i = 0; i < ePos; ++i)
        if (IsDigit(sci[i])) digits.push_back(sci[i]);

    // Lay the digits out on a fixed grid: intDigits before the point, decDigits after it.
    int intDigits = exp10 >= 0 ? exp10 + 1 : 0;
    std::string grid(intDigits + decDigits + 1, '0');  // one extra place for the rounding digit
    // Position of d0 in the grid: index intDigits - 1 - exp10.
    int start = intDigits - 1 - exp10;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        int pos = start + static_cast<int>(i);
        if (pos >= 0 && pos < static_cast<int>(grid.size())) grid[pos] = digits[i];
    }
    // Round half away from zero on the last decimal kept.
    bool roundUp = grid.back() >= '5';
    grid.pop_back();
    if (roundUp) {
        int i = static_cast<int>(grid.size()) - 1;
        while (i >= 0 && grid[i] == '9') grid[i--] = '0';
        if (i >= 0)
            ++grid[i];
        else {
            grid.insert(grid.begin(), '1');
            ++intDigits;
        }
    }
    std::string intPart = grid.substr(0, intDigits);
    std::string decPart = grid.substr(intDigits);
    while (!intPart.empty() && intPart.front() == '0') intPart.erase(0, 1);
    while (!decPart.empty() && decPart.back() == '0') decPart.pop_back();
    if (intPart.empty() && decPart.empty()) return "0";
    std::string out = decPart.empty() ? intPart : intPart + "." + decPart;
    return negative ? "-" + out : out;
}

std::string ZeroPad(long n, int width) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    std::string sign = n < 0 ? "-" : "";
    int pad = width - static_cast<int>(sign.size() + digits.size());
    return sign + std::string(pad > 0 ? pad : 0, '0') + digits;
}

}  // namespace natalis
