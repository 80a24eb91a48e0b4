#pragma once
// The ten default-room buttons: each chooses its template as the document's current one
// and shows a picture of it.
#include "gui/document/defaultrooms.h"

#include <QToolBar>
#include <array>
#include <cstdint>

class QToolButton;
class TAreaDocument;

class TDefaultRoomBar : public QToolBar {
    Q_OBJECT
public:
    TDefaultRoomBar(TAreaDocument& document, QWidget* parent);

    void PaintDefaultRoomGlyphs(const std::array<int32_t, 19>& colors, int cellSize);

private:
    // Presses the button of the current template and releases the others.
    void FollowCurrent();

    TAreaDocument& m_document;
    std::array<QToolButton*, TDefaultRooms::SlotCount> m_buttons{};
};
