#pragma once

class QMdiArea;
class QMdiSubWindow;

namespace shell {

// The "  Окно" commands on the child windows of the main window's multi-document area. With no
// child windows each of them does nothing.

// Gives a new child the default place of a new child window: successive children cascade from
// the top left corner, one title bar further each, starting again at the corner after about a
// third of the area's height; all of the same size, filling the rest of the area.
void placeNewWindow(QMdiArea *area, QMdiSubWindow *window);

// Cascades the children as desktops do: in their z-order with the active one on top, each one
// title bar below and right of the one under it, all of one size and large enough to read
// (minimised ones stay minimised).
void cascadeWindows(QMdiArea *area);

// Tiles the children horizontally: each as wide as the area, one above another, with equal
// heights, the active one on top. Minimised and maximised children are shown normal first.
void tileWindowsHorizontally(QMdiArea *area);

// Activates the next / previous child in the window order.
void activateNextWindow(QMdiArea *area);
void activatePreviousWindow(QMdiArea *area);

} // namespace shell
