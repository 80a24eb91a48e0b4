#pragma once
// The map picture ("im1"): paints the exposed part of the map straight from the area and
// hands mouse gestures on as signals.
#include "render/mappainter.h"

#include <QWidget>

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
};
