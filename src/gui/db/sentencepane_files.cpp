// The sentence database's file commands and the imports into it.
#include "db/dbfilename.h"
#include "gui/db/sentencepane.h"
#include "gui/db/sentencesearcharea.h"
#include "gui/document/areadocument.h"
#include "gui/document/doctext.h"
#include "gui/shared/asker.h"
#include "gui/shared/waitcursor.h"

#include <QFile>

namespace {
const QString SdbKind = QStringLiteral("sdb");

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
} // namespace

bool TSentencePane::SavedOrDiscarded()
{
    if (!m_document.Database().Modified)
        return true;
    switch (m_asker.AskYesNoCancel(this, QStringLiteral("The sentence database was changed, do you want to save it?"))) {
    case TAnswer::Cancel: return false;
    case TAnswer::Yes: return Save(false);
    case TAnswer::No: return true;
    }
    return false;
}

void TSentencePane::NewDatabase()
{
    if (!SavedOrDiscarded())
        return;
    if (!m_asker.AskYesNo(this, QStringLiteral("Do you really want to create new sentence database?")))
        return;
    m_document.New();
}

void TSentencePane::OpenDatabase()
{
    if (!SavedOrDiscarded())
        return;
    TFileDialogSpec setup = PrepareOD(SdbKind);
    setup.Proposal = QFile::decodeName(QByteArray::fromStdString(m_document.Database().FileName));
    const QString name = m_asker.AskOpenFileName(this, setup);
    if (name.isEmpty())
        return;
    try {
        m_document.Open(PathBytes(name));
    } catch (const std::exception& e) {
        m_asker.ShowError(this, QString::fromUtf8(e.what()));
    }
}

void TSentencePane::OpenAtStartup(const std::string& fileName)
{
    m_document.Open(fileName);
}

bool TSentencePane::Save(bool askName)
{
    std::string name = m_document.Database().FileName;
    if (askName || NeedsSaveDialog(name, "NONAME.SDB")) {
        const QString chosen = m_asker.AskSaveFileName(this, PrepareSD(SdbKind), QFile::decodeName(QByteArray::fromStdString(name)));
        if (chosen.isEmpty())
            return false;
        name = PathBytes(chosen);
    }
    try {
        m_document.SaveAs(WithDatabaseExtension(name, ".sdb"));
    } catch (const std::exception& e) {
        // The sentences, their name and the Modified flag stay as they were.
        m_asker.ShowError(this, QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}

void TSentencePane::EnterCategory(TImportSettings& settings, bool ctrlHeld)
{
    if (!settings.NeedsPrompt(ctrlHeld))
        return;
    if (const auto text = m_asker.AskText(this, QStringLiteral("Enter sentence Category"), DocToQt(settings.ImportCategory)))
        settings.ImportCategory = QtToDoc(*text);
    if (const auto text = m_asker.AskText(this, QStringLiteral("Enter sentence Description"), DocToQt(settings.ImportDesc)))
        settings.ImportDesc = QtToDoc(*text);
}

void TSentencePane::ShowImportResult(const TImportCounters& counters)
{
    m_asker.Inform(this, QString::fromStdString(SentenceImportMessage(counters)));
}

void TSentencePane::SaveDescription(const std::string& crlfText, bool ctrlHeld)
{
    const TRoom* room = m_area.ActiveRoom();
    if (!room)
        return;
    const TImportCounters counters = SaveDescriptionToSentences(
        m_document.Database(), &m_document.View(), crlfText, *room, m_import,
        [&](TImportSettings& s) { EnterCategory(s, ctrlHeld); });
    DisplaySentList();
    ShowImportResult(counters);
    if (counters.Added > 0)
        RebuildCategories();
    m_document.AddMark();
}

void TSentencePane::ImportArea(bool ctrlHeld)
{
    TImportCounters counters;
    {
        TWaitCursor wait;
        counters = ImportAreaToSentences(m_document.Database(), &m_document.View(), m_area.Area(), m_import,
                                         [&](TImportSettings& s) { EnterCategory(s, ctrlHeld); });
        DisplaySentList();
    }
    ShowImportResult(counters);
    if (counters.Added > 0) {
        RebuildCategories();
        m_document.AddMark();
    }
}

void TSentencePane::ImportFile()
{
    const QString name = m_asker.AskOpenFileName(this, PrepareOD(SdbKind));
    if (name.isEmpty())
        return;
    TImportCounters counters;
    try {
        TWaitCursor wait;
        counters = ImportSentencesFromFile(m_document.Database(), PathBytes(name));
    } catch (const std::exception& e) {
        m_asker.ShowError(this, QString::fromUtf8(e.what()));
        return;
    }
    ShowImportResult(counters);
    m_document.ListAll();
    DisplaySentList();
    RebuildCategories();
    m_document.AddMark();
    m_adding = false;
    SetEditMode(false);
    m_search->SetCancelEnabled(false);
}
