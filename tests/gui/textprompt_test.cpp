#include "gui/app/aboutdialog.h"
#include "gui/app/textprompt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

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
    ASSERT_NE(Child<QLabel>(prompt, "lQuestion"), nullptr);
    ASSERT_NE(Child<QLineEdit>(prompt, "eText"), nullptr);
    ASSERT_NE(Child<QPushButton>(prompt, "bbOK"), nullptr);
    ASSERT_NE(Child<QPushButton>(prompt, "bbCancel"), nullptr);
    EXPECT_EQ(Child<QLabel>(prompt, "lQuestion")->text(), "Enter an item ID");
    EXPECT_EQ(Child<QPushButton>(prompt, "bbOK")->text(), "OK");
    EXPECT_EQ(Child<QPushButton>(prompt, "bbCancel")->text(), "Cancel");
    EXPECT_GE(Child<QLineEdit>(prompt, "eText")->minimumWidth(), 345);

    prompt.show();
    QApplication::processEvents();
    QLineEdit* field = Child<QLineEdit>(prompt, "eText");
    EXPECT_EQ(field->selectedText(), "New Item 3");
    EXPECT_EQ(prompt.focusWidget(), field);
    // A fixed-size window.
    EXPECT_EQ(prompt.minimumSize(), prompt.maximumSize());
}

TEST(TextPrompt, TypingReplacesTheProposalAndOkReturnsIt)
{
    QWidget window;
    WhenModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Kesterbrandor");
        QTest::keyClicks(Child<QLineEdit>(d, "eText"), "iron key");
        QTest::mouseClick(Child<QPushButton>(d, "bbOK"), Qt::LeftButton);
    });
    const auto answer = TFormText::Ask(&window, "Enter an item ID", "New Item 1");
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, "iron key");

    // Return accepts as well.
    WhenModal([](QDialog& d) {
        QTest::keyClick(Child<QLineEdit>(d, "eText"), Qt::Key_End);
        QTest::keyClicks(Child<QLineEdit>(d, "eText"), "s");
        QTest::keyClick(Child<QLineEdit>(d, "eText"), Qt::Key_Return);
    });
    EXPECT_EQ(TFormText::Ask(&window, "Edit item ID", "key"), std::optional<QString>("keys"));
}

TEST(TextPrompt, CancelAndEscapeGiveNothing)
{
    QWidget window;
    WhenModal([](QDialog& d) {
        QTest::keyClicks(Child<QLineEdit>(d, "eText"), "ignored");
        QTest::mouseClick(Child<QPushButton>(d, "bbCancel"), Qt::LeftButton);
    });
    EXPECT_FALSE(TFormText::Ask(&window, "Enter a synonym", "New synonym 1").has_value());

    WhenModal([](QDialog& d) { QTest::keyClick(Child<QLineEdit>(d, "eText"), Qt::Key_Escape); });
    EXPECT_FALSE(TFormText::Ask(nullptr, "Enter an exit ID", "New exit 1").has_value());
}

TEST(TextPrompt, OnePromptPerWindowShowsTheLatestQuestion)
{
    QWidget window;
    TFormText& first = TFormText::Of(&window);
    EXPECT_EQ(&TFormText::Of(&window), &first);

    WhenModal([](QDialog& d) { QTest::mouseClick(Child<QPushButton>(d, "bbOK"), Qt::LeftButton); });
    EXPECT_EQ(TFormText::Ask(&window, "Enter sentence Category", "forest"), std::optional<QString>("forest"));

    QString question, text, selected;
    WhenModal([&](QDialog& d) {
        EXPECT_EQ(&d, &first);
        question = Child<QLabel>(d, "lQuestion")->text();
        text = Child<QLineEdit>(d, "eText")->text();
        selected = Child<QLineEdit>(d, "eText")->selectedText();
        QTest::mouseClick(Child<QPushButton>(d, "bbOK"), Qt::LeftButton);
    });
    EXPECT_EQ(TFormText::Ask(&window, "Enter sentence Description", "dark"), std::optional<QString>("dark"));
    EXPECT_EQ(question, "Enter sentence Description");
    EXPECT_EQ(text, "dark");
    EXPECT_EQ(selected, "dark");
    EXPECT_EQ(window.findChildren<TFormText*>().size(), 1);
}

TEST(AboutBox, TextsAndLifetime)
{
    QWidget window;
    bool seen = false;
    WhenModal([&](QDialog& d) {
        seen = true;
        EXPECT_EQ(d.windowTitle(), "About");
        ASSERT_NE(Child<QLabel>(d, "ProductName"), nullptr);
        ASSERT_NE(Child<QLabel>(d, "Version"), nullptr);
        ASSERT_NE(Child<QLabel>(d, "ProgramIcon"), nullptr);
        EXPECT_EQ(Child<QLabel>(d, "ProductName")->text(), "Kesterbrandor");
        EXPECT_EQ(Child<QLabel>(d, "Version")->text(), "1.02");
        EXPECT_FALSE(Child<QLabel>(d, "ProgramIcon")->pixmap().isNull());
        EXPECT_FALSE(Child<QLabel>(d, "Comments")->text().isEmpty());
        QPushButton* ok = Child<QPushButton>(d, "OKButton");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());
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
