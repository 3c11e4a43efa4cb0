#include "platform/InterfaceFont.h"

#include <QGuiApplication>

QFont InterfaceFont()
{
    // scripts/setup installs Liberation Sans; Arial, where it is missing, has the same widths.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(10);
    return font;
}

void UseInterfaceFont() { QGuiApplication::setFont(InterfaceFont()); }
