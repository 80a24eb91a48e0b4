#pragma once
// The eight panels of the main window's status bar, addressed by number. The hint of the
// control under the pointer shows in the last panel, over its notice, and never hides the
// others.
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
    // The panel's own text, whatever a hint covers.
    QString Text(int panel) const;
    // An empty hint gives the last panel back its notice.
    void ShowHint(const QString& hint);
    QLabel* Panel(int panel) const { return m_labels[panel]; }

private:
    void ShowLast();
    void Show(int panel, const QString& text);

    std::array<QLabel*, Count> m_labels{};
    std::array<QString, Count> m_texts{};
    std::array<QString, Count> m_names{};
    QString m_hint;
};
