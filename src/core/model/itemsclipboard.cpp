#include "model/itemsclipboard.h"

#include <string_view>

const char* const ItemsClipboardHeader = "KAJ KESTERBRANDOR";
const char* const ItemsClipboardSeparator = "\x01\x02\x04\x05";
const char* const ClipboardNoHeaderMessage = "Incorrect data in clipboard.";
const char* const ClipboardPanelFormatMessage = "Ve schr\xC3\xA1nce se nenach\xC3\xA1zely spr\xC3\xA1vn\xC3\xA9 itemy.";
const char* const ClipboardDialogFormatMessage =
    "Ve schr\xC3\xA1nce se nenach\xC3\xA1zela spr\xC3\xA1vn\xC3\xA1 slov\xC3\xAD\xC4\x8Dka.";
const char* const ClipboardTooLargeMessage = "The clipboard text is too large to be items (more than 16 MiB).";

namespace {
constexpr std::string_view kCRLF = "\r\n";
constexpr std::string_view kSeparator = "\x01\x02\x04\x05";

// The blocks in clipboard order, which differs from the editor's tab order.
template <class Item>
auto& Block(Item& item, int i)
{
    switch (i) {
    case 0: return item.Description;
    case 1: return item.Search;
    case 2: return item.Listen;
    case 3: return item.Smell;
    case 4: return item.Touch;
    default: return item.Read;
    }
}

void AppendRecord(std::string& out, const TItem& item)
{
    out += kCRLF;
    out += item.ID;
    out += '\t';
    for (size_t i = 0; i < item.Synonyms.size(); ++i) {
        if (i)
            out += '\t';
        out += item.Synonyms[i];
    }
    out += kSeparator;
    out += kCRLF;
    for (int b = 0; b < 6; ++b) {
        const TStrings& lines = Block(item, b);
        if (lines.empty())
            out += kCRLF;
        for (const auto& l : lines) {
            out += l;
            out += kCRLF;
        }
        out += kSeparator;
    }
}

// A cursor over the text: every read either finds what it needs ahead or fails, and each
// successful step consumes at least one byte of a record, so reading always ends.
class TCursor {
public:
    explicit TCursor(std::string_view text) : m_text(text) {}
    bool AtEnd() const { return m_pos >= m_text.size(); }
    std::string_view Rest() const { return m_text.substr(m_pos); }
    bool StartsWith(std::string_view s) const { return Rest().substr(0, s.size()) == s; }
    void Skip(size_t n) { m_pos += n; }

    // The text before the next occurrence of mark; the cursor moves past the mark.
    bool Until(std::string_view mark, std::string_view& before)
    {
        const size_t at = m_text.find(mark, m_pos);
        if (at == std::string_view::npos)
            return false;
        before = m_text.substr(m_pos, at - m_pos);
        m_pos = at + mark.size();
        return true;
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
};

bool ReadRecord(TCursor& c, TItem& item, bool keepEmpty)
{
    std::string_view part;
    // The ID runs to the first TAB, or to the end when there is none.
    if (c.Until("\t", part)) {
        item.ID = part;
    } else {
        item.ID = c.Rest();
        c.Skip(c.Rest().size());
    }
    static const std::string headEnd = std::string(kSeparator) + std::string(kCRLF);
    if (!c.Until(headEnd, part))
        return false;
    size_t start = 0;
    for (;;) {
        const size_t tab = part.find('\t', start);
        const std::string_view piece = part.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (keepEmpty || !piece.empty())
            item.Synonyms.emplace_back(piece);
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    for (int b = 0; b < 6; ++b) {
        TStrings& lines = Block(item, b);
        do {
            std::string_view line;
            if (!c.Until(kCRLF, line))
                return false;
            if (keepEmpty || !line.empty())
                lines.emplace_back(line);
        } while (!c.StartsWith(kSeparator));
        c.Skip(kSeparator.size());
    }
    return true;
}
} // namespace

std::string ItemsToClipboardText(const std::vector<const TItem*>& items)
{
    std::string out = ItemsClipboardHeader;
    for (const TItem* item : items)
        AppendRecord(out, *item);
    return out;
}

TClipboardItems ItemsFromClipboardText(const std::string& text, TClipboardReading reading)
{
    TClipboardItems result;
    if (text.size() > MaxItemsClipboardBytes) {
        result.Error = ClipboardTooLargeMessage;
        return result;
    }
    const std::string opening = std::string(ItemsClipboardHeader) + std::string(kCRLF);
    if (text.compare(0, opening.size(), opening) != 0) {
        result.Error = ClipboardNoHeaderMessage;
        return result;
    }
    const bool keepEmpty = reading == TClipboardReading::Dialog;
    TCursor c(std::string_view(text).substr(opening.size()));
    while (!c.AtEnd()) {
        TItem item;
        if (!ReadRecord(c, item, keepEmpty)) {
            result.Error = keepEmpty ? ClipboardDialogFormatMessage : ClipboardPanelFormatMessage;
            break;
        }
        result.Items.push_back(std::move(item));
        // The CR LF that opens the next record; anything else after a complete item is a fault.
        if (!c.AtEnd()) {
            if (!c.StartsWith(kCRLF)) {
                result.Error = keepEmpty ? ClipboardDialogFormatMessage : ClipboardPanelFormatMessage;
                break;
            }
            c.Skip(kCRLF.size());
        }
    }
    return result;
}
