#include "gui/room/defaultroombar.h"

#include "gui/document/areadocument.h"
#include "gui/room/defaultroomglyph.h"

#include <QBitmap>
#include <QPixmap>
#include <QToolButton>

TDefaultRoomBar::TDefaultRoomBar(TAreaDocument& document, QWidget* parent)
    : QToolBar(QStringLiteral("Default rooms"), parent), m_document(document)
{
    setObjectName(QStringLiteral("tbDefaultRooms"));
    setToolTip(QStringLiteral("Default rooms"));
    setIconSize(QSize(DefaultRoomGlyphWidth, DefaultRoomGlyphHeight));
    for (int i = 0; i < TDefaultRooms::SlotCount; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("tbdf%1").arg(i + 1));
        button->setCheckable(true);
        button->setToolTip(QStringLiteral("Default room %1").arg(i + 1));
        button->setAccessibleName(button->toolTip());
        button->setAccessibleDescription(QStringLiteral("New rooms are built from this default room"));
        connect(button, &QToolButton::clicked, this, [this, i] { m_document.SelectTemplate(i); });
        addWidget(button);
        if (i < TDefaultRooms::SlotCount - 1)
            addSeparator();
        m_buttons[i] = button;
    }
    connect(&m_document, &TAreaDocument::TemplatesChanged, this, &TDefaultRoomBar::FollowCurrent);
    FollowCurrent();
}

void TDefaultRoomBar::FollowCurrent()
{
    const int current = m_document.Templates().CurrentIndex();
    for (int i = 0; i < TDefaultRooms::SlotCount; ++i)
        m_buttons[i]->setChecked(i == current);
}

void TDefaultRoomBar::PaintDefaultRoomGlyphs(const std::array<int32_t, 19>& colors, int cellSize)
{
    // The info-background colour is the pictures' transparent colour.
    const QColor transparent(0xFF, 0xFF, 0xE1);
    const TRList& templates = m_document.Templates().DefaultRoomSlots;
    for (int i = 0; i < TDefaultRooms::SlotCount; ++i) {
        QPixmap pix = QPixmap::fromImage(DefaultRoomGlyph(templates[i], colors, cellSize));
        pix.setMask(pix.createMaskFromColor(transparent));
        m_buttons[i]->setIcon(QIcon(pix));
    }
}
