// Text typed into a room field and not yet left: whatever reads the area (a save, the close
// question, an export, undo) sees it, and typing alone makes the area modified.
#include "editorfixture.h"
#include "files/areafile.h"
#include "gui/room/roompanel.h"
#include "model/text.h"
#include "testutil.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {
constexpr TGridPoint kCell{3, 3};

// A field of the room details: where it lies, what to type and where the room keeps it.
struct TField {
    const char* Name;
    int Tab;
    const char* Typed;
    std::function<std::string(const TRoom&)> Stored;
};

const std::vector<TField>& Fields()
{
    static const std::vector<TField> fields = {
        {"eFilename", 0, "Zq", [](const TRoom& r) { return r.FileName; }},
        {"eShort", 0, "Zq", [](const TRoom& r) { return r.Short; }},
        {"mLong", 0, "Zq", [](const TRoom& r) { return r.Descriptions.empty() ? "" : StringsDescToString(r.Descriptions[0].Text); }},
        {"mItemListen", 1, "Zq", [](const TRoom& r) { return StringsDescToString(r.Items.at(0).Listen); }},
        {"seDay", 3, "77", [](const TRoom& r) { return std::to_string(r.DayLight); }},
        {"mScript", 4, "Zq", [](const TRoom& r) {
             std::string text;
             for (const std::string& line : r.Script)
                 text += line;
             return text;
         }},
    };
    return fields;
}

// A window on a saved one-room area, the room chosen and the field's tab up.
struct TTyping {
    explicit TTyping(const TField& field) : Field(field)
    {
        TRoomList area(9, 9);
        TRoom& room = *PlaceRoom(area, kCell);
        room.Short = "Glade";
        room.Descriptions = {{"Long", {"Tall trees."}}};
        room.Items.resize(1);
        room.Items[0].ID = "bell";
        room.Items[0].Listen = {"A hum."};
        room.ScriptEnabled = true;
        room.Script = {"inherit ROOM;"};
        f.OpenArea(QStringLiteral("typed.arf"), area);
        f.Click(kCell);
        f.Form().ShowDetails();
        f.Form().RoomPanel().Tabs()->setCurrentIndex(field.Tab);
        if (field.Tab == 1)
            Get<QTabWidget>("pcItemTexts")->setCurrentIndex(1);
        Widget = Get<QWidget>(field.Name);
    }
    template <class T> T* Get(const char* name) { return f.Form().findChild<T*>(QLatin1String(name)); }
    const TRoom& Room() { return *f.Form().Document().ActiveRoom(); }

    // Types at the end of the field, or over the whole value of a spin box; the field keeps the focus.
    void Type()
    {
        Widget->setFocus();
        if (auto* spin = qobject_cast<QSpinBox*>(Widget))
            spin->selectAll();
        else if (qobject_cast<QLineEdit*>(Widget))
            QTest::keyClick(Widget, Qt::Key_End);
        else
            QTest::keyClick(Widget, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(Widget, QLatin1String(Field.Typed));
        ASSERT_TRUE(Widget->hasFocus());
    }
    // What the room holds once the typing is in.
    std::string Expected(const std::string& before) const
    {
        return std::string(Field.Name) == "seDay" ? Field.Typed : before + Field.Typed;
    }
    std::string Saved()
    {
        TRoomList loaded(1, 1);
        LoadArea(QFile::encodeName(f.Path(QStringLiteral("typed.arf"))).toStdString(), loaded);
        return Field.Stored(*loaded.RoomAt(kCell));
    }

    const TField& Field;
    TEditorFixture f;
    QWidget* Widget = nullptr;
};
} // namespace

