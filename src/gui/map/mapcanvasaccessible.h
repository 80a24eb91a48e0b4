#pragma once
// The map canvas as a screen reader sees it: a canvas whose one child is the active cell,
// named by what stands on it. Each cell has its own interface, so that a step moves the
// focus to a new object and is spoken.
#include <QAccessibleWidget>
#include <QPointer>
#include <map>
#include <utility>

#include "model/types.h"

class TMapCanvas;

class TMapCanvasAccessible : public QAccessibleWidget {
public:
    explicit TMapCanvasAccessible(TMapCanvas* canvas);
    ~TMapCanvasAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Registers the factory once; the canvas calls it.
    static void Install();

private:
    TMapCanvas* Canvas() const;

    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};

// One cell of the map: its name is the cell announcement, its description the map's mode.
class TMapCellAccessible : public QAccessibleInterface {
public:
    TMapCellAccessible(TMapCanvas* canvas, TGridPoint cell) : m_canvas(canvas), m_cell(cell) {}

    bool isValid() const override { return !m_canvas.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;

private:
    QPointer<TMapCanvas> m_canvas;
    TGridPoint m_cell;
};
