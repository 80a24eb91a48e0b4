// Hand mode of a real main window: the walking keys through the application-wide filter,
// the pen, the repeat throttle on an injected clock, and the view following the walk.
#include "editorfixture.h"

#include "gui/map/handmode.h"
#include "gui/room/roompanel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class THandFixture : public TEditorFixture {
public:
    THandFixture()
    {
        Hand().TenthsNow = [this] { return Now; };
        QTest::mouseClick(Button("sbMode"), Qt::LeftButton);
        EXPECT_TRUE(Hand().HandModeOn());
        EXPECT_EQ(QApplication::focusWidget(), Canvas());
    }

    THandMode& Hand() { return Form().HandMode(); }
    QToolButton* Button(const char* name) { return Form().findChild<QToolButton*>(QLatin1String(name)); }

    // One key stroke a moment after the previous one.
    void Stroke(int key, Qt::KeyboardModifiers mods = {})
    {
        Now += 3;
        QTest::keyClick(Canvas(), static_cast<Qt::Key>(key), mods);
    }
    void Press(int key, bool autoRepeat)
    {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(Canvas(), &e);
    }
    void Release(int key, bool autoRepeat)
    {
        QKeyEvent e(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(Canvas(), &e);
    }
    void PenDown() { QTest::mouseClick(Button("sbPen"), Qt::LeftButton); }
    TGridPoint Active() { return Editor().State().ActiveCell; }

    qint64 Now = 1000;
};

bool Linked(const TRoomList& area, TGridPoint west, TGridPoint east)
{
    const TRoom* w = area.RoomAt(west);
    const TRoom* e = area.RoomAt(east);
    return w && e && w->CompassLinks[dirE] == east && e->CompassLinks[dirW] == west;
}
} // namespace

TEST(HandMode, ButtonsCaptionsAndPen)
{
    TEditorFixture f;
    auto* mode = f.Form().findChild<QToolButton*>(QStringLiteral("sbMode"));
    auto* pen = f.Form().findChild<QToolButton*>(QStringLiteral("sbPen"));
    EXPECT_EQ(mode->text(), QStringLiteral("Click &mode"));
    EXPECT_EQ(pen->text(), QStringLiteral("&Pen Up"));
    EXPECT_FALSE(pen->isEnabled());
    QTest::mouseClick(mode, Qt::LeftButton);
    EXPECT_EQ(mode->text(), QStringLiteral("Hand &mode"));
    EXPECT_TRUE(pen->isEnabled());
    const QImage upGlyph = pen->icon().pixmap(21).toImage();
    QTest::mouseClick(pen, Qt::LeftButton);
    EXPECT_EQ(pen->text(), QStringLiteral("&Pen Down"));
    EXPECT_NE(pen->icon().pixmap(21).toImage(), upGlyph);
    QTest::mouseClick(mode, Qt::LeftButton);
    EXPECT_EQ(mode->text(), QStringLiteral("Click &mode"));
    EXPECT_FALSE(pen->isEnabled());
}

TEST(HandMode, PenDownRightArrowsBuildAndLinkAChain)
{
    THandFixture f;
    f.PenDown();
    for (int i = 0; i < 4; ++i)
        f.Stroke(Qt::Key_Right);

    const TRoomList& area = f.Area();
    EXPECT_EQ(area.Count(), 4);
    EXPECT_EQ(area.RoomAt(1, 1), nullptr);
    EXPECT_TRUE(Linked(area, {3, 1}, {5, 1}));
    EXPECT_TRUE(Linked(area, {5, 1}, {7, 1}));
    EXPECT_TRUE(Linked(area, {7, 1}, {9, 1}));
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
    f.Press(Qt::Key_Down, false);
    EXPECT_EQ(f.Active(), (TGridPoint{1, 3}));
    // Auto-repeat within 0.2 s is dropped, also across the release-press pairs it sends.
    f.Now += 1;
    f.Release(Qt::Key_Down, true);
    f.Press(Qt::Key_Down, true);
    EXPECT_EQ(f.Active(), (TGridPoint{1, 3}));
    f.Now += 1;
    f.Press(Qt::Key_Down, true);
    EXPECT_EQ(f.Active(), (TGridPoint{1, 5}));
    f.Now += 1;
    f.Press(Qt::Key_Down, true);
    EXPECT_EQ(f.Active(), (TGridPoint{1, 5}));
    // A real release lets the next press walk at once.
    f.Release(Qt::Key_Down, false);
    f.Press(Qt::Key_Down, false);
    EXPECT_EQ(f.Active(), (TGridPoint{1, 7}));
}

TEST(HandMode, EdgesStopTheWalkPerAxis)
{
    THandFixture f;
    for (int i = 0; i < 9; ++i)
        f.Stroke(Qt::Key_Right);
    EXPECT_EQ(f.Active(), (TGridPoint{15, 1}));
    f.Stroke(Qt::Key_PageDown); // south-east: only the row changes at the east edge
    EXPECT_EQ(f.Active(), (TGridPoint{15, 3}));
    f.Stroke(Qt::Key_Up);
    f.Stroke(Qt::Key_Up);
    EXPECT_EQ(f.Active(), (TGridPoint{15, 1}));
    EXPECT_EQ(f.Area().Count(), 0) << "the pen is up";
}

