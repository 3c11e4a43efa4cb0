// The font of the forms: the face and size at which their fixed captions fit the design widths.
#pragma once

#include <QFont>

// Arial's metrics at 10 pixels, close to the small dialog font that the design widths were drawn
// for. Pixels, not points: the layouts are fixed in pixels, so text and controls scale together.
QFont InterfaceFont();

// Makes InterfaceFont() the application's font, inherited by every form; after QApplication.
void UseInterfaceFont();
