#pragma once
// The lines of a text field as it shows them: long lines wrapped at the field's width count
// as lines of their own, as the database editors store them.
#include "model/types.h"

class QPlainTextEdit;

// Every displayed line in document bytes; a final empty line is left out.
TStrings DisplayedLines(const QPlainTextEdit& memo);