TEST(HandMode, KeypadDigitsWalkLikeTheNavigationKeys)
{
    THandFixture f;
    f.Stroke(Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(f.Active(), (TGridPoint{3, 3}));
    f.Stroke(Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(f.Active(), (TGridPoint{5, 3}));
    f.Stroke(Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(f.Active(), (TGridPoint{3, 1}));
    f.Stroke(Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(f.Active(), (TGridPoint{3, 1}));
    // Digits of the main keyboard do not walk.
    f.Stroke(Qt::Key_2);
    EXPECT_EQ(f.Active(), (TGridPoint{3, 1}));
}

TEST(HandMode, SpaceWithPenUpBuildsAndLinksToTheCellWalkedFrom)
{
    THandFixture f;
    PlaceRoom(f.Area(), {1, 1});
    f.Stroke(Qt::Key_Right);
    EXPECT_EQ(f.Area().Count(), 1);
    f.Stroke(Qt::Key_Space);
    EXPECT_TRUE(Linked(f.Area(), {1, 1}, {3, 1}));
    EXPECT_EQ(f.Active(), (TGridPoint{3, 1}));
    EXPECT_EQ(f.Beeps(), 0);
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), f.Area().RoomAt(3, 1));
}

TEST(HandMode, BackspaceWithPenUpErasesTheRoomAndStays)
{
    THandFixture f;
    PlaceRoom(f.Area(), {1, 1});
    PlaceRoom(f.Area(), {3, 1});
    f.Area().LinkWE(2, 1, true);
    f.Stroke(Qt::Key_Right);
    f.Stroke(Qt::Key_Backspace);
    EXPECT_EQ(f.Area().RoomAt(3, 1), nullptr);
    ASSERT_NE(f.Area().RoomAt(1, 1), nullptr);
    EXPECT_FALSE(f.Area().RoomAt(1, 1)->HasLink(dirE));
    EXPECT_EQ(f.Active(), (TGridPoint{3, 1}));
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), nullptr);
}

TEST(HandMode, PTogglesThePenOnlyInHandMode)
{
    THandFixture f;
    auto* pen = f.Button("sbPen");
    f.Stroke(Qt::Key_P);
    EXPECT_TRUE(pen->isChecked());
    EXPECT_EQ(pen->text(), QStringLiteral("&Pen Down"));
    f.Stroke(Qt::Key_P);
    EXPECT_FALSE(pen->isChecked());

    QTest::mouseClick(f.Button("sbMode"), Qt::LeftButton);
    f.Canvas()->setFocus();
    f.Stroke(Qt::Key_P);
    EXPECT_FALSE(pen->isChecked());
    f.Stroke(Qt::Key_Right);
    EXPECT_EQ(f.Active(), (TGridPoint{1, 1})) << "keys in click mode do not walk";
}

TEST(HandMode, KeysDoNotWalkWhileAnotherControlHasTheFocus)
{
    THandFixture f;
    auto* pen = f.Button("sbPen");
    pen->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), pen);
    f.Now += 3;
    QTest::keyClick(pen, Qt::Key_Right);
    EXPECT_EQ(f.Active(), (TGridPoint{1, 1}));
}

TEST(HandMode, PenDownOtherKeyBuildsOnTheActiveCell)
{
    THandFixture f;
    f.PenDown();
    f.Stroke(Qt::Key_A);
    ASSERT_NE(f.Area().RoomAt(1, 1), nullptr);
    EXPECT_EQ(f.Area().Count(), 1);
    EXPECT_EQ(f.Active(), (TGridPoint{1, 1}));
}

TEST(HandMode, BlinkTicksScrollBackToTheActiveCell)
{
    THandFixture f;
    auto big = std::make_unique<TRoomList>(199, 199);
    const QString file = f.Path(QStringLiteral("big.arf"));
    // A large empty area, opened through the window.
    WriteAreaFile(file, *big);
    f.Form().OpenFile(file);
    QScrollBar* h = f.Form().MapView().horizontalScrollBar();
    ASSERT_GT(h->maximum(), 0);
    h->setValue(h->maximum());
    const int start = h->value();
    f.Hand().BlinkTick();
    EXPECT_EQ(h->value(), start - 3 * 20) << "one 3-cell step per tick";
    for (int i = 0; i < 200 && h->value() > 0; ++i)
        f.Hand().BlinkTick();
    EXPECT_EQ(h->value(), 0);
    // In click mode the ticks only blink.
    QTest::mouseClick(f.Button("sbMode"), Qt::LeftButton);
    h->setValue(h->maximum());
    f.Hand().BlinkTick();
    f.Hand().BlinkTick();
    EXPECT_EQ(h->value(), h->maximum());
}
