#include "gui/shared/codeeditor.h"

#include "gui/document/doctext.h"
#include "model/text.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>
#include <QFontDatabase>

QsciScintilla* NewCodeEditor(QWidget* parent, const QString& objectName, const QString& accessibleName,
                             const QString& accessibleDescription)
{
    auto* editor = new QsciScintilla(parent);
    editor->setObjectName(objectName);
    editor->setAccessibleName(accessibleName);
    editor->setAccessibleDescription(accessibleDescription);
    editor->setEolMode(QsciScintilla::EolWindows);
    editor->setUtf8(true);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* lexer = new QsciLexerCPP(editor);
    // Without a style argument these set every style; the lexer's own colours stay.
    lexer->setFont(fixed);
    lexer->setDefaultFont(fixed);
    editor->setLexer(lexer);
    editor->setMarginType(0, QsciScintilla::NumberMargin);
    editor->setMarginLineNumbers(0, true);
    editor->setMarginsFont(fixed);
    editor->setMarginWidth(0, QStringLiteral("00000"));
    return editor;
}

void UseNavyColours(QsciScintilla& editor)
{
    auto* lexer = qobject_cast<QsciLexerCPP*>(editor.lexer());
    if (!lexer)
        return;
    const QColor navy(0x00, 0x00, 0x80), silver(0xC0, 0xC0, 0xC0), lime(0x00, 0xFF, 0x00), yellow(0xFF, 0xFF, 0x00),
        red(0xFF, 0x00, 0x00), aqua(0x00, 0xFF, 0xFF);
    lexer->setDefaultPaper(navy);
    lexer->setPaper(navy);
    lexer->setDefaultColor(yellow);
    lexer->setColor(yellow);
    QFont italic = lexer->font(QsciLexerCPP::Default);
    italic.setItalic(true);
    QFont bold = lexer->font(QsciLexerCPP::Default);
    bold.setBold(true);
    for (int style : {QsciLexerCPP::Comment, QsciLexerCPP::CommentLine, QsciLexerCPP::CommentDoc,
                      QsciLexerCPP::CommentLineDoc}) {
        lexer->setColor(silver, style);
        lexer->setFont(italic, style);
    }
    for (int style : {QsciLexerCPP::PreProcessor, QsciLexerCPP::Operator})
        lexer->setColor(lime, style);
    lexer->setColor(yellow, QsciLexerCPP::Identifier);
    lexer->setColor(Qt::white, QsciLexerCPP::Keyword);
    lexer->setFont(bold, QsciLexerCPP::Keyword);
    lexer->setColor(red, QsciLexerCPP::Number);
    for (int style : {QsciLexerCPP::DoubleQuotedString, QsciLexerCPP::SingleQuotedString,
                      QsciLexerCPP::UnclosedString})
        lexer->setColor(aqua, style);
    editor.setCaretForegroundColor(Qt::white);
}

// The editor holds the lines as the generated files do: each one ended by CR LF, so that
// reading them back gives the same lines, empty last lines included.
void SetEditorLines(QsciScintilla& editor, const TStrings& lines)
{
    editor.setText(DocToQt(JoinLinesCRLF(lines)));
}

TStrings EditorLines(const QsciScintilla& editor)
{
    return SplitLines(QtToDoc(editor.text()));
}
