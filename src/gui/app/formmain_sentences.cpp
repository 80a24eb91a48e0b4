// The sentence database in the main window: its commands, status panel 5, the start-up load
// and the question at closing.
#include "gui/app/formmain.h"
#include "gui/app/statuspanels.h"
#include "gui/db/sentencepane.h"
#include "gui/room/roomeditsite.h"
#include "gui/room/roompanel.h"
#include "gui/shared/asker.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSplitter>
#include <QToolButton>
#include <algorithm>

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
    const auto place = [](QSplitter* splitter, int pos) {
        const QList<int> sizes = splitter->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        if (pos > 0)
            splitter->setSizes({pos, std::max(total - pos, 1)});
    };
    place(m_sentencePane->ListSplitter(), m_settings.sent_position);
    place(m_sentencePane->DetailSplitter(), m_settings.sentDet_position);
}

void TFormMain::StoreSentenceSettings()
{
    TProgramSettings& s = m_settings;
    s.SentFilename = QFile::decodeName(QByteArray::fromStdString(m_sentenceDocument.Database().FileName));
    s.SentColumns = m_sentencePane->ColumnWidths();
    // A pane never laid out has no positions of its own: the read ones stay.
    const QList<int> list = m_sentencePane->ListSplitter()->sizes();
    if (list.value(0) + list.value(1) > 0)
        s.sent_position = list.value(0);
    const QList<int> detail = m_sentencePane->DetailSplitter()->sizes();
    if (detail.value(0) + detail.value(1) > 0)
        s.sentDet_position = detail.value(0);
}
