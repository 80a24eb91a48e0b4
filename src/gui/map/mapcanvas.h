#pragma once
// The map picture ("im1"): paints the exposed part of the map straight from the area and
// hands mouse gestures on as signals.
#include "render/mappainter.h"

#include <QWidget>
#include <functional>

class QAccessibleEvent;

class TMapCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TMapCanvas(QWidget* parent);

    void SetArea(const TRoomList* area) { m_area = area; }
    void SetOptions(const TMapViewOptions& options) { m_options = options; }
    const TMapViewOptions& Options() const { return m_options; }

    // The highlighted cell; only one frame is ever shown.
    void SetActiveFrame(bool on, TGridPoint cell) { m_activeOn = on; m_activeCell = cell; }
    bool ActiveFrameOn() const { return m_activeOn; }
    TGridPoint ActiveFrameCell() const { return m_activeCell; }

    // Keys that walk the map in hand mode are taken here, so that the scroll area does not
    // scroll with them as well.
    void SetTakesWalkingKeys(bool take) { m_takesWalkingKeys = take; }

    // The cell a screen reader is on (the active cell). A screen reader hears of it when
    // the cell or what stands on it changed since it last heard.
    void SetCurrentCell(TGridPoint cell);
    TGridPoint CurrentCell() const { return m_currentCell; }
    // How keys and clicks act, for the screen reader; heard when it changes.
    void SetWalkState(bool handMode, bool penDown);
    QString CellText(TGridPoint cell) const;
    QString ModeText() const;
    QRect CellRect(TGridPoint cell) const;
    // Hands an event to the screen reader; replaceable so that tests hear what it is told
    // (the accessibility layer passes nothing on while no screen reader listens).
    std::function<void(QAccessibleEvent&)> TellScreenReader;

signals:
    void im1MouseMove(QPoint pixel, Qt::KeyboardModifiers modifiers);
    void im1MouseDown(Qt::MouseButton button, QPoint pixel, Qt::KeyboardModifiers modifiers);
    void im1Click();
    void MouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const TRoomList* m_area = nullptr;
    TMapViewOptions m_options;
    bool m_activeOn = false;
    TGridPoint m_activeCell{1, 1};
    bool m_takesWalkingKeys = false;
    bool m_leftPressed = false;
    TGridPoint m_currentCell{1, 1};
    QString m_announced;
    bool m_handMode = false;
    bool m_penDown = false;
};
