#pragma once
// Description memos and the model's line lists. The panel shows a text joined into one
// flowing line; the room dialog shows the lines as stored.
#include "model/types.h"

#include <QString>

class QPlainTextEdit;

// One line per hard line break; an empty memo holds no line.
TStrings MemoLines(const QPlainTextEdit& memo);
// The memo's text as typed, in document bytes, its hard line breaks as CR LF.
std::string MemoText(const QPlainTextEdit& memo);
// The lines as stored, one per memo line.
QString LinesText(const TStrings& lines);
// The lines joined into one trimmed line, as the panel shows descriptions.
QString JoinedText(const TStrings& lines);
