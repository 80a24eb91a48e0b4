#pragma once
// "Find room": a query field over the area's rooms and the list of rooms found. The list
// works as the validation list does: a click, or walking it with the keys, chooses a room;
// Enter in the field chooses the first. It searches as the user types and again after every
// change of the area, so that it never lists a room that is gone.
#include "model/types.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;
class TAreaDocument;
struct TRoom;

class TRoomFinder : public QWidget {
    Q_OBJECT
public:
    TRoomFinder(TAreaDocument& document, QWidget* parent);

    // Shows the finder with the query field focused and its text selected.
    void Start();
    QLineEdit* Query() const { return m_query; }
    QListWidget* Results() const { return m_results; }

signals:
    // The room is to become the active one, framed and scrolled into view on the map.
    void RoomChosen(TRoom* room);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Rooms are named by cell and number, not pointer: the area may change between the
    // search and a click.
    struct TFound {
        TGridPoint Cell;
        int32_t Number;
    };
    void Search();
    void ChooseRow(int row);

    TAreaDocument& m_document;
    QLineEdit* m_query;
    QToolButton* m_close;
    QLabel* m_count;
    QListWidget* m_results;
    std::vector<TFound> m_found;
};
