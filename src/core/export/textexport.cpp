#include "export/textexport.h"

#include "export/codewriter.h"
#include "files/savefile.h"
#include "model/text.h"

std::string AreaText(const TRoomList& area)
{
    TCodeWriter out;
    for (int i = 0; i < area.Count(); ++i) {
        const TRoom& room = area[i];
        out.Line("--------------");
        out.Line("Filename: " + room.FileName);
        out.Line("Exits: " + room.ObviousExitsText());
        out.Line("Short: " + room.Short);
        for (const TItem& item : room.Items) {
            out.Line(item.ID + ": " + item.SynonymsText(false));
            out.Line(StringsDescToString(item.Description));
        }
        for (const TRoomDescription& d : room.Descriptions) {
            out.Line("Description: " + d.Name);
            out.Line(StringsDescToString(d.Text));
        }
        out.EndLine();
    }
    return out.Bytes();
}

void ExportToText(const TRoomList& area, const std::string& fileName)
{
    SaveFileAtomically(fileName, AreaText(area));
}
