#include "gui/map/cellannouncement.h"

#include "gui/document/doctext.h"

#include <QStringList>

QString CellAnnouncement(const TRoomList& area, TGridPoint cell)
{
    const QString where = QStringLiteral("x %1, y %2").arg(cell.X).arg(cell.Y);
    const TRoom* room = area.RoomAt(cell);
    if (!room)
        return QStringLiteral("Empty, ") + where;
    QStringList parts{QStringLiteral("Room %1").arg(room->Number)};
    const QString shortText = DocToQt(room->Short).trimmed();
    if (!shortText.isEmpty())
        parts << shortText;
    QStringList exits;
    for (TDirection d : CompassOrder)
        if (room->HasLink(d))
            exits << QString::fromLatin1(DirectionInfo(d).LongName);
    parts << (exits.isEmpty() ? QStringLiteral("no exits") : QStringLiteral("exits ") + exits.join(QStringLiteral(", ")));
    parts << where;
    return parts.join(QStringLiteral(", "));
}

QString MapModeAnnouncement(bool handMode, bool penDown)
{
    if (!handMode)
        return QStringLiteral("Click mode: a click on a cell builds or chooses a room, on a connector links");
    if (penDown)
        return QStringLiteral("Hand mode, pen down: each arrow key step builds a room and links it; P lifts the pen");
    return QStringLiteral("Hand mode, pen up: arrow keys walk, Space links back to the cell walked from, "
                          "Backspace erases this room; P puts the pen down");
}
