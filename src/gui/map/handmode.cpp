#include "gui/map/handmode.h"

#include "gui/document/areadocument.h"
#include "gui/map/cursorfactory.h"
#include "gui/map/mapeditor.h"
#include "gui/map/mapview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QToolButton>
#include <memory>

namespace {
struct TStep {
    int DX;
    int DY;
};
// Offsets of the direction codes 1..8.
constexpr TStep Steps[9] = {{0, 0}, {-2, -2}, {0, -2}, {2, -2}, {2, 0}, {2, 2}, {0, 2}, {-2, 2}, {-2, 0}};

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

int DirectionOfOffset(int dx, int dy)
{
    for (int d = 1; d <= 8; ++d)
        if (Sign(Steps[d].DX) == dx && Sign(Steps[d].DY) == dy)
            return d;
    return 0;
}

TLinkLine LineOfDirection(int d)
{
    switch (d) {
    case 4: case 8: return TLinkLine::WE;
    case 2: case 6: return TLinkLine::NS;
    case 1: case 5: return TLinkLine::NWSE;
    case 3: case 7: return TLinkLine::SWNE;
    default: return TLinkLine::None;
    }
}

QToolButton* MakeToggle(QWidget* parent, const char* name)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setCheckable(true);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return b;
}
} // namespace

bool IsWalkingKeyPress(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event.key()) {
    case 0:
    case Qt::Key_unknown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        return true;
    }
}

int WalkDirectionOfKey(int key, bool keypad)
{
    if (keypad) {
        switch (key) {
        case Qt::Key_7: return 1;
        case Qt::Key_8: return 2;
        case Qt::Key_9: return 3;
        case Qt::Key_6: return 4;
        case Qt::Key_3: return 5;
        case Qt::Key_2: return 6;
        case Qt::Key_1: return 7;
        case Qt::Key_4: return 8;
        default: break;
        }
    }
    switch (key) {
    case Qt::Key_Home: return 1;
    case Qt::Key_Up: return 2;
    case Qt::Key_PageUp: return 3;
    case Qt::Key_Right: return 4;
    case Qt::Key_PageDown: return 5;
    case Qt::Key_Down: return 6;
    case Qt::Key_End: return 7;
    case Qt::Key_Left: return 8;
    default: return 0;
    }
}

THandMode::THandMode(TAreaDocument& document, TMapEditor& editor, TMapView& view, QWidget* buttonParent,
                     QObject* parent)
    : QObject(parent), m_document(document), m_editor(editor), m_view(view)
{
    // Monotonic, so that midnight or a clock change cannot stall the throttle.
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    MillisNow = [clock] { return clock->elapsed() + 1000; };

    m_sbMode = MakeToggle(buttonParent, "sbMode");
    m_sbMode->setText(QStringLiteral("Click &mode"));
    m_sbPen = MakeToggle(buttonParent, "sbPen");
    m_sbPen->setText(QStringLiteral("&Pen Up"));
    m_sbPen->setIcon(QIcon(PenGlyph(false)));
    m_sbPen->setIconSize(QSize(PenGlyphSize, PenGlyphSize));
    m_sbPen->setEnabled(false);
    m_sbMode->setAccessibleDescription(
        QStringLiteral("Switches between click mode and hand mode, in which the arrow keys walk the map"));
    m_sbPen->setAccessibleDescription(QStringLiteral("With the pen down, walking builds and links rooms (key P)"));
    connect(m_sbMode, &QToolButton::clicked, this, &THandMode::sbModeClick);
    connect(m_sbPen, &QToolButton::clicked, this, &THandMode::sbPenClick);

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(300);
    connect(&m_timer1, &QTimer::timeout, this, &THandMode::BlinkTick);
}

bool THandMode::HandModeOn() const
{
    return m_sbMode->isChecked();
}

bool THandMode::PenDown() const
{
    return m_sbPen->isChecked();
}

void THandMode::sbModeClick()
{
    const bool hand = HandModeOn();
    m_editor.SetHandMode(hand);
    m_view.SetFollowActive(hand);
    m_view.Canvas()->SetTakesWalkingKeys(hand);
    m_sbPen->setEnabled(hand);
    KeyCursorRefresh = !hand;
    const TGridPoint active = m_editor.State().ActiveCell;
    if (hand) {
        m_sbMode->setText(QStringLiteral("Hand &mode"));
        m_timer1.start();
        m_view.PaintActive(true, active);
        m_document.SetActiveRoom(m_document.Area().RoomAt(active));
        m_view.Canvas()->setFocus();
    } else {
        m_sbMode->setText(QStringLiteral("Click &mode"));
        m_view.PaintActive(false, active);
        m_timer1.start();
    }
    m_editor.CheckCursor();
    m_view.Canvas()->SetWalkState(hand, PenDown());
    m_editor.AnnounceActive();
}

