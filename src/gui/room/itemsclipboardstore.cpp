#include "gui/room/itemsclipboardstore.h"

#include "gui/document/doctext.h"

#include <QClipboard>
#include <QGuiApplication>

TItemsClipboardStore::TItemsClipboardStore()
    : WriteSystem([](const QString& text) { QGuiApplication::clipboard()->setText(text); }),
      ReadSystem([] { return QGuiApplication::clipboard()->text(); })
{
}

TItemsClipboardStore& TItemsClipboardStore::Program()
{
    static TItemsClipboardStore store;
    return store;
}

bool TItemsClipboardStore::Put(const std::string& text)
{
    WriteSystem(DocToQt(text));
    if (!ReadSystem().isEmpty())
        return false;
    LocalClipboard = text;
    return true;
}

std::string TItemsClipboardStore::Take() const
{
    const QString system = ReadSystem();
    if (system.isEmpty())
        return LocalClipboard;
    return QtToDoc(system);
}
