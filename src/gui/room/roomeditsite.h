#pragma once
// The room a details tab edits and how its edits are recorded. The details panel edits the
// document's active room: edits set Modified and record undo marks. The room dialog edits a
// private copy and records nothing; only exit edits touch its area (its Modified flag).
// The tabs are written once against this and behave as the panel or the dialog asks.
#include "model/item.h"
#include "model/roomlist.h"

#include <QObject>

class QWidget;
class TAreaDocument;
class TAsker;

class TRoomEditSite : public QObject {
    Q_OBJECT
public:
    // The details panel on the document's active room.
    TRoomEditSite(TAreaDocument& document, TAsker& asker, QObject* parent = nullptr);
    // The room dialog on its own room; area is the one whose rooms exits lead to.
    TRoomEditSite(TRoom& workRoom, TAsker& asker, QObject* parent = nullptr);

    bool InDialog() const { return m_document == nullptr; }
    // The room edited now; none in the panel without an active room.
    TRoom* Room() const;
    // The area whose rooms exits may lead to (the dialog's is set before each use).
    TRoomList* Area() const;
    void SetDialogArea(TRoomList* area) { m_dialogArea = area; }
    TAsker& Asker() const { return m_asker; }
    // The document of the panel; none in the dialog.
    TAreaDocument* Document() const { return m_document; }

    // The template the panel compares with and F5 copies into; none in the dialog.
    TRoom* Template() const;

    // The current item of the item editor: the panel's ActiveItem, or the dialog's own.
    // Never refers to an item that is not in Room()->Items: undo and a new room reset it.
    TItem* CurrentItem() const { return m_currentItem; }
    void SetCurrentItem(TItem* item) { m_currentItem = item; }

    // True while the controls are being filled from the room: change reactions then leave
    // the Modified flag alone.
    bool Filling = false;

    // --- the field being typed in
    // The tabs store what their focused field holds, as leaving it would; the panel's site
    // does this whenever the document asks. Marks recorded meanwhile keep the controls as
    // they are, so that the field goes on being typed in where it was.
    void CommitTyping();
    // True for the field the keyboard is in, or a part of it, in the field's own window.
    static bool IsTypingIn(const QWidget* field);

    // --- recording edits (all do nothing in the dialog unless said otherwise)
    // Modified := true.
    void SetModified();
    // Modified := true, then an undo mark, so that the snapshot holds the flag.
    void RecordEdit();
    // As RecordEdit, but the panel is not refilled from the room, so that list selections stay
    // on the edited entry.
    void RecordEditKeepingSelection();
    // An undo mark alone.
    void AddMark();
    // Modified := true on the area exits lead into: the dialog's area too.
    void SetAreaModified();
    // Panel: the current template becomes a full copy of room and its button picture is
    // repainted; Modified, as the templates are saved with the area.
    void ReplaceTemplate(const TRoom& room);

signals:
    // CommitTyping: each tab stores its field if the keyboard is in it.
    void CommitWanted();
    // The edited room's contents changed in a way other views show (the map's room colours).
    void RoomChanged(TRoom* room);
    // A short notice for the status bar (copy and paste counts).
    void Notice(const QString& text);
    // A control done with a click hands the keyboard back to the map when it walks by keys.
    void MapFocusWanted();
    // The panel's long description, as typed, is to be cut into the sentence database.
    void DescriptionToSentences(const std::string& crlfText, bool ctrlHeld);
    // A sentence to append to the panel's long description (a double click in the database).
    void AppendSentence(const std::string& sentence);
    // The panel's selected room items are to be stored in the item database.
    void ItemsToDatabase(const std::vector<const TItem*>& items);

private:
    TAreaDocument* m_document = nullptr;
    TAsker& m_asker;
    TRoom* m_workRoom = nullptr;
    TRoomList* m_dialogArea = nullptr;
    TItem* m_currentItem = nullptr;
    bool m_committing = false;
};
