#pragma once
// The program's version text: in the window caption, the About box and every generated file.
inline constexpr const char* ProgramVersion = "1.02";
