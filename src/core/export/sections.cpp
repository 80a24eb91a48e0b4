#include "export/sections.h"

#include "export/wrap.h"
#include "model/text.h"

#include <string>
#include <vector>

namespace {
void WriteExitLine(TCodeWriter& out, const std::string& id, const std::string& fileName)
{
    out.Spaces(8);
    out.Write('"');
    out.Write(id);
    out.Write("\": __DIR__\"");
    out.Write(fileName);
    out.Line("\", ");
}

void WriteSpecialExitLines(TCodeWriter& out, const TExportContext& ctx, const TRoom& room, uint8_t kindA,
                           uint8_t kindB)
{
    for (const TExit& exit : room.Exits) {
        if (exit.Kind != kindA && exit.Kind != kindB)
            continue;
        if (const TRoom* target = ctx.RoomByNumber(exit.Target))
            WriteExitLine(out, exit.ID, target->FileName);
    }
}
} // namespace

const char* SenseCall(TSense sense)
{
    switch (sense) {
    case snListen: return "SetListen";
    case snSmell: return "SetSmell";
    case snTouch: return "SetTouch";
    case snSearch: return "SetSearch";
    case snRead: return "SetRead";
    }
    return "";
}

void WriteAreaNameSection(TCodeWriter& out) { out.Line("  SetAreaName(AREA_NAME);"); }

void WriteAreaTypeSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room, bool constantForm)
{
    const TAreaTypeConstant* c = ctx.AreaTypes.Find(room.AreaTypes);
    if (!c)
        return;
    out.Write("  SetAreaType(");
    out.Write(constantForm ? c->Name : c->Value);
    out.Line(");");
}

void WriteLightsSection(TCodeWriter& out, const TRoom& room, bool constantForm)
{
    for (int k = 0; k < LightKindCount; ++k) {
        const auto kind = static_cast<TLightKind>(k);
        const int32_t level = LightLevel(room, kind);
        out.Write("  ");
        out.Write(LightCall(kind));
        out.Write('(');
        if (constantForm)
            WriteLightConstantName(out, kind, level);
        else
            WriteDecimal(out, level);
        out.Line(");");
    }
}

void WriteShortSection(TCodeWriter& out, const TRoom& room)
{
    out.Write("  SetShort(");
    WriteQuoted(out, room.Short);
    out.Line(");");
}

void WriteLongSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room)
{
    const bool many = room.Descriptions.size() > 1;
    for (const TRoomDescription& d : room.Descriptions) {
        if (d.Name == "Long")
            out.Write(many ? "  SetDayLong(" : "  SetLong(");
        else if (d.Name == "Night Long")
            out.Write("  SetNightLong(");
        else
            continue;
        WriteWrapped(out, d.Text, ");", 4, ctx.Wrap);
    }
}

void WriteItemsSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room)
{
    if (room.Items.empty())
        return;
    out.Line("  SetItems( ([");
    for (const TItem& item : room.Items) {
        out.Spaces(4);
        if (!item.Synonyms.empty()) {
            out.Write(" ({ ");
            WriteQuoted(out, item.ID);
            for (const std::string& synonym : item.Synonyms) {
                if (IsBlankText(synonym))
                    continue;
                out.Write(", ");
                WriteQuoted(out, synonym);
            }
            out.Line(" }): ");
            out.Spaces(8);
        } else {
            out.Write(' ');
            WriteQuoted(out, item.ID);
            out.Write(": ");
        }
        WriteWrapped(out, item.Description, ", ", 8, ctx.Wrap);
    }
    out.Line("    ]) );");
}

void WriteSenseSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room, TSense sense)
{
    bool anyText = false;
    for (const TItem& item : room.Items)
        anyText = anyText || !IsBlankLines(item.Sense(sense));
    if (!anyText)
        return;
    struct TGroup {
        std::string Text;
        std::string Keys;
    };
    std::vector<TGroup> groups;
    for (const TItem& item : room.Items) {
        std::string text = JoinLinesCRLF(item.Sense(sense));
        TGroup* group = nullptr;
        for (TGroup& g : groups)
            if (g.Text == text) {
                group = &g;
                break;
            }
        if (!group) {
            groups.push_back({std::move(text), {}});
            group = &groups.back();
        } else {
            group->Keys += ", ";
        }
        group->Keys += '"';
        group->Keys += EscapeQuotes(item.ID);
        group->Keys += '"';
    }
    out.Write("  ");
    out.Write(SenseCall(sense));
    out.Line("( ([");
    for (const TGroup& g : groups) {
        if (g.Text.empty())
            continue;
        out.Spaces(4);
        if (g.Keys.find(',') != std::string::npos) {
            out.Write("({");
            out.Write(g.Keys);
            out.Line("}): ");
            out.Spaces(8);
        } else {
            out.Write(g.Keys);
            out.Write(": ");
        }
        WriteWrapped(out, g.Text, ",", 8, ctx.Wrap);
    }
    out.Line("    ]) );");
}

void WriteObviousExitsSection(TCodeWriter& out, const TRoom& room)
{
    std::string list;
    auto add = [&list](const std::string& word) {
        if (!list.empty())
            list += ", ";
        list += word;
    };
    for (TDirection d : CompassOrder)
        if (room.HasLink(d))
            add(DirectionInfo(d).ShortName);
    for (const TExit& exit : room.Exits)
        if (exit.Kind == ekVisibleExit)
            add(exit.ID);
    for (const TExit& exit : room.Exits)
        if (exit.Kind == ekVisibleEnter)
            add("enter " + exit.ID);
    out.Write("  SetObviousExits(\"");
    out.Write(list);
    out.Line("\");");
}

void WriteExitsSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room)
{
    out.Line("  SetExits( ([");
    for (TDirection d : CompassOrder) {
        const TGridPoint link = room.CompassLinks[d];
        if (link.X == 0)
            continue;
        if (const TRoom* linked = ctx.Area ? ctx.Area->RoomAt(link) : nullptr)
            WriteExitLine(out, DirectionInfo(d).LongName, linked->FileName);
    }
    WriteSpecialExitLines(out, ctx, room, ekVisibleExit, ekHiddenExit);
    out.Line("      ]) );");
}

void WriteEntersSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room)
{
    bool any = false;
    for (const TExit& exit : room.Exits)
        any = any || exit.Kind == ekVisibleEnter || exit.Kind == ekHiddenEnter;
    if (!any)
        return;
    out.Line("  SetEnters( ([");
    WriteSpecialExitLines(out, ctx, room, ekVisibleEnter, ekHiddenEnter);
    out.Line("      ]) );");
}
