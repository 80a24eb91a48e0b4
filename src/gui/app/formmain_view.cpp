// The main window's view side: zoom, picture and text exports, the panes and the settings.
#include "export/textexport.h"
#include "gui/shared/asker.h"
#include "gui/app/databasepane.h"
#include "gui/app/formmain.h"
#include "gui/app/recovery.h"
#include "gui/app/statuspanels.h"
#include "gui/app/windowplacement.h"
#include "gui/map/handmode.h"
#include "gui/map/mapeditor.h"
#include "gui/map/mapview.h"
#include "gui/room/roompanel.h"
#include "gui/room/validationlist.h"
#include "render/mappainter.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <QWindow>

// --- zoom

void TFormMain::cbZoomChange(bool fromUser)
{
    bool ok = false;
    const QString text = m_cbZoom->currentText();
    const int zoom = text.left(text.size() - 1).toInt(&ok);
    if (ok)
        m_zoomPercent = zoom;
    ApplyZoom();
    if (fromUser)
        m_mapView->Canvas()->setFocus();
}

void TFormMain::ApplyZoom()
{
    const TRoomList& area = m_document.Area();
    if (!DetailsHidden())
        ShowDetails();
    // Above 100% a picture over the pixel ceiling steps the zoom down, item by item.
    const int index = m_cbZoom->currentIndex();
    const int fitting = FittingZoomIndex(index, area.Width, area.Height);
    if (fitting != index) {
        m_cbZoom->setCurrentIndex(fitting);
        m_zoomPercent = ZoomLevels()[fitting];
    }
    m_mapEditor->SetLargeCursors(m_cbZoom->currentIndex() >= 2);
    const long long pixels = m_mapView->ApplyGeometry(m_zoomPercent, area.Width, area.Height);
    m_status->SetText(TStatusPanels::MapPixels, QString::number(pixels));
}

void TFormMain::RepaintMap()
{
    m_mapView->RepaintMap();
}

void TFormMain::ViewSwitchChanged()
{
    m_mapView->SetSwitches(m_menu.miGrid->isChecked(), m_menu.miRoomCenters->isChecked(),
                           m_menu.miRoomFill->isChecked());
}

void TFormMain::tbHelpClick()
{
    m_asker->Inform(this, QStringLiteral("Hold CTRL to change SW-NE path to NW-SE."));
}

// --- exports

QImage TFormMain::MapPicture() const
{
    TMapViewOptions options = m_mapView->Options();
    options.ZoomPercent = m_zoomPercent;
    return ToIndexedPicture(RenderMap(m_document.Area(), options), m_pictureBits, options.Background);
}

void TFormMain::ExportBmp()
{
    const std::string name = BmpFileName(m_document.Area().FileName, m_zoomPercent);
    SaveMapBmp(MapPicture(), name);
    m_asker->Inform(this, QStringLiteral("Picture was saved to ") + QFile::decodeName(QByteArray::fromStdString(name)));
}

void TFormMain::ExportPicture()
{
    // The name "to bmp" would write, as a PNG.
    std::string proposal = BmpFileName(m_document.Area().FileName, m_zoomPercent);
    proposal.replace(proposal.size() - 4, 4, ".png");
    const TFileDialogSpec setup{QStringLiteral("Save the map picture"),
                                QStringLiteral("PNG pictures (*.png);;BMP pictures (*.bmp)"), QStringLiteral("png"),
                                true, {}};
    const QString name = m_asker->AskSaveFileName(this, setup, QFile::decodeName(QByteArray::fromStdString(proposal)));
    if (name.isEmpty())
        return;
    SaveMapPicture(MapPicture(), QFile::encodeName(name).toStdString());
}

void TFormMain::ExportText()
{
    m_document.CommitTyping();
    const TFileDialogSpec setup{QStringLiteral("Choose a filename to export"),
                               QStringLiteral("Text files (*.txt);;All files (*.*)"), QStringLiteral("txt"), true, {}};
    const QString name = m_asker->AskSaveFileName(this, setup, QString());
    if (name.isEmpty())
        return;
    ExportToText(m_document.Area(), QFile::encodeName(name).toStdString());
}

// --- room details

int TFormMain::DetailsHiddenHeight() const
{
    return m_roomPanel->HeaderHeight() + 2;
}

bool TFormMain::DetailsHidden() const
{
    return m_aspMapa->sizes().value(1) <= DetailsHiddenHeight();
}

void TFormMain::HideDetails()
{
    const QList<int> sizes = m_aspMapa->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    m_roomPanel->SetCollapsed(true);
    m_aspMapa->setSizes({std::max(0, total - m_roomPanel->HeaderHeight()), m_roomPanel->HeaderHeight()});
    m_roomPanel->ValidationList()->hide();
}

void TFormMain::ShowDetails()
{
    const QList<int> sizes = m_aspMapa->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int details = std::min(total, static_cast<int>(m_document.Area().EditorHeight));
    m_roomPanel->SetCollapsed(false);
    m_aspMapa->setSizes({std::max(0, total - details), details});
}

