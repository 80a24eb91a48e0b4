// The "Script" tab: enabling, disabling and resetting a room's own export script, and the
// script taken over from the editor when it loses the focus.
#include "editorfixture.h"

#include "gui/room/roompanel.h"
#include "gui/room/scripttab.h"
#include "model/text.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const TStrings Template = {"// template", "", "$_SHORT_$"};

QString Shown(const TStrings& lines)
{
    return QString::fromStdString(JoinLinesCRLF(lines));
}

// The main window with the room on (1, 1) active and the "Script" tab open.
struct TScriptPanel {
    TScriptPanel(const TStrings& script, bool enabled)
    {
        TRoom* room = PlaceRoom(f.Area(), {1, 1});
        room->Script = script;
        room->ScriptEnabled = enabled;
        f.Area().ScriptTemplate = Template;
        f.Area().Modified = false;
        f.Form().Document().AddMark();
        f.Click({1, 1});
        QTest::mouseClick(f.Button("sbShowDetails"), Qt::LeftButton);
        f.Form().RoomPanel().Tabs()->setCurrentWidget(tab);
        marks = Marks();
    }
    int Marks() { return f.Form().Document().Undo().Count(); }
    const TRoom& Room() { return *f.Form().Document().ActiveRoom(); }
    // Into the editor, the pop-up menu opened there, and a click on its command.
    void Popup(const char* command)
    {
        editor->setFocus();
        const QPoint at = editor->viewport()->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, editor->viewport()->mapToGlobal(at));
        QApplication::sendEvent(editor->viewport(), &menu);
        QMenu* popup = tab->PopupMenu();
        ASSERT_TRUE(popup->isVisible());
        QTest::mouseClick(popup, Qt::LeftButton, {},
                          popup->actionGeometry(popup->findChild<QAction*>(QLatin1String(command))).center());
    }
    void LeaveEditor() { f.Canvas()->setFocus(); }

    TEditorFixture f;
    TScriptTab* tab = f.Form().findChild<TScriptTab*>(QStringLiteral("tsScript"));
    QsciScintilla* editor = tab->findChild<QsciScintilla*>(QStringLiteral("mScript"));
    QPushButton* enable = tab->findChild<QPushButton*>(QStringLiteral("bbScriptEnable"));
    int marks = 0;
};
} // namespace

TEST(ScriptTab, EnableShowsTheRoomsScriptOrTheAreaTemplateWhenBlank)
{
    const TStrings own = {"inherit ROOM;", "  $_LONG_$"};
    for (const auto& [script, shown] : {std::pair{TStrings{}, Template}, std::pair{TStrings{" ", "\t", ""}, Template},
                                        std::pair{own, own}}) {
        SCOPED_TRACE(Shown(script).toStdString());
        TScriptPanel p(script, false);
        EXPECT_TRUE(p.enable->isVisible() && !p.editor->isVisible());
        QTest::mouseClick(p.enable, Qt::LeftButton);
        EXPECT_TRUE(p.editor->isVisible());
        EXPECT_EQ(p.editor->text(), Shown(shown));
        EXPECT_TRUE(p.Room().ScriptEnabled);
        EXPECT_EQ(p.Room().Script, shown);
        // Leaving the editor keeps the text as the room's script.
        p.editor->setFocus();
        p.LeaveEditor();
        EXPECT_EQ(p.Room().Script, shown);
        EXPECT_EQ(p.Marks(), p.marks + 1);
    }
}

TEST(ScriptTab, LeavingTheEditorRecordsTheScriptOnlyWhenItDiffers)
{
    const TStrings script = {"inherit ROOM;", "", "  $_LONG_$", ""};
    TScriptPanel p(script, true);
    p.editor->setFocus();
    p.LeaveEditor();
    EXPECT_EQ(p.Room().Script, script) << "the empty lines survive the editor";
    EXPECT_FALSE(p.f.Area().Modified);

    p.editor->setFocus();
    p.editor->setCursorPosition(0, 0);
    QTest::keyClicks(p.editor, QStringLiteral("// "));
    EXPECT_EQ(p.Room().Script, script) << "only leaving takes it over";
    EXPECT_TRUE(p.f.Area().Modified) << "typing is a change at once";
    p.LeaveEditor();
    EXPECT_EQ(p.Room().Script, (TStrings{"// inherit ROOM;", "", "  $_LONG_$", ""}));
    EXPECT_EQ(p.Marks(), p.marks + 1);
    p.f.Form().Document().UndoEdit();
    EXPECT_EQ(p.Room().Script, script);
    p.f.Form().Document().RedoEdit();
    EXPECT_EQ(p.Room().Script, (TStrings{"// inherit ROOM;", "", "  $_LONG_$", ""}));
}

TEST(ScriptTab, DisableAndDefaultFromThePopupMenu)
{
    const TStrings script = {"inherit ROOM;"};
    TScriptPanel p(script, true);
    p.Popup("miScriptDefault");
    EXPECT_EQ(p.editor->text(), Shown(Template));
    EXPECT_EQ(p.Room().Script, Template);
    EXPECT_EQ(p.Marks(), p.marks + 1);
    p.LeaveEditor();
    EXPECT_EQ(p.Marks(), p.marks + 1) << "nothing typed since";
    EXPECT_TRUE(p.f.Area().Modified);

    p.Popup("miScriptDisable");
    EXPECT_TRUE(!p.editor->isVisible() && p.enable->isVisible());
    EXPECT_FALSE(p.Room().ScriptEnabled);
    EXPECT_EQ(p.Room().Script, Template);
    EXPECT_EQ(p.Marks(), p.marks + 2);

    // Enabling again brings the same text back; undo goes back through each step.
    QTest::mouseClick(p.enable, Qt::LeftButton);
    EXPECT_EQ(p.editor->text(), Shown(Template));
    p.f.Form().Document().UndoEdit();
    EXPECT_FALSE(p.editor->isVisible());
    p.f.Form().Document().UndoEdit();
    EXPECT_TRUE(p.editor->isVisible());
    EXPECT_EQ(p.editor->text(), Shown(Template));
    p.f.Form().Document().UndoEdit();
    EXPECT_EQ(p.editor->text(), Shown(script));
}
