// Puts a form on the screen, painted, before a job that lets no events run.
#pragma once

class QWidget;

// Waits until the window of `widget` is exposed (a new window on X11 is drawn only after its
// expose event), runs the pending paint and expose events, then paints `widget` at once. User
// input, timers and sockets wait for the job's end.
void PaintNow(QWidget& widget);
