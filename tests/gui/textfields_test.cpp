// Text fields of the real window take only what the area's code page can store, saying what
// they refused, and Tab never types a TAB: it leaves every memo, and Ctrl+Tab leaves the code
// editor, where Tab indents.
#include "editorfixture.h"

#include "gui/app/statuspanels.h"
#include "gui/document/doctext.h"
#include "gui/room/roompanel.h"
#include "kberror.h"
#include "testutil.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

namespace {
constexpr TGridPoint kCell{3, 3};

// The window on one room with a short text, a long description and an item, the room chosen
// and its details shown; the area is unmodified.
struct TRoomWindow {
    TRoomWindow()
    {
        TRoomList area(15, 15);
        TRoom* room = PlaceRoom(area, kCell);
        room->Short = "Cesta";
        room->Descriptions = {{"Long", {"Les."}}};
        room->Items.resize(1);
        room->Items[0].ID = "kamen";
        room->Items[0].Description = {"Kamen."};
        f.OpenArea(QStringLiteral("one.arf"), area);
        f.Click(kCell);
        f.Form().ShowDetails();
    }
    template <class T = QWidget> T* Get(const char* name)
    {
        T* w = f.Form().findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void ShowTab(const char* name)
    {
        QTabWidget* tabs = f.Form().RoomPanel().Tabs();
        tabs->setCurrentWidget(Get(name));
    }
    // The room's own script, in the code editor.
    QsciScintilla* Script()
    {
        ShowTab("tsScript");
        if (auto* enable = Get<QWidget>("bbScriptEnable"); enable->isVisible())
            QTest::mouseClick(enable, Qt::LeftButton);
        return Get<QsciScintilla>("mScript");
    }
    // The window's notice, as the status bar shows it.
    QString Notice() { return f.Form().Status().Panel(TStatusPanels::Count - 1)->text(); }
    TRoom& Room() { return *f.Form().Document().ActiveRoom(); }
    // Shows the tab pages that hold the field, then gives it the focus.
    void Focus(QWidget* field)
    {
        for (QWidget* p = field->parentWidget(); p; p = p->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(p))
                for (int i = 0; i < tabs->count(); ++i)
                    if (tabs->widget(i) == field || tabs->widget(i)->isAncestorOf(field))
                        tabs->setCurrentIndex(i);
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
    }
    void Paste(QWidget* field, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    TEditorFixture f;
};

// Keys that type the characters of `text`, as a keyboard with those letters sends them.
void Type(QWidget* field, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), {});
}

QString PlainText(QWidget* field)
{
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return line->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        return memo->toPlainText();
    return static_cast<QsciScintilla*>(field)->text();
}
} // namespace

TEST(CodePageFields, TypedOrPastedCharactersTheAreaCannotStoreAreRefusedAndNamed)
{
    TRoomWindow w;
    auto* shortField = w.Get<QLineEdit>("eShort");
    w.Focus(shortField);
    QTest::keyClick(shortField, Qt::Key_End);
    Type(shortField, QString::fromUtf8("ñ"));
    EXPECT_EQ(shortField->text(), QStringLiteral("Cesta"));
    EXPECT_TRUE(w.Notice().contains(QString::fromUtf8("“ñ” (U+00F1)"))) << w.Notice().toStdString();
    EXPECT_TRUE(w.Notice().contains(QStringLiteral("windows-1250")));
    // What the code page holds goes in as ever.
    Type(shortField, QString::fromUtf8("č"));
    EXPECT_EQ(shortField->text(), QString::fromUtf8("Cestač"));

    auto* memo = w.Get<QPlainTextEdit>("mLong");
    w.Focus(memo);
    memo->moveCursor(QTextCursor::End);
    w.Paste(memo, QString::fromUtf8("日本"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Les."));
    EXPECT_TRUE(w.Notice().contains(QString::fromUtf8("“日” (U+65E5)"))) << w.Notice().toStdString();
    // The menu's Paste takes the same way; a mixed text is refused whole, not in part.
    QApplication::clipboard()->setText(QString::fromUtf8(" Sníh 😀"));
    memo->paste();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Les."));
    EXPECT_TRUE(w.Notice().contains(QStringLiteral("U+1F600"))) << w.Notice().toStdString();
    w.Paste(memo, QString::fromUtf8(" Sníh"));
    EXPECT_EQ(memo->toPlainText(), QString::fromUtf8("Les. Sníh"));

    // Stored when left, and exported without a substitute byte.
    w.f.Canvas()->setFocus();
    EXPECT_EQ(w.Room().Short, "Cesta\xe8");
    EXPECT_EQ(w.Room().Descriptions[0].Text, (TStrings{"Les. Sn\xedh"}));
    const QString folder = w.f.Path(QStringLiteral("out"));
    w.f.Asker().Texts = {folder};
    w.f.Form().Menu().miToC->trigger();
    ASSERT_EQ(w.f.Asker().Notices.value(0), QStringLiteral("Export done."));
    bool shortFound = false;
    for (const auto& [name, bytes] : DirectoryTree(QFile::encodeName(folder).toStdString())) {
        EXPECT_EQ(bytes.find('\x1A'), std::string::npos) << name;
        shortFound = shortFound || bytes.find("Cesta\xe8") != std::string::npos;
    }
    EXPECT_TRUE(shortFound);
}

TEST(CodePageFields, ConversionIntoTheAreaNeverSubstitutesSilently)
{
    // Whatever a field missed is stopped at the conversion, naming the first character.
    const struct {
        const char* Text;
        const char* Named;
    } cases[] = {{"ñ", "“ñ” (U+00F1)"}, {"Les 日本", "“日” (U+65E5)"}, {"čaj 😀!", "“😀” (U+1F600)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        try {
            QtToDoc(QString::fromUtf8(c.Text));
            ADD_FAILURE() << "converted";
        } catch (const EKbError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Named), std::string::npos) << e.what();
        }
    }
    // A caller that asks for the lossy text gets it, flagged.
    bool lossy = false;
    EXPECT_EQ(QtToDoc(QString::fromUtf8("a😀"), &lossy), "a\x1A");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(QtToDoc(QString::fromUtf8("Příliš")), "P\xf8\xedli\x9a");
    EXPECT_EQ(FirstUnstorable(QString::fromUtf8("Příliš")), -1);
}

