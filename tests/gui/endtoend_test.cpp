// A builder's session from start to file: the example area opened in the editor, a room's
// description, an item with a synonym and an exit entered in the tabs, undo and redo after
// each kind of edit, Ctrl+S, and the saved file read back by the command-line tool.
#include "editorfixture.h"
#include "files/areafile.h"
#include "gui/map/handmode.h"
#include "gui/room/roompanel.h"
#include "runcommand.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// The panel's controls as the user finds them.
class TPanel {
public:
    explicit TPanel(TEditorFixture& f) : m_f(f), m_panel(f.Form().RoomPanel()) {}

    template <class T>
    T* Get(const char* name) const
    {
        T* w = m_panel.findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void ShowTab(int index) const
    {
        QTabBar* bar = m_panel.Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        ASSERT_EQ(m_panel.Tabs()->currentIndex(), index);
    }
    void Press(const char* button) const { QTest::mouseClick(Get<QAbstractButton>(button), Qt::LeftButton); }
    // Types into a memo as the user does: click, select all, type, then leave for another field.
    void TypeInto(const char* memo, const QString& text, const char* leaveTo) const
    {
        auto* edit = Get<QPlainTextEdit>(memo);
        QTest::mouseClick(edit->viewport(), Qt::LeftButton);
        ASSERT_TRUE(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        Get<QWidget>(leaveTo)->setFocus();
    }
    QStringList Lines(const char* list) const
    {
        QStringList texts;
        auto* w = Get<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i)
            texts << w->item(i)->text();
        return texts;
    }
    QString Memo(const char* memo) const { return Get<QPlainTextEdit>(memo)->toPlainText(); }

    // Undo shows the panel as before the edit, redo as after it, on the same room.
    template <class Seen>
    void UndoRedo(const Seen& seen, const typename std::invoke_result_t<Seen>& before) const
    {
        const auto after = seen();
        TFormMain& w = m_f.Form();
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(seen(), before) << "after undo";
        EXPECT_EQ(w.Document().ActiveRoom(), m_f.Area().RoomAt({1, 1}));
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(seen(), after) << "after redo";
        EXPECT_EQ(w.Document().ActiveRoom(), m_f.Area().RoomAt({1, 1}));
    }

private:
    TEditorFixture& m_f;
    TRoomPanel& m_panel;
};

// The dump without the area's FileName, which names the file it was saved as.
std::string Dump(const QString& file)
{
    const TCommandResult r = RunCommand(KB_CLI_PATH, {"dump", QFile::encodeName(file).toStdString()});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    std::string json = r.Out;
    const size_t name = json.find("\n  \"FileName\": ");
    if (name != std::string::npos)
        json.erase(name, json.find('\n', name + 1) - name);
    return json;
}
} // namespace

TEST(EndToEnd, RoomEditedInTheTabsIsSavedExactly)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    w.HandMode().BlinkTick();
    const QString file = f.Path(QStringLiteral("forest.arf"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KB_SOURCE_DIR "/examples/forest.arf"), file));
    w.OpenFile(file);
    w.ShowDetails();
    f.Click({1, 1});
    ASSERT_EQ(w.Document().ActiveRoom(), f.Area().RoomAt({1, 1}));
    const TPanel p(f);

    // A description typed in "Main".
    p.ShowTab(0);
    const QString oldLong = p.Memo("mLong");
    p.TypeInto("mLong", QStringLiteral("A bright clearing."), "eShort");
    EXPECT_EQ(p.Memo("mLong"), QStringLiteral("A bright clearing."));
    p.UndoRedo([&] { return p.Memo("mLong"); }, oldLong);

    // An item, then its synonym, in "Items".
    p.ShowTab(1);
    const QStringList oldItems = p.Lines("lbItems");
    f.Asker().Texts = {QStringLiteral("lantern")};
    p.Press("bbItemAdd");
    EXPECT_EQ(p.Lines("lbItems"), oldItems + QStringList{QStringLiteral("lantern")});
    p.UndoRedo([&] { return p.Lines("lbItems"); }, oldItems);
    auto* items = p.Get<QListWidget>("lbItems");
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualItemRect(items->item(2)).center());
    f.Asker().Texts = {QStringLiteral("lamp")};
    p.Press("bbSynonymAdd");
    EXPECT_EQ(p.Lines("lbSynonyms"), QStringList{QStringLiteral("lamp")});
    // Undo and redo leave the panel with no item chosen: the synonyms show once it is.
    p.UndoRedo(
        [&] {
            QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualItemRect(items->item(2)).center());
            return p.Lines("lbSynonyms");
        },
        QStringList{});
    p.TypeInto("mItemDescr", QStringLiteral("An old lantern."), "lbItems");

    // An exit in "Spec.Exits": added with a mark, its target and kind taken at once.
    p.ShowTab(2);
    const QStringList oldExits = p.Lines("lbExits");
    f.Asker().Texts = {QStringLiteral("gate")};
    p.Press("bbExitAdd");
    EXPECT_EQ(p.Lines("lbExits"), oldExits + QStringList{QStringLiteral("gate")});
    p.UndoRedo([&] { return p.Lines("lbExits"); }, oldExits);
    auto* exits = p.Get<QListWidget>("lbExits");
    QTest::mouseClick(exits->viewport(), Qt::LeftButton, {}, exits->visualItemRect(exits->item(1)).center());
    auto* target = p.Get<QComboBox>("cbWhereToGo");
    target->setFocus();
    QTest::keyClick(target, Qt::Key_End); // the highest room number comes last
    auto* hiddenExit = p.Get<QAbstractButton>("rbTypExit2");
    QTest::mouseClick(hiddenExit, Qt::LeftButton, {}, QPoint(6, hiddenExit->height() / 2)); // on its circle
    EXPECT_TRUE(f.Area().Modified);

    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(f.Area().Modified);
    EXPECT_TRUE(f.Asker().Errors.isEmpty());

    // The file holds exactly these edits: the example with them made in the model.
    TRoomList expected(0, 0);
    LoadArea(KB_SOURCE_DIR "/examples/forest.arf", expected);
    TRoom& room = *expected.RoomAt({1, 1});
    room.Descriptions[0].Text = {"A bright clearing."};
    TItem lantern;
    lantern.ID = "lantern";
    lantern.Synonyms = {"lamp"};
    lantern.Description = {"An old lantern."};
    room.Items.push_back(lantern);
    room.Exits.push_back({3, "gate", 6});
    const QString expectedFile = f.Path(QStringLiteral("expected.arf"));
    WriteAreaFile(expectedFile, expected);
    EXPECT_EQ(Dump(file), Dump(expectedFile));
}
