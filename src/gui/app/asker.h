#pragma once
// Everything the editor asks or tells the user in a modal box goes through this interface,
// so that tests can answer questions and read notices without running modal loops.
#include <QString>

class QWidget;

enum class TAnswer { Yes, No, Cancel };

// A file dialog's setup: filters as Qt filter text, default suffix without the dot.
struct TFileDialogSpec {
    QString Title;
    QString Filter;
    QString DefaultSuffix;
    bool ConfirmOverwrite = true;
};

// The open and save dialogs of the program's own files, kind "arf", "sdb" or "idb": filter
// and default extension. The save dialogs ask before overwriting.
TFileDialogSpec PrepareOD(const QString& kind);
TFileDialogSpec PrepareSD(const QString& kind);

class TAsker {
public:
    virtual ~TAsker() = default;
    // A confirmation with Yes, No and Cancel; closing the box counts as Cancel.
    virtual TAnswer AskYesNoCancel(QWidget* parent, const QString& question) = 0;
    // A notice with one OK button.
    virtual void Inform(QWidget* parent, const QString& message) = 0;
    // The general error report.
    virtual void ShowError(QWidget* parent, const QString& message) = 0;
    // Empty when cancelled.
    virtual QString AskOpenFileName(QWidget* parent, const TFileDialogSpec& setup) = 0;
    virtual QString AskSaveFileName(QWidget* parent, const TFileDialogSpec& setup, const QString& proposal) = 0;
};

// The real boxes and dialogs.
class TMessageBoxAsker : public TAsker {
public:
    TAnswer AskYesNoCancel(QWidget* parent, const QString& question) override;
    void Inform(QWidget* parent, const QString& message) override;
    void ShowError(QWidget* parent, const QString& message) override;
    QString AskOpenFileName(QWidget* parent, const TFileDialogSpec& setup) override;
    QString AskSaveFileName(QWidget* parent, const TFileDialogSpec& setup, const QString& proposal) override;
};
