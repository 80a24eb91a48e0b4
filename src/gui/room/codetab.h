#pragma once
// The "Code" tab: the file the export would write for the active room, read-only, in the
// fixed layout or by script as chosen on the tab. It follows the room while it is on screen.
#include "export/exportrun.h"

#include <QTimer>
#include <QWidget>

class QRadioButton;
class QsciScintilla;
class TRoomEditSite;

class TCodeTab : public QWidget {
    Q_OBJECT
public:
    TCodeTab(TRoomEditSite& site, QWidget* parent);

    // The form shown; the fixed layout at first.
    TExportLayout Layout() const;
    void SetLayout(TExportLayout layout);
    QsciScintilla* Preview() const { return m_preview; }
    // Asks for a fresh preview; it is built shortly after, and only while the tab is seen.
    void ScheduleRefresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    TRoomEditSite& m_site;
    QRadioButton* m_fixed;
    QRadioButton* m_script;
    QsciScintilla* m_preview;
    // Edits come in bursts (a mark per field left, undo steps): one preview per burst.
    QTimer m_refreshTimer;
};
