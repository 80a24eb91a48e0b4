#pragma once
// Everything the editor asks or tells the user in a modal box goes through this interface,
// so that tests can answer questions and read notices without running modal loops.
#include <QString>

#include <optional>

class QWidget;

enum class TAnswer { Yes, No, Cancel };

// A file dialog's setup: filters as Qt filter text, default suffix without the dot.
struct TFileDialogSpec {
    QString Title;
    QString Filter;
    QString DefaultSuffix;
    bool ConfirmOverwrite = true;
    // The file an open dialog starts on.
    QString Proposal;
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
    // A confirmation with Yes and No; true only for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& question) = 0;
    // A notice with one OK button.
    virtual void Inform(QWidget* parent, const QString& message) = 0;
    // A notice of something that went wrong but stopped nothing, with one OK button.
    virtual void Warn(QWidget* parent, const QString& message) = 0;
    // The one-line text prompt; no value when cancelled.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& question, const QString& text) = 0;
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
    bool AskYesNo(QWidget* parent, const QString& question) override;
    void Inform(QWidget* parent, const QString& message) override;
    void Warn(QWidget* parent, const QString& message) override;
    std::optional<QString> AskText(QWidget* parent, const QString& question, const QString& text) override;
    void ShowError(QWidget* parent, const QString& message) override;
    QString AskOpenFileName(QWidget* parent, const TFileDialogSpec& setup) override;
    QString AskSaveFileName(QWidget* parent, const TFileDialogSpec& setup, const QString& proposal) override;
};