TEST(TypedText, CtrlSInTheFieldSavesItsTextAndTypingIsAChangeAtOnce)
{
    for (const TField& field : Fields()) {
        SCOPED_TRACE(field.Name);
        TTyping t(field);
        const std::string before = field.Stored(t.Room());
        EXPECT_FALSE(t.f.Button("tbSave")->isEnabled());
        t.Type();
        EXPECT_TRUE(t.f.Area().Modified) << "typing alone is a change";
        EXPECT_TRUE(t.f.Button("tbSave")->isEnabled());
        QTest::keyClick(t.Widget, Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(t.f.Area().Modified);
        EXPECT_EQ(t.Saved(), t.Expected(before));
        // The field goes on being typed in where it was.
        EXPECT_TRUE(t.Widget->hasFocus());
        QTest::keyClick(t.Widget, Qt::Key_Backspace);
        QTest::keyClicks(t.Widget, QStringLiteral("1"));
        EXPECT_TRUE(t.f.Area().Modified);
        t.f.Form().Save(false);
        std::string again = t.Expected(before);
        again.back() = '1';
        EXPECT_EQ(t.Saved(), again);
    }
}

TEST(TypedText, ClosingAsksAndYesSavesTheText)
{
    for (const TField& field : Fields()) {
        SCOPED_TRACE(field.Name);
        TTyping t(field);
        const std::string before = field.Stored(t.Room());
        t.Type();
        t.f.Asker().Answers = {TAnswer::Cancel};
        EXPECT_FALSE(t.f.Form().close());
        EXPECT_EQ(t.f.Asker().Questions, QStringList{QStringLiteral("The map was changed, do you want to save it?")});
        t.f.Asker().Answers = {TAnswer::Yes};
        EXPECT_TRUE(t.f.Form().close());
        EXPECT_EQ(t.Saved(), t.Expected(before));
    }
}

TEST(TypedText, ExportWritesTheTextOfTheFieldStillBeingTypedIn)
{
    TTyping t(Fields()[1]);
    t.Type();
    const QString folder = t.f.Path(QStringLiteral("typed"));
    t.f.Asker().Texts = {folder};
    t.f.Form().Menu().miToC->trigger();
    ASSERT_EQ(t.f.Asker().Notices.value(0), QStringLiteral("Export done."));
    std::string code;
    for (const auto& [name, bytes] : DirectoryTree(QFile::encodeName(folder).toStdString()))
        code += bytes;
    EXPECT_NE(code.find("SetShort(\"GladeZq\");"), std::string::npos);
}

TEST(TypedText, UndoTakesTheTypingBackAsOneStepAndRedoBringsItBack)
{
    for (const TField& field : Fields()) {
        SCOPED_TRACE(field.Name);
        TTyping t(field);
        const std::string before = field.Stored(t.Room());
        const int position = t.f.Form().Document().Undo().Position();
        t.Type();
        // The toolbar buttons leave the keyboard in the field.
        QTest::mouseClick(t.f.Button("tbUndo"), Qt::LeftButton);
        EXPECT_EQ(field.Stored(t.Room()), before);
        EXPECT_EQ(t.f.Form().Document().Undo().Position(), position);
        EXPECT_FALSE(t.f.Area().Modified);
        QTest::mouseClick(t.f.Button("tbRedo"), Qt::LeftButton);
        EXPECT_EQ(field.Stored(t.Room()), t.Expected(before));
        EXPECT_TRUE(t.f.Area().Modified);
    }
}

TEST(TypedText, ALineBreakTypedIsOneStepHoweverOftenTheTextIsRead)
{
    for (const TField& field : {Fields()[2], Fields()[3]}) {
        SCOPED_TRACE(field.Name);
        TTyping t(field);
        const int position = t.f.Form().Document().Undo().Position();
        t.Widget->setFocus();
        QTest::keyClick(t.Widget, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(t.Widget, Qt::Key_Return);
        QTest::keyClicks(t.Widget, QStringLiteral("More."));
        QTest::keyClick(t.Widget, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(t.Widget, Qt::Key_S, Qt::ControlModifier);
        t.f.Canvas()->setFocus();
        t.f.Form().Save(false);
        EXPECT_EQ(t.f.Form().Document().Undo().Position(), position + 1);
        EXPECT_NE(t.Saved().find("More."), std::string::npos);
    }
}
