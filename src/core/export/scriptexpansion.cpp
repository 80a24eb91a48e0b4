#include "export/scriptexpansion.h"

#include "export/sections.h"
#include "model/text.h"

#include <string_view>

namespace {
struct TPlaceholderName {
    std::string_view Key;
    TPlaceholder Placeholder;
};

const TPlaceholderName kPlaceholders[] = {
    {"$_INCLUDE_H_$", TPlaceholder::IncludeH},       {"$_AREANAME_$", TPlaceholder::AreaName},
    {"$_AREATYPE_CONS_$", TPlaceholder::AreaTypeCons}, {"$_AREATYPE_VALUE_$", TPlaceholder::AreaTypeValue},
    {"$_LIGHTS_CONS_$", TPlaceholder::LightsCons},   {"$_LIGHTS_VALUE_$", TPlaceholder::LightsValue},
    {"$_SHORT_$", TPlaceholder::Short},              {"$_LONG_$", TPlaceholder::Long},
    {"$_ITEMS_$", TPlaceholder::Items},              {"$_LISTEN_$", TPlaceholder::Listen},
    {"$_SMELL_$", TPlaceholder::Smell},              {"$_TOUCH_$", TPlaceholder::Touch},
    {"$_SEARCH_$", TPlaceholder::Search},            {"$_READ_$", TPlaceholder::Read},
    {"$_OBV_EXITS_$", TPlaceholder::ObvExits},       {"$_EXITS_$", TPlaceholder::Exits},
    {"$_ENTERS_$", TPlaceholder::Enters},
};

char AsciiUpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsUpper(std::string_view text, std::string_view upperKey)
{
    if (text.size() != upperKey.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (AsciiUpperChar(text[i]) != upperKey[i])
            return false;
    return true;
}
} // namespace

TPlaceholder PlaceholderOf(const std::string& line)
{
    size_t b = 0, e = line.size();
    while (b < e && static_cast<unsigned char>(line[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(line[e - 1]) <= 32)
        --e;
    const std::string_view key(line.data() + b, e - b);
    // Every placeholder starts with a dollar sign; most template lines end here.
    if (key.size() < 2 || key.front() != '$')
        return TPlaceholder::None;
    for (const TPlaceholderName& p : kPlaceholders)
        if (EqualsUpper(key, p.Key))
            return p.Placeholder;
    return TPlaceholder::None;
}

const TStrings& SelectScript(const TRoomList& area, const TRoom& room)
{
    if (room.ScriptEnabled && !IsBlankLines(room.Script))
        return room.Script;
    return area.ScriptTemplate;
}

bool TemplateIncludesHeader(const TStrings& lines)
{
    for (const std::string& line : lines)
        if (PlaceholderOf(line) == TPlaceholder::IncludeH)
            return true;
    return false;
}

std::string AreaHeaderIncludeLine(const std::string& areaName) { return "#include \"../" + areaName + ".h\""; }

void ExpandScript(TCodeWriter& out, const TExportContext& ctx, const TRoom& room, const TStrings& lines)
{
    for (const std::string& line : lines) {
        switch (PlaceholderOf(line)) {
        case TPlaceholder::None: out.Line(line); break;
        case TPlaceholder::IncludeH: out.Line(AreaHeaderIncludeLine(ctx.AreaName)); break;
        case TPlaceholder::AreaName: WriteAreaNameSection(out); break;
        case TPlaceholder::AreaTypeCons: WriteAreaTypeSection(out, ctx, room, true); break;
        case TPlaceholder::AreaTypeValue: WriteAreaTypeSection(out, ctx, room, false); break;
        case TPlaceholder::LightsCons: WriteLightsSection(out, room, true); break;
        case TPlaceholder::LightsValue: WriteLightsSection(out, room, false); break;
        case TPlaceholder::Short: WriteShortSection(out, room); break;
        case TPlaceholder::Long: WriteLongSection(out, ctx, room); break;
        case TPlaceholder::Items: WriteItemsSection(out, ctx, room); break;
        case TPlaceholder::Listen: WriteSenseSection(out, ctx, room, snListen); break;
        case TPlaceholder::Smell: WriteSenseSection(out, ctx, room, snSmell); break;
        case TPlaceholder::Touch: WriteSenseSection(out, ctx, room, snTouch); break;
        case TPlaceholder::Search: WriteSenseSection(out, ctx, room, snSearch); break;
        case TPlaceholder::Read: WriteSenseSection(out, ctx, room, snRead); break;
        case TPlaceholder::ObvExits: WriteObviousExitsSection(out, room); break;
        case TPlaceholder::Exits: WriteExitsSection(out, ctx, room); break;
        case TPlaceholder::Enters: WriteEntersSection(out, ctx, room); break;
        }
    }
}
