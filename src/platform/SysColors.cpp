#include "platform/SysColors.h"

#include <QGuiApplication>

#include <array>

namespace {

struct RoleMap {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    int lighter; // percent, 100 for the role's own colour
};

constexpr RoleMap kNone{QPalette::Active, QPalette::NoRole, 100};

// Index -> palette role, chosen so that each colour keeps its Windows meaning.
constexpr std::array<RoleMap, 31> kRoles = {{
    {QPalette::Active, QPalette::Midlight, 100},          // 0 scroll bar
    {QPalette::Active, QPalette::Dark, 100},              // 1 desktop
    {QPalette::Active, QPalette::Highlight, 100},         // 2 active title bar
    {QPalette::Inactive, QPalette::Mid, 100},             // 3 inactive title bar
    {QPalette::Active, QPalette::Window, 100},            // 4 menu
    {QPalette::Active, QPalette::Base, 100},              // 5 window
    {QPalette::Active, QPalette::Shadow, 100},            // 6 window frame
    {QPalette::Active, QPalette::WindowText, 100},        // 7 menu text
    {QPalette::Active, QPalette::Text, 100},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText, 100},   // 9 title bar text
    {QPalette::Active, QPalette::Button, 100},            // 10 active border
    {QPalette::Inactive, QPalette::Button, 100},          // 11 inactive border
    {QPalette::Active, QPalette::Mid, 100},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight, 100},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText, 100},   // 14 highlighted text
    {QPalette::Active, QPalette::Button, 100},            // 15 button face
    {QPalette::Active, QPalette::Dark, 100},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text, 100},            // 17 disabled text
    {QPalette::Active, QPalette::ButtonText, 100},        // 18 button text
    {QPalette::Disabled, QPalette::WindowText, 100},      // 19 inactive title bar text
    {QPalette::Active, QPalette::Light, 100},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow, 100},            // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight, 100},          // 22 3D light
    {QPalette::Active, QPalette::ToolTipText, 100},       // 23 tool tip text
    {QPalette::Active, QPalette::ToolTipBase, 100},       // 24 tool tip background
    kNone,                                                // 25 (none)
    {QPalette::Active, QPalette::Link, 100},              // 26 hot tracking
    {QPalette::Active, QPalette::Highlight, 160},         // 27 active title bar gradient
    {QPalette::Inactive, QPalette::Mid, 130},             // 28 inactive title bar gradient
    {QPalette::Active, QPalette::Highlight, 100},         // 29 menu highlight
    {QPalette::Active, QPalette::Window, 100},            // 30 menu bar
}};

QColor sysColor(int index, const QPalette& palette)
{
    if (!SysColorKnown(index))
        return QColor(Qt::black);
    const RoleMap& m = kRoles[size_t(index)];
    const QColor c = palette.color(m.group, m.role);
    return m.lighter == 100 ? c : c.lighter(m.lighter);
}

QColor rgbColor(qint32 value)
{
    const quint32 v = quint32(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace

bool SysColorKnown(int index) { return index >= 0 && index < int(kRoles.size()) && kRoles[size_t(index)].role != QPalette::NoRole; }

qint32 GetSysColor(int index, const QPalette& palette) { return ColorValue(sysColor(index, palette)); }

qint32 GetSysColor(int index) { return GetSysColor(index, QGuiApplication::palette()); }

QColor StoredColor(qint32 value, const QPalette& palette)
{
    if (value < 0)
        return sysColor(int(quint32(value) & 0xFF), palette);
    return rgbColor(value);
}

QColor StoredColor(qint32 value) { return StoredColor(value, QGuiApplication::palette()); }

qint32 ColorValue(const QColor& color)
{
    return qint32(quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16));
}

bool HasGradientCaptions() { return true; }
