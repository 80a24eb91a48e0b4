#include "gui/db/displaylines.h"

#include "gui/document/doctext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

TStrings DisplayedLines(const QPlainTextEdit& memo)
{
    TStrings lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const QTextLayout* layout = block.layout();
        // A field never laid out (hidden) shows each paragraph as one line.
        if (!layout || layout->lineCount() == 0) {
            lines.push_back(QtToDoc(text));
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.push_back(QtToDoc(text.mid(line.textStart(), line.textLength())));
        }
    }
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}
