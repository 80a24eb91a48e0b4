// The options dialog: the file-name group's shared field, what OK writes into the area and
// what the map does then, and Cancel.
#include "editorfixture.h"

#include "export/wrap.h"
#include "gui/app/statuspanels.h"
#include "gui/options/formoptions.h"
#include "gui/shared/codeeditor.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// The dialog as the toolbar button opens it, driven by its controls' names.
struct TOptionsDriver {
    TEditorFixture& F;
    TFormOptions* Dialog;

    explicit TOptionsDriver(TEditorFixture& f) : F(f)
    {
        QTest::mouseClick(f.Button("tbOptions"), Qt::LeftButton);
        Dialog = f.Form().findChild<TFormOptions*>(QStringLiteral("FormOptions"));
    }
    template <class T>
    T* Get(const char* name) const
    {
        T* w = Dialog->findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    // Near the left edge: a radio button stretched by its layout takes clicks on its text only.
    void Click(const char* name) const
    {
        QAbstractButton* b = Get<QAbstractButton>(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    void Type(const char* name, const QString& text) const
    {
        auto* edit = Get<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Spin(const char* name, int value) const { Get<QSpinBox>(name)->setValue(value); }
    QString Field() const { return Get<QLineEdit>("eMiddle")->text(); }
    QString FieldLabel() const { return Get<QLabel>("lMiddle")->text(); }
};
} // namespace

TEST(FormOptions, SharedFieldKeepsTheDelimiterAcrossFormatsAndIgnoresBadNumbers)
{
    TEditorFixture f;
    f.Area().LastNumber = 7;
    TOptionsDriver o(f);
    ASSERT_TRUE(o.Dialog && o.Dialog->isVisible());
    EXPECT_EQ(o.Dialog->windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(o.FieldLabel(), QStringLiteral("Delimiter"));
    EXPECT_EQ(o.Field(), QStringLiteral("_"));
    EXPECT_FALSE(o.Get<QSpinBox>("seDigits")->isVisibleTo(o.Dialog));

    o.Type("eMiddle", QStringLiteral("--"));
    o.Click("rgFilens2");
    EXPECT_EQ(o.FieldLabel(), QStringLiteral("Last number"));
    EXPECT_EQ(o.Field(), QStringLiteral("7"));
    EXPECT_TRUE(o.Get<QSpinBox>("seDigits")->isVisibleTo(o.Dialog));
    o.Type("eMiddle", QStringLiteral("12x"));
    o.Click("rgFilens1");
    EXPECT_EQ(o.FieldLabel(), QStringLiteral("Delimiter"));
    EXPECT_EQ(o.Field(), QStringLiteral("--"));
    o.Click("rgFilens2");
    EXPECT_EQ(o.Field(), QStringLiteral("7"));
    o.Click("rgFilens0");
    EXPECT_FALSE(o.Get<QWidget>("gbFilenames")->isVisibleTo(o.Dialog));
    o.Click("rgFilens1");
    o.Click("bbOK");
    EXPECT_EQ(f.Area().FileMiddle, "--");
    EXPECT_EQ(f.Area().LastNumber, 7);
    EXPECT_EQ(f.Area().FileNameFormat, fnfXY);
}

TEST(FormOptions, AscendingNamesGoOnFromTheLastNumber)
{
    TEditorFixture f;
    const int marks = f.Form().Document().Undo().Count();
    {
        TOptionsDriver o(f);
        o.Click("rgFilens2");
        o.Type("ePrefix", QStringLiteral("room"));
        o.Type("eMiddle", QStringLiteral("41"));
        o.Spin("seDigits", 3);
        o.Click("bbOK");
    }
    EXPECT_FALSE(f.Form().findChild<TFormOptions*>()->isVisible());
    EXPECT_TRUE(f.Area().Modified);
    EXPECT_EQ(f.Form().Document().Undo().Count(), marks + 1);
    f.Click({1, 1});
    ASSERT_EQ(f.Area().Count(), 1);
    EXPECT_EQ(f.Area()[0].Number, 42);
    EXPECT_EQ(f.Area()[0].FileName, "room042");
}

TEST(FormOptions, MapSizeResizesOnlyWhenItChanges)
{
    TEditorFixture f;
    TStatusPanels& status = f.Form().Status();
    const QString pixels = status.Text(TStatusPanels::MapPixels);
    {
        TOptionsDriver o(f);
        EXPECT_EQ(o.Get<QSpinBox>("seX")->value(), 8);
        o.Click("bbOK");
    }
    EXPECT_EQ(f.Area().Width, 15);
    EXPECT_FALSE(f.Area().Modified);
    {
        TOptionsDriver o(f);
        o.Spin("seX", 10);
        o.Click("bbOK");
    }
    EXPECT_EQ(f.Area().Width, 19);
    EXPECT_EQ(f.Area().Height, 15);
    EXPECT_NE(status.Text(TStatusPanels::MapPixels), pixels);
    EXPECT_EQ(status.Text(TStatusPanels::MapPixels), QString::number((19 * 20 + 20) * (15 * 20 + 20)));
}

TEST(FormOptions, CancelAfterEditingEveryFieldChangesNothing)
{
    TEditorFixture f;
    const TAreaFields before = f.Area();
    const QImage picture = f.Picture();
    TOptionsDriver o(f);
    o.Dialog->PickColor = [](QWidget*, const QColor&) { return QColor(Qt::magenta); };
    o.Spin("seX", 30);
    o.Spin("seY", 2);
    o.Click("rgFilens2");
    o.Type("ePrefix", QStringLiteral("x"));
    o.Type("ePostfix", QStringLiteral("y"));
    o.Type("eMiddle", QStringLiteral("99"));
    o.Spin("seDigits", 5);
    o.Spin("seWrapFirst", 3);
    o.Spin("seWrapOther", 4);
    o.Spin("seEditorHeight", 900);
    o.Get<QsciScintilla>("mFileHeader")->setText(QStringLiteral("// mine"));
    o.Get<QsciScintilla>("mScriptTemplate")->setText(QStringLiteral("// mine"));
    o.Click("ccForest");
    o.Click("ccEmpty");
    o.Click("rgColorDepth1");
    o.Click("bbCancel");
    EXPECT_TRUE(static_cast<const TAreaFields&>(f.Area()) == before);
    EXPECT_EQ(f.Picture(), picture);

    // The next opening shows the area again, not what was left in the dialog.
    TOptionsDriver again(f);
    EXPECT_EQ(again.Get<QSpinBox>("seX")->value(), 8);
    EXPECT_EQ(again.Field(), QStringLiteral("_"));
    again.Click("bbCancel");
    f.Close();
    EXPECT_EQ(QSettings(f.IniFile(), QSettings::IniFormat).value(QStringLiteral("ColorDept")).toString(),
              QStringLiteral("2"));
}

TEST(FormOptions, OkMarksTheAreaModifiedAndRecordsOnlyForStoredValues)
{
    const struct {
        const char* Name;
        std::function<void(const TOptionsDriver&)> Edit;
        bool Modified;
        const char* ColorDept;
    } cases[] = {
        {"colour", [](const TOptionsDriver& o) { o.Click("ccForest"); }, true, "2"},
        {"colour depth", [](const TOptionsDriver& o) { o.Click("rgColorDepth1"); }, false, "3"},
        {"header", [](const TOptionsDriver& o) { o.Get<QsciScintilla>("mFileHeader")->append(QStringLiteral("x")); },
         true, "2"},
        {"wrapping", [](const TOptionsDriver& o) { o.Spin("seWrapOther", 60); }, true, "2"},
        {"nothing", [](const TOptionsDriver&) {}, false, "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TEditorFixture f;
        const int marks = f.Form().Document().Undo().Count();
        {
            TOptionsDriver o(f);
            o.Dialog->PickColor = [](QWidget*, const QColor&) { return QColor(0x10, 0x20, 0x30); };
            c.Edit(o);
            o.Click("bbOK");
        }
        EXPECT_EQ(f.Area().Modified, c.Modified);
        EXPECT_EQ(f.Button("tbSave")->isEnabled(), c.Modified);
        // A change of what the area stores is a step of its own.
        EXPECT_EQ(f.Form().Document().Undo().Count(), marks + (c.Modified ? 1 : 0));
        if (std::string(c.Name) == "colour") {
            EXPECT_EQ(f.Area().Colors[3], 0x302010);
        }
        f.Close();
        EXPECT_EQ(QSettings(f.IniFile(), QSettings::IniFormat).value(QStringLiteral("ColorDept")).toString(),
                  QLatin1String(c.ColorDept));
    }
}

TEST(FormOptions, TemplatesKeepTheirLinesAndColours)
{
    TEditorFixture f;
    f.Area().FileHeader = {"#include <lib.h>", "", "int x; // note", ""};
    TOptionsDriver o(f);
    auto* header = o.Get<QsciScintilla>("mFileHeader");
    EXPECT_EQ(EditorLines(*header), f.Area().FileHeader);
    EXPECT_EQ(header->lexer()->paper(0), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(header->lexer()->color(6), QColor(0x00, 0xFF, 0xFF)); // strings
    EXPECT_TRUE(header->lexer()->font(5).bold());                   // keywords
    o.Click("bbOK");
    EXPECT_FALSE(f.Area().Modified);
}

TEST(FormOptions, OkOnANonSquareMapLeavesItsSizeAlone)
{
    const struct {
        int Width, Height, X, Y;
    } cases[] = {{21, 9, 11, 5}, {9, 21, 5, 11}, {20, 8, 11, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(c.Width).arg(c.Height).toStdString());
        TEditorFixture f;
        TRoomList area(c.Width, c.Height);
        PlaceRoom(area, {1, 1});
        f.OpenArea(QStringLiteral("wide.arf"), area);
        ASSERT_EQ(f.Area().Width, c.Width);
        const QString pixels = f.Form().Status().Text(TStatusPanels::MapPixels);
        const int marks = f.Form().Document().Undo().Count();
        {
            TOptionsDriver o(f);
            EXPECT_EQ(o.Get<QSpinBox>("seX")->value(), c.X);
            EXPECT_EQ(o.Get<QSpinBox>("seY")->value(), c.Y);
            o.Click("bbOK");
        }
        EXPECT_EQ(f.Area().Width, c.Width);
        EXPECT_EQ(f.Area().Height, c.Height);
        EXPECT_FALSE(f.Area().Modified);
        EXPECT_EQ(f.Form().Document().Undo().Count(), marks);
        EXPECT_EQ(f.Form().Status().Text(TStatusPanels::MapPixels), pixels);
    }
}

TEST(FormOptions, WrapWidthsAreTypedOnlyWithinTheirRange)
{
    TEditorFixture f;
    f.Area().WrapFirst = -5; // from a file of another writer
    TOptionsDriver o(f);
    QSpinBox* first = o.Get<QSpinBox>("seWrapFirst");
    QSpinBox* other = o.Get<QSpinBox>("seWrapOther");
    EXPECT_EQ(first->value(), MinWrapWidth);
    for (QSpinBox* spin : {first, other}) {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("-3"));
        QTest::keyClick(spin, Qt::Key_Tab);
        EXPECT_GE(spin->value(), MinWrapWidth);
    }
    other->setFocus();
    other->selectAll();
    QTest::keyClicks(other, QStringLiteral("99999"));
    QTest::keyClick(other, Qt::Key_Tab);
    EXPECT_LE(other->value(), MaxWrapWidth);
    o.Click("bbOK");
    EXPECT_GE(f.Area().WrapFirst, MinWrapWidth);
    EXPECT_GE(f.Area().WrapOther, MinWrapWidth);
    EXPECT_LE(f.Area().WrapOther, MaxWrapWidth);
}
