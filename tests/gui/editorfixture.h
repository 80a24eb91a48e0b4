#pragma once
// A real main window for GUI tests: its own settings file, scripted answers to every
// question, and helpers that drive the map picture by cell.
#include "gui/shared/asker.h"
#include "gui/app/formmain.h"
#include "gui/map/mapeditor.h"
#include "gui/map/mapview.h"

#include <QComboBox>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QToolButton>
#include <deque>
#include <memory>

// Answers questions from queues and records everything it was asked or told. An
// unexpected question fails the test and answers Cancel.
class TScriptedAsker : public TAsker {
public:
    std::deque<TAnswer> Answers; // for Yes/No/Cancel and Yes/No questions
    std::deque<std::optional<QString>> Texts; // for text prompts; no value = cancel
    std::deque<QString> FileNames; // for open and save dialogs; empty string = cancel
    QStringList Questions;
    QStringList Notices;
    QStringList Warnings;
    QStringList TextQuestions; // "question|initial text"
    QStringList Errors;
    QStringList ErrorsWithoutWindow; // shown while their window was not on screen
    QStringList DialogTitles;
    QStringList DialogFilters;
    QStringList DialogProposals; // the file an open dialog starts on

    TAnswer AskYesNoCancel(QWidget*, const QString& question) override;
    bool AskYesNo(QWidget* parent, const QString& question) override
    {
        return AskYesNoCancel(parent, question) == TAnswer::Yes;
    }
    void Inform(QWidget*, const QString& message) override { Notices << message; }
    void Warn(QWidget*, const QString& message) override { Warnings << message; }
    std::optional<QString> AskText(QWidget*, const QString& question, const QString& text) override;
    void ShowError(QWidget* parent, const QString& message) override;
    QString AskOpenFileName(QWidget*, const TFileDialogSpec& setup) override { return NextFileName(setup); }
    QString AskSaveFileName(QWidget*, const TFileDialogSpec& setup, const QString&) override
    {
        return NextFileName(setup);
    }

private:
    QString NextFileName(const TFileDialogSpec& setup);
};

class TEditorFixture {
public:
    // Settings lines ("Name=value", "[Section]") written to the window's INI file first;
    // answers queued before the window starts, for the questions of its start-up.
    explicit TEditorFixture(const QStringList& settings = {}, const QStringList& commandLine = {},
                            const std::deque<TAnswer>& startupAnswers = {});
    ~TEditorFixture();

    TFormMain& Form() { return *m_form; }
    TScriptedAsker& Asker() { return *m_asker; }
    TRoomList& Area() { return m_form->Area(); }
    TMapEditor& Editor() { return m_form->MapEditor(); }
    QWidget* Canvas() { return m_form->MapView().Canvas(); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString IniFile() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    int Beeps() const { return *m_beeps; }
    QToolButton* Button(const char* name) { return m_form->findChild<QToolButton*>(QLatin1String(name)); }
    QComboBox* Zoom() { return m_form->findChild<QComboBox*>(QStringLiteral("cbZoom")); }
    // Picks a zoom item as the user does.
    void ChooseZoom(int index);
    // Writes `area` to a file of the test folder and opens it through the window.
    void OpenArea(const QString& name, const TRoomList& area);

    // Centre pixel of a cell in the picture.
    QPoint CellCentre(TGridPoint cell) const;
    void MoveTo(TGridPoint cell, Qt::KeyboardModifiers mods = {});
    void Click(TGridPoint cell, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {});
    // The picture as the widget paints it now.
    QImage Picture();
    // Destroys the window (writing its settings), as program end does.
    void Close();

private:
    QTemporaryDir m_dir;
    TScriptedAsker* m_asker;
    std::unique_ptr<TFormMain> m_form;
    std::shared_ptr<int> m_beeps = std::make_shared<int>(0);
};

// A room on a cell of the area, numbered as the map numbers it.
TRoom* PlaceRoom(TRoomList& area, TGridPoint cell);

// Writes an area file the way the editor saves it.
void WriteAreaFile(const QString& fileName, const TRoomList& area);
