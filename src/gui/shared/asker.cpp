#include "gui/shared/asker.h"
#include "gui/shared/textprompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
QString Caption()
{
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Kesterbrandor")
                                                     : QApplication::applicationName();
}

QString RunFileDialog(QWidget* parent, const TFileDialogSpec& setup, QFileDialog::AcceptMode mode,
                      const QString& proposal)
{
    QFileDialog dialog(parent, setup.Title, QString(), setup.Filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(setup.DefaultSuffix);
    if (!setup.ConfirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!proposal.isEmpty())
        dialog.selectFile(proposal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
} // namespace

TFileDialogSpec PrepareOD(const QString& kind)
{
    TFileDialogSpec setup;
    if (kind == QLatin1String("sdb"))
        setup.Filter = QStringLiteral("Sentence databases (*.sdb)");
    else if (kind == QLatin1String("idb"))
        setup.Filter = QStringLiteral("Item databases (*.idb)");
    else
        setup.Filter = QStringLiteral("Area files (*.arf)");
    setup.DefaultSuffix = kind;
    return setup;
}

TFileDialogSpec PrepareSD(const QString& kind)
{
    TFileDialogSpec setup = PrepareOD(kind);
    setup.ConfirmOverwrite = true;
    return setup;
}

TAnswer TMessageBoxAsker::AskYesNoCancel(QWidget* parent, const QString& question)
{
    const auto answer = QMessageBox::question(parent, Caption(), question,
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                              QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return TAnswer::Yes;
    if (answer == QMessageBox::No)
        return TAnswer::No;
    return TAnswer::Cancel;
}

bool TMessageBoxAsker::AskYesNo(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, Caption(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

void TMessageBoxAsker::Warn(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, Caption(), message);
}

std::optional<QString> TMessageBoxAsker::AskText(QWidget* parent, const QString& question, const QString& text)
{
    return TFormText::Ask(parent ? parent->window() : nullptr, question, text);
}

void TMessageBoxAsker::Inform(QWidget* parent, const QString& message)
{
    QMessageBox::information(parent, Caption(), message);
}

void TMessageBoxAsker::ShowError(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, Caption(), message);
}

QString TMessageBoxAsker::AskOpenFileName(QWidget* parent, const TFileDialogSpec& setup)
{
    return RunFileDialog(parent, setup, QFileDialog::AcceptOpen, setup.Proposal);
}

QString TMessageBoxAsker::AskSaveFileName(QWidget* parent, const TFileDialogSpec& setup, const QString& proposal)
{
    return RunFileDialog(parent, setup, QFileDialog::AcceptSave, proposal);
}
