// The area file commands of the main window: new, open, save, and the questions at closing.
#include "gui/shared/asker.h"
#include "gui/app/formmain.h"
#include "gui/app/recentfiles.h"
#include "gui/app/recovery.h"
#include "gui/db/itempane.h"
#include "files/areasavename.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QMenu>

namespace {
const QString MapChangedQuestion = QStringLiteral("The map was changed, do you want to save it?");

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString PathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}
} // namespace

void TFormMain::tbNewClick()
{
    // Unsaved work is offered for saving first, as Open does.
    m_document.CommitTyping();
    if (m_document.Area().Modified) {
        const TAnswer answer = m_asker->AskYesNoCancel(this, MapChangedQuestion);
        if (answer == TAnswer::Cancel || (answer == TAnswer::Yes && !Save(false)))
            return;
    }
    if (m_asker->AskYesNoCancel(this, QStringLiteral("Do you realy want to create a new area?")) != TAnswer::Yes)
        return;
    m_cbZoom->setCurrentIndex(3);
    m_zoomPercent = 100;
    m_document.SelectTemplate(0);
    m_document.Replace(std::make_unique<TRoomList>(DefaultMapCells, DefaultMapCells));
    ApplyZoom();
    PaintDefaultRoomGlyphs();
}

void TFormMain::tbOpenClick()
{
    m_document.CommitTyping();
    if (m_document.Area().Modified) {
        const TAnswer answer = m_asker->AskYesNoCancel(this, MapChangedQuestion);
        if (answer == TAnswer::Cancel || (answer == TAnswer::Yes && !Save(false)))
            return;
    }
    const QString name = m_asker->AskOpenFileName(this, PrepareOD(QStringLiteral("arf")));
    if (name.isEmpty())
        return;
    OpenFile(name);
}

void TFormMain::OpenRecent(const QString& fileName)
{
    m_document.CommitTyping();
    if (m_document.Area().Modified) {
        const TAnswer answer = m_asker->AskYesNoCancel(this, MapChangedQuestion);
        if (answer == TAnswer::Cancel || (answer == TAnswer::Yes && !Save(false)))
            return;
    }
    OpenFile(fileName);
}

void TFormMain::OpenFile(const QString& fileName)
{
    m_document.Open(PathBytes(fileName));
    SetCaptionFromFile(fileName);
    ApplyZoom();
    PaintDefaultRoomGlyphs();
    RememberFile(fileName);
}

void TFormMain::RememberFile(const QString& fileName)
{
    AddRecentFile(m_settings.RecentFiles, fileName);
    UpdateRecentMenu();
}

void TFormMain::UpdateRecentMenu()
{
    FillRecentMenu(*m_menu.miOpenRecent, m_settings.RecentFiles, [this](const QString& file) { OpenRecent(file); });
}

void TFormMain::OfferRecovery()
{
    // Each document's copy is offered on its own; a damaged one is reported and removed.
    bool area = false;
    ReportingErrors([&] { area = m_recovery->Offer(TRecoveryKind::Area, *m_asker, this); });
    if (area) {
        SetCaptionFromFile(PathText(m_document.Area().FileName));
        ApplyZoom();
        PaintDefaultRoomGlyphs();
    }
    ReportingErrors([&] { m_recovery->Offer(TRecoveryKind::Sentences, *m_asker, this); });
    ReportingErrors([&] { m_recovery->Offer(TRecoveryKind::Items, *m_asker, this); });
}

bool TFormMain::Save(bool askName)
{
    QString name = PathText(m_document.Area().FileName);
    if (askName || AreaNeedsSaveName(m_document.Area().FileName)) {
        name = m_asker->AskSaveFileName(this, PrepareSD(QStringLiteral("arf")), name);
        if (name.isEmpty())
            return false;
    }
    const std::string target = AreaSaveFileName(PathBytes(name));
    m_document.SaveAs(target);
    SetCaptionFromFile(PathText(target));
    RememberFile(PathText(target));
    return true;
}

bool TFormMain::CloseQuery()
{
    bool stay = false;
    m_document.CommitTyping();
    if (m_document.Area().Modified) {
        const TAnswer answer = m_asker->AskYesNoCancel(this, MapChangedQuestion);
        if (answer == TAnswer::Cancel)
            stay = true;
        else if (answer == TAnswer::Yes) {
            // A cancelled or failed save keeps the program open with the work intact.
            bool saved = false;
            ReportingErrors([&] { saved = Save(false); });
            stay = !saved;
        }
    }
    // Every applicable question is asked, even after a Cancel.
    if (!CloseQueryDatabases())
        stay = true;
    return !stay;
}

bool TFormMain::CloseQueryDatabases()
{
    // Every question is asked, even after a Cancel.
    const bool sentences = CloseQuerySentences();
    const bool items = CloseQueryItems();
    return sentences && items;
}

bool TFormMain::CloseQueryItems()
{
    // A cancelled or failed save keeps the program open with the database intact.
    bool mayClose = false;
    ReportingErrors([&] { mayClose = m_itemPane->CloseQuery(); });
    return mayClose;
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    // Refused first, so that a failure inside the questions cannot let the window close.
    event->ignore();
    if (CloseQuery())
        event->accept();
}
