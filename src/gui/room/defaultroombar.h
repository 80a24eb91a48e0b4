#pragma once
// The ten default rooms: templates whose contents every new room copies, chosen by ten
// toolbar buttons. The templates travel with the area file, not with the settings.
#include "model/room.h"

#include <QToolBar>
#include <array>

class QToolButton;

class TDefaultRoomBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int SlotCount = 10;

    explicit TDefaultRoomBar(QWidget* parent);

    // The template of the pressed button.
    TRoom& CurrentDefaultRoom() { return DefaultRoomSlots[m_current]; }
    const TRoom& CurrentDefaultRoom() const { return DefaultRoomSlots[m_current]; }
    int CurrentIndex() const { return m_current; }

    // Releases the others and presses button index (tbdf1Click).
    void tbdf1Click(int index);
    void PaintDefaultRoomGlyphs(const std::array<int32_t, 19>& colors, int cellSize);

    // After loading: copies of the file's templates (never fewer than ten slots).
    void ReplaceFrom(const TRList& rooms);
    // Before saving: copies of the ten into the area's list.
    void CopyInto(TRList& target) const;

    TRList DefaultRoomSlots;

private:
    std::array<QToolButton*, SlotCount> m_buttons{};
    int m_current = 0;
};
