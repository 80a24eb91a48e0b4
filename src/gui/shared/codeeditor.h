#pragma once
// The code editor of the room scripts and the area's templates: C colouring, line numbers,
// a fixed font and lines kept as the generated files hold them.
#include "model/types.h"

#include <QString>

class QWidget;
class QsciScintilla;

QsciScintilla* NewCodeEditor(QWidget* parent, const QString& objectName, const QString& accessibleName,
                             const QString& accessibleDescription = {});
// Navy page with light colours, as the templates are shown in the options.
void UseNavyColours(QsciScintilla& editor);

void SetEditorLines(QsciScintilla& editor, const TStrings& lines);
TStrings EditorLines(const QsciScintilla& editor);
