// The area document as the panels see it: what each step announces.
#include "gui/document/areadocument.h"
#include "model/mapedit.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(AreaDocument, AnnouncesModifiedAndLetsGoOfTheActiveRoom)
{
    QTemporaryDir dir;
    TAreaDocument doc;
    doc.AddMark();
    QSignalSpy modified(&doc, &TAreaDocument::ModifiedChanged);
    QSignalSpy changed(&doc, &TAreaDocument::AreaChanged);
    QSignalSpy replaced(&doc, &TAreaDocument::AreaReplaced);
    const auto lastModified = [&] { return modified.isEmpty() ? QVariant() : modified.takeLast().at(0); };

    doc.SetActiveRoom(BuildRoom(doc.Area(), {1, 1}, &doc.Templates().CurrentDefaultRoom()).Room);
    doc.AddMark();
    EXPECT_EQ(lastModified(), QVariant(true)) << "the core's build marked the area";
    doc.AddMark();
    EXPECT_EQ(lastModified(), QVariant()) << "announced once per change of the flag";

    doc.UndoEdit();
    doc.UndoEdit();
    EXPECT_EQ(lastModified(), QVariant(false)) << "the first snapshot was unmodified";
    EXPECT_EQ(doc.ActiveRoom(), nullptr) << "the room belonged to the replaced contents";
    doc.RedoEdit();
    EXPECT_EQ(lastModified(), QVariant(true));
    EXPECT_EQ(changed.count(), 5);
    EXPECT_EQ(changed.takeFirst().at(0).value<TAreaChange>(), TAreaChange::Mark);

    const std::string file = QFile::encodeName(dir.filePath(QStringLiteral("a.arf"))).toStdString();
    doc.Templates().DefaultRoomSlots[3].Short = "kept in the file";
    doc.SaveAs(file);
    EXPECT_EQ(lastModified(), QVariant(false));
    EXPECT_EQ(doc.Area().FileName, file);
    EXPECT_EQ(doc.Area().DefaultRooms.Count(), 0) << "the document holds the only live templates";

    doc.SetActiveRoom(doc.Area().RoomAt(1, 1));
    doc.Templates().DefaultRoomSlots[3].Short.clear();
    doc.Open(file);
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_EQ(doc.ActiveRoom(), nullptr);
    EXPECT_EQ(doc.Undo().Count(), 1);
    EXPECT_EQ(doc.Templates().DefaultRoomSlots[3].Short, "kept in the file");
    EXPECT_NE(doc.Area().RoomAt(1, 1), nullptr);
}

TEST(AreaDocument, UndoBringsBackEditsMadeThroughTheActiveRoom)
{
    // The details keep the active room's pointer across marks and edit it in place.
    TAreaDocument doc;
    TRoom* first = BuildRoom(doc.Area(), {1, 1}, nullptr).Room;
    TRoom* second = BuildRoom(doc.Area(), {3, 1}, nullptr).Room;
    doc.SetActiveRoom(first);
    doc.AddMark();
    first->Short = "one";
    doc.RecordEdit();
    first->Short = "two";
    doc.RecordEdit();
    first->Short = "left unmarked";
    doc.SetActiveRoom(second);
    second->Short = "other";
    doc.RecordEdit();

    const auto shorts = [&] { return doc.Area().RoomAt(1, 1)->Short + "/" + doc.Area().RoomAt(3, 1)->Short; };
    for (const char* want : {"two/", "one/", "/"}) {
        doc.UndoEdit();
        EXPECT_EQ(shorts(), want);
    }
    doc.RedoEdit();
    doc.RedoEdit();
    doc.RedoEdit();
    EXPECT_EQ(shorts(), "left unmarked/other");
}
