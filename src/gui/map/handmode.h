#pragma once
// Hand mode: the keyboard walks the active cell from room cell to room cell and, with the
// pen down, lays rooms and links behind it. Every change goes through the map editor's
// click action, so it is painted and recorded there.
#include "model/types.h"

#include <QObject>
#include <QTimer>
#include <functional>

class QKeyEvent;
class QToolButton;
class QWidget;
class TAreaDocument;
class TMapEditor;
class TMapView;

class THandMode : public QObject {
    Q_OBJECT
public:
    THandMode(TAreaDocument& document, TMapEditor& editor, TMapView& view, QWidget* buttonParent,
              QObject* parent);

    QToolButton* ModeButton() const { return m_sbMode; }
    QToolButton* PenButton() const { return m_sbPen; }
    bool HandModeOn() const;
    bool PenDown() const;

    void sbModeClick();
    void sbPenClick();
    // The walking step for one key (a Qt key code; keypad digits arrive with keypad set).
    void WalkStep(int key, bool keypad);

    // The blink timer: 300 ms, started at the end of start-up.
    QTimer& Timer1() { return m_timer1; }
    void BlinkTick();
    bool BlinkPhase() const { return m_blinkPhase; }

    // Key presses re-evaluate the mouse cursor while this is set (click mode).
    bool KeyCursorRefresh = true;
    // Monotonic clock in milliseconds of the repeat throttle; replaceable for tests.
    std::function<qint64()> MillisNow;

    TGridPoint WalkFromCell() const { return m_walkFromCell; }

signals:
    // After each blink tick, for the window's once-only layout and the Save button.
    void Blinked();

protected:
    // Sees every event of the application and never consumes one.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeyDown(QKeyEvent* event);

    // A release followed this soon by a press of the same key is auto-repeat.
    static constexpr qint64 RepeatPairMillis = 10;

    TAreaDocument& m_document;
    TMapEditor& m_editor;
    TMapView& m_view;
    QToolButton* m_sbMode;
    QToolButton* m_sbPen;
    QTimer m_timer1;

    TGridPoint m_walkFromCell{0, 0};
    qint64 m_lastKeyTenths = 0;
    // The last release not marked as auto-repeat, until the next press shows what it was.
    int m_releasedKey = 0;
    qint64 m_releaseMillis = 0;
    bool m_blinkPhase = false;
};

// Whether a key press takes a walking step at all: modifier and lock keys pressed alone, Tab
// (the keyboard's way out of the map) and keys held with Ctrl, Alt or Meta (shortcuts such as
// Ctrl+Z) neither walk, build nor link.
bool IsWalkingKeyPress(const QKeyEvent& event);

// The walking direction code of a key: 1 north-west, 2 north, 3 north-east, 4 east,
// 5 south-east, 6 south, 7 south-west, 8 west; 0 for any other key.
int WalkDirectionOfKey(int key, bool keypad);
