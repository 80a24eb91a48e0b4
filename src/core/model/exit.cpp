#include "model/exit.h"

const char* ExitKindCaption(int kind)
{
    switch (kind) {
    case ekVisibleExit: return "Visible Exit";
    case ekVisibleEnter: return "Visible Enter";
    case ekHiddenExit: return "Hidden Exit";
    case ekHiddenEnter: return "Hidden Enter";
    default: return "";
    }
}
