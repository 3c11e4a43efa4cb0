#include "shell/frmGradient.h"

#include "platform/ColorCombo.h"
#include "platform/MsgBox.h"
#include "platform/RuntimeErrorText.h"
#include "shell/IniFile.h"
#include "shell/OptionsIni.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kFallbackEntry = 4;

} // namespace

frmGradient::frmGradient(AppState& state, std::function<void()> setGradient, QWidget* parent)
    : QDialog(parent), m_state(state), m_setGradient(std::move(setGradient))
{
    setObjectName(QStringLiteral("frmGradient"));
    setWindowTitle(QStringLiteral("Zelvane"));
    setModal(true);
    setFixedSize(232, 96);

    lblCaption = new QLabel(QStringLiteral("Select Gradient Color:"), this);
    lblCaption->setGeometry(12, 10, 208, 18);
    cboSysCol = new ColorCombo(this);
    cboSysCol->setObjectName(QStringLiteral("cboSysCol"));
    cboSysCol->setGeometry(12, 30, 208, 24);
    lblCaption->setBuddy(cboSysCol);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(145, 62, 75, 25);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmGradient::cmdOK_Click);

    Form_Load();
    connect(cboSysCol, &QComboBox::currentIndexChanged, this, &frmGradient::cboSysCol_Click);
}

void frmGradient::Form_Load()
{
    cboSysCol->AddSysColorsAndGradients();
    if (cboSysCol->SelectValue(m_state.appearance.lngGradientColor))
        return;
    MsgBox(QStringLiteral("Problem getting color.  Reverting to default setting."), MsgStyle::Information,
           QStringLiteral("Zelvane"));
    cboSysCol->setCurrentIndex(kFallbackEntry);
    m_state.appearance.lngGradientColor = cboSysCol->ItemData(kFallbackEntry);
    if (m_setGradient)
        m_setGradient();
}

void frmGradient::cboSysCol_Click()
{
    m_state.appearance.lngGradientColor = cboSysCol->ItemData(cboSysCol->currentIndex());
    if (m_setGradient)
        m_setGradient();
}

void frmGradient::cmdOK_Click()
{
    WriteOptionKey(m_state.paths.strOptionsIni, m_state, "GradientColor");
    if (Status failed = SaveINI(m_state.paths.strOptionsIni))
        MsgBox(SaveFailedText(m_state.paths.strOptionsIni, *failed), MsgStyle::Critical);
    accept();
}
