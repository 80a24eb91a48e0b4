// Hand mode of a real main window: the walking keys through the application-wide filter,
// the pen, the repeat throttle on an injected clock, and the view following the walk.
#include "editorfixture.h"

#include "gui/map/handmode.h"
#include "gui/room/roompanel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class THandFixture : public TEditorFixture {
public:
    THandFixture()
    {
        Hand().MillisNow = [this] { return Now; };
        QTest::mouseClick(Button("sbMode"), Qt::LeftButton);
        EXPECT_TRUE(Hand().HandModeOn());
        EXPECT_EQ(QApplication::focusWidget(), Canvas());
    }

    THandMode& Hand() { return Form().HandMode(); }
    // One key stroke a moment after the previous one.
    void Stroke(int key, Qt::KeyboardModifiers mods = {})
    {
        Now += 300;
        QTest::keyClick(Canvas(), static_cast<Qt::Key>(key), mods);
    }
    // A key event some milliseconds later; gives the active row afterwards.
    int Step(int millis, QEvent::Type type, bool autoRepeat, int key = Qt::Key_Down)
    {
        Now += millis;
        QKeyEvent e(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(Canvas(), &e);
        return Active().Y;
    }
    TGridPoint Active() { return Editor().State().ActiveCell; }

    qint64 Now = 100000;
};

bool Linked(const TRoomList& area, TGridPoint west, TGridPoint east)
{
    const TRoom* w = area.RoomAt(west);
    const TRoom* e = area.RoomAt(east);
    return w && e && w->CompassLinks[dirE] == east && e->CompassLinks[dirW] == west;
}
} // namespace

TEST(HandMode, PenDownRightArrowsBuildAndLinkAChain)
{
    THandFixture f;
    QTest::mouseClick(f.Button("sbPen"), Qt::LeftButton);
    for (int i = 0; i < 4; ++i)
        f.Stroke(Qt::Key_Right);

    const TRoomList& area = f.Area();
    EXPECT_EQ(area.Count(), 4);
    EXPECT_EQ(area.RoomAt(1, 1), nullptr);
    for (int x = 3; x < 9; x += 2)
        EXPECT_TRUE(Linked(area, {x, 1}, {x + 2, 1})) << x;
    EXPECT_FALSE(area.RoomAt(3, 1)->HasLink(dirW));
    EXPECT_EQ(f.Beeps(), 1) << "only the first step has nothing to link to";
    EXPECT_EQ(f.Active(), (TGridPoint{9, 1}));
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), area.RoomAt(9, 1));
    // Four rooms and three links, each recorded.
    EXPECT_EQ(f.Form().Document().Undo().Count(), 8);
}

TEST(HandMode, HeldKeyRepeatsAtMostFiveTimesASecond)
{
    THandFixture f;
    EXPECT_EQ(f.Step(0, QEvent::KeyPress, false), 3);
    // Auto-repeat within 0.2 s is dropped, also across the release-press pairs it sends.
    EXPECT_EQ(f.Step(100, QEvent::KeyRelease, true), 3);
    EXPECT_EQ(f.Step(0, QEvent::KeyPress, true), 3);
    EXPECT_EQ(f.Step(100, QEvent::KeyPress, true), 5);
    EXPECT_EQ(f.Step(100, QEvent::KeyPress, true), 5);
    // A real release lets the next press walk at once.
    EXPECT_EQ(f.Step(0, QEvent::KeyRelease, false), 5);
    EXPECT_EQ(f.Step(50, QEvent::KeyPress, false), 7);
    // So does a press of another key right after a release.
    EXPECT_EQ(f.Step(0, QEvent::KeyRelease, false), 7);
    EXPECT_EQ(f.Step(1, QEvent::KeyPress, false, Qt::Key_Up), 5);
}

TEST(HandMode, RepeatSentAsUnmarkedReleasePressPairsIsThrottled)
{
    // Some window systems send a held key as release-press pairs a moment apart, about 30
    // a second, none of them marked as auto-repeat: half a second walks three steps.
    THandFixture f;
    f.Step(0, QEvent::KeyPress, false, Qt::Key_Right);
    for (int i = 0; i < 15; ++i) {
        f.Step(32, QEvent::KeyRelease, false, Qt::Key_Right);
        f.Step(1, QEvent::KeyPress, false, Qt::Key_Right);
    }
    EXPECT_EQ(f.Active(), (TGridPoint{7, 1}));
}

