#include "gui/app/aboutdialog.h"
#include "gui/shared/textprompt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

// Runs `act` on the modal dialog once it is up; closes it whatever `act` did, so that a
// failing test cannot hang in exec().
void WhenModal(std::function<void(QDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected + 100);
    });
}

template <class T>
T* Child(QWidget& parent, const char* name)
{
    return parent.findChild<T*>(QLatin1String(name));
}

} // namespace

TEST(TextPrompt, Layout)
{
    TFormText prompt;
    prompt.Prepare("Enter an item ID", "New Item 3");
    EXPECT_EQ(prompt.windowTitle(), "Kesterbrandor");
    EXPECT_EQ(Child<QLabel>(prompt, "lQuestion")->text(), "Enter an item ID");
    EXPECT_EQ(Child<QPushButton>(prompt, "bbOK")->text(), "OK");
    EXPECT_EQ(Child<QPushButton>(prompt, "bbCancel")->text(), "Cancel");
    QLineEdit* field = Child<QLineEdit>(prompt, "eText");
    EXPECT_GE(field->minimumWidth(), 345);

    prompt.show();
    QApplication::processEvents();
    EXPECT_EQ(field->selectedText(), "New Item 3");
    EXPECT_EQ(prompt.focusWidget(), field);
    EXPECT_EQ(prompt.minimumSize(), prompt.maximumSize()) << "a fixed-size window";
}

TEST(TextPrompt, OkAndReturnGiveTheTextCancelAndEscapeNothing)
{
    QWidget window;
    // Typing replaces the selected proposal.
    WhenModal([](QDialog& d) {
        QTest::keyClicks(Child<QLineEdit>(d, "eText"), "iron key");
        QTest::mouseClick(Child<QPushButton>(d, "bbOK"), Qt::LeftButton);
    });
    EXPECT_EQ(TFormText::Ask(&window, "Enter an item ID", "New Item 1"), std::optional<QString>("iron key"));
    WhenModal([](QDialog& d) {
        QTest::keyClick(Child<QLineEdit>(d, "eText"), Qt::Key_End);
        QTest::keyClicks(Child<QLineEdit>(d, "eText"), "s");
        QTest::keyClick(Child<QLineEdit>(d, "eText"), Qt::Key_Return);
    });
    EXPECT_EQ(TFormText::Ask(&window, "Edit item ID", "key"), std::optional<QString>("keys"));

    WhenModal([](QDialog& d) {
        QTest::keyClicks(Child<QLineEdit>(d, "eText"), "ignored");
        QTest::mouseClick(Child<QPushButton>(d, "bbCancel"), Qt::LeftButton);
    });
    EXPECT_FALSE(TFormText::Ask(&window, "Enter a synonym", "New synonym 1").has_value());
    WhenModal([](QDialog& d) { QTest::keyClick(Child<QLineEdit>(d, "eText"), Qt::Key_Escape); });
    EXPECT_FALSE(TFormText::Ask(nullptr, "Enter an exit ID", "New exit 1").has_value()) << "without a window";
}

TEST(TextPrompt, OnePromptPerWindowShowsTheLatestQuestion)
{
    QWidget window;
    TFormText& first = TFormText::Of(&window);
    EXPECT_EQ(&TFormText::Of(&window), &first);

    WhenModal([](QDialog& d) { QTest::mouseClick(Child<QPushButton>(d, "bbOK"), Qt::LeftButton); });
    EXPECT_EQ(TFormText::Ask(&window, "Enter sentence Category", "forest"), std::optional<QString>("forest"));

    WhenModal([&](QDialog& d) {
        EXPECT_EQ(&d, &first);
        EXPECT_EQ(Child<QLabel>(d, "lQuestion")->text(), "Enter sentence Description");
        EXPECT_EQ(Child<QLineEdit>(d, "eText")->selectedText(), "dark");
        QTest::mouseClick(Child<QPushButton>(d, "bbOK"), Qt::LeftButton);
    });
    EXPECT_EQ(TFormText::Ask(&window, "Enter sentence Description", "dark"), std::optional<QString>("dark"));
    EXPECT_EQ(window.findChildren<TFormText*>().size(), 1);
}

TEST(AboutBox, TextsAndLifetime)
{
    QWidget window;
    bool seen = false;
    WhenModal([&](QDialog& d) {
        seen = true;
        EXPECT_EQ(d.windowTitle(), "About");
        EXPECT_EQ(Child<QLabel>(d, "ProductName")->text(), "Kesterbrandor");
        EXPECT_EQ(Child<QLabel>(d, "Version")->text(), "1.02");
        EXPECT_FALSE(Child<QLabel>(d, "ProgramIcon")->pixmap().isNull());
        EXPECT_EQ(Child<QPushButton>(d, "OKButton")->text(), "OK");
        const QPoint centre = d.screen()->availableGeometry().center();
        EXPECT_LE((d.frameGeometry().center() - centre).manhattanLength(), 2);
        // The default button answers Return.
        QTest::keyClick(&d, Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    TAboutBox::Execute(&window);
    EXPECT_TRUE(seen);
    // Destroyed when closed.
    EXPECT_TRUE(window.findChildren<TAboutBox*>().isEmpty());
}
