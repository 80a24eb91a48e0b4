#include "gui/app/mainmenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
QAction* Item(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {},
              const char* hint = nullptr)
{
    auto* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (hint) {
        action->setStatusTip(QString::fromLatin1(hint));
        action->setToolTip(QString::fromLatin1(hint));
    }
    return action;
}

QAction* Switch(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {},
                const char* hint = nullptr)
{
    QAction* action = Item(menu, name, caption, shortcut, hint);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

QMenu* Menu(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* SubMenu(QMenu* parent, const char* name, const char* caption)
{
    QMenu* menu = parent->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}
} // namespace

TMainMenu CreateMainMenu(QMainWindow* window)
{
    TMainMenu m{};
    QMenuBar* bar = window->menuBar();

    QMenu* file = Menu(bar, "miFile", "&File");
    m.miNew = Item(file, "miNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), "Create a new area");
    m.miOpen = Item(file, "miOpen", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O), "Open an existing area");
    m.miOpenRecent = SubMenu(file, "miOpenRecent", "Open &recent");
    m.miOpenRecent->setAccessibleName(QStringLiteral("Open recent"));
    m.miOpenRecent->setAccessibleDescription(QStringLiteral("The last eight area files; those no longer there are greyed out"));
    m.miSave = Item(file, "miSave", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), "Save area to file");
    m.miSaveAs = Item(file, "miSaveAs", "Save &as", QKeySequence(Qt::Key_F12));
    file->addSeparator();
    m.miExit = Item(file, "miExit", "E&xit");

    QMenu* exportMenu = Menu(bar, "miExport", "E&xport");
    m.miToBmp = Item(exportMenu, "miToBmp", "to &bmp", {}, "Exports map to bmp file");
    m.miToPicture = Item(exportMenu, "miToPicture", "to &picture...", {}, "Saves the map picture as PNG or BMP");
    m.miToText = Item(exportMenu, "miToText", "to &text file");
    m.miToC = Item(exportMenu, "miToC", "to .&c files");
    m.miUsingScript1 = Item(exportMenu, "miUsingScript1", "Using &Script1");
    m.miValidate = Item(exportMenu, "miValidate", "&Validate", {}, "Validate current area");

    QMenu* edit = Menu(bar, "miEdit", "&Edit");
    m.miUndo = Item(edit, "miUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.miRedo = Item(edit, "miRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit->addSeparator();
    m.miFindRoom = Item(edit, "miFindRoom", "&Find room", QKeySequence(Qt::CTRL | Qt::Key_F),
                        "Find rooms by number, file name, short description, description or item ID");

    QMenu* view = Menu(bar, "miView", "&View");
    m.miGrid = Switch(view, "miGrid", "&Grid", QKeySequence(Qt::CTRL | Qt::Key_G), "Toggles Grid On/Off");
    m.miRoomCenters = Switch(view, "miRoomCenters", "Room &Centers");
    m.miRoomFill = Switch(view, "miRoomFill", "Room &Fill");
    m.miRepaint = Item(view, "miRepaint", "&Repaint", QKeySequence(Qt::CTRL | Qt::Key_R), "Repaints the map");
    m.miOptions = Item(view, "miOptions", "&Options");
    m.miDefaultRoom = Item(view, "miDefaultRoom", "&Default room");
    m.miToggleDetails = Item(view, "miToggleDetails", "&Toggle room details", QKeySequence(Qt::Key_F5));
    view->addSeparator();
    m.miSentenceDB = Item(view, "miSentenceDB", "&Sentence DB");
    m.miSentenceDB->setCheckable(true);
    m.miItemsDB = Item(view, "miItemsDB", "&ItemsDB");
    m.miItemsDB->setCheckable(true);

    QMenu* databases = Menu(bar, "miDatabases", "&Databases");
    QMenu* sentence = SubMenu(databases, "miSentence", "&Sentence");
    m.miSentNew = Item(sentence, "miSentNew", "&New", {}, "Create new sentence database");
    m.miSentOpen = Item(sentence, "miSentOpen", "&Open", {}, "Read sentence database from file");
    m.miSentSave = Item(sentence, "miSentSave", "&Save");
    m.miSentSaveAs = Item(sentence, "miSentSaveAs", "Save &as");
    sentence->addSeparator();
    m.miSentImportArea = Item(sentence, "miSentImportArea", "Import &area to database");
    m.miSentImportFile = Item(sentence, "miSentImportFile", "Import sntcs from &file");
    QMenu* items = SubMenu(databases, "miItems", "&Items");
    m.miItemNew = Item(items, "miItemNew", "&New");
    m.miItemOpen = Item(items, "miItemOpen", "&Open");
    m.miItemSave = Item(items, "miItemSave", "&Save");
    m.miItemSaveAs = Item(items, "miItemSaveAs", "Save &as");
    items->addSeparator();
    m.miItemImportArea = Item(items, "miItemImportArea", "Import &area to database", {},
                              "Import area items into database");
    m.miItemImportFile = Item(items, "miItemImportFile", "Import items from &file", {},
                              "Merge items from another saved database");

    QMenu* help = Menu(bar, "miHelp", "&Help");
    m.miAbout = Item(help, "miAbout", "&About");
    return m;
}
