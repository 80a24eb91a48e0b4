#pragma once
// Where the items text travels: the system clipboard as plain text, and the program's own
// LocalClipboard when the system clipboard cannot give the text back. One for the whole
// program, shared by the details panel and the room dialog.
#include <QString>

#include <functional>
#include <string>

class TItemsClipboardStore {
public:
    static TItemsClipboardStore& Program();

    // Puts the document text on the system clipboard. When nothing can be read back,
    // LocalClipboard keeps it and the result is true.
    bool Put(const std::string& text);
    // The system clipboard's text; LocalClipboard when the system clipboard holds none.
    std::string Take() const;

    std::string LocalClipboard;
    // The system clipboard's plain text; a test replaces them with a clipboard that loses it.
    std::function<void(const QString&)> WriteSystem;
    std::function<QString()> ReadSystem;

private:
    TItemsClipboardStore();
};
