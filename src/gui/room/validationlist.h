#pragma once
// The validation report under the room details: one line per finding, kept as the last
// "Validate" left it. A click on a line chooses its room; the pop-up "Hide" hides the list.
#include "export/validation.h"

#include <QListWidget>

class QAction;
class TAreaDocument;

class TValidationList : public QListWidget {
    Q_OBJECT
public:
    TValidationList(TAreaDocument& document, QWidget* parent);

    // Replaces the lines with the report's; the list's visibility is the caller's.
    void ShowReport(TValidationReport report);
    const TValidationReport& Report() const { return m_report; }
    QAction* HideAction() const { return m_miHide; }

signals:
    // A line was clicked whose room still stands where the report found it: the room is to
    // become the active one, framed and scrolled into view on the map.
    void RoomChosen(TRoom* room);

protected:
    // Walking the lines with the keys chooses rooms as clicks do.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void lbValidationClick();

    TAreaDocument& m_document;
    TValidationReport m_report;
    QAction* m_miHide;
};
