#pragma once
// Numbers read from text typed by people: defined for every input, however
// long, and the same under every locale.
#include <string_view>

// The longest decimal prefix after leading blanks (sign, digits, a point,
// an exponent); no hex, inf or nan. No digits give 0; a value too large for
// a double gives 0 as well, a program word of that size being a typing slip.
double LeadingDouble(std::string_view text);

// atoi's reading (leading blanks, a sign, decimal digits) without its
// undefined overflow: the value stops at the limits of int.
int LeadingInt(std::string_view text);

// A double cut toward zero and held within the limits of int; NaN gives 0.
int TruncatedInt(double value);
