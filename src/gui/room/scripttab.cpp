#include "gui/room/scripttab.h"

#include "gui/room/roomeditsite.h"
#include "gui/shared/codeeditor.h"
#include "model/roomlist.h"
#include "model/text.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <utility>

TScriptTab::TScriptTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsScript"));
    m_pages = new QStackedLayout(this);

    m_editor = NewCodeEditor(this, QStringLiteral("mScript"), QStringLiteral("Room script"),
                             QStringLiteral("The room's own export script, used instead of the script template"));
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
    // Typing is a change at once; the text is stored when the editor is left or read.
    connect(m_editor, &QsciScintilla::textChanged, this, [this] {
        if (!m_site.Filling && m_site.Room())
            m_site.SetModified();
    });
    connect(&m_site, &TRoomEditSite::CommitWanted, this, [this] {
        if (TRoomEditSite::IsTypingIn(m_editor))
            RecordScript();
    });
}

void TScriptTab::ShowRoom()
{
    const TRoom* room = m_site.Room();
    if (!room)
        return;
    ShowLines(room->Script);
    ShowEditor(room->ScriptEnabled);
}

bool TScriptTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && event->type() == QEvent::FocusOut)
        RecordScript();
    return QWidget::eventFilter(watched, event);
}

void TScriptTab::ShowLines(const TStrings& lines)
{
    const bool filling = std::exchange(m_site.Filling, true);
    SetEditorLines(*m_editor, lines);
    m_site.Filling = filling;
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
    ShowLines(room->Script);
    ShowEditor(true);
    m_site.RecordEdit();
}

void TScriptTab::DisableScript()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    // A menu called up from the keyboard may not have taken the focus: keep what was typed,
    // as a step of its own.
    RecordScript();
    room->ScriptEnabled = false;
    ShowEditor(false);
    m_site.RecordEdit();
}

void TScriptTab::DefaultScript()
{
    const TRoomList* area = m_site.Area();
    TRoom* room = m_site.Room();
    if (!room || !area)
        return;
    // What was typed before is a step of its own, which undo can bring back.
    RecordScript();
    if (room->Script == area->ScriptTemplate)
        return;
    room->Script = area->ScriptTemplate;
    ShowLines(room->Script);
    m_site.RecordEditKeepingSelection();
}

void TScriptTab::RecordScript()
{
    TRoom* room = m_site.Room();
    if (!room || m_site.Filling)
        return;
    TStrings lines = EditorLines(*m_editor);
    if (lines == room->Script)
        return;
    room->Script = std::move(lines);
    m_site.RecordEditKeepingSelection();
}