TEST(CodePageFields, EveryKindOfTextFieldRefuses)
{
    TRoomWindow w;
    struct TField {
        const char* Tab; // room tab to show first, if any
        const char* Name;
    };
    w.Get<QListWidget>("lbItems")->setCurrentRow(0);
    w.f.Form().OpenItemPane();
    QTest::mouseClick(w.Get<QToolButton>("sbItemAdd"), Qt::LeftButton);
    w.f.Form().OpenSentencePane();
    w.Script();
    const TField fields[] = {
        {"tsMain", "eFilename"}, {"tsItems", "mItemDescr"}, {"tsItems", "mItemRead"}, {"tsScript", "mScript"},
        {nullptr, "eFindRoom"},  {nullptr, "eItemDBID"},    {nullptr, "mItemDBDescr"}, {nullptr, "eSearchSentence"},
    };
    for (const TField& field : fields) {
        SCOPED_TRACE(field.Name);
        if (field.Tab)
            w.ShowTab(field.Tab);
        QWidget* edit = w.Get(field.Name);
        w.Focus(edit);
        const QString before = PlainText(edit);
        w.f.Form().Status().ShowHint(QString());
        Type(edit, QString::fromUtf8("ñ"));
        EXPECT_EQ(PlainText(edit), before);
        EXPECT_TRUE(w.Notice().contains(QStringLiteral("U+00F1"))) << w.Notice().toStdString();
        w.Paste(edit, QString::fromUtf8("日本"));
        EXPECT_EQ(PlainText(edit), before);
        EXPECT_TRUE(w.Notice().contains(QStringLiteral("U+65E5"))) << w.Notice().toStdString();
    }
}

TEST(TabKey, LeavesEveryMemoWithoutTypingATab)
{
    TRoomWindow w;
    w.Get<QListWidget>("lbItems")->setCurrentRow(0);
    w.f.Form().OpenItemPane();
    QTest::mouseClick(w.Get<QToolButton>("sbItemAdd"), Qt::LeftButton);
    const struct {
        const char* Tab;
        const char* Name;
    } memos[] = {{"tsMain", "mLong"},     {"tsItems", "mItemDescr"}, {"tsItems", "mItemListen"},
                 {"tsItems", "mItemSmell"}, {"tsItems", "mItemTouch"}, {"tsItems", "mItemSearch"},
                 {"tsItems", "mItemRead"},  {nullptr, "mItemDBDescr"}, {nullptr, "mItemDBRead"}};
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Mods;
    } keys[] = {{Qt::Key_Tab, {}}, {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Tab, Qt::ControlModifier},
                {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier}};
    for (const auto& m : memos) {
        if (m.Tab)
            w.ShowTab(m.Tab);
        auto* memo = w.Get<QPlainTextEdit>(m.Name);
        for (const auto& k : keys) {
            SCOPED_TRACE(std::string(m.Name) + " key " + std::to_string(k.Key) + " mods " + std::to_string(k.Mods));
            w.Focus(memo);
            const QString before = memo->toPlainText();
            QTest::keyClick(memo, k.Key, k.Mods);
            EXPECT_EQ(memo->toPlainText(), before);
            EXPECT_FALSE(memo->hasFocus());
        }
    }
}

TEST(TabKey, IndentsInTheCodeEditorWhichCtrlTabLeaves)
{
    TRoomWindow w;
    QsciScintilla* script = w.Script();
    w.Focus(script);
    script->setCursorPosition(0, 0);
    const QString before = script->text();
    // Spaces however deep: five steps would make a TAB and two spaces in a tabbed editor.
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(script, Qt::Key_Tab);
    EXPECT_TRUE(script->hasFocus());
    EXPECT_EQ(script->text(), QString(10, QLatin1Char(' ')) + before);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(script, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(script->hasFocus());
    EXPECT_EQ(script->text(), QStringLiteral("  ") + before) << "Shift+Tab unindents";

    // Ctrl+Tab and Ctrl+Shift+Tab move on from the editor; the page stays.
    QTabWidget* tabs = w.f.Form().RoomPanel().Tabs();
    const Qt::KeyboardModifiers leaving[] = {Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier};
    for (Qt::KeyboardModifiers mods : leaving) {
        w.Focus(script);
        QTest::keyClick(script, Qt::Key_Tab, mods);
        EXPECT_FALSE(script->hasFocus());
        EXPECT_EQ(tabs->currentWidget(), w.Get("tsScript"));
    }
    EXPECT_EQ(script->text(), QStringLiteral("  ") + before);
}
