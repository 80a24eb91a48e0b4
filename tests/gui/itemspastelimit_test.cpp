// A clipboard text far larger than any room's items is refused with a message, not read.
#include "editorfixture.h"
#include "gui/room/itemsclipboardstore.h"
#include "gui/room/roompanel.h"
#include "model/itemsclipboard.h"

#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(ItemsClipboard, PasteOfAnOverlongTextShowsTheLimitAndAddsNothing)
{
    TEditorFixture f;
    TRoom* room = PlaceRoom(f.Area(), {1, 1});
    room->Items = {TItem{"door", {}, {}, {}, {}, {}, {}, {}}};
    f.Area().Modified = false;
    f.Click({1, 1});
    QTest::mouseClick(f.Button("sbShowDetails"), Qt::LeftButton);
    TRoomPanel& panel = f.Form().RoomPanel();
    panel.Tabs()->setCurrentIndex(panel.Tabs()->indexOf(panel.findChild<QWidget*>(QStringLiteral("tsItems"))));
    auto* list = panel.findChild<QListWidget*>(QStringLiteral("lbItems"));
    ASSERT_NE(list, nullptr);

    // A header and one item whose synonyms are millions of tabs: a valid text, only too long.
    const QString text = QStringLiteral("KAJ KESTERBRANDOR\r\nlamp") + QString(int(MaxItemsClipboardBytes), '\t') +
                         QStringLiteral("\x01\x02\x04\x05") + QStringLiteral("\r\n\x01\x02\x04\x05").repeated(6);
    TItemsClipboardStore::Program().WriteSystem(text);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.Asker().Notices, QStringList{QString::fromUtf8(ClipboardTooLargeMessage)});
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(f.Form().Document().ActiveRoom()->Items.size(), 1u);
    EXPECT_FALSE(f.Area().Modified);
    TItemsClipboardStore::Program().WriteSystem(QString());
}
