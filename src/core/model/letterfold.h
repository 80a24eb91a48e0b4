#pragma once
// Case-insensitive comparison of stored 8-bit text: a to z and the accented letters of the
// Windows-1250 code page (the Czech ones among them) fold to their capitals.
#include <string>
#include <string_view>

char FoldLetter(char c);
std::string FoldLetters(std::string s);
// True when foldedNeedle (already folded) occurs in the folded haystack; no copy is made.
bool ContainsFolded(std::string_view haystack, std::string_view foldedNeedle);
