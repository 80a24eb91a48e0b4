#pragma once
// The marker colour of the panel's fields: a field whose value equals the current template's
// is painted in the hint background, otherwise in its usual colour.
class QWidget;

// An edit or spin field: its text background.
void PaintFieldMarker(QWidget& field, bool same);
// A check box: its background, button face when not the same.
void PaintBoxMarker(QWidget& box, bool same);
