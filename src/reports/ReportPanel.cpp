#include "reports/ReportPanel.h"

#include "platform/RichTextBox.h"
#include "platform/TwipsLayout.h"

#include <QPushButton>

ReportPanel::ReportPanel(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("fraVerify"));
    txtVerify = makeControl<RichTextBox>(this, "txtVerify", 160, 270, 7765, 4785);
    cmdGameList = makeButton(this, "cmdGameList", "Return To &Game List", nullptr, 180, 5180, 2100);
}
