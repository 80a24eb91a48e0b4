// The main window's code export and validation commands; the runs and checks are the core's.
#include "export/exportrun.h"
#include "gui/app/formmain.h"
#include "gui/room/roompanel.h"
#include "gui/room/validationlist.h"
#include "gui/shared/asker.h"

#include <QFile>

TExportEncoding TFormMain::ExportEncoding() const
{
    return m_settings.Utf8Export ? TExportEncoding::Utf8 : TExportEncoding::CodePage;
}

void TFormMain::ExportCode(bool usingScript)
{
    m_document.CommitTyping();
    TRoomList& area = m_document.Area();
    const QString suggestion = QFile::decodeName(QByteArray::fromStdString(SuggestedOutputDirectory(area.FileName)));
    const std::optional<QString> folder =
        m_asker->AskText(this, QStringLiteral("Enter an directory name for output:"), suggestion);
    if (!folder)
        return;
    const std::string path = QFile::encodeName(*folder).toStdString();
    PrepareOutputDirectory(path);
    // A file that cannot be written ends the command with an error naming it, before the
    // notice: "Export done." means every file was written.
    if (usingScript)
        ExportUsingScript(area, path, ExportEncoding());
    else
        ExportToCFiles(area, path, ExportEncoding());
    m_asker->Inform(this, QStringLiteral("Export done."));
}

void TFormMain::Validate()
{
    m_document.CommitTyping();
    TValidationList* list = m_roomPanel->ValidationList();
    list->ShowReport(ValidateArea(m_document.Area(), ExportEncoding()));
    const TValidationReport& report = list->Report();
    const QString summary = QString::fromStdString(report.Summary());
    if (report.Count() == 0) {
        m_asker->Inform(this, summary);
        list->hide();
        return;
    }
    m_asker->Warn(this, summary);
    // Findings under hidden details would not be seen.
    ShowDetailsWithListBelow();
    list->show();
    // The list keeps its place at the bottom with room for a few lines.
    m_roomPanel->MakeRoomBelowTabs(list, 4 * list->sizeHintForRow(0) + 2 * list->frameWidth());
}
