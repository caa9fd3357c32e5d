#pragma once
// Fixed-point number text that reads the same under every locale: the
// desktop may set one with a decimal comma, and a position must still read
// "X -1.500".
#include <string>

// value with the given number of decimals, as "%.*f" would print it in the
// C locale ("nan" for a value that is not a number).
std::string FixedText(double value, int decimals);
void AppendFixed(std::string& text, double value, int decimals);
