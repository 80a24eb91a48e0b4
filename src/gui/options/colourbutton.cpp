#include "gui/options/colourbutton.h"

#include "render/mapcolors.h"

#include <QPainter>
#include <QPixmap>

TColourButton::TColourButton(const QString& name, const TPick& pick, QWidget* parent)
    : QToolButton(parent), m_pick(pick)
{
    setObjectName(QStringLiteral("cc") + name);
    setAccessibleName(name);
    setAccessibleDescription(QStringLiteral("Map colour of %1; opens the colour choice").arg(name));
    setIconSize(QSize(48, 14));
    connect(this, &QToolButton::clicked, this, &TColourButton::Choose);
    SetValue(m_value);
}

void TColourButton::SetValue(int32_t colorRef)
{
    m_value = colorRef;
    QPixmap swatch(iconSize());
    swatch.fill(Qt::white);
    QPainter painter(&swatch);
    if (colorRef == NoColorRef)
        painter.fillRect(swatch.rect(), QBrush(Qt::black, Qt::BDiagPattern));
    else
        painter.fillRect(swatch.rect(), FromColorRef(colorRef));
    painter.setPen(Qt::black);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(swatch);
}

void TColourButton::Choose()
{
    const QColor chosen = m_pick(this, m_value == NoColorRef ? QColor(Qt::white) : FromColorRef(m_value));
    if (chosen.isValid())
        SetValue(ToColorRef(chosen));
}
