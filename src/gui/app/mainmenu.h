#pragma once
// The main menu of the editor: every command with its caption, shortcut and hint. The
// window connects the commands; this only builds them.
class QAction;
class QMainWindow;
class QMenu;

struct TMainMenu {
    // File
    QAction* miNew;
    QAction* miOpen;
    QMenu* miOpenRecent; // filled by the window from its recent files
    QAction* miSave;
    QAction* miSaveAs;
    QAction* miExit;
    // Export
    QAction* miToBmp;
    QAction* miToPicture;
    QAction* miToText;
    QAction* miToC;
    QAction* miUsingScript1;
    QAction* miValidate;
    // Edit
    QAction* miUndo;
    QAction* miRedo;
    QAction* miFindRoom;
    // View
    QAction* miGrid;
    QAction* miRoomCenters;
    QAction* miRoomFill;
    QAction* miRepaint;
    QAction* miOptions;
    QAction* miDefaultRoom;
    QAction* miToggleDetails;
    QAction* miSentenceDB;
    QAction* miItemsDB;
    // Databases
    QAction* miSentNew;
    QAction* miSentOpen;
    QAction* miSentSave;
    QAction* miSentSaveAs;
    QAction* miSentImportArea;
    QAction* miSentImportFile;
    QAction* miItemNew;
    QAction* miItemOpen;
    QAction* miItemSave;
    QAction* miItemSaveAs;
    QAction* miItemImportArea;
    QAction* miItemImportFile;
    // Help
    QAction* miAbout;
};

// Creates the actions as children of the window and fills its menu bar.
TMainMenu CreateMainMenu(QMainWindow* window);
