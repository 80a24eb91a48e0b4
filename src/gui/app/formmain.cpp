#include "gui/app/formmain.h"

#include "gui/app/aboutdialog.h"
#include "gui/shared/asker.h"
#include "gui/shared/codepagefilter.h"
#include "gui/app/databasepane.h"
#include "gui/app/editorstyle.h"
#include "gui/app/heapusage.h"
#include "gui/app/recovery.h"
#include "gui/app/statuspanels.h"
#include "gui/db/itempane.h"
#include "gui/db/sentencepane.h"
#include "gui/map/handmode.h"
#include "gui/map/mapeditor.h"
#include "gui/map/mapview.h"
#include "gui/room/defaultroombar.h"
#include "gui/room/roomeditsite.h"
#include "gui/room/roompanel.h"
#include "gui/room/roomfinder.h"
#include "gui/room/validationlist.h"
#include "version.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QToolBar>
#include <QToolButton>
#include <utility>

namespace {
// A screen reader says the command (most buttons show only an icon or a letter) and the hint.
QToolButton* ToolButton(QToolBar* bar, const char* name, const char* command, const char* hint,
                        QStyle::StandardPixmap icon, const char* text = nullptr)
{
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(QString::fromLatin1(command));
    b->setAccessibleDescription(QString::fromLatin1(hint));
    b->setToolTip(QString::fromLatin1(hint));
    b->setStatusTip(QString::fromLatin1(hint));
    if (text) {
        b->setText(QString::fromLatin1(text));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else {
        b->setIcon(bar->style()->standardIcon(icon));
    }
    b->setAutoRaise(true);
    bar->addWidget(b);
    return b;
}
} // namespace

QString TFormMain::BaseCaption()
{
    return QStringLiteral("Kesterbrandor v. ") + QString::fromLatin1(ProgramVersion);
}

TFormMain::TFormMain(std::unique_ptr<TAsker> asker, std::unique_ptr<TSettingsStore> store, QWidget* parent)
    : QMainWindow(parent), m_asker(std::move(asker)), m_store(std::move(store))
{
    TEditorStyle::Install();
    setObjectName(QStringLiteral("FormMain"));
    // Caption with the version; the design size before the settings say otherwise.
    setWindowTitle(BaseCaption());
    resize(736, 595);

    m_menu = CreateMainMenu(this);
    CreateToolbars();
    CreateClient();
    m_status = std::make_unique<TStatusPanels>(statusBar());

    // The controllers of the map.
    m_mapEditor = new TMapEditor(m_document, *m_mapView, this);
    m_handMode = new THandMode(m_document, *m_mapEditor, *m_mapView, m_mainToolbar, this);
    m_mainToolbar->addWidget(m_handMode->ModeButton());
    m_mainToolbar->addWidget(m_handMode->PenButton());
    m_tbTmp = ToolButton(m_mainToolbar, "tbTmp", "Import area sentences", "tmp", QStyle::SP_CustomBase, "tmp");
    m_tbTmp->setAccessibleDescription(QStringLiteral("Imports the texts of the area into the sentence database"));
    m_recovery = std::make_unique<TRecovery>(m_document, m_sentenceDocument, m_itemDocument);
    connect(m_recovery.get(), &TRecovery::WriteFailed, this, [this](const QString& text) { m_status->ShowHint(text); });
    connect(&TTextRefusals::Instance(), &TTextRefusals::Refused, this, [this](const QString& text) { m_status->ShowHint(text); });
    WireDocument();
    WireRoomDetails();
    ConnectCommands();
    WireItemDatabase();
    WireSentenceDatabase();

    // The empty area is the first snapshot.
    m_document.AddMark();

    m_document.SelectTemplate(0);
    PaintDefaultRoomGlyphs();
    HideDetails();

    m_pictureBits = 4;
    qApp->installEventFilter(m_handMode);
    ApplyZoom();

    m_roomPanel->Tabs()->setCurrentIndex(0);
    m_document.SetActiveRoom(nullptr);

    ReadSettings();
    ApplyStartupSettings();
    m_recovery->SetIntervalMinutes(m_settings.RecoveryMinutes);
    UpdateRecentMenu();
    if (!m_settings.FileName.isEmpty() && QFileInfo::exists(m_settings.FileName)) {
        // A last area that no longer loads is reported; the program goes on with an empty one.
        ReportingErrors([&] { OpenFile(m_settings.FileName); });
    }
    cbZoomChange(false);
    // A missing database file leaves it empty; a damaged one is reported and start-up goes on.
    OpenSentencesAtStartup();
    ReportingErrors([&] { m_itemPane->OpenFile(m_settings.ItemFilename); });

    m_statusTimer.setInterval(1000);
    connect(&m_statusTimer, &QTimer::timeout, this, &TFormMain::StatusTick);
    m_statusTimer.start();
    StatusTick();
    m_handMode->Timer1().start();
}

TFormMain::~TFormMain()
{
    qApp->removeEventFilter(m_handMode);
    WriteSettings();
    // A clean exit: whatever was not saved, the user chose not to.
    m_recovery->RemoveAll();
    // Hidden while the documents live: a field still being typed in is left now, and what it
    // stores goes into the area, not into freed memory.
    hide();
    // The controllers go first: the widgets they listen to outlive the documents and the
    // status panels, which are members.
    delete m_handMode;
    delete m_mapEditor;
    // The panes listen to the database documents, members that go before the widgets.
    delete m_itemPane;
    m_itemPane = nullptr;
    delete m_sentencePane;
    m_sentencePane = nullptr;
    m_handMode = nullptr;
    m_mapEditor = nullptr;
}

void TFormMain::CreateToolbars()
{
    auto* bar = addToolBar(QStringLiteral("Main"));
    m_mainToolbar = bar;
    bar->setObjectName(QStringLiteral("MainToolbar"));
    bar->setMovable(false);
    m_tbNew = ToolButton(bar, "tbNew", "New area", "Create a new are", QStyle::SP_FileIcon);
    m_tbOpen = ToolButton(bar, "tbOpen", "Open area", "Load area from file", QStyle::SP_DialogOpenButton);
    m_tbSave = ToolButton(bar, "tbSave", "Save area", "Saves current area to a file", QStyle::SP_DialogSaveButton);
    m_tbSave->setEnabled(false);
    bar->addSeparator();
    m_tbUndo = ToolButton(bar, "tbUndo", "Undo", "Map Undo", QStyle::SP_ArrowBack);
    m_tbRedo = ToolButton(bar, "tbRedo", "Redo", "Map Redo", QStyle::SP_ArrowForward);
    bar->addSeparator();
    m_tbOptions = ToolButton(bar, "tbOptions", "Options", "Show options window", QStyle::SP_FileDialogDetailedView);
    m_tbSentenceDB = ToolButton(bar, "tbSentenceDB", "Sentence database", "Sentence database", QStyle::SP_CustomBase, "S");
    m_tbSentenceDB->setCheckable(true);
    m_tbSentenceDB->setAccessibleDescription(QStringLiteral("Shows or hides the sentence database"));
    m_tbItemDB = ToolButton(bar, "tbItemDB", "Item database", "Item Database", QStyle::SP_CustomBase, "I");
    m_tbItemDB->setCheckable(true);
    m_tbItemDB->setAccessibleDescription(QStringLiteral("Shows or hides the item database"));
    bar->addSeparator();
    m_cbZoom = new QComboBox(bar);
    m_cbZoom->setObjectName(QStringLiteral("cbZoom"));
    m_cbZoom->setToolTip(QStringLiteral("Zoom"));
    m_cbZoom->setAccessibleName(QStringLiteral("Zoom"));
    m_cbZoom->setAccessibleDescription(QStringLiteral("Size of the map in percent"));
    m_cbZoom->setEditable(false);
    for (int z : ZoomLevels())
        m_cbZoom->addItem(QStringLiteral("%1%").arg(z));
    m_cbZoom->setCurrentIndex(3);
    bar->addWidget(m_cbZoom);
    m_tbHelp = ToolButton(bar, "tbHelp", "Help", "Help", QStyle::SP_CustomBase, "?");
    m_tbHelp->setAccessibleDescription(QStringLiteral("Shows how to use the editor"));
    bar->addSeparator();

    addToolBarBreak();
    m_defaultRoomBar = new TDefaultRoomBar(m_document, this);
    m_defaultRoomBar->setMovable(false);
    addToolBar(m_defaultRoomBar);
    // Qt's button for the tools that do not fit has no name of its own.
    for (QToolBar* toolbar : {bar, static_cast<QToolBar*>(m_defaultRoomBar)}) {
        if (auto* more = toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
            more->setAccessibleName(QStringLiteral("More tools"));
            more->setAccessibleDescription(QStringLiteral("Shows the tools that do not fit in the toolbar"));
        }
    }
}

void TFormMain::CreateClient()
{
    m_aspMain = new QSplitter(Qt::Horizontal, this);
    m_aspMain->setObjectName(QStringLiteral("asp_main"));
    m_aspMapa = new QSplitter(Qt::Vertical, m_aspMain);
    m_aspMapa->setObjectName(QStringLiteral("asp_mapa"));
    m_mapView = new TMapView(m_aspMapa);
    m_roomPanel = new TRoomPanel(m_document, *m_asker, m_aspMapa);
    m_roomPanel->setMinimumHeight(m_roomPanel->HeaderHeight());
    m_aspMapa->addWidget(m_mapView);
    m_aspMapa->addWidget(m_roomPanel);
    m_aspMapa->setCollapsible(0, false);
    m_aspMapa->setCollapsible(1, false);
    m_aspMapa->setStretchFactor(0, 1);
    m_databasePane = new TDatabasePane(m_aspMain);
    // Closed, the pane is a strip narrower than its title.
    m_databasePane->setMinimumWidth(1);
    m_aspMain->addWidget(m_aspMapa);
    m_aspMain->addWidget(m_databasePane);
    m_itemPane = new TItemPane(m_itemDocument, m_document, *m_asker, m_databasePane->ItemPanel());
    auto* itemLayout = new QVBoxLayout(m_databasePane->ItemPanel());
    itemLayout->setContentsMargins(0, 0, 0, 0);
    itemLayout->addWidget(m_itemPane);
    m_sentencePane = new TSentencePane(m_sentenceDocument, m_document, *m_asker, m_databasePane->SentencePanel());
    auto* sentenceLayout = new QVBoxLayout(m_databasePane->SentencePanel());
    sentenceLayout->setContentsMargins(0, 0, 0, 0);
    sentenceLayout->addWidget(m_sentencePane);
    m_aspMain->setCollapsible(0, false);
    m_aspMain->setStretchFactor(0, 1);
    setCentralWidget(m_aspMain);
}

void TFormMain::ConnectCommands()
{
    const TMainMenu& m = m_menu;
    // File
    connect(m.miNew, &QAction::triggered, this, &TFormMain::tbNewClick);
    connect(m_tbNew, &QToolButton::clicked, this, &TFormMain::tbNewClick);
    connect(m.miOpen, &QAction::triggered, this, &TFormMain::tbOpenClick);
    connect(m_tbOpen, &QToolButton::clicked, this, &TFormMain::tbOpenClick);
    connect(m.miSave, &QAction::triggered, this, [this] { Save(false); });
    connect(m_tbSave, &QToolButton::clicked, this, [this] { Save(false); });
    connect(m.miSaveAs, &QAction::triggered, this, [this] { Save(true); });
    // Files come and go while the program runs.
    connect(m.miOpenRecent, &QMenu::aboutToShow, this, &TFormMain::UpdateRecentMenu);
    connect(m.miExit, &QAction::triggered, this, &QWidget::close);
    // Export
    connect(m.miToBmp, &QAction::triggered, this, &TFormMain::ExportBmp);
    connect(m.miToPicture, &QAction::triggered, this, &TFormMain::ExportPicture);
    connect(m.miToText, &QAction::triggered, this, &TFormMain::ExportText);
    connect(m.miToC, &QAction::triggered, this, [this] { ExportCode(false); });
    connect(m.miUsingScript1, &QAction::triggered, this, [this] { ExportCode(true); });
    connect(m.miValidate, &QAction::triggered, this, &TFormMain::Validate);
    connect(m_roomPanel->ValidationList(), &TValidationList::RoomChosen, m_mapEditor, &TMapEditor::SelectRoom);
    connect(m.miFindRoom, &QAction::triggered, this, [this] {
        m_document.CommitTyping();
        ShowDetailsWithListBelow();
        m_roomPanel->StartFinding();
    });
    connect(m_roomPanel->Finder(), &TRoomFinder::RoomChosen, m_mapEditor, &TMapEditor::SelectRoom);
    // Edit
    connect(m.miUndo, &QAction::triggered, &m_document, &TAreaDocument::UndoEdit);
    connect(m_tbUndo, &QToolButton::clicked, &m_document, &TAreaDocument::UndoEdit);
    connect(m.miRedo, &QAction::triggered, &m_document, &TAreaDocument::RedoEdit);
    connect(m_tbRedo, &QToolButton::clicked, &m_document, &TAreaDocument::RedoEdit);
    // View
    for (QAction* a : {m.miGrid, m.miRoomCenters, m.miRoomFill})
        connect(a, &QAction::toggled, this, &TFormMain::ViewSwitchChanged);
    connect(m.miRepaint, &QAction::triggered, this, &TFormMain::RepaintMap);
    connect(m.miToggleDetails, &QAction::triggered, this, &TFormMain::ToggleDetails);
    connect(m.miSentenceDB, &QAction::triggered, this, [this](bool on) {
        if (on)
            OpenSentencePane();
        else
            CloseDatabasePane();
    });
    connect(m.miItemsDB, &QAction::triggered, this, [this](bool on) {
        if (on)
            OpenItemPane();
        else
            CloseDatabasePane();
    });
    connect(m_tbSentenceDB, &QToolButton::clicked, this, [this](bool on) {
        if (on)
            OpenSentencePane();
        else
            CloseDatabasePane();
    });
    connect(m_tbItemDB, &QToolButton::clicked, this, [this](bool on) {
        if (on)
            OpenItemPane();
        else
            CloseDatabasePane();
    });
    connect(m_databasePane, &TDatabasePane::CloseClicked, this, &TFormMain::CloseDatabasePane);
    connect(m_aspMain, &QSplitter::splitterMoved, this, [this] {
        // A closed pane stays closed however the splitter is dragged.
        if (m_databasePane->Kind() == TDatabasePane::TKind::None)
            CloseDatabasePane();
    });
    connect(m_aspMapa, &QSplitter::splitterMoved, this,
            [this] { m_roomPanel->SetCollapsed(DetailsHidden()); });
    connect(m_roomPanel, &TRoomPanel::HideDetailsClicked, this, &TFormMain::HideDetails);
    connect(m_roomPanel, &TRoomPanel::ShowDetailsClicked, this, &TFormMain::ShowDetails);
    connect(&m_roomPanel->Site(), &TRoomEditSite::Notice, this,
            [this](const QString& text) { m_status->SetText(TStatusPanels::Clipboard, text); });
    // Toolbar
    connect(m_cbZoom, &QComboBox::activated, this, [this] { cbZoomChange(true); });
    connect(m_tbHelp, &QToolButton::clicked, this, &TFormMain::tbHelpClick);
    connect(m_tbOptions, &QToolButton::clicked, this, &TFormMain::tbOptionsClick);
    connect(m.miOptions, &QAction::triggered, this, &TFormMain::tbOptionsClick);
    connect(m.miAbout, &QAction::triggered, this, [this] { TAboutBox::Execute(this); });
    // The blink tick also applies the restored layout once and follows Modified.
    connect(m_handMode, &THandMode::Blinked, this, &TFormMain::AfterBlink);
}

void TFormMain::WireDocument()
{
    // The map and the room details follow the document themselves; this window keeps the
    // undo controls, the Save button, the default-room pictures and the status bar.
    connect(&m_document, &TAreaDocument::AreaChanged, this, &TFormMain::AddMarkNotify);
    // Undo and redo may bring back another grid size: the picture and its pixel count follow.
    connect(&m_document, &TAreaDocument::AreaChanged, this, [this](TAreaChange change) {
        const TRoomList& area = m_document.Area();
        const TMapGeometry shown = m_mapView->Geometry();
        if (change != TAreaChange::Mark &&
            shown.PictureSize() != TMapGeometry(shown.ZoomPercent(), area.Width, area.Height).PictureSize())
            ApplyZoom();
    });
    connect(&m_document, &TAreaDocument::ModifiedChanged, m_tbSave, &QWidget::setEnabled);
    connect(&m_document, &TAreaDocument::ModifiedChanged, this, &TFormMain::AddMarkNotify);
    connect(&m_document, &TAreaDocument::TemplatesChanged, this, &TFormMain::PaintDefaultRoomGlyphs);
    connect(m_mapEditor, &TMapEditor::CursorCellChanged, this, &TFormMain::ShowCursorCell);
}

void TFormMain::WireItemDatabase()
{
    const TMainMenu& m = m_menu;
    connect(m.miItemNew, &QAction::triggered, m_itemPane, &TItemPane::New);
    connect(m.miItemOpen, &QAction::triggered, m_itemPane, &TItemPane::Open);
    connect(m.miItemSave, &QAction::triggered, m_itemPane, [this] { m_itemPane->Save(false); });
    connect(m.miItemSaveAs, &QAction::triggered, m_itemPane, [this] { m_itemPane->Save(true); });
    connect(m.miItemImportArea, &QAction::triggered, m_itemPane, &TItemPane::ImportArea);
    connect(m.miItemImportFile, &QAction::triggered, m_itemPane, &TItemPane::ImportFile);
    connect(&m_roomPanel->Site(), &TRoomEditSite::ItemsToDatabase, m_itemPane, &TItemPane::SaveSelectedItems);
    connect(&m_itemDocument, &TItemDocument::DatabaseChanged, this, &TFormMain::IAddMarkNotify);
}

void TFormMain::IAddMarkNotify()
{
    const TIUndoList& undo = m_itemDocument.Undo();
    m_status->SetText(TStatusPanels::ItemUndo, QStringLiteral("%1 / %2").arg(undo.Position()).arg(undo.Count() - 1));
    StatusTick();
}

void TFormMain::ShowCursorCell(TGridPoint c)
{
    const bool onGrid = c.X != -1 && c.Y != -1;
    m_status->SetText(TStatusPanels::CursorCell, onGrid ? QStringLiteral("%1, %2").arg(c.X).arg(c.Y) : QString());
    m_status->SetText(TStatusPanels::RoomPosition, onGrid && IsRoomCell(c)
                                                       ? QStringLiteral("%1, %2").arg(c.X / 2 + 1).arg(c.Y / 2 + 1)
                                                       : QString());
}

void TFormMain::AddMarkNotify()
{
    const TAUndoList& undo = m_document.Undo();
    // Text typed and not yet recorded is a step that Undo takes back.
    const bool canUndo = undo.Position() >= 1 || m_document.Area().Modified;
    const bool canRedo = undo.Position() < undo.Count() - 1;
    m_menu.miUndo->setEnabled(canUndo);
    m_tbUndo->setEnabled(canUndo);
    m_menu.miRedo->setEnabled(canRedo);
    m_tbRedo->setEnabled(canRedo);
    m_status->SetText(TStatusPanels::MapUndo, QStringLiteral("%1 / %2").arg(undo.Position()).arg(undo.Count() - 1));
    StatusTick();
}

void TFormMain::StatusTick()
{
    const long long bytes = HeapBytesInUse();
    m_status->SetText(TStatusPanels::Heap, bytes >= 0 ? QString::number(bytes) : QString());
}

void TFormMain::AfterBlink()
{
    if (!m_layoutApplied) {
        m_layoutApplied = true;
        if (m_pendingMapaPos == 1) {
            HideDetails();
        } else {
            const QList<int> sizes = m_aspMapa->sizes();
            const int total = sizes.value(0) + sizes.value(1);
            m_aspMapa->setSizes({m_pendingMapaPos, std::max(0, total - m_pendingMapaPos)});
            m_roomPanel->SetCollapsed(DetailsHidden());
        }
    }
    ApplyItemLayout();
    ApplySentenceLayout();
    m_tbSave->setEnabled(m_document.Area().Modified);
}

void TFormMain::SetCaptionFromFile(const QString& fileName)
{
    QString caption = windowTitle();
    const int cut = caption.indexOf(QStringLiteral(" ("));
    if (cut >= 0)
        caption.truncate(cut);
    setWindowTitle(caption + QStringLiteral(" (") + QFileInfo(fileName).fileName() + QLatin1Char(')'));
}

void TFormMain::PaintDefaultRoomGlyphs()
{
    m_defaultRoomBar->PaintDefaultRoomGlyphs(m_document.Area().Colors, m_mapView->Geometry().CellSize());
}

bool TFormMain::ReportingErrors(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        // A message box before the window is on screen would stand on an empty desktop.
        if (m_onScreen)
            m_asker->ShowError(this, QString::fromUtf8(e.what()));
        else
            m_pendingErrors << QString::fromUtf8(e.what());
    }
    return false;
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    FitToScreens();
    // The show event comes before the window is on screen: go on from the event loop.
    QTimer::singleShot(0, this, &TFormMain::AfterFirstShow);
}

void TFormMain::AfterFirstShow()
{
    m_onScreen = true;
    const QStringList errors = std::exchange(m_pendingErrors, {});
    for (const QString& message : errors)
        m_asker->ShowError(this, message);
    for (const QString& file : m_commandLineFiles)
        if (QFileInfo(file).isFile())
            ReportingErrors([&] { OpenFile(file); });
    OfferRecovery();
}

bool TFormMain::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // The main window's own handling would put the hint over all eight panels.
        m_status->ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowActivate) {
        // Back from a dialog: the control whose hint was shown never saw the pointer leave.
        m_status->ShowHint(QString());
        RepaintMap();
        if (!m_layoutApplied)
            m_store->ReadActivation(m_settings);
    } else if (event->type() == QEvent::WindowDeactivate) {
        m_mapEditor->MouseLeft();
    }
    return QMainWindow::event(event);
}
