#include "gui/room/exitstab.h"

#include "gui/document/doctext.h"
#include "gui/room/roomeditsite.h"
#include "gui/shared/asker.h"
#include "gui/shared/controlnames.h"
#include "model/exit.h"
#include "model/roomlist.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <string>

namespace {
QPushButton* ExitButton(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    button->setAccessibleName(QString::fromLatin1(hint));
    return button;
}

// "12 Old mill (mill1)": built in document text and converted once, as a large area has
// thousands of them for every exit shown.
QString TargetEntry(const TRoom& room, std::string& buffer)
{
    buffer = std::to_string(room.Number);
    buffer += ' ';
    buffer += room.Short;
    buffer += " (";
    buffer += room.FileName;
    buffer += ')';
    return DocToQt(buffer);
}
} // namespace

TExitsTab::TExitsTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsSpecExits"));
    auto* layout = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    m_add = ExitButton(this, "bbExitAdd", "Add", "Add new special exit");
    m_edit = ExitButton(this, "bbExitEdit", "Edit", "Edit selected special exit");
    m_delete = ExitButton(this, "bbExitDelete", "Delete", "Delete special exit");
    buttons->addWidget(m_add);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    left->addLayout(buttons);
    m_exits = new QListWidget(this);
    NameControl(*m_exits, QStringLiteral("lbExits"), QStringLiteral("Special exits"),
                QStringLiteral("Exits of the room beside its links on the map"));
    m_exits->setSelectionMode(QAbstractItemView::SingleSelection);
    m_exits->installEventFilter(this);
    left->addWidget(m_exits, 1);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    m_details = new QGroupBox(QStringLiteral("Details"), this);
    m_details->setObjectName(QStringLiteral("gbExitDetails"));
    auto* details = new QVBoxLayout(m_details);
    auto* where = new QLabel(QStringLiteral("Where to go"), m_details);
    where->setObjectName(QStringLiteral("lWhereToGo"));
    details->addWidget(where);
    m_target = new QComboBox(m_details);
    NameControl(*m_target, QStringLiteral("cbWhereToGo"), QStringLiteral("Where to go"),
                QStringLiteral("The room the selected exit leads to"));
    m_target->setEditable(false);
    // A large area has thousands of entries: size by a fixed width, not by measuring them.
    m_target->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_target->setMinimumContentsLength(24);
    m_targets = new QStringListModel(this);
    m_target->setModel(m_targets);
    where->setBuddy(m_target);
    details->addWidget(m_target);

    m_kindBox = new QGroupBox(QStringLiteral("Type of exit"), m_details);
    m_kindBox->setObjectName(QStringLiteral("rgTypExit"));
    m_kindBox->setAccessibleName(QStringLiteral("Type of exit"));
    auto* kinds = new QVBoxLayout(m_kindBox);
    m_kind = new QButtonGroup(this);
    for (int kind = ekVisibleExit; kind <= ekHiddenEnter; ++kind) {
        const QString caption = QString::fromLatin1(ExitKindCaption(kind));
        auto* radio = new QRadioButton(caption, m_kindBox);
        radio->setObjectName(QStringLiteral("rbTypExit%1").arg(kind - 1));
        radio->setAccessibleName(caption);
        radio->setAccessibleDescription(QStringLiteral("Type of the selected exit"));
        m_kind->addButton(radio, kind - 1);
        kinds->addWidget(radio);
    }
    details->addWidget(m_kindBox);
    details->addStretch(1);
    right->addWidget(m_details);
    layout->addLayout(right, 1);

    connect(m_add, &QPushButton::clicked, this, &TExitsTab::AddExit);
    connect(m_edit, &QPushButton::clicked, this, &TExitsTab::EditExit);
    connect(m_delete, &QPushButton::clicked, this, &TExitsTab::DeleteExit);
    connect(m_exits, &QListWidget::itemSelectionChanged, this, &TExitsTab::OnChangeExit);
    // Only the user's choices: filling the controls must not write into the exit.
    connect(m_target, &QComboBox::activated, this, &TExitsTab::TargetChosen);
    connect(m_kind, &QButtonGroup::idClicked, this, &TExitsTab::KindClicked);
    OnChangeExit();
}

void TExitsTab::ShowRoom()
{
    const TRoom* room = m_site.Room();
    if (!room)
        return;
    {
        const QSignalBlocker blocker(m_exits);
        m_exits->clear();
        for (const TExit& exit : room->Exits)
            m_exits->addItem(DocToQt(exit.ID));
    }
    SelectRow(room->Exits.empty() ? -1 : 0);
}

bool TExitsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_exits && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Insert)
            AddExit();
        else if (key == Qt::Key_Delete)
            DeleteExit();
    }
    return QWidget::eventFilter(watched, event);
}

void TExitsTab::SelectRow(int row)
{
    {
        const QSignalBlocker blocker(m_exits);
        m_exits->setCurrentRow(row);
        if (row < 0)
            m_exits->clearSelection();
    }
    OnChangeExit();
}

