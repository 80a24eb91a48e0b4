#pragma once
// A colour picker of the options: a swatch of an area colour (a Windows COLORREF; -1 is no
// colour) that asks for another colour when clicked.
#include <QToolButton>

#include <cstdint>
#include <functional>

class TColourButton : public QToolButton {
    Q_OBJECT
public:
    // Asks for a colour starting from the given one; an invalid colour means cancelled.
    using TPick = std::function<QColor(QWidget* parent, const QColor& initial)>;

    TColourButton(const QString& name, const TPick& pick, QWidget* parent);

    int32_t Value() const { return m_value; }
    void SetValue(int32_t colorRef);

private:
    void Choose();

    const TPick& m_pick;
    int32_t m_value = -1;
};
