#include "gui/room/memotext.h"

#include "gui/document/doctext.h"
#include "model/text.h"

#include <QPlainTextEdit>
#include <QStringList>

TStrings MemoLines(const QPlainTextEdit& memo)
{
    const QString text = memo.toPlainText();
    TStrings lines;
    if (text.isEmpty())
        return lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.push_back(QtToDoc(line));
    return lines;
}

std::string MemoText(const QPlainTextEdit& memo)
{
    QString text = memo.toPlainText();
    return QtToDoc(text.replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

QString LinesText(const TStrings& lines)
{
    QStringList shown;
    for (const std::string& line : lines)
        shown << DocToQt(line);
    return shown.join(QLatin1Char('\n'));
}

QString JoinedText(const TStrings& lines)
{
    return DocToQt(StringsDescToString(lines));
}
