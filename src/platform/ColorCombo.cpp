#include "platform/ColorCombo.h"

#include "platform/SysColors.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

#include <array>

namespace {

struct NamedColor {
    const char* name;
    int index;
};

// Grouped by what they colour; the order fixes the two fallback entries (4 and 25).
constexpr std::array<NamedColor, 27> kSysColorSet = {{
    {"Button Face", 15},
    {"Button Highlight", 20},
    {"Button Light", 22},
    {"Button Text", 18},
    {"Button Shadow", 16},
    {"Button Dark Shadow", 21},
    {"Active Title Bar", 2},
    {"Active Title Bar Text", 9},
    {"Active Border", 10},
    {"Inactive Title Bar", 3},
    {"Inactive Title Bar Text", 19},
    {"Inactive Border", 11},
    {"Application Workspace", 12},
    {"Desktop", 1},
    {"Highlight", 13},
    {"Highlighted Text", 14},
    {"Disabled Text", 17},
    {"Menu Bar", 30},
    {"Menu", 4},
    {"Menu Highlight", 29},
    {"Menu Text", 7},
    {"Scroll Bars", 0},
    {"Tool Tip Background", 24},
    {"Tool Tip Text", 23},
    {"Window Frame", 6},
    {"Window Background", 5},
    {"Window Text", 8},
}};

QIcon swatch(qint32 value, const QPalette& palette, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(StoredColor(value, palette));
    QPainter painter(&pixmap);
    painter.setPen(palette.color(QPalette::Text));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

ColorCombo::ColorCombo(QWidget* parent) : QComboBox(parent)
{
    setIconSize(QSize(18, 10));
}

void ColorCombo::AddSysColors()
{
    if (m_hasSysColors)
        return;
    m_hasSysColors = true;
    for (const NamedColor& c : kSysColorSet)
        AddColorItem(QString::fromLatin1(c.name), sysColorValue(c.index));
}

void ColorCombo::AddSysColorsAndGradients()
{
    AddSysColors();
    if (!HasGradientCaptions())
        return;
    AddColorItem(QStringLiteral("ActiveTitleBarGradient"), GetSysColor(SysColor::ActiveTitleBarGradient));
    AddColorItem(QStringLiteral("InactiveTitleBarGradient"), GetSysColor(SysColor::InactiveTitleBarGradient));
    AddColorItem(QStringLiteral("HotTracking"), GetSysColor(SysColor::HotTracking));
}

void ColorCombo::AddColorItem(const QString& name, qint32 value)
{
    const int selected = currentIndex();
    const QSignalBlocker block(this);
    addItem(swatch(value, palette(), iconSize()), name, value);
    setCurrentIndex(selected);
}

qint32 ColorCombo::ItemData(int index) const { return itemData(index).value<qint32>(); }

int ColorCombo::FindValue(qint32 value) const
{
    for (int i = 0; i < count(); ++i)
        if (ItemData(i) == value)
            return i;
    return -1;
}

bool ColorCombo::SelectValue(qint32 value)
{
    const int found = FindValue(value);
    if (found < 0)
        return false;
    setCurrentIndex(found);
    return true;
}

void ColorCombo::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    // System colours follow the scheme, as their swatches must.
    if (event->type() == QEvent::PaletteChange)
        refreshSwatches();
}

void ColorCombo::refreshSwatches()
{
    for (int i = 0; i < count(); ++i)
        setItemIcon(i, swatch(ItemData(i), palette(), iconSize()));
}
