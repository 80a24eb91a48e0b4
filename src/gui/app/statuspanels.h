#pragma once
// The eight panels of the main window's status bar, addressed by number.
#include <QString>
#include <array>

class QLabel;
class QStatusBar;

class TStatusPanels {
public:
    static constexpr int Count = 8;
    enum : int {
        CursorCell = 0,
        RoomPosition = 1,
        MapPixels = 2,
        MapUndo = 3,
        Heap = 4,
        SentenceUndo = 5,
        ItemUndo = 6,
        Clipboard = 7,
    };

    explicit TStatusPanels(QStatusBar* bar);

    void SetText(int panel, const QString& text);
    QString Text(int panel) const;
    QLabel* Panel(int panel) const { return m_labels[panel]; }

private:
    std::array<QLabel*, Count> m_labels{};
};
