#include "platform/VisualStyles.h"

#include <QApplication>
#include <QStringList>
#include <QStyleFactory>

namespace {

bool useStyle(const QString& name)
{
    const QStringList available = QStyleFactory::keys();
    if (!available.contains(name, Qt::CaseInsensitive))
        return false;
    return QApplication::setStyle(name) != nullptr;
}

} // namespace

bool InitCommonControlClasses()
{
    // The native themed style where the platform has one; Fusion everywhere else.
    for (const char* name : {"windowsvista", "macos", "Fusion"})
        if (useStyle(QString::fromLatin1(name)))
            return true;
    return false;
}

void UseClassicControls() { useStyle(QStringLiteral("Windows")); }
