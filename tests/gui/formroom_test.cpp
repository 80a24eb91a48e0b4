// The room dialog on its private copy, and View "Default room" editing the current template.
#include "editorfixture.h"
#include "gui/map/handmode.h"
#include "gui/room/formroom.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
template <class T> T* Get(QWidget& w, const char* name)
{
    return w.findChild<T*>(QLatin1String(name));
}

void Activate(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

void Type(QWidget& dialog, const char* field, const QString& text)
{
    QWidget* w = Get<QWidget>(dialog, field);
    w->setFocus();
    QTest::keyClicks(w, text);
}

void ClickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Runs View "Default room" with what the user does inside the modal dialog.
void EditDefaultRoom(TFormMain& form, const std::function<void(TFormRoom&)>& user)
{
    QTimer::singleShot(0, &form, [&] {
        TFormRoom& dialog = form.FormRoom();
        Activate(dialog);
        EXPECT_FALSE(form.HandMode().KeyCursorRefresh) << "keys in the dialog leave the map cursor alone";
        user(dialog);
    });
    form.Menu().miDefaultRoom->trigger();
}
} // namespace

TEST(FormRoom, EditsAPrivateCopyAndKeepsAreaTypesForSave)
{
    TScriptedAsker asker;
    TFormRoom dialog(asker, nullptr);
    TRoomList area(15, 15);
    dialog.SetDialogArea(&area);
    TRoom room;
    room.Short = "Glade";
    room.Descriptions = {{"Long", {"The hall is", "dark."}}};
    room.AreaTypes = WithAreaType(0, 1);
    room.DayLight = 5;
    const TRoom original = room;
    dialog.Prepare(room);
    Activate(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Default room - details"));
    EXPECT_FALSE(Get<QPushButton>(dialog, "bbToDefault") || Get<QPushButton>(dialog, "bbToSentenceDB"));

    // The memo shows the stored lines and stores them back as they are.
    auto* memo = Get<QPlainTextEdit>(dialog, "mLong");
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("The hall is\ndark."));
    memo->setFocus();
    Type(dialog, "eShort", QStringLiteral(" path"));
    ClickBox(Get<QCheckBox>(dialog, "chbForest"));
    Get<QTabWidget>(dialog, "pcRoom")->setCurrentIndex(3);
    auto* day = Get<QSpinBox>(dialog, "seDay");
    day->setFocus();
    QTest::keyClick(day, Qt::Key_Up);
    Get<QPushButton>(dialog, "bbCancel")->setFocus();
    const TRoom& work = dialog.WorkRoom();
    EXPECT_EQ(work.Descriptions[0].Text, (TStrings{"The hall is", "dark."}));
    EXPECT_EQ(work.Short, "Glade path");
    EXPECT_EQ(work.DayLight, 6);
    EXPECT_EQ(work.AreaTypes, original.AreaTypes) << "area types are read on Save only";
    QTest::mouseClick(Get<QPushButton>(dialog, "bbCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(work.AreaTypes, original.AreaTypes);
    EXPECT_EQ(room, original);
    EXPECT_FALSE(area.Modified);

    // Reused: nothing of the cancelled use survives; Save takes the ticked boxes and the
    // field still being typed into.
    dialog.Prepare(room);
    Activate(dialog);
    EXPECT_EQ(work, original);
    EXPECT_EQ(Get<QTabWidget>(dialog, "pcRoom")->currentIndex(), 0);
    ClickBox(Get<QCheckBox>(dialog, "chbForest"));
    Type(dialog, "eFilename", QStringLiteral("glade"));
    QTest::keyClick(Get<QWidget>(dialog, "eFilename"), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter in a field does not close the dialog";
    QTest::mouseClick(Get<QPushButton>(dialog, "bbSave"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(work.AreaTypes, WithAreaType(WithAreaType(0, 1), 3));
    EXPECT_EQ(work.FileName, "glade");
    EXPECT_EQ(room, original);
}

TEST(FormRoom, DefaultRoomCommandSavesIntoTheTemplateOrCancels)
{
    TEditorFixture f;
    TFormMain& form = f.Form();
    TRoom& current = form.DefaultRooms().CurrentDefaultRoom();
    current.Number = 4;
    current.FileName = "old";
    current.CompassLinks[dirN] = {3, 1};
    current.CompassLinks[dirE] = {5, 3};
    ASSERT_FALSE(f.Area().Modified);
    const int marks = form.Document().Undo().Count();

    EditDefaultRoom(form, [](TFormRoom& dialog) {
        EXPECT_EQ(Get<QLabel>(dialog, "lInfo")->text(), QStringLiteral("  n, e"));
        Type(dialog, "eShort", QStringLiteral("Cancelled"));
        QTest::mouseClick(Get<QPushButton>(dialog, "bbCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(current.Short, "");
    EXPECT_FALSE(f.Area().Modified);
    EXPECT_TRUE(form.HandMode().KeyCursorRefresh);

    EditDefaultRoom(form, [](TFormRoom& dialog) {
        Type(dialog, "eShort", QStringLiteral("Camp"));
        Type(dialog, "eFilename", QStringLiteral("camp"));
        ClickBox(Get<QCheckBox>(dialog, "chbCity"));
        QTest::mouseClick(Get<QPushButton>(dialog, "bbSave"), Qt::LeftButton);
    });
    EXPECT_EQ(current.Short, "Camp");
    EXPECT_EQ(current.FileName, "oldcamp");
    EXPECT_EQ(current.AreaTypes, WithAreaType(0, 10));
    EXPECT_EQ(current.Number, 4) << "the template keeps its own number and links";
    EXPECT_EQ(current.CompassLinks[dirE], (TGridPoint{5, 3}));
    EXPECT_TRUE(f.Area().Modified);
    EXPECT_TRUE(form.HandMode().KeyCursorRefresh);
    EXPECT_EQ(form.Document().Undo().Count(), marks);
}

TEST(FormRoom, CancelKeepsTheTemplateButNotAnExitEditsModified)
{
    TEditorFixture f;
    TFormMain& form = f.Form();
    const TRoom before = form.DefaultRooms().CurrentDefaultRoom();
    ASSERT_FALSE(f.Button("tbSave")->isEnabled());
    EditDefaultRoom(form, [&](TFormRoom& dialog) {
        Type(dialog, "eShort", QStringLiteral("Camp"));
        Get<QTabWidget>(dialog, "pcRoom")->setCurrentIndex(2);
        f.Asker().Texts.push_back(QStringLiteral("hatch"));
        QTest::mouseClick(Get<QPushButton>(dialog, "bbExitAdd"), Qt::LeftButton);
        ASSERT_EQ(dialog.WorkRoom().Exits.size(), 1u);
        QTest::mouseClick(Get<QPushButton>(dialog, "bbCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(form.DefaultRooms().CurrentDefaultRoom(), before);
    EXPECT_TRUE(f.Area().Modified);
    EXPECT_TRUE(f.Button("tbSave")->isEnabled()) << "the flag set inside the dialog is announced";
}
