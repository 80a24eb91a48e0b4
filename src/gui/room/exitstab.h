#pragma once
// The "Spec.Exits" tab: the room's special exits, their kinds and target rooms.
#include <QWidget>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QStringListModel;
struct TExit;
class TRoomEditSite;

class TExitsTab : public QWidget {
    Q_OBJECT
public:
    TExitsTab(TRoomEditSite& site, QWidget* parent);

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the selected exit: its target and kind, or disabled controls without one.
    void OnChangeExit();
    // The target list: every room of the area in number order.
    void FillExits();
    // The exit behind the list's selection; none when the selection has no exit.
    TExit* SelectedExit() const;
    void SelectRow(int row);
    void AddExit();
    void EditExit();
    void DeleteExit();
    void TargetChosen(int index);
    void KindClicked(int choice);
    // Every exit edit is stored data: the panel records it; the dialog marks its area. A
    // list change refills the tab from the room (withMark), a choice in the details does not.
    void ExitChanged(bool withMark);

    TRoomEditSite& m_site;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QListWidget* m_exits;
    QGroupBox* m_details;
    QComboBox* m_target;
    QStringListModel* m_targets;
    QGroupBox* m_kindBox;
    QButtonGroup* m_kind;
};