void TFormMain::ShowDetailsWithListBelow()
{
    if (DetailsHidden())
        ShowDetails();
    // A list under the tabs takes its lines from the details; grow them by as much, as long as
    // the map keeps at least a third of the height, so the tabs above stay usable.
    const QList<int> sizes = m_aspMapa->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int wanted = std::min(total * 2 / 3, static_cast<int>(m_document.Area().EditorHeight) +
                                                   12 * fontMetrics().height());
    if (sizes.value(1) < wanted)
        m_aspMapa->setSizes({total - wanted, wanted});
}

void TFormMain::ToggleDetails()
{
    if (DetailsHidden())
        ShowDetails();
    else
        HideDetails();
}

// --- database pane

int TFormMain::MainSplitterPos() const
{
    return m_aspMain->sizes().value(0);
}

void TFormMain::SetMainSplitterPos(int pos)
{
    const QList<int> sizes = m_aspMain->sizes();
    int total = sizes.value(0) + sizes.value(1);
    if (total <= 0)
        total = width() - m_aspMain->handleWidth();
    pos = std::clamp(pos, 0, total);
    m_aspMain->setSizes({pos, total - pos});
}

bool TFormMain::DatabasePaneClosed() const
{
    return m_databasePane->Kind() == TDatabasePane::TKind::None;
}

void TFormMain::OpenSentencePane()
{
    m_menu.miSentenceDB->setChecked(true);
    m_menu.miItemsDB->setChecked(false);
    m_databasePane->ShowKind(TDatabasePane::TKind::Sentences);
    m_tbSentenceDB->setChecked(true);
    m_tbItemDB->setChecked(false);
    if (MainSplitterPos() > width() - 50)
        SetMainSplitterPos(width() - 530);
}

void TFormMain::OpenItemPane()
{
    m_menu.miItemsDB->setChecked(true);
    m_menu.miSentenceDB->setChecked(false);
    m_databasePane->ShowKind(TDatabasePane::TKind::Items);
    m_tbItemDB->setChecked(true);
    m_tbSentenceDB->setChecked(false);
    if (MainSplitterPos() > width() - 50)
        SetMainSplitterPos(width() - 370);
}

void TFormMain::CloseDatabasePane()
{
    m_databasePane->ShowKind(TDatabasePane::TKind::None);
    m_menu.miSentenceDB->setChecked(false);
    m_menu.miItemsDB->setChecked(false);
    m_tbSentenceDB->setChecked(false);
    m_tbItemDB->setChecked(false);
    SetMainSplitterPos(width() - 30);
}

// --- settings

void TFormMain::ReadSettings()
{
    m_store->ReadStartup(m_settings);
}

void TFormMain::ApplyStartupSettings()
{
    const TProgramSettings& s = m_settings;
    m_cbZoom->setCurrentIndex(s.Zoom >= 0 && s.Zoom < m_cbZoom->count() ? s.Zoom : 3);
    resize(s.Width, s.Height);
    if (s.Left == -1 && s.Top == -1) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    } else {
        move(s.Left, s.Top);
    }
    FitToScreens();
    SetMainSplitterPos(s.Main_pos > 1 ? s.Main_pos : width() - 30);
    // The map/details splitter lies inside the window: a larger position would push the details off.
    m_pendingMapaPos = std::min(s.Mapa_pos, height());
    m_pictureBits = s.ColorDept == 3 ? 8 : 4;
    m_menu.miGrid->setChecked(s.Grid);
    m_menu.miRoomCenters->setChecked(s.RoomCenters);
    m_menu.miRoomFill->setChecked(s.RoomFill);
    ViewSwitchChanged();
    // With neither pane open the stored position stands: the pane starts closed.
    if (s.SentenceDB)
        OpenSentencePane();
    if (s.ItemDB)
        OpenItemPane();
}

void TFormMain::FitToScreens()
{
    // A stored place beyond the screens there are now, or larger than them, could not be reached.
    QList<QRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QRect outer = frameGeometry();
    const QRect placed = PlaceOnScreens(outer, screens);
    if (placed == outer)
        return;
    resize(placed.size() - (outer.size() - size()));
    move(placed.topLeft());
}

void TFormMain::WriteSettings()
{
    TProgramSettings& s = m_settings;
    s.FileName = QFile::decodeName(QByteArray::fromStdString(m_document.Area().FileName));
    s.RecoveryMinutes = m_recovery->IntervalMinutes();
    s.Zoom = m_cbZoom->currentIndex();
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    // Left and Top are the outer corner, which move() restores; the size is the inside, which
    // resize() restores.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    s.Left = normal.x() - frame.left();
    s.Top = normal.y() - frame.top();
    s.Width = normal.width();
    s.Height = normal.height();
    s.Maximized = isMaximized();
    s.Mapa_pos = DetailsHidden() ? 1 : m_aspMapa->sizes().value(0);
    s.Main_pos = MainSplitterPos();
    s.ColorDept = m_pictureBits == 8 ? 3 : 2;
    s.Grid = m_menu.miGrid->isChecked();
    s.RoomCenters = m_menu.miRoomCenters->isChecked();
    s.RoomFill = m_menu.miRoomFill->isChecked();
    s.SentenceDB = m_databasePane->Kind() == TDatabasePane::TKind::Sentences;
    s.ItemDB = m_databasePane->Kind() == TDatabasePane::TKind::Items;
    s.ItemFilename = QFile::decodeName(QByteArray::fromStdString(m_itemDocument.Database().FileName));
    StoreSentenceSettings();
    StoreItemLayout();
    m_store->WriteExit(s);
}
