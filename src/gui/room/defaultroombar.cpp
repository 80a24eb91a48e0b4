#include "gui/room/defaultroombar.h"

#include "gui/room/defaultroomglyph.h"

#include <QBitmap>
#include <QPixmap>
#include <QToolButton>

TDefaultRoomBar::TDefaultRoomBar(QWidget* parent) : QToolBar(QStringLiteral("Default rooms"), parent)
{
    setObjectName(QStringLiteral("tbDefaultRooms"));
    setToolTip(QStringLiteral("Default rooms"));
    setIconSize(QSize(DefaultRoomGlyphWidth, DefaultRoomGlyphHeight));
    for (int i = 0; i < SlotCount; ++i) {
        DefaultRoomSlots.Add(std::make_unique<TRoom>());
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("tbdf%1").arg(i + 1));
        button->setCheckable(true);
        button->setToolTip(QStringLiteral("Default room %1").arg(i + 1));
        connect(button, &QToolButton::clicked, this, [this, i] { tbdf1Click(i); });
        addWidget(button);
        if (i < SlotCount - 1)
            addSeparator();
        m_buttons[i] = button;
    }
    tbdf1Click(0);
}

void TDefaultRoomBar::tbdf1Click(int index)
{
    for (int i = 0; i < SlotCount; ++i)
        m_buttons[i]->setChecked(i == index);
    m_current = index;
}

void TDefaultRoomBar::PaintDefaultRoomGlyphs(const std::array<int32_t, 19>& colors, int cellSize)
{
    // The info-background colour is the pictures' transparent colour.
    const QColor transparent(0xFF, 0xFF, 0xE1);
    for (int i = 0; i < SlotCount; ++i) {
        QPixmap pix = QPixmap::fromImage(DefaultRoomGlyph(DefaultRoomSlots[i], colors, cellSize));
        pix.setMask(pix.createMaskFromColor(transparent));
        m_buttons[i]->setIcon(QIcon(pix));
    }
}

void TDefaultRoomBar::ReplaceFrom(const TRList& rooms)
{
    DefaultRoomSlots.Clear();
    DefaultRoomSlots.AddCopies(rooms);
    while (DefaultRoomSlots.Count() < SlotCount)
        DefaultRoomSlots.Add(std::make_unique<TRoom>());
    m_current = 0;
}

void TDefaultRoomBar::CopyInto(TRList& target) const
{
    target.Clear();
    target.AddCopies(DefaultRoomSlots);
}
