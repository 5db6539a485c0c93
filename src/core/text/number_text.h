#pragma once
// Number texts of the program. Every number the user sees is written here, in the Spanish
// convention: comma as decimal separator, point as thousands separator, letter E for a
// decimal exponent. Numbers are also read back from display texts here. No other file of the
// program formats or parses numbers for the user.

#include <optional>
#include <string>
#include <string_view>

namespace numeralia::text {

// Reads a whole display text as a number the way the calculator does: optional blanks around,
// optional sign, digits with a comma as decimal separator, optional exponent introduced by the
// letter E (either case) with an optional sign. Returns nullopt for a text that is not a number
// (empty, stray characters, a value beyond the double range).
// Details: the point is not a decimal separator here ("1.5" is not a number; callers that let
// the user type a point turn it into a comma first). An exponent whose digits are still
// missing counts as 0, so "5E" and "5E-" read 5, as the user expects after "EXP". A lone
// comma, a sign alone or "E5" are not numbers; "7," and ",5" are. "&h" or "&o" followed by
// hexadecimal or octal digits reads a whole number. A magnitude below the smallest double
// reads 0. Texts this module writes always read back, even 1,79769313486232E+308, which
// stands for the largest double.
std::optional<double> parseNumber(std::string_view text);

// Reads the leading number of a text: leading blanks skipped, optional sign, digits, optional
// fraction after a point, optional exponent; reading stops at the first other character, so
// "2,5" reads 2 and "abc" reads 0. With the prefix "&h" (either case) the digits that follow
// are read as a hexadecimal whole number, with "&o" as an octal one. Returns nullopt only when
// the number is beyond the double range (400 digits, an exponent above 308).
std::optional<double> leadingNumber(std::string_view text);

// The general number text: the shortest text that holds the value to 15 significant digits,
// comma as decimal separator, "-" for negatives, no grouping, exponent form (mantissa, E,
// sign, at least two digits: 1,5E+20, 1E-05) for magnitudes of 1E15 and above or below 1E-4
// (judged after rounding to 15 digits, so 999999999999999,9 gives 1E+15). Negative zero
// gives "0". Callers check finiteness first; should infinity or NaN arrive anyway, the text
// stays a readable number: NaN gives "0" and an infinity the largest double of its sign
// (1,79769313486232E+308), here and in every function below that writes a number.
std::string generalText(double x);

// The general text of x rounded to at most `digits` significant digits (1 to 15), for the
// short numbers of charts and printouts: 0,5000909 for 0.500090909 with 7 digits.
std::string significantText(double x, int digits);

// The same for a single-precision value: the value rounded to single precision, then up to
// 7 significant digits, exponent form from 1E+07 and below 1E-4 (a value beyond the single
// range keeps its double value).
std::string singleText(double x);

// The sign-blank text: the general text with a blank in front of zero and positive numbers
// and "-" in front of negative ones, written with the given decimal mark.
std::string signBlankText(double x, char decimalMark = ',');

// Formats x with a numeric pattern in the usual notation ("." is the decimal place, "," the
// thousands grouping, "0" a digit always shown, "#" a digit shown when significant, "E+"/"E-"
// or "e+"/"e-" an exponent part). The result uses the comma as decimal separator and the
// point as grouping separator. Rounding is half away from zero at the last shown digit,
// applied to the 15-significant-digit decimal value of x (2.345 with "0.00" gives 2,35).
// "General Number" (or an empty pattern) gives generalText(x).
// Details: the decimal separator is written whenever the pattern has a decimal place, even
// with no decimal after it (2 with "0.###" gives "2,", 20000 with "0.###E+###" gives
// "2,E+4"). "E+" writes the exponent's sign always, "E-" only when negative; the number of
// "0" after it is the least count of exponent digits (at least one). The mantissa has as many
// integer digits as the pattern has integer placeholders (at least one). A value that rounds
// to zero gets no sign (-0.001 with "0.00" gives "0,00"). Literal text around the number is
// kept ("\x", "quoted", and "%", which multiplies by 100); a pattern without any digit
// placeholder or decimal place gives generalText(x).
std::string formatPattern(double x, std::string_view pattern);

// The digits of a whole number in base 8, 10 or 16 (capital letters, "-" for negatives, no
// prefix); the number must be within ±2^53.
std::string wholeNumberText(double x, int base);

// Numbers in the settings file: point as decimal separator, up to 15 significant digits,
// exponent written as E, sign, at least two digits, with the thresholds of the general text
// (166.386, -0.5, 1.5E+20, 1E-05). The reader takes exactly what the writer writes and its
// variants: optional sign, optional leading zero (".5"), optional exponent (either case);
// no blanks, no comma. Both round-trip every double to its 15-significant-digit value.
std::string fileNumberText(double x);
std::optional<double> parseFileNumber(std::string_view text);

// Numbers in the statistics data files. The writer keeps every digit: the shortest text that
// reads back as the same double, with a point as decimal separator (0.1, 1000000001,
// 1.2345678901234567, 1e+300). The reader also takes what a user types by hand: a point or a
// comma as decimal separator, an optional sign and an optional exponent (E or e, with its
// digits); no blanks, no grouping, nothing beyond the double range.
std::string exactFileNumberText(double x);
std::optional<double> parseDataNumber(std::string_view text);

}  // namespace numeralia::text
