#include "gui/room/validationlist.h"

#include "gui/document/areadocument.h"
#include "gui/document/doctext.h"

#include <QAction>

TValidationList::TValidationList(TAreaDocument& document, QWidget* parent)
    : QListWidget(parent), m_document(document), m_miHide(new QAction(QStringLiteral("Hide"), this))
{
    setObjectName(QStringLiteral("lbValidation"));
    setUniformItemSizes(true); // one line each: no item is measured
    setAccessibleName(QStringLiteral("Validation results"));
    setAccessibleDescription(QStringLiteral("Problems the validation found; a click on a line shows its room"));
    m_miHide->setObjectName(QStringLiteral("miHideValidation"));
    m_miHide->setToolTip(QStringLiteral("Hides validation results"));
    m_miHide->setStatusTip(QStringLiteral("Hides validation results"));
    addAction(m_miHide);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_miHide, &QAction::triggered, this, &QWidget::hide);
    connect(this, &QListWidget::itemClicked, this, &TValidationList::lbValidationClick);
}

void TValidationList::ShowReport(TValidationReport report)
{
    m_report = std::move(report);
    clear();
    // One call for all lines: the view lays out once, not once per line.
    QStringList lines;
    lines.reserve(m_report.Count());
    for (const TReportLine& line : m_report.Lines())
        lines.append(DocToQt(line.Text()));
    addItems(lines);
}

void TValidationList::keyPressEvent(QKeyEvent* event)
{
    const int row = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != row)
        lbValidationClick();
}

void TValidationList::lbValidationClick()
{
    const int row = currentRow();
    if (row < 0 || row >= m_report.Count() || !currentItem() || !currentItem()->isSelected())
        return;
    // The report is a snapshot: a room erased or moved since is not followed.
    if (TRoom* room = ReportRoom(m_document.Area(), m_report.Lines()[static_cast<size_t>(row)]))
        emit RoomChosen(room);
}
