// The sentence database in the main window: its commands, status panel 5, the start-up load
// and the question at closing.
#include "gui/app/formmain.h"
#include "gui/app/splitterposition.h"
#include "gui/app/statuspanels.h"
#include "gui/db/sentencepane.h"
#include "gui/room/roomeditsite.h"
#include "gui/room/roompanel.h"
#include "gui/shared/asker.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QToolButton>

namespace {
bool CtrlHeld()
{
    return QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
}
} // namespace

void TFormMain::WireSentenceDatabase()
{
    const TMainMenu& m = m_menu;
    TSentencePane* pane = m_sentencePane;
    connect(m.miSentNew, &QAction::triggered, pane, &TSentencePane::NewDatabase);
    connect(m.miSentOpen, &QAction::triggered, pane, &TSentencePane::OpenDatabase);
    connect(m.miSentSave, &QAction::triggered, pane, [pane] { pane->Save(false); });
    connect(m.miSentSaveAs, &QAction::triggered, pane, [pane] { pane->Save(true); });
    connect(m.miSentImportArea, &QAction::triggered, pane, [pane] { pane->ImportArea(CtrlHeld()); });
    connect(m_tbTmp, &QToolButton::clicked, pane, [pane] { pane->ImportArea(CtrlHeld()); });
    connect(m.miSentImportFile, &QAction::triggered, pane, &TSentencePane::ImportFile);
    connect(&m_roomPanel->Site(), &TRoomEditSite::DescriptionToSentences, pane, &TSentencePane::SaveDescription);
    connect(pane, &TSentencePane::SentenceChosen, &m_roomPanel->Site(), &TRoomEditSite::AppendSentence);
    connect(&m_sentenceDocument, &TSentenceDocument::DatabaseChanged, this, &TFormMain::SAddMarkNotify);
    SAddMarkNotify();
}

void TFormMain::SAddMarkNotify()
{
    const TSUndoList& undo = m_sentenceDocument.Undo();
    m_status->SetText(TStatusPanels::SentenceUndo,
                      QStringLiteral("%1 / %2").arg(undo.Position()).arg(undo.Count() - 1));
    StatusTick();
}

void TFormMain::OpenSentencesAtStartup()
{
    // A missing file leaves the database empty; a damaged one is reported and start-up goes on.
    ReportingErrors([&] { m_sentencePane->OpenAtStartup(QFile::encodeName(m_settings.SentFilename).toStdString()); });
    m_sentencePane->SetColumnWidths(m_settings.SentColumns);
}

bool TFormMain::CloseQuerySentences()
{
    if (!m_sentenceDocument.Database().Modified)
        return true;
    switch (m_asker->AskYesNoCancel(this, QStringLiteral("The Sentence database was changed, do you want to save it?"))) {
    case TAnswer::Yes: return m_sentencePane->Save(false); // a cancelled or failed save keeps the program open
    case TAnswer::No: return true;
    case TAnswer::Cancel: return false;
    }
    return false;
}

void TFormMain::ApplySentenceLayout()
{
    // A panel not yet on screen has no height to divide: it waits until it is shown.
    if (!m_sentenceLayoutPending || !m_layoutApplied || !m_sentencePane->isVisible())
        return;
    m_sentenceLayoutPending = false;
    // A pane just opened may not have its size yet: the splitters would divide a stale one.
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    PlaceSplitter(*m_sentencePane->ListSplitter(), m_settings.sent_position);
    PlaceSplitter(*m_sentencePane->DetailSplitter(), m_settings.sentDet_position);
}

void TFormMain::StoreSentenceSettings()
{
    TProgramSettings& s = m_settings;
    s.SentFilename = QFile::decodeName(QByteArray::fromStdString(m_sentenceDocument.Database().FileName));
    s.SentColumns = m_sentencePane->ColumnWidths();
    // Never shown: the positions read at start go back as they were.
    if (!m_sentenceLayoutPending) {
        if (const int pos = SplitterPosition(*m_sentencePane->ListSplitter()); pos > 0)
            s.sent_position = pos;
        if (const int pos = SplitterPosition(*m_sentencePane->DetailSplitter()); pos > 0)
            s.sentDet_position = pos;
    }
}
