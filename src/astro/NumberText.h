// Conversions between numbers and texts, fixed once for the whole program so that no
// text depends on the C locale or the user's locale.
#pragma once
#include <string>

namespace natalis {

// Greatest whole number not above x (Int(-0.25) = -1).
double IntFloor(double x);

// Nearest whole number, halves to the even neighbour (CInt). NaN gives 0 and values beyond
// the range of a long its nearest end.
long CIntEven(double x);

// Leading-number reading of a text: blanks anywhere are skipped, then an optional sign,
// digits, a decimal point and an exponent are read up to the first character that cannot
// continue a number. A text with no number reads as 0 ("2 000" is 2000, "05/" is 5).
double Val(const std::string& text);

// Leading-number reading as the chart reader does it: only leading blanks are skipped and
// blanks end the number ("2: 5" reads 2).
double ValLeading(const std::string& text);

// A number as printed with a place for its sign: a blank before a number of 0 or more,
// a minus sign before a negative one, no zero before the decimal point
// (" 25", "-1", " .25", "-.5", " 14.5").
std::string StrSigned(double x);

// A whole number as a picture box prints it: the sign place, the digits and a trailing blank
// (" 5 ", "-3 ").
std::string PrintedNumber(long n);

// A number in the general format: no leading blank, only the decimals it has
// ("32", "45.5", "-3", "0.25"), at most 15 significant digits.
std::string FormatGeneral(double x);

// A number formatted with a "###.#####"-like picture: integer digits shown without a
// leading zero, up to decDigits decimals without trailing zeros, halves rounded
// away from zero on the last decimal (".25" for 0.25, "123.45679" for 123.456789).
std::string FormatPicture(double x, int decDigits);

// Whole number written with at least width digits and leading zeros (width 2: "05", "-5").
std::string ZeroPad(long n, int width);

}  // namespace natalis
