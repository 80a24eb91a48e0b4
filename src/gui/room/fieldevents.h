#pragma once
// The moments the room editors react to, read from a control's events.
class QEvent;

// The control is left for another one: not for its own pop-up menu, nor while another
// window comes to the front (the control still holds the focus when it comes back).
bool IsLeaving(const QEvent* event);
// F5 on the way down. F5 also toggles the room details, which hides the control and takes
// its focus before the key comes up: copies into the template act here, before the menu.
bool IsF5Down(const QEvent* event);
