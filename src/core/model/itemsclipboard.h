#pragma once
// The items clipboard text: a header line, then per item a CR LF, the head (ID, TAB, synonyms
// separated by TABs, the separator, CR LF) and six text blocks (each line with CR LF, then
// the separator) in the order Description, Search, Listen, Smell, Touch, Read.
#include "model/item.h"

#include <cstddef>
#include <string>
#include <vector>

extern const char* const ItemsClipboardHeader;    // "KAJ KESTERBRANDOR"
extern const char* const ItemsClipboardSeparator; // the bytes 01 02 04 05
extern const char* const ClipboardNoHeaderMessage;     // "Incorrect data in clipboard."
extern const char* const ClipboardPanelFormatMessage;  // "Ve schránce se nenacházely správné itemy."
extern const char* const ClipboardDialogFormatMessage; // "Ve schránce se nenacházela správná slovíčka."
extern const char* const ClipboardTooLargeMessage;

// A longer text is refused before it is read: a few bytes per synonym would otherwise become
// tens of bytes each in memory (50 MB of tabs, 2 GB of empty synonyms).
constexpr size_t MaxItemsClipboardBytes = size_t(16) << 20;

std::string ItemsToClipboardText(const std::vector<const TItem*>& items);

// The room panel drops empty synonyms and empty lines; the room dialog keeps them (an item
// without synonyms then gets one empty synonym, an empty text one empty line).
enum class TClipboardReading { Panel, Dialog };

struct TClipboardItems {
    std::vector<TItem> Items; // every item completed before a fault
    std::string Error;        // empty when the whole text was read
    bool Ok() const { return Error.empty(); }
};

// Reads the text to its end; never reads past it, whatever the input. A text over
// MaxItemsClipboardBytes gives no items and ClipboardTooLargeMessage.
TClipboardItems ItemsFromClipboardText(const std::string& text, TClipboardReading reading);
