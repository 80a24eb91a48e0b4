#include "gui/room/roompanel.h"

#include "gui/document/areadocument.h"
#include "gui/document/doctext.h"
#include "gui/room/codetab.h"
#include "gui/room/exitstab.h"
#include "gui/room/itemstab.h"
#include "gui/room/maintab.h"
#include "gui/room/othertab.h"
#include "gui/room/roomeditsite.h"
#include "gui/room/roomfinder.h"
#include "gui/room/scripttab.h"
#include "gui/room/validationlist.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QLabel* BoldLabel(QWidget* parent, const char* name, const char* hint, const char* accessibleName,
                  const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(QString::fromLatin1(accessibleName));
    label->setAccessibleDescription(QString::fromLatin1(accessibleName));
    label->setToolTip(QString::fromLatin1(hint));
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}
} // namespace

TRoomPanel::TRoomPanel(TAreaDocument& document, TAsker& asker, QWidget* parent)
    : QWidget(parent), m_document(document), m_site(new TRoomEditSite(document, asker, this))
{
    setObjectName(QStringLiteral("RoomDetails"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_header = new QWidget(this);
    m_header->setObjectName(QStringLiteral("RoomHeader"));
    auto* strip = new QHBoxLayout(m_header);
    strip->setContentsMargins(2, 1, 2, 1);
    strip->setSpacing(4);
    m_header->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_number = new QLineEdit(m_header);
    m_number->setObjectName(QStringLiteral("eNumber"));
    m_number->setToolTip(QStringLiteral("Room number"));
    m_number->setAccessibleName(QStringLiteral("Room number"));
    m_number->setAccessibleDescription(QStringLiteral("Number of the active room"));
    m_number->setReadOnly(true);
    m_number->setFixedWidth(50);
    QFont bold = m_number->font();
    bold.setBold(true);
    m_number->setFont(bold);
    QPalette red = m_number->palette();
    red.setColor(QPalette::Text, Qt::red);
    m_number->setPalette(red);
    strip->addWidget(m_number);

    m_short = BoldLabel(m_header, "lShort", "Room short", "Short description of the active room", QColor(0x80, 0x00, 0x80));
    strip->addWidget(m_short, 1);
    m_coordExits = BoldLabel(m_header, "lCoordExits", "Coord & exits", "Position and exits of the active room", Qt::blue);
    strip->addWidget(m_coordExits);
    // Without an active room the three are hidden but keep their places, so that the strip
    // does not rearrange itself under the pointer.
    for (QWidget* w : std::initializer_list<QWidget*>{m_number, m_short, m_coordExits}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    m_hide = new QToolButton(m_header);
    m_hide->setObjectName(QStringLiteral("sbHideDetails"));
    m_hide->setToolTip(QStringLiteral("Hide details"));
    m_hide->setAccessibleName(QStringLiteral("Hide details"));
    m_hide->setAccessibleDescription(QStringLiteral("Folds the room details away under the map"));
    m_hide->setArrowType(Qt::DownArrow);
    m_hide->setAutoRaise(true);
    strip->addWidget(m_hide);
    m_show = new QToolButton(m_header);
    m_show->setObjectName(QStringLiteral("sbShowDetails"));
    m_show->setToolTip(QStringLiteral("Show details"));
    m_show->setAccessibleName(QStringLiteral("Show details"));
    m_show->setAccessibleDescription(QStringLiteral("Shows the room details under the map"));
    m_show->setArrowType(Qt::UpArrow);
    m_show->setAutoRaise(true);
    strip->addWidget(m_show);
    // The strip stays at the top when the editors below it are hidden.
    layout->addWidget(m_header, 0, Qt::AlignTop);

    // The validation list lies under the tabs, with a splitter directly above it.
    m_validationSplitter = new QSplitter(Qt::Vertical, this);
    m_validationSplitter->setObjectName(QStringLiteral("aspValidation"));
    m_validationSplitter->setChildrenCollapsible(false);
    m_tabs = new QTabWidget(m_validationSplitter);
    m_tabs->setObjectName(QStringLiteral("pcRoom"));
    m_main = new TMainTab(*m_site, m_tabs);
    m_items = new TItemsTab(*m_site, m_tabs);
    m_exits = new TExitsTab(*m_site, m_tabs);
    m_other = new TOtherTab(*m_site, m_tabs);
    m_script = new TScriptTab(*m_site, m_tabs);
    m_tabs->addTab(m_main, QStringLiteral("Main"));
    m_tabs->addTab(m_items, QStringLiteral("Items"));
    m_tabs->addTab(m_exits, QStringLiteral("Spec.Exits"));
    m_tabs->addTab(m_other, QStringLiteral("Other"));
    m_tabs->addTab(m_script, QStringLiteral("Script"));
    m_code = new TCodeTab(*m_site, m_tabs);
    m_tabs->addTab(m_code, QStringLiteral("Code"));
    m_finder = new TRoomFinder(m_document, m_validationSplitter);
    m_finder->hide();
    m_validation = new TValidationList(m_document, m_validationSplitter);
    m_validation->hide();
    m_validationSplitter->addWidget(m_tabs);
    m_validationSplitter->addWidget(m_finder);
    m_validationSplitter->addWidget(m_validation);
    m_validationSplitter->setStretchFactor(0, 1);
    layout->addWidget(m_validationSplitter, 1);

    connect(m_hide, &QToolButton::clicked, this, &TRoomPanel::HideDetailsClicked);
    connect(m_show, &QToolButton::clicked, this, &TRoomPanel::ShowDetailsClicked);
    connect(&m_document, &TAreaDocument::ActiveRoomChanged, this, &TRoomPanel::ShowRoom);
    // Links made or undone change the exits of the room shown; a mark that keeps the editors
    // as they are may follow a new short text.
    connect(&m_document, &TAreaDocument::AreaChanged, this, [this] {
        UpdateActiveExits(ActiveRoom());
        UpdateShort(ActiveRoom());
    });

    ShowRoom(m_document.ActiveRoom());
}

TRoom* TRoomPanel::ActiveRoom() const
{
    return m_document.ActiveRoom();
}

int TRoomPanel::HeaderHeight() const
{
    return m_header->sizeHint().height();
}

void TRoomPanel::SetCollapsed(bool collapsed)
{
    m_collapsed = collapsed;
    UpdateEditorsVisible();
}

void TRoomPanel::UpdateEditorsVisible()
{
    m_tabs->setVisible(ActiveRoom() && !m_collapsed);
}

QString TRoomPanel::CoordExitsText(const TRoom& room)
{
    return QStringLiteral(" %1:%2   ").arg(room.X / 2 + 1).arg(room.Y / 2 + 1) +
           DocToQt(room.ObviousExitsText()) + QLatin1Char(' ');
}

void TRoomPanel::ShowRoom(TRoom* room)
{
    UpdateEditorsVisible();
    if (!room) {
        m_number->hide();
        m_short->hide();
        m_coordExits->hide();
        return;
    }
    m_site->Filling = true;
    m_number->show();
    m_short->show();
    m_coordExits->show();
    m_number->setText(QString::number(room->Number));
    UpdateShort(room);
    UpdateActiveExits(room);
    m_main->ShowRoom();
    m_items->ShowRoom();
    m_other->ShowRoom();
    m_exits->ShowRoom();
    m_script->ShowRoom();
    m_site->Filling = false;
}

void TRoomPanel::UpdateShort(const TRoom* room)
{
    if (!room)
        return;
    m_short->setText(QLatin1Char(' ') + DocToQt(room->Short) + QLatin1Char(' '));
    // A screen reader speaks a label's name, so the name carries the value.
    m_short->setAccessibleName(QStringLiteral("Short description: ") + DocToQt(room->Short));
}

void TRoomPanel::UpdateActiveExits(const TRoom* room)
{
    if (!room)
        return;
    m_coordExits->setText(CoordExitsText(*room));
    m_coordExits->setAccessibleName(QStringLiteral("Position and exits: ") + m_coordExits->text().simplified());
}

void TRoomPanel::StartFinding()
{
    m_finder->Start();
    // The field and a few result lines.
    MakeRoomBelowTabs(m_finder, m_finder->Query()->sizeHint().height() + 5 * m_finder->Results()->fontMetrics().height());
}

void TRoomPanel::MakeRoomBelowTabs(QWidget* pane, int wanted)
{
    QList<int> sizes = m_validationSplitter->sizes();
    const int index = m_validationSplitter->indexOf(pane);
    if (index <= 0 || index >= sizes.size())
        return;
    wanted = std::min((sizes[0] + sizes[index]) / 2, wanted);
    if (sizes[index] >= wanted)
        return;
    sizes[0] += sizes[index] - wanted;
    sizes[index] = wanted;
    m_validationSplitter->setSizes(sizes);
}

bool TRoomPanel::PanelFilling() const
{
    return m_site->Filling;
}
