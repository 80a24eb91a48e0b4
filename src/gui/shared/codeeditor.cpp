#include "gui/shared/codeeditor.h"

#include "gui/document/doctext.h"
#include "gui/shared/codepagefilter.h"
#include "gui/shared/textmemo.h"
#include "model/text.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>

namespace {
// Takes only what the code page can store. Tab indents, as in any code editor; Ctrl+Tab and
// Ctrl+Shift+Tab leave it, so that the keyboard can always get out.
class TCodeEditor : public QsciScintilla {
public:
    using QsciScintilla::QsciScintilla;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (const int direction = LeavingKeyDirection(*event)) {
            // Scintilla keeps Tab for itself: the plain widget's focus chain is asked instead.
            QWidget::focusNextPrevChild(direction > 0);
            event->accept();
            return;
        }
        if (!event->text().isEmpty() && RefuseUnstorable(event->text())) {
            event->accept();
            return;
        }
        QsciScintilla::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override
    {
        if (RefuseUnstorable(event->commitString())) {
            QInputMethodEvent cleared;
            QsciScintilla::inputMethodEvent(&cleared);
            event->accept();
            return;
        }
        QsciScintilla::inputMethodEvent(event);
    }

    // Paste by key or menu and drops all take their text here.
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override
    {
        if (source && source->hasText() && RefuseUnstorable(source->text())) {
            rectangular = false;
            return {};
        }
        return QsciScintilla::fromMimeData(source, rectangular);
    }
};
} // namespace

QsciScintilla* NewCodeEditor(QWidget* parent, const QString& objectName, const QString& accessibleName,
                             const QString& accessibleDescription)
{
    auto* editor = new TCodeEditor(parent);
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
    // Tab indents by the two spaces of the templates; it never types a TAB.
    editor->setIndentationsUseTabs(false);
    editor->setIndentationWidth(2);
    editor->setTabIndents(true);
    editor->setBackspaceUnindents(true);
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