void THandMode::sbPenClick()
{
    const bool down = PenDown();
    m_sbPen->setText(down ? QStringLiteral("&Pen Down") : QStringLiteral("&Pen Up"));
    m_sbPen->setIcon(QIcon(PenGlyph(down)));
    m_view.Canvas()->SetWalkState(HandModeOn(), down);
}

void THandMode::BlinkTick()
{
    m_blinkPhase = !m_blinkPhase;
    m_view.PaintActive(m_blinkPhase, m_editor.State().ActiveCell);
    emit Blinked();
}

bool THandMode::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    // A key event travels up the parents while nobody accepts it; act on its first delivery.
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (watched != target)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (KeyCursorRefresh) {
        // Ctrl pressed or released changes the crossing cursor at once.
        m_editor.SetCtrlHeld(key->modifiers().testFlag(Qt::ControlModifier));
        m_editor.CheckCursor();
    }
    if (target != m_view.Canvas() || !HandModeOn())
        return false;
    if (type == QEvent::KeyPress) {
        if (IsWalkingKeyPress(*key))
            KeyDown(key);
    } else if (!key->isAutoRepeat()) {
        // Only a real release ends a held key. Auto-repeat comes as release-press pairs, not
        // always marked as such: the release is judged when the next press comes.
        m_releasedKey = key->key();
        m_releaseMillis = MillisNow();
    }
    return false;
}

void THandMode::KeyDown(QKeyEvent* event)
{
    const qint64 now = MillisNow();
    if (m_releasedKey) {
        const bool repeat = event->key() == m_releasedKey && now - m_releaseMillis <= RepeatPairMillis;
        if (!repeat)
            m_lastKeyTenths = 0;
        m_releasedKey = 0;
    }
    const qint64 t = now / 100;
    if (t - m_lastKeyTenths < 2)
        return;
    WalkStep(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    m_lastKeyTenths = t;
}

void THandMode::WalkStep(int key, bool keypad)
{
    if (key == Qt::Key_P) {
        m_sbPen->toggle();
        sbPenClick();
        return;
    }
    // The clicks of one step are spoken once, at its end (also when one of them throws).
    struct THold {
        TMapEditor& Editor;
        explicit THold(TMapEditor& editor) : Editor(editor) { Editor.HoldAnnouncements(true); }
        ~THold() { Editor.HoldAnnouncements(false); }
    } hold(m_editor);
    TMapInteraction& s = m_editor.State();
    const TRoomList& area = m_document.Area();
    const TGridPoint a = s.ActiveCell;
    int d = WalkDirectionOfKey(key, keypad);
    TGridPoint t{a.X + Steps[d].DX, a.Y + Steps[d].DY};
    if (t.Y < 1 || t.Y > area.Height)
        t.Y = a.Y;
    if (t.X < 1 || t.X > area.Width)
        t.X = a.X;

    m_view.PaintActive(false, a);
    m_view.PaintActive(true, t);

    const bool space = key == Qt::Key_Space;
    const bool back = key == Qt::Key_Backspace;
    if (PenDown() || space || back) {
        // Space and Backspace act between the cell walked from and the current one.
        if (space || back)
            s.ActiveCell = m_walkFromCell;
        s.EraseGesture = back ? 1 : 0;
        const TGridPoint from = s.ActiveCell;
        if (!m_document.Area().RoomAt(t) || s.EraseGesture == 1) {
            s.CursorCell = t;
            m_editor.im1Click(false);
        }
        s.ActiveCell = from;
        TGridPoint connector = t;
        connector.X += Sign(from.X - t.X);
        connector.Y += Sign(from.Y - t.Y);
        s.CursorCell = connector;
        if (d == 0)
            d = DirectionOfOffset(Sign(t.X - from.X), Sign(t.Y - from.Y));
        const int previousCursor = m_editor.CursorSlot();
        if (d != 0)
            m_editor.ShowCursorSlot(m_editor.LinkCursorSlot(LineOfDirection(d)));
        m_editor.im1Click(false);
        m_editor.ShowCursorSlot(previousCursor);
    }
    if (!space && !back)
        m_walkFromCell = s.ActiveCell;
    s.ActiveCell = t;
    m_document.SetActiveRoom(m_document.Area().RoomAt(t));
}
