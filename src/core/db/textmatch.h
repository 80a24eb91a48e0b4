#pragma once
// Substring tests of the database searches, which upper-case only the letters a to z.
#include <string>

inline char AsciiUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// True when upperNeedle (already upper-cased) occurs in the upper-cased haystack; no copy
// of the haystack is made. An empty needle never matches: an empty search field is no criterion.
bool ContainsUpper(const std::string& haystack, const std::string& upperNeedle);

// Case-insensitive order over bytes (a to z folded), ties in byte order.
bool LessIgnoringAsciiCase(const std::string& a, const std::string& b);
std::string AsciiFold(std::string s);
