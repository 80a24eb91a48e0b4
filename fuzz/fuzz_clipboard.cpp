// Any text as the items clipboard text, read the panel's way and the dialog's way: the reader
// must end, whatever the input. What it reads must survive being written and read again.
#include "model/itemsclipboard.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void CheckRoundTrip(const TClipboardItems& first, TClipboardReading reading)
{
    std::vector<const TItem*> items;
    for (const TItem& item : first.Items)
        items.push_back(&item);
    const TClipboardItems second = ItemsFromClipboardText(ItemsToClipboardText(items), reading);
    // With no items the text is the bare header, which is rejected as no clipboard data.
    if (items.empty())
        return;
    if (!second.Ok() || second.Items != first.Items)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckRoundTrip(ItemsFromClipboardText(text, TClipboardReading::Panel), TClipboardReading::Panel);
    CheckRoundTrip(ItemsFromClipboardText(text, TClipboardReading::Dialog), TClipboardReading::Dialog);
    // Most inputs lack the header; give the record reader the same bytes behind one.
    const std::string withHeader = std::string(ItemsClipboardHeader) + "\r\n" + text;
    CheckRoundTrip(ItemsFromClipboardText(withHeader, TClipboardReading::Panel), TClipboardReading::Panel);
    CheckRoundTrip(ItemsFromClipboardText(withHeader, TClipboardReading::Dialog), TClipboardReading::Dialog);
    return 0;
}
