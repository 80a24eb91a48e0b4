#pragma once
// The "Script" tab: the room's own export script in a code editor.
#include "model/types.h"

#include <QWidget>

class QAction;
class QMenu;
class QPushButton;
class QStackedLayout;
class QsciScintilla;
class TRoomEditSite;

class TScriptTab : public QWidget {
    Q_OBJECT
public:
    TScriptTab(TRoomEditSite& site, QWidget* parent);

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();

    QsciScintilla* Editor() const { return m_editor; }
    // The editor's pop-up menu: "Disable script", "Default script".
    QMenu* PopupMenu() const { return m_popup; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EnableScript();
    void DisableScript();
    void DefaultScript();
    // The room's script becomes the editor's lines, recorded as an edit when they differ.
    void RecordScript();
    // The editor shows lines without counting as typing.
    void ShowLines(const TStrings& lines);
    // Shows the editor while the room's script is enabled, else the "Enable script" button.
    void ShowEditor(bool enabled);

    TRoomEditSite& m_site;
    QStackedLayout* m_pages;
    QsciScintilla* m_editor;
    QWidget* m_enablePage;
    QPushButton* m_enable;
    QMenu* m_popup;
    QAction* m_disable;
    QAction* m_default;
};
