#include "gui/app/statuspanels.h"

#include <QLabel>
#include <QStatusBar>

namespace {
const char* const kNames[TStatusPanels::Count] = {
    "Cursor cell", "Room position", "Map size in pixels", "Map undo",
    "Memory in use", "Sentence database undo", "Item database undo", "Notice",
};
} // namespace

TStatusPanels::TStatusPanels(QStatusBar* bar)
{
    static const int widths[Count] = {50, 50, 80, 50, 100, 50, 50, 50};
    static const char* const hints[Count] = {
        "Debug: cursor pos in grid",
        "Debug: Room position in map",
        "Debug: Pixels in map",
        "Debug: Map undo: position/total positions",
        "Debug: Total heap allocated",
        "Debug: Sentence DB undo: position/total positions",
        "Debug: Item DB undo: position/total positions",
        nullptr,
    };
    for (int i = 0; i < Count; ++i)
        m_names[i] = QString::fromLatin1(kNames[i]);
    for (int i = 0; i < Count; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFixedWidth(widths[i]);
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setAlignment((i == RoomPosition ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        if (hints[i])
            label->setToolTip(QString::fromLatin1(hints[i]));
        label->setAccessibleDescription(hints[i] ? QString::fromLatin1(hints[i])
                                                 : QStringLiteral("Notices and hints of the editor"));
        label->setAccessibleName(m_names[i]);
        // The last panel takes what is left, like a status line.
        if (i == Count - 1) {
            label->setMinimumWidth(widths[i]);
            label->setMaximumWidth(QWIDGETSIZE_MAX);
            bar->addWidget(label, 1);
        } else {
            bar->addWidget(label);
        }
        m_labels[i] = label;
    }
}

void TStatusPanels::SetText(int panel, const QString& text)
{
    m_texts[panel] = text;
    if (panel == Count - 1)
        ShowLast();
    else
        Show(panel, text);
}

void TStatusPanels::Show(int panel, const QString& text)
{
    m_labels[panel]->setText(text);
    // Named by what it shows, then the value, so that a screen reader says both.
    m_labels[panel]->setAccessibleName(text.isEmpty() ? m_names[panel] : m_names[panel] + QStringLiteral(": ") + text);
}

QString TStatusPanels::Text(int panel) const
{
    return m_texts[panel];
}

void TStatusPanels::ShowHint(const QString& hint)
{
    m_hint = hint;
    ShowLast();
}

void TStatusPanels::ShowLast()
{
    Show(Count - 1, m_hint.isEmpty() ? m_texts[Count - 1] : m_hint);
}
