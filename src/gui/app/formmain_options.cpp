// The main window's side of the options dialog: opening it and following what OK changed.
#include "gui/app/formmain.h"
#include "gui/app/recovery.h"
#include "gui/options/formoptions.h"
#include "gui/room/codetab.h"
#include "gui/room/roompanel.h"

void TFormMain::tbOptionsClick()
{
    // Typed text is a step before the options' own.
    m_document.CommitTyping();
    if (!m_formOptions) {
        m_formOptions = new TFormOptions(m_document, this);
        connect(m_formOptions, &QDialog::accepted, this, &TFormMain::ApplyOptions);
    }
    m_formOptions->Fill(m_pictureBits);
    m_formOptions->FillRecovery(m_recovery->IntervalMinutes());
    m_formOptions->FillExport(m_settings.Utf8Export);
    // Modal, but returns at once: OK reaches ApplyOptions through the event loop.
    m_formOptions->open();
}

void TFormMain::ApplyOptions()
{
    const TOptionsOutcome outcome = m_formOptions->Apply();
    m_pictureBits = outcome.PictureBits;
    m_recovery->SetIntervalMinutes(outcome.RecoveryMinutes);
    m_settings.Utf8Export = outcome.Utf8Export;
    if (!DetailsHidden())
        ShowDetails();
    if (outcome.Resized)
        ApplyZoom();
    else
        RepaintMap();
    PaintDefaultRoomGlyphs();
    // The file header and the script template are part of every generated file.
    m_roomPanel->CodeTab()->ScheduleRefresh();
}