TEST(HandMode, WalkingKeysKeypadAndEdges)
{
    THandFixture f;
    const struct {
        int Key;
        Qt::KeyboardModifiers Mods;
        int Times;
        TGridPoint Active;
    } walk[] = {
        // Every walking key once, each from a cell where no other direction reaches its target.
        {Qt::Key_PageDown, {}, 2, {5, 5}},
        {Qt::Key_Right, {}, 1, {7, 5}},
        {Qt::Key_Down, {}, 1, {7, 7}},
        {Qt::Key_Home, {}, 1, {5, 5}},
        {Qt::Key_PageUp, {}, 1, {7, 3}},
        {Qt::Key_End, {}, 1, {5, 5}},
        {Qt::Key_Left, {}, 1, {3, 5}},
        {Qt::Key_Up, {}, 1, {3, 3}},
        {Qt::Key_3, Qt::KeypadModifier, 1, {5, 5}},
        {Qt::Key_6, Qt::KeypadModifier, 1, {7, 5}},
        {Qt::Key_2, Qt::KeypadModifier, 1, {7, 7}},
        {Qt::Key_9, Qt::KeypadModifier, 1, {9, 5}},
        {Qt::Key_1, Qt::KeypadModifier, 1, {7, 7}},
        {Qt::Key_7, Qt::KeypadModifier, 1, {5, 5}},
        {Qt::Key_4, Qt::KeypadModifier, 1, {3, 5}},
        {Qt::Key_8, Qt::KeypadModifier, 1, {3, 3}},
        {Qt::Key_5, Qt::KeypadModifier, 1, {3, 3}},
        {Qt::Key_2, {}, 1, {3, 3}}, // digits of the main keyboard do not walk
        {Qt::Key_Right, {}, 7, {15, 3}},
        {Qt::Key_PageDown, {}, 1, {15, 5}}, // south-east: only the row changes at the east edge
        {Qt::Key_Up, {}, 3, {15, 1}},
    };
    for (const auto& w : walk) {
        SCOPED_TRACE(w.Key);
        for (int i = 0; i < w.Times; ++i)
            f.Stroke(w.Key, w.Mods);
        EXPECT_EQ(f.Active(), w.Active);
    }
    EXPECT_EQ(f.Area().Count(), 0) << "the pen is up";

    // Keys do not walk while another control has the focus.
    f.Button("sbPen")->setFocus();
    f.Now += 300;
    QTest::keyClick(f.Button("sbPen"), Qt::Key_Left);
    EXPECT_EQ(f.Active(), (TGridPoint{15, 1}));
}

TEST(HandMode, SpaceAndBackspaceWithPenUp)
{
    THandFixture f;
    PlaceRoom(f.Area(), {1, 1});
    f.Stroke(Qt::Key_Right);
    EXPECT_EQ(f.Area().Count(), 1);
    // Space builds and links to the cell walked from.
    f.Stroke(Qt::Key_Space);
    EXPECT_TRUE(Linked(f.Area(), {1, 1}, {3, 1}));
    EXPECT_EQ(f.Beeps(), 0);
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), f.Area().RoomAt(3, 1));
    // Backspace erases it again, unlinking its neighbour, and stays.
    f.Stroke(Qt::Key_Backspace);
    EXPECT_EQ(f.Area().RoomAt(3, 1), nullptr);
    EXPECT_FALSE(f.Area().RoomAt(1, 1)->HasLink(dirE));
    EXPECT_EQ(f.Active(), (TGridPoint{3, 1}));
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), nullptr);
}

TEST(HandMode, ButtonsAndPTogglesThePenOnlyInHandMode)
{
    THandFixture f;
    QToolButton* mode = f.Button("sbMode");
    QToolButton* pen = f.Button("sbPen");
    EXPECT_EQ(mode->text(), QStringLiteral("Hand &mode"));
    EXPECT_EQ(pen->text(), QStringLiteral("&Pen Up"));
    const QImage upGlyph = pen->icon().pixmap(21).toImage();
    f.Stroke(Qt::Key_P);
    EXPECT_TRUE(pen->isChecked());
    EXPECT_EQ(pen->text(), QStringLiteral("&Pen Down"));
    EXPECT_NE(pen->icon().pixmap(21).toImage(), upGlyph);
    // Pen down, a key that does not walk builds on the active cell.
    f.Stroke(Qt::Key_A);
    EXPECT_EQ(f.Area().Count(), 1);
    EXPECT_NE(f.Area().RoomAt(1, 1), nullptr);
    f.Stroke(Qt::Key_P);
    EXPECT_FALSE(pen->isChecked());

    QTest::mouseClick(mode, Qt::LeftButton);
    EXPECT_EQ(mode->text(), QStringLiteral("Click &mode"));
    EXPECT_FALSE(pen->isEnabled());
    f.Canvas()->setFocus();
    f.Stroke(Qt::Key_P);
    EXPECT_FALSE(pen->isChecked());
    f.Stroke(Qt::Key_Right);
    EXPECT_EQ(f.Active(), (TGridPoint{1, 1})) << "keys in click mode do not walk";
}

