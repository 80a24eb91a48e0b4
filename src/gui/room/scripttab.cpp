#include "gui/room/scripttab.h"

#include "gui/document/doctext.h"
#include "gui/room/roomeditsite.h"
#include "model/roomlist.h"
#include "model/text.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QEvent>
#include <QFontDatabase>
#include <QMenu>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {
// The editor holds the lines as the generated files do: each one ended by CR LF, so that
// reading them back gives the same lines, empty last lines included.
QString EditorText(const TStrings& lines)
{
    return DocToQt(JoinLinesCRLF(lines));
}

TStrings EditorLines(const QsciScintilla& editor)
{
    return SplitLines(QtToDoc(editor.text()));
}
} // namespace

TScriptTab::TScriptTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsScript"));
    m_pages = new QStackedLayout(this);

    m_editor = new QsciScintilla(this);
    m_editor->setObjectName(QStringLiteral("mScript"));
    m_editor->setAccessibleName(QStringLiteral("Room script"));
    m_editor->setEolMode(QsciScintilla::EolWindows);
    m_editor->setUtf8(true);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* lexer = new QsciLexerCPP(m_editor);
    // Without a style argument these set every style; the lexer's own colours stay.
    lexer->setFont(fixed);
    lexer->setDefaultFont(fixed);
    m_editor->setLexer(lexer);
    m_editor->setMarginType(0, QsciScintilla::NumberMargin);
    m_editor->setMarginLineNumbers(0, true);
    m_editor->setMarginsFont(fixed);
    m_editor->setMarginWidth(0, QStringLiteral("00000"));
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    m_editor->installEventFilter(this);
    m_pages->addWidget(m_editor);

    m_enablePage = new QWidget(this);
    auto* enableLayout = new QVBoxLayout(m_enablePage);
    m_enable = new QPushButton(QStringLiteral("Enable script"), m_enablePage);
    m_enable->setObjectName(QStringLiteral("bbScriptEnable"));
    m_enable->setAccessibleName(QStringLiteral("Enable script"));
    m_enable->setToolTip(QStringLiteral("Allows you to edit specific export script for this room"));
    enableLayout->addWidget(m_enable, 0, Qt::AlignCenter);
    m_pages->addWidget(m_enablePage);
    m_pages->setCurrentWidget(m_enablePage);

    m_popup = new QMenu(m_editor);
    m_popup->setObjectName(QStringLiteral("pmScript"));
    m_disable = m_popup->addAction(QStringLiteral("Disable script"));
    m_disable->setObjectName(QStringLiteral("miScriptDisable"));
    m_default = m_popup->addAction(QStringLiteral("Default script"));
    m_default->setObjectName(QStringLiteral("miScriptDefault"));

    connect(m_enable, &QPushButton::clicked, this, &TScriptTab::EnableScript);
    connect(m_disable, &QAction::triggered, this, &TScriptTab::DisableScript);
    connect(m_default, &QAction::triggered, this, &TScriptTab::DefaultScript);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(m_editor->mapToGlobal(at)); });
}

void TScriptTab::ShowRoom()
{
    const TRoom* room = m_site.Room();
    if (!room)
        return;
    m_editor->setText(EditorText(room->Script));
    ShowEditor(room->ScriptEnabled);
}

bool TScriptTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && event->type() == QEvent::FocusOut)
        TakeOverScript();
    return QWidget::eventFilter(watched, event);
}

void TScriptTab::ShowEditor(bool enabled)
{
    m_pages->setCurrentWidget(enabled ? static_cast<QWidget*>(m_editor) : m_enablePage);
}

void TScriptTab::EnableScript()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    room->ScriptEnabled = true;
    if (IsBlankLines(room->Script) && m_site.Area())
        room->Script = m_site.Area()->ScriptTemplate;
    m_editor->setText(EditorText(room->Script));
    ShowEditor(true);
    m_site.RecordEdit();
}

void TScriptTab::DisableScript()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    // A menu called up from the keyboard may not have taken the focus: keep what was typed.
    TakeOverScript();
    room->ScriptEnabled = false;
    ShowEditor(false);
    m_site.RecordEdit();
}

void TScriptTab::DefaultScript()
{
    const TRoomList* area = m_site.Area();
    if (!m_site.Room() || !area)
        return;
    TakeOverScript();
    // The mark comes first: it refills the tab from the room, whose script takes the
    // template only when the editor is left.
    m_site.AddMark();
    m_editor->setText(EditorText(area->ScriptTemplate));
}

void TScriptTab::TakeOverScript()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    TStrings lines = EditorLines(*m_editor);
    if (lines == room->Script)
        return;
    room->Script = std::move(lines);
    // Stored data changed: without the flag, saving and closing would not know.
    m_site.SetModified();
}
