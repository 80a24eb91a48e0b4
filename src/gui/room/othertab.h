#pragma once
// The "Other" tab: the day, night and ambient light levels.
#include <QWidget>

#include <array>

class QSpinBox;
class TRoomEditSite;

class TOtherTab : public QWidget {
    Q_OBJECT
public:
    TOtherTab(TRoomEditSite& site, QWidget* parent);

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Field index 0 day, 1 night, 2 ambient.
    void LightChange(int index);
    void LightExit(int index);
    void LightF5(int index);

    TRoomEditSite& m_site;
    std::array<QSpinBox*, 3> m_lights{};
    // Typed into since the room was shown: a level the field cannot show (-9999, unused)
    // is kept when the field is only passed through.
    std::array<bool, 3> m_edited{};
};
