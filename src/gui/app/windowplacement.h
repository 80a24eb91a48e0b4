#pragma once
// Where the main window goes at start: the stored place, moved and shrunk until the whole
// window lies on one screen, so a hand-edited or stale size never puts it out of reach.
#include <QList>
#include <QRect>

// `outer` is the stored window with its frame; `available` the screens' usable areas
// (the first one is primary). The screen the window overlaps most is kept, else the primary.
// Empty `available` leaves the window as stored.
QRect PlaceOnScreens(const QRect& outer, const QList<QRect>& available);
