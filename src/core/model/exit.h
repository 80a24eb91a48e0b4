#pragma once
#include "model/types.h"

// Kind of a special exit: 0 none chosen yet, then the four choices of the exit editor.
enum TExitKind : uint8_t { ekNone = 0, ekVisibleExit = 1, ekVisibleEnter = 2, ekHiddenExit = 3, ekHiddenEnter = 4 };

const char* ExitKindCaption(int kind); // "Visible Exit" ... ; "" for 0 and unknown kinds

// A special exit of a room, leading to another room by its number.
struct TExit {
    uint8_t Kind = ekNone;
    std::string ID;
    int32_t Target = -1;

    void Assign(const TExit& source) { *this = source; }
    friend bool operator==(const TExit&, const TExit&) = default;
};
