// The process entry point.
#include "app/modSubMain.h"
#include "platform/InterfaceFont.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvane"));
    UseInterfaceFont();
    Program program;
    Main(program);
    return app.exec();
}
