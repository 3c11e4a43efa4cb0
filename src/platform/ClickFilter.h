// Click events for widgets that have none of their own (labels, pictures).
#pragma once

#include <functional>

class QWidget;

// Calls `handler` when the left mouse button is released over `widget` after being pressed on it,
// as a click on a label is told apart from a drag that leaves it.
void ConnectClick(QWidget* widget, std::function<void()> handler);
