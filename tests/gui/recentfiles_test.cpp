// File "Open recent": the last area files, most recent first, missing ones greyed out.
#include "editorfixture.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <gtest/gtest.h>

namespace {
QStringList Entries(TEditorFixture& f, QList<bool>* enabled = nullptr)
{
    auto* menu = f.Form().findChild<QMenu*>(QStringLiteral("miOpenRecent"));
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* a : menu->actions()) {
        texts << a->text();
        if (enabled)
            *enabled << a->isEnabled();
    }
    return texts;
}
} // namespace

TEST(RecentFiles, MostRecentFirstMissingGreyedAndChosenAsOpen)
{
    TEditorFixture f({QStringLiteral("Recent1=/gone/old.arf")});
    TRoomList area(5, 5);
    for (const char* name : {"a.arf", "b.arf", "c.arf"}) {
        WriteAreaFile(f.Path(QLatin1String(name)), area);
        f.Form().OpenFile(f.Path(QLatin1String(name)));
    }
    f.Form().OpenFile(f.Path(QStringLiteral("a.arf")));
    QFile::remove(f.Path(QStringLiteral("b.arf")));

    QList<bool> enabled;
    const QStringList texts = Entries(f, &enabled);
    const QStringList expected{f.Path("a.arf"), f.Path("c.arf"), f.Path("b.arf"), QStringLiteral("/gone/old.arf")};
    ASSERT_EQ(texts.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(texts[i], QStringLiteral("&%1 %2").arg(i + 1).arg(expected[i]));
    EXPECT_EQ(enabled, (QList<bool>{true, true, false, false}));

    // Chosen with unsaved work, the save question comes first, as with Open.
    f.Area().Modified = true;
    f.Asker().Answers = {TAnswer::No};
    f.Form().findChild<QMenu*>(QStringLiteral("miOpenRecent"))->actions().at(1)->trigger();
    EXPECT_EQ(f.Asker().Questions.size(), 1);
    EXPECT_EQ(f.Area().FileName, QFile::encodeName(f.Path("c.arf")).toStdString());
    EXPECT_TRUE(Entries(f).first().endsWith(QStringLiteral("c.arf")));
}
