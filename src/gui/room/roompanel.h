#pragma once
// The room details beside the map: a header strip with the active room's number, short
// text, coordinates and exits, the tabs of the room editors and the validation list. It shows
// the document's active room and follows its changes.
#include "model/room.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QSplitter;
class QTabWidget;
class QToolButton;
class TAreaDocument;
class TAsker;
class TCodeTab;
class TExitsTab;
class TItemsTab;
class TMainTab;
class TOtherTab;
class TRoomEditSite;
class TRoomFinder;
class TScriptTab;
class TValidationList;

class TRoomPanel : public QWidget {
    Q_OBJECT
public:
    TRoomPanel(TAreaDocument& document, TAsker& asker, QWidget* parent);

    // The document's active room, shown and edited here; none hides the editors.
    TRoom* ActiveRoom() const;
    // Refreshes the coordinates-and-exits label after links changed.
    void UpdateActiveExits(const TRoom* room);

    // True while the panel fills the controls from a room, so that change reactions leave the
    // document alone.
    bool PanelFilling() const;
    // How the tabs reach the active room and record their edits.
    TRoomEditSite& Site() const { return *m_site; }

    // Height of the header strip, which stays visible when the details are hidden.
    int HeaderHeight() const;
    // Hidden details keep only the header strip; the editors come back with Show.
    void SetCollapsed(bool collapsed);
    bool Collapsed() const { return m_collapsed; }
    QTabWidget* Tabs() const { return m_tabs; }
    TValidationList* ValidationList() const { return m_validation; }
    TCodeTab* CodeTab() const { return m_code; }
    TRoomFinder* Finder() const { return m_finder; }
    // "Find room": the finder under the tabs, given a few lines of room, with its field focused.
    void StartFinding();
    // A pane under the tabs (the finder, the validation list) gets at least `wanted` pixels,
    // at most half of what it shares with the tabs, taken from the tabs.
    void MakeRoomBelowTabs(QWidget* pane, int wanted);
    // The splitter between the tabs and the validation list below them.
    QSplitter* ValidationSplitter() const { return m_validationSplitter; }

    // Text of the coordinates-and-exits label for a room: " C:R   exits ".
    static QString CoordExitsText(const TRoom& room);

signals:
    void HideDetailsClicked();
    void ShowDetailsClicked();

private:
    void ShowRoom(TRoom* room);
    void UpdateShort(const TRoom* room);
    void UpdateEditorsVisible();

    TAreaDocument& m_document;
    bool m_collapsed = false;

    QWidget* m_header;
    QLineEdit* m_number;
    QLabel* m_short;
    QLabel* m_coordExits;
    QToolButton* m_hide;
    QToolButton* m_show;
    TRoomEditSite* m_site;
    QTabWidget* m_tabs;
    TMainTab* m_main;
    TItemsTab* m_items;
    TExitsTab* m_exits;
    TOtherTab* m_other;
    TScriptTab* m_script;
    TCodeTab* m_code;
    QSplitter* m_validationSplitter;
    TRoomFinder* m_finder;
    TValidationList* m_validation;
};
