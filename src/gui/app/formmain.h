#pragma once
// The main window: owns the area document for the whole run, creates the map, the room
// details and the database pane and wires them to the document and the status bar, and runs
// the area file commands. The subsystems know the document, never each other.
#include "export/exportencoding.h"
#include "gui/app/mainmenu.h"
#include "gui/app/settingsstore.h"
#include "gui/document/areadocument.h"
#include "gui/document/itemdocument.h"
#include "gui/document/sentencedocument.h"

#include <QImage>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <memory>

class QComboBox;
class QSplitter;
class QToolBar;
class QToolButton;
class TAsker;
class TDatabasePane;
class TDefaultRoomBar;
class TFormOptions;
class TFormRoom;
class TItemPane;
class THandMode;
class TMapEditor;
class TRecovery;
class TMapView;
class TRoomPanel;
class TSentencePane;
class TStatusPanels;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // Runs the whole start-up; settings come from store, questions go to asker.
    TFormMain(std::unique_ptr<TAsker> asker, std::unique_ptr<TSettingsStore> store, QWidget* parent = nullptr);
    // Program end: writes the settings.
    ~TFormMain() override;

    // Files named on the command line, opened once the window is first on screen.
    void SetCommandLineFiles(const QStringList& files) { m_commandLineFiles = files; }

    // --- documents and controllers
    TAreaDocument& Document() { return m_document; }
    TRoomList& Area() { return m_document.Area(); }
    TItemDocument& ItemDocument() { return m_itemDocument; }
    TItemPane& ItemPane() const { return *m_itemPane; }
    TSentenceDocument& SentenceDocument() { return m_sentenceDocument; }
    TSentencePane& SentencePane() const { return *m_sentencePane; }
    TDefaultRooms& DefaultRooms() { return m_document.Templates(); }
    TMapView& MapView() const { return *m_mapView; }
    TMapEditor& MapEditor() const { return *m_mapEditor; }
    THandMode& HandMode() const { return *m_handMode; }
    TRoomPanel& RoomPanel() const { return *m_roomPanel; }
    TStatusPanels& Status() const { return *m_status; }
    TFormRoom& FormRoom() const { return *m_formRoom; }
    TAsker& Asker() const { return *m_asker; }
    const TMainMenu& Menu() const { return m_menu; }
    int ZoomPercent() const { return m_zoomPercent; }

    // --- area file commands
    void tbNewClick();
    void tbOpenClick();
    // Save, or Save as when askName; false when cancelled.
    bool Save(bool askName);
    // Loads an area file and makes it the current area; throws on failure and then
    // leaves the current area exactly as it was.
    void OpenFile(const QString& fileName);
    // File "Open recent": the save question, then the file as Open opens it.
    void OpenRecent(const QString& fileName);
    const QStringList& RecentFiles() const { return m_settings.RecentFiles; }
    TRecovery& Recovery() const { return *m_recovery; }
    // The close questions; true when the program may close.
    bool CloseQuery();

    // --- map view
    void cbZoomChange(bool fromUser);
    void ApplyZoom();
    void ExportBmp();
    // "to picture": the map as PNG or BMP under a name the user chooses.
    void ExportPicture();
    // The plain-text export with its save dialog.
    void ExportText();
    // "to .c files" (fixed layout) or "Using Script1": asks for the folder, then exports.
    void ExportCode(bool usingScript);
    // Checks the area and lists the findings under the room details.
    void Validate();
    // The options' choice for the code exports and their validation.
    TExportEncoding ExportEncoding() const;
    void tbHelpClick();
    // "Options": fills the dialog from the area and shows it; OK applies it.
    void tbOptionsClick();
    void AddMarkNotify();
    // Status panel 6 follows the item history.
    void IAddMarkNotify();
    // Status panel 5 follows the sentence history.
    void SAddMarkNotify();

    // --- panes
    void HideDetails();
    void ShowDetails();
    void ShowDetailsWithListBelow();
    void ToggleDetails();
    bool DetailsHidden() const;
    // View "Default room": the current template in the room dialog.
    void EditDefaultRoom();
    void OpenSentencePane();
    void OpenItemPane();
    void CloseDatabasePane();
    bool DatabasePaneClosed() const;

    static QString BaseCaption();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreateToolbars();
    void CreateClient();
    void ConnectCommands();
    void ReadSettings();
    void ApplyStartupSettings();
    // Moves and shrinks the window onto a screen, its frame included once that is known.
    void FitToScreens();
    void WriteSettings();

    void WireDocument();
    void WireRoomDetails();
    void SetCaptionFromFile(const QString& fileName);
    // An area file opened or saved joins the recent files.
    void RememberFile(const QString& fileName);
    void UpdateRecentMenu();
    // Start-up: the recovery copies left by a run that did not end normally.
    void OfferRecovery();
    void ShowCursorCell(TGridPoint cell);
    // The whole map at the current zoom with the picture's palette.
    QImage MapPicture() const;
    void PaintDefaultRoomGlyphs();
    void AfterBlink();
    void StatusTick();
    void ViewSwitchChanged();
    void RepaintMap();
    void ApplyOptions();
    // The item panel's splitter positions, applied once while it is on screen, and taken
    // back with its column widths for the settings.
    void ApplyItemLayout();
    void StoreItemLayout();
    // The database questions at closing; true when the program may close.
    bool CloseQueryDatabases();
    bool CloseQueryItems();
    void WireItemDatabase();
    void WireSentenceDatabase();
    void OpenSentencesAtStartup();
    bool CloseQuerySentences();
    // The sentence pane's splitters from the settings (first blink) and its values back.
    void ApplySentenceLayout();
    void StoreSentenceSettings();
    // Runs an action whose failure is reported here (start-up and the close questions,
    // where the failure must not end the program or close it); before the window is on
    // screen the report waits for it.
    bool ReportingErrors(const std::function<void()>& action);
    // Reports what start-up could not do, then opens the command-line files.
    void AfterFirstShow();

    int MainSplitterPos() const;
    void SetMainSplitterPos(int pos);
    int DetailsHiddenHeight() const;

    std::unique_ptr<TAsker> m_asker;
    std::unique_ptr<TSettingsStore> m_store;
    TProgramSettings m_settings;
    TAreaDocument m_document;
    TItemDocument m_itemDocument;
    TSentenceDocument m_sentenceDocument;
    // After the documents, so that it goes (waiting for its writer) before them.
    std::unique_ptr<TRecovery> m_recovery;

    TMainMenu m_menu{};
    QToolBar* m_mainToolbar = nullptr;
    QToolButton* m_tbNew = nullptr;
    QToolButton* m_tbOpen = nullptr;
    QToolButton* m_tbSave = nullptr;
    QToolButton* m_tbUndo = nullptr;
    QToolButton* m_tbRedo = nullptr;
    QToolButton* m_tbOptions = nullptr;
    QToolButton* m_tbSentenceDB = nullptr;
    QToolButton* m_tbItemDB = nullptr;
    QComboBox* m_cbZoom = nullptr;
    QToolButton* m_tbHelp = nullptr;
    QToolButton* m_tbTmp = nullptr;
    TDefaultRoomBar* m_defaultRoomBar = nullptr;

    QSplitter* m_aspMain = nullptr;
    QSplitter* m_aspMapa = nullptr;
    TMapView* m_mapView = nullptr;
    TRoomPanel* m_roomPanel = nullptr;
    TDatabasePane* m_databasePane = nullptr;
    TItemPane* m_itemPane = nullptr;
    TSentencePane* m_sentencePane = nullptr;
    std::unique_ptr<TStatusPanels> m_status;
    TMapEditor* m_mapEditor = nullptr;
    TFormRoom* m_formRoom = nullptr;
    TFormOptions* m_formOptions = nullptr; // created at its first opening
    THandMode* m_handMode = nullptr;

    QTimer m_statusTimer;
    QStringList m_commandLineFiles;
    bool m_shownOnce = false;
    bool m_onScreen = false;
    QStringList m_pendingErrors;
    bool m_layoutApplied = false;
    bool m_itemLayoutPending = true;
    bool m_sentenceLayoutPending = true;
    int m_pendingMapaPos = 1;
    int m_zoomPercent = 100;
    int m_pictureBits = 4;
};