TExit* TExitsTab::SelectedExit() const
{
    TRoom* room = m_site.Room();
    const int row = m_exits->currentRow();
    if (!room || row < 0 || row >= static_cast<int>(room->Exits.size()) || !m_exits->item(row)->isSelected())
        return nullptr;
    return &room->Exits[row];
}

void TExitsTab::OnChangeExit()
{
    const TExit* exit = SelectedExit();
    m_edit->setEnabled(exit);
    m_delete->setEnabled(exit);
    m_target->setEnabled(exit);
    m_kindBox->setEnabled(exit);
    if (!exit)
        return;
    m_exits->setEnabled(true);

    FillExits();
    // Entries start with the room's number; an exit into no room shows no entry.
    const QStringList& entries = m_targets->stringList();
    const QString prefix = QString::number(exit->Target) + QLatin1Char(' ');
    const auto found =
        std::find_if(entries.begin(), entries.end(), [&](const QString& entry) { return entry.startsWith(prefix); });
    const int targetRow = found != entries.end() ? static_cast<int>(found - entries.begin()) : -1;
    m_target->setCurrentIndex(targetRow);

    // Kind 0 (none chosen yet) shows no choice: an exclusive group cannot uncheck its last one.
    m_kind->setExclusive(false);
    for (QAbstractButton* button : m_kind->buttons())
        button->setChecked(m_kind->id(button) == exit->Kind - 1);
    m_kind->setExclusive(true);
}

void TExitsTab::FillExits()
{
    QStringList entries;
    if (TRoomList* area = m_site.Area()) {
        entries.reserve(area->Count());
        area->SortByNumber();
        std::string buffer;
        // Read only: rooms reached for writing would all be compared by the next undo mark.
        const TRoomList& rooms = *area;
        for (int i = 0; i < rooms.Count(); ++i)
            entries << TargetEntry(rooms[i], buffer);
        // Finding rooms by position relies on this order.
        area->SortByPosition();
    }
    // Resetting the model of a large area costs more than comparing its texts.
    if (entries != m_targets->stringList())
        m_targets->setStringList(entries);
}

void TExitsTab::AddExit()
{
    TRoom* room = m_site.Room();
    if (!room)
        return;
    const std::optional<QString> id =
        m_site.Asker().AskText(this, QStringLiteral("Enter an exit ID"),
                               QStringLiteral("New exit %1").arg(m_exits->count() + 1));
    if (!id)
        return;
    TExit exit;
    exit.ID = QtToDoc(*id);
    room->Exits.push_back(exit);
    {
        const QSignalBlocker blocker(m_exits);
        m_exits->addItem(*id);
    }
    SelectRow(m_exits->count() - 1);
    ExitChanged(true);
}

void TExitsTab::EditExit()
{
    TExit* exit = SelectedExit();
    if (!exit)
        return;
    const int row = m_exits->currentRow();
    const std::optional<QString> id =
        m_site.Asker().AskText(this, QStringLiteral("Edit exit ID"), DocToQt(exit->ID));
    // The prompt is modal, but the room may have gone meanwhile: look the exit up again.
    exit = SelectedExit();
    if (!id || !exit || m_exits->currentRow() != row)
        return;
    exit->ID = QtToDoc(*id);
    m_exits->item(row)->setText(*id);
    ExitChanged(true);
}

void TExitsTab::DeleteExit()
{
    const TExit* exit = SelectedExit();
    if (!exit)
        return;
    const int row = m_exits->currentRow();
    const QString question =
        QStringLiteral("Do you really want to delete exit \"%1\" ?").arg(DocToQt(exit->ID));
    if (!m_site.Asker().AskYesNo(this, question) || SelectedExit() != exit)
        return;
    std::vector<TExit>& exits = m_site.Room()->Exits;
    exits.erase(exits.begin() + row);
    {
        const QSignalBlocker blocker(m_exits);
        std::unique_ptr<QListWidgetItem> gone(m_exits->takeItem(row));
    }
    SelectRow(row > 0 ? row - 1 : (m_exits->count() > 0 ? 0 : -1));
    ExitChanged(true);
}

void TExitsTab::TargetChosen(int index)
{
    TExit* exit = SelectedExit();
    if (!exit || index < 0)
        return;
    const QString entry = m_targets->stringList().value(index);
    exit->Target = entry.left(entry.indexOf(QLatin1Char(' '))).toInt();
    ExitChanged(false);
}

void TExitsTab::KindClicked(int choice)
{
    TExit* exit = SelectedExit();
    if (!exit)
        return;
    exit->Kind = static_cast<uint8_t>(choice + 1);
    ExitChanged(false);
}

void TExitsTab::ExitChanged(bool withMark)
{
    // Modified first, so that the mark's snapshot holds it.
    m_site.SetAreaModified();
    if (withMark)
        m_site.AddMark();
    else
        // A choice in the details is a step of its own; the list stays on the exit.
        m_site.RecordEditKeepingSelection();
}
