#include "platform/OleColor.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace {

// The Windows system colour indexes 0..30 and the palette role that plays the same part here.
struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorGroup A = QPalette::Active;
constexpr QPalette::ColorGroup I = QPalette::Inactive;
constexpr QPalette::ColorGroup D = QPalette::Disabled;

constexpr std::array<SystemRole, 31> kSystemRoles = {{
    {A, QPalette::Dark},            // 0 scroll bar
    {A, QPalette::Window},          // 1 desktop
    {A, QPalette::Highlight},       // 2 active caption
    {I, QPalette::Highlight},       // 3 inactive caption
    {A, QPalette::Window},          // 4 menu
    {A, QPalette::Base},            // 5 window background
    {A, QPalette::Shadow},          // 6 window frame
    {A, QPalette::WindowText},      // 7 menu text
    {A, QPalette::Text},            // 8 window text
    {A, QPalette::HighlightedText}, // 9 caption text
    {A, QPalette::Mid},             // 10 active border
    {I, QPalette::Mid},             // 11 inactive border
    {A, QPalette::Dark},            // 12 application workspace
    {A, QPalette::Highlight},       // 13 highlight
    {A, QPalette::HighlightedText}, // 14 highlighted text
    {A, QPalette::Button},          // 15 button face
    {A, QPalette::Dark},            // 16 button shadow
    {D, QPalette::Text},            // 17 grey text
    {A, QPalette::ButtonText},      // 18 button text
    {I, QPalette::WindowText},      // 19 inactive caption text
    {A, QPalette::Light},           // 20 button highlight
    {A, QPalette::Shadow},          // 21 3-D dark shadow
    {A, QPalette::Midlight},        // 22 3-D light
    {A, QPalette::ToolTipText},     // 23 tool tip text
    {A, QPalette::ToolTipBase},     // 24 tool tip background
    {A, QPalette::Window},          // 25 (unused index)
    {A, QPalette::Link},            // 26 hot-tracked item
    {A, QPalette::Highlight},       // 27 active caption gradient
    {I, QPalette::Highlight},       // 28 inactive caption gradient
    {A, QPalette::Highlight},       // 29 menu highlight
    {A, QPalette::Window},          // 30 menu bar
}};

} // namespace

QColor OleColor(qint32 value)
{
    if (value >= 0)
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    const quint32 index = quint32(value) & 0xFF;
    const SystemRole r = index < kSystemRoles.size() ? kSystemRoles[index] : SystemRole{A, QPalette::Window};
    return QGuiApplication::palette().color(r.group, r.role);
}