TEST(HandMode, ClicksOnlyMoveTheActiveCell)
{
    THandFixture f;
    PlaceRoom(f.Area(), {1, 1});
    f.Click({5, 5});
    EXPECT_EQ(f.Area().Count(), 1);
    EXPECT_EQ(f.Active(), (TGridPoint{5, 5}));
    f.Click({1, 1}, Qt::RightButton);
    EXPECT_EQ(f.Area().Count(), 1) << "no erasing with the mouse in hand mode";
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), f.Area().RoomAt(1, 1));
    EXPECT_EQ(f.Editor().CursorSlot(), 0);
}

TEST(HandMode, BlinkTicksScrollBackToTheActiveCell)
{
    THandFixture f;
    f.OpenArea(QStringLiteral("big.arf"), TRoomList(199, 199));
    QScrollBar* h = f.Form().MapView().horizontalScrollBar();
    ASSERT_GT(h->maximum(), 0);
    h->setValue(h->maximum());
    f.Hand().BlinkTick();
    EXPECT_EQ(h->value(), h->maximum() - 3 * 20) << "one 3-cell step per tick";
    for (int i = 0; i < 200 && h->value() > 0; ++i)
        f.Hand().BlinkTick();
    EXPECT_EQ(h->value(), 0);
    // In click mode the ticks only blink.
    QTest::mouseClick(f.Button("sbMode"), Qt::LeftButton);
    h->setValue(h->maximum());
    f.Hand().BlinkTick();
    EXPECT_EQ(h->value(), h->maximum());
}

TEST(HandMode, ModifiersAloneAndShortcutsNeitherBuildNorLink)
{
    THandFixture f;
    // Two rooms laid by the pen, then the pen lifted to walk on to an empty cell and put down.
    f.Stroke(Qt::Key_P);
    f.Stroke(Qt::Key_Right);
    f.Stroke(Qt::Key_Right);
    f.Stroke(Qt::Key_P);
    f.Stroke(Qt::Key_Right);
    f.Stroke(Qt::Key_P);
    ASSERT_TRUE(f.Hand().PenDown());
    ASSERT_EQ(f.Active(), (TGridPoint{7, 1}));
    const TAUndoList& undo = f.Form().Document().Undo();
    const int position = undo.Position();
    ASSERT_TRUE(Linked(f.Area(), {3, 1}, {5, 1}));

    // Window systems differ in whether a modifier's own press carries its flag: both ways.
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Flag;
    } alone[] = {{Qt::Key_Shift, Qt::ShiftModifier}, {Qt::Key_Control, Qt::ControlModifier},
                 {Qt::Key_Alt, Qt::AltModifier},     {Qt::Key_Meta, Qt::MetaModifier},
                 {Qt::Key_AltGr, Qt::GroupSwitchModifier}, {Qt::Key_CapsLock, {}}};
    for (const auto& key : alone) {
        for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(), key.Flag}) {
            SCOPED_TRACE(key.Key);
            f.Now += 300;
            QTest::sendKeyEvent(QTest::Press, f.Canvas(), key.Key, QString(), mods);
            QTest::sendKeyEvent(QTest::Release, f.Canvas(), key.Key, QString(), mods);
            EXPECT_EQ(f.Area().Count(), 2);
            EXPECT_EQ(undo.Position(), position);
        }
    }
    // Held with Ctrl or Alt, even a walking key is a command, not a step.
    f.Stroke(Qt::Key_Right, Qt::AltModifier);
    f.Stroke(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(f.Active(), (TGridPoint{7, 1}));
    EXPECT_EQ(f.Area().Count(), 2);

    // Ctrl+Z undoes the last edit, the link, and builds nothing; Ctrl+Shift+Z brings it back.
    f.Stroke(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undo.Position(), position - 1);
    EXPECT_FALSE(Linked(f.Area(), {3, 1}, {5, 1}));
    EXPECT_EQ(f.Area().RoomAt(7, 1), nullptr);
    f.Stroke(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(undo.Position(), position);
    EXPECT_TRUE(Linked(f.Area(), {3, 1}, {5, 1}));
    EXPECT_EQ(f.Area().Count(), 2);

    // Shift with a walking key still walks.
    f.Stroke(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(f.Active(), (TGridPoint{5, 1}));
    EXPECT_EQ(f.Area().Count(), 2);
}

TEST(HandMode, TabLeavesTheMapWithoutBuilding)
{
    THandFixture f;
    f.Stroke(Qt::Key_P);
    f.Stroke(Qt::Key_Tab);
    EXPECT_EQ(f.Area().Count(), 0);
    EXPECT_NE(QApplication::focusWidget(), f.Canvas()) << "Tab moves on to the next control";
}
