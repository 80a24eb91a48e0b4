#include "gui/room/roomfinder.h"

#include "gui/document/areadocument.h"
#include "gui/document/doctext.h"
#include "gui/shared/codepagefilter.h"
#include "gui/shared/controlnames.h"
#include "model/roomsearch.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace {
// Walking the lines with the keys chooses rooms as clicks do.
class TResultsList : public QListWidget {
public:
    TResultsList(QWidget* parent, std::function<void(int)> walked) : QListWidget(parent), m_walked(std::move(walked)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int row = currentRow();
        QListWidget::keyPressEvent(event);
        if (currentRow() != row)
            m_walked(currentRow());
    }

private:
    std::function<void(int)> m_walked;
};
} // namespace

TRoomFinder::TRoomFinder(TAreaDocument& document, QWidget* parent) : QWidget(parent), m_document(document)
{
    setObjectName(QStringLiteral("RoomFinder"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(2, 0, 2, 0);

    m_query = new QLineEdit(this);
    m_query->setObjectName(QStringLiteral("eFindRoom"));
    m_query->setAccessibleName(QStringLiteral("Find room"));
    m_query->setAccessibleDescription(
        QStringLiteral("Room number, file name, short description, description text or item ID; any case"));
    m_query->setPlaceholderText(QStringLiteral("Find room: number, file name, short, description or item ID"));
    m_query->setClearButtonEnabled(true);
    // Qt's clear button has no name of its own.
    for (QToolButton* clear : m_query->findChildren<QToolButton*>()) {
        clear->setAccessibleName(QStringLiteral("Clear"));
        clear->setAccessibleDescription(QStringLiteral("Empties the query"));
    }
    m_query->installEventFilter(this);
    GuardLineEdits(*this);
    bar->addWidget(m_query, 1);

    m_count = new QLabel(this);
    NameControl(*m_count, QStringLiteral("lFindRoomCount"), QStringLiteral("Rooms found"),
                QStringLiteral("How many rooms the query finds"));
    bar->addWidget(m_count);

    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("sbCloseFindRoom"));
    m_close->setText(QStringLiteral("x"));
    m_close->setAutoRaise(true);
    m_close->setToolTip(QStringLiteral("Hide find room"));
    m_close->setAccessibleName(QStringLiteral("Hide find room"));
    m_close->setAccessibleDescription(QStringLiteral("Hides the room search and its results"));
    bar->addWidget(m_close);
    layout->addLayout(bar);

    m_results = new TResultsList(this, [this](int row) { ChooseRow(row); });
    NameControl(*m_results, QStringLiteral("lbFindRoom"), QStringLiteral("Found rooms"),
                QStringLiteral("Choosing a line makes its room the active one"));
    m_results->installEventFilter(this);
    layout->addWidget(m_results, 1);

    connect(m_query, &QLineEdit::textChanged, this, &TRoomFinder::Search);
    connect(m_query, &QLineEdit::returnPressed, this, [this] {
        if (m_results->count() > 0) {
            m_results->setCurrentRow(0);
            ChooseRow(0);
        }
    });
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);
    connect(m_results, &QListWidget::itemClicked, this, [this] { ChooseRow(m_results->currentRow()); });
    connect(m_results, &QListWidget::itemActivated, this, [this] { ChooseRow(m_results->currentRow()); });
    // Rooms found before an edit, an undo or another area may be gone or changed.
    connect(&m_document, &TAreaDocument::AreaChanged, this, [this] {
        if (isVisible())
            Search();
    });
    connect(&m_document, &TAreaDocument::AreaReplaced, this, &TRoomFinder::Search);
}

void TRoomFinder::Start()
{
    show();
    m_query->setFocus(Qt::ShortcutFocusReason);
    m_query->selectAll();
}

void TRoomFinder::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Search();
}

bool TRoomFinder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        hide();
        return true;
    }
    if (watched == m_query && key == Qt::Key_Down && m_results->count() > 0) {
        m_results->setFocus(Qt::TabFocusReason);
        m_results->setCurrentRow(0);
        ChooseRow(0);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TRoomFinder::Search()
{
    const TRoomList& area = m_document.Area();
    const std::vector<TRoomMatch> matches = FindRooms(area, QtToDoc(m_query->text()));
    // The line under the cursor stays current when its room is still found.
    const int oldRow = m_results->currentRow();
    // No room stands on cell (-1, -1).
    const TFound current = oldRow >= 0 && oldRow < static_cast<int>(m_found.size())
                               ? m_found[static_cast<size_t>(oldRow)]
                               : TFound{{-1, -1}, 0};
    m_found.clear();
    m_results->clear();
    for (const TRoomMatch& m : matches) {
        const TRoom& room = *m.Room;
        m_found.push_back({room.Cell(), room.Number});
        m_results->addItem(QStringLiteral("Room %1 (%2:%3) %4: %5")
                               .arg(room.Number)
                               .arg(room.X)
                               .arg(room.Y)
                               .arg(DocToQt(room.Short), QString::fromStdString(MatchedFieldsText(m.Fields))));
        if (current.Cell == room.Cell() && current.Number == room.Number)
            m_results->setCurrentRow(m_results->count() - 1);
    }
    m_count->setText(m_query->text().trimmed().isEmpty() ? QString()
                     : matches.size() == 1                ? QStringLiteral("1 room")
                                                          : QStringLiteral("%1 rooms").arg(matches.size()));
}

void TRoomFinder::ChooseRow(int row)
{
    if (row < 0 || row >= static_cast<int>(m_found.size()))
        return;
    TRoom* room = m_document.Area().RoomAt(m_found[static_cast<size_t>(row)].Cell);
    if (room && room->Number == m_found[static_cast<size_t>(row)].Number)
        emit RoomChosen(room);
}
