#include "gui/app/asker.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
QString Caption()
{
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Kesterbrandor")
                                                     : QApplication::applicationName();
}

QString RunFileDialog(QWidget* parent, const TFileDialogSpec& spec, QFileDialog::AcceptMode mode,
                      const QString& proposal)
{
    QFileDialog dialog(parent, spec.Title, QString(), spec.Filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(spec.DefaultSuffix);
    if (!spec.ConfirmOverwrite)
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
    TFileDialogSpec spec;
    if (kind == QLatin1String("sdb"))
        spec.Filter = QStringLiteral("Sentence databases (*.sdb)");
    else if (kind == QLatin1String("idb"))
        spec.Filter = QStringLiteral("Item databases (*.idb)");
    else
        spec.Filter = QStringLiteral("Area files (*.arf)");
    spec.DefaultSuffix = kind;
    return spec;
}

TFileDialogSpec PrepareSD(const QString& kind)
{
    TFileDialogSpec spec = PrepareOD(kind);
    spec.ConfirmOverwrite = true;
    return spec;
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

void TMessageBoxAsker::Inform(QWidget* parent, const QString& message)
{
    QMessageBox::information(parent, Caption(), message);
}

void TMessageBoxAsker::ShowError(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, Caption(), message);
}

QString TMessageBoxAsker::AskOpenFileName(QWidget* parent, const TFileDialogSpec& spec)
{
    return RunFileDialog(parent, spec, QFileDialog::AcceptOpen, QString());
}

QString TMessageBoxAsker::AskSaveFileName(QWidget* parent, const TFileDialogSpec& spec, const QString& proposal)
{
    return RunFileDialog(parent, spec, QFileDialog::AcceptSave, proposal);
}
