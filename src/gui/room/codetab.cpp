#include "gui/room/codetab.h"

#include "gui/document/areadocument.h"
#include "gui/document/doctext.h"
#include "gui/room/roomeditsite.h"
#include "gui/shared/codeeditor.h"

#include <Qsci/qsciscintilla.h>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QRadioButton* LayoutButton(QWidget* parent, const char* name, const char* caption, const char* description)
{
    auto* button = new QRadioButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString::fromLatin1(caption));
    button->setAccessibleDescription(QString::fromLatin1(description));
    button->setToolTip(QString::fromLatin1(description));
    return button;
}
} // namespace

TCodeTab::TCodeTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsCode"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_fixed = LayoutButton(this, "rbCodeFixed", "Fixed", "Shows the room as \"to .c files\" writes it");
    m_script = LayoutButton(this, "rbCodeScript", "Script", "Shows the room as \"Using Script1\" writes it");
    m_fixed->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(m_fixed);
    group->addButton(m_script);
    bar->addWidget(m_fixed);
    bar->addWidget(m_script);
    bar->addStretch(1);
    layout->addLayout(bar);

    m_preview = NewCodeEditor(this, QStringLiteral("mCode"), QStringLiteral("Generated code"));
    m_preview->setAccessibleDescription(QStringLiteral("The file the export writes for this room, read-only"));
    m_preview->setReadOnly(true);
    layout->addWidget(m_preview, 1);

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(150);
    connect(&m_refreshTimer, &QTimer::timeout, this, &TCodeTab::Refresh);
    connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on)
            Refresh();
    });
    if (TAreaDocument* document = m_site.Document()) {
        connect(document, &TAreaDocument::AreaChanged, this, &TCodeTab::ScheduleRefresh);
        connect(document, &TAreaDocument::ActiveRoomChanged, this, &TCodeTab::ScheduleRefresh);
        connect(document, &TAreaDocument::ModifiedChanged, this, &TCodeTab::ScheduleRefresh);
    }
}

TExportLayout TCodeTab::Layout() const
{
    return m_script->isChecked() ? TExportLayout::Script : TExportLayout::Fixed;
}

void TCodeTab::SetLayout(TExportLayout layout)
{
    (layout == TExportLayout::Script ? m_script : m_fixed)->setChecked(true);
}

void TCodeTab::ScheduleRefresh()
{
    if (isVisible())
        m_refreshTimer.start();
}

void TCodeTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Edits made while another tab was up were not followed.
    Refresh();
}

void TCodeTab::Refresh()
{
    // The field being typed in counts with its text.
    m_site.CommitTyping();
    m_refreshTimer.stop();
    const TRoom* room = m_site.Room();
    const TRoomList* area = m_site.Area();
    if (!room || !area || !isVisible())
        return;
    // The folder the export commands offer: it names the area header the room includes.
    const std::string code = RoomSourceCode(*area, SuggestedOutputDirectory(area->FileName), *room, Layout());
    const int top = m_preview->firstVisibleLine();
    m_preview->setText(DocToQt(code));
    m_preview->setFirstVisibleLine(top);
}
