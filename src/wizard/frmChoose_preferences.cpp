// The preferences page: list filters, list look and the two general preferences.
#include "wizard/frmChoose.h"

#include "platform/ColorCombo.h"
#include "platform/Dialogs.h"
#include "platform/MsgBox.h"
#include "platform/SysColors.h"
#include "shell/StarField.h"
#include "wizard/FolderChecks.h"

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int kFallbackBackColor = 25;
constexpr qint32 kPresetFontColor = 16777215; // white
const QString kPresetYear = QStringLiteral("1990");
const QString kPresetFontSize = QStringLiteral("8");
const QString kWindowsNT = QStringLiteral("Windows_NT");

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}

// Fills a choose-only list without selecting anything, as the list starts out.
void fillList(QComboBox* list, const QStringList& items)
{
    const QSignalBlocker block(list);
    list->addItems(items);
    list->setCurrentIndex(-1);
}

} // namespace

void frmChoose::buildPreferencesPage()
{
    QWidget* page = fraPreferences;
    lstHideBios = new QListWidget(page);
    lstHideBios->setObjectName(QStringLiteral("lstHideBios"));
    lstHideBios->setGeometry(10, 20, 230, 126);
    // Two entries are longer than the list is wide: they take a second line. The entries never fit
    // its height, and a scroll bar that is always there keeps the wrap inside the width it leaves.
    lstHideBios->setWordWrap(true);
    lstHideBios->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    chkBackground = makeCheck(page, "chkBackground", QStringLiteral("Use Star Field Image For Background"), {10, 150, 230, 20});
    lblBackColor = new QLabel(QStringLiteral("Back Color:"), page);
    lblBackColor->setObjectName(QStringLiteral("lblBackColor"));
    lblBackColor->setGeometry(10, 176, 68, 20);
    cboBackColor = new ColorCombo(page);
    cboBackColor->setObjectName(QStringLiteral("cboBackColor"));
    cboBackColor->setGeometry(80, 174, 160, 22);
    lblFontColor = new QLabel(QStringLiteral("Font Color:"), page);
    lblFontColor->setObjectName(QStringLiteral("lblFontColor"));
    lblFontColor->setGeometry(10, 202, 68, 20);
    cmdFontColor = new QPushButton(QStringLiteral("Choose..."), page);
    cmdFontColor->setObjectName(QStringLiteral("cmdFontColor"));
    cmdFontColor->setGeometry(80, 200, 80, 22);
    cmdFontColor->setAutoDefault(false);
    auto* lblSize = new QLabel(QStringLiteral("Font Size:"), page);
    lblSize->setGeometry(10, 228, 68, 20);
    cboSize = new QComboBox(page);
    cboSize->setObjectName(QStringLiteral("cboSize"));
    cboSize->setGeometry(80, 226, 55, 22);

    constexpr int left = 250, row = 18, first = 20, width = 392;
    const auto line = [&](int i) { return QRect(left, first + row * i, width, row); };
    chkHideClones = makeCheck(page, "chkHideClones", QStringLiteral("Hide Clone Games"), line(0));
    chkHidePrelim = makeCheck(page, "chkHidePrelim", QStringLiteral("Hide Preliminary Games"), line(1));
    chkHideVS = makeCheck(page, "chkHideVS", QStringLiteral("Hide Vs. Games"), line(2));
    chkHideYear = makeCheck(page, "chkHideYear", QStringLiteral("Hide Games Released After This Year:"),
                            QRect(left, first + row * 3, 232, row));
    cboHideYear = new QComboBox(page);
    cboHideYear->setObjectName(QStringLiteral("cboHideYear"));
    cboHideYear->setGeometry(left + 234, first + row * 3 - 1, 64, row + 2);
    cboHideYear->setAutoFillBackground(true);
    chkHideBoot = makeCheck(page, "chkHideBoot", QStringLiteral("Hide Bootleg Games"), line(4));
    chkHideTest = makeCheck(page, "chkHideTest", QStringLiteral("Hide Test Systems"), line(5));
    chkHideTest->setToolTip(QStringLiteral("This Hides Test ROMs"));
    chkHideCHD = makeCheck(page, "chkHideCHD", QStringLiteral("Hide Games Requiring Hard Disk Images (.CHD Files)"), line(6));
    chkHideImperfect = makeCheck(page, "chkHideImperfect", QStringLiteral("Hide Imperfect Games"), line(7));
    chkCloneShots = makeCheck(page, "chkCloneShots", QStringLiteral("Clone Games Use Parent Game's Screen Shot"), line(8));
    chkDisable = makeCheck(page, "chkDisable",
                           QStringLiteral("Disable Ctrl-Alt-Delete, Ctrl-Esc, && The Windows Key During Games"), line(9));

    // The preview of the lists' look: colour or star field, and the text over both.
    const QRect preview(535, 206, 105, 48); // 1575 by 720 twips
    lblListBack = new QLabel(page);
    lblListBack->setObjectName(QStringLiteral("lblListBack"));
    lblListBack->setGeometry(preview);
    lblListBack->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblListBack->setAutoFillBackground(true);
    imgStarfield = new QLabel(page);
    imgStarfield->setObjectName(QStringLiteral("imgStarfield"));
    imgStarfield->setGeometry(preview.adjusted(2, 2, -2, -2));
    imgStarfield->setPixmap(QPixmap::fromImage(StarFieldImage(QSize(101, 44))));
    imgStarfield->hide();
    lblListText = new QLabel(QStringLiteral("List Text"), page);
    lblListText->setObjectName(QStringLiteral("lblListText"));
    lblListText->setGeometry(preview);
    lblListText->setAlignment(Qt::AlignCenter);
    lblListText->setAttribute(Qt::WA_TranslucentBackground);

    connect(chkHideClones, &QCheckBox::stateChanged, this, &frmChoose::chkHideClones_Click);
    connect(chkHideYear, &QCheckBox::stateChanged, this, &frmChoose::chkHideYear_Click);
    connect(chkBackground, &QCheckBox::stateChanged, this, &frmChoose::chkBackground_Click);
    connect(cboBackColor, &QComboBox::currentIndexChanged, this, &frmChoose::cboBackColor_Click);
    connect(cboSize, &QComboBox::currentIndexChanged, this, &frmChoose::cboSize_Click);
    connect(cmdFontColor, &QPushButton::clicked, this, &frmChoose::cmdFontColor_Click);
}

void frmChoose::loadPreferences()
{
    const ListFilters& f = m_state.filters;
    for (const SystemEntry& entry : kSystemList) {
        auto* item = new QListWidgetItem(QString::fromUtf8(entry.caption), lstHideBios);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(f.*entry.flag ? Qt::Checked : Qt::Unchecked);
    }

    chkHideClones->setChecked(f.blnHideClones);
    chkCloneShots->setEnabled(!f.blnHideClones);
    chkHidePrelim->setChecked(f.blnHidePreliminary);
    chkHideVS->setChecked(f.blnHideVs);

    fillList(cboHideYear, YearList(QDate::currentDate().year()));
    const int storedYear = cboHideYear->findText(f.strHideYear);
    // A stored year the list does not offer cannot be shown; the newest year stands in for it.
    cboHideYear->setCurrentIndex(storedYear >= 0 ? storedYear : cboHideYear->count() - 1);
    chkHideYear->setChecked(f.blnHideYear);
    setHideYearLook(f.blnHideYear, SysColor::ButtonText);

    chkHideBoot->setChecked(f.blnHideBootleg);
    chkHideTest->setChecked(f.blnHideTest);
    chkHideCHD->setChecked(f.blnHideCHD);
    chkHideImperfect->setChecked(f.blnHideImperfect);
    chkCloneShots->setChecked(m_state.prefs.blnCloneShots);
    if (m_os == kWindowsNT) {
        chkDisable->setChecked(false);
        chkDisable->setEnabled(false);
    } else {
        chkDisable->setChecked(m_state.prefs.blnDisableHotKeys);
    }

    fillBackColors();
    const ListAppearance& look = m_state.appearance;
    if (look.blnUseStarfield) {
        chkBackground->setChecked(true);
        cboBackColor->setEnabled(false);
        lblBackColor->setEnabled(false);
        imgStarfield->show();
    } else {
        chkBackground->setChecked(false);
        cboBackColor->setEnabled(true);
        lblBackColor->setEnabled(true);
        // The entry shown, which is the fallback's when no entry carries the stored colour.
        setPreviewBackColor(cboBackColor->ItemData(cboBackColor->currentIndex()));
        imgStarfield->hide();
    }
    setPreviewTextColor(look.lngFontColor);

    QStringList sizes;
    for (const char* size : kFontSizes)
        sizes << QLatin1String(size);
    fillList(cboSize, sizes);
    // A stored size the list does not offer cannot be shown; the smallest stands in for it.
    cboSize->setCurrentIndex(qMax(0, cboSize->findText(look.strFontSize)));
}

void frmChoose::fillBackColors()
{
    cboBackColor->AddSysColorsAndGradients();
    if (cboBackColor->SelectValue(m_state.appearance.lngBackColor))
        return;
    MsgBox(QStringLiteral("Problem getting Back Color.  Reverting to default setting."), MsgStyle::Information,
           QStringLiteral("Preferences"));
    // Only the preview takes the fallback: the record keeps what options.ini holds until OK.
    cboBackColor->setCurrentIndex(kFallbackBackColor);
}

void frmChoose::chkHideClones_Click()
{
    if (chkHideClones->isChecked()) {
        chkCloneShots->setChecked(false);
        chkCloneShots->setEnabled(false);
    } else {
        chkCloneShots->setEnabled(true);
    }
}

void frmChoose::chkHideYear_Click() { setHideYearLook(chkHideYear->isChecked(), SysColor::WindowText); }

void frmChoose::chkBackground_Click()
{
    const bool starField = chkBackground->isChecked();
    cboBackColor->setEnabled(!starField);
    lblBackColor->setEnabled(!starField);
    if (!starField && cboBackColor->currentIndex() >= 0)
        setPreviewBackColor(cboBackColor->ItemData(cboBackColor->currentIndex()));
    imgStarfield->setVisible(starField);
}

void frmChoose::cboBackColor_Click()
{
    if (cboBackColor->currentIndex() >= 0)
        setPreviewBackColor(cboBackColor->ItemData(cboBackColor->currentIndex()));
}

void frmChoose::cboSize_Click()
{
    QFont f = lblListText->font();
    f.setPointSize(cboSize->currentText().toInt());
    lblListText->setFont(f);
}

void frmChoose::setHideYearLook(bool usable, int textColor)
{
    cboHideYear->setEnabled(usable);
    // Unused, the chosen year stays but takes the colour of its background.
    const QColor back = StoredColor(sysColorValue(usable ? SysColor::Window : SysColor::ButtonFace));
    const QColor text = usable ? StoredColor(sysColorValue(textColor)) : back;
    QPalette p = cboHideYear->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        p.setColor(role, back);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(role, text);
    cboHideYear->setPalette(p);
}

void frmChoose::setPreviewBackColor(qint32 color)
{
    m_previewBackColor = color;
    QPalette p = lblListBack->palette();
    p.setColor(QPalette::Window, StoredColor(color));
    lblListBack->setPalette(p);
}

void frmChoose::setPreviewTextColor(qint32 color)
{
    m_previewTextColor = color;
    QPalette p = lblListText->palette();
    p.setColor(QPalette::WindowText, StoredColor(color));
    lblListText->setPalette(p);
}

void frmChoose::cmdFontColor_Click()
{
    if (const std::optional<QColor> chosen = ChooseColor(this, StoredColor(m_previewTextColor)))
        setPreviewTextColor(ColorValue(*chosen));
    cmdNext->setFocus();
}

void frmChoose::cmdMyDefaults_Click()
{
    for (int i = 0; i < lstHideBios->count(); ++i) {
        const bool preset = std::find(kPresetSystems.begin(), kPresetSystems.end(), i) != kPresetSystems.end();
        lstHideBios->item(i)->setCheckState(preset ? Qt::Checked : Qt::Unchecked);
    }
    for (QCheckBox* box : {chkHideClones, chkHidePrelim, chkHideVS, chkHideYear, chkHideBoot, chkHideTest, chkHideCHD})
        box->setChecked(true);
    chkHideImperfect->setChecked(false);
    cboHideYear->setCurrentIndex(cboHideYear->findText(kPresetYear));
    if (chkDisable->isEnabled())
        chkDisable->setChecked(true);
    // The preset's colours go to the preview only, which OK takes and Cancel drops.
    cboBackColor->setCurrentIndex(kFallbackBackColor);
    setPreviewTextColor(kPresetFontColor);
    cboSize->setCurrentIndex(cboSize->findText(kPresetFontSize));
    chkBackground->setChecked(true);
    cmdNext->setFocus();
}

void frmChoose::cmdClearAll_Click()
{
    for (int i = 0; i < lstHideBios->count(); ++i)
        lstHideBios->item(i)->setCheckState(Qt::Unchecked);
    for (QCheckBox* box : {chkHideClones, chkHidePrelim, chkHideVS, chkHideYear, chkHideBoot, chkHideTest, chkHideCHD,
                           chkHideImperfect})
        box->setChecked(false);
    if (chkDisable->isEnabled())
        chkDisable->setChecked(false);
    chkBackground->setChecked(false);
    cmdNext->setFocus();
}

void frmChoose::takePreferences(AppState& chosen) const
{
    ListFilters& f = chosen.filters;
    for (size_t i = 0; i < kSystemList.size(); ++i)
        f.*kSystemList[i].flag = lstHideBios->item(int(i))->checkState() == Qt::Checked;
    f.blnHideClones = chkHideClones->isChecked();
    f.blnHidePreliminary = chkHidePrelim->isChecked();
    f.blnHideVs = chkHideVS->isChecked();
    f.blnHideYear = chkHideYear->isChecked();
    f.strHideYear = cboHideYear->currentText();
    f.blnHideBootleg = chkHideBoot->isChecked();
    f.blnHideTest = chkHideTest->isChecked();
    f.blnHideCHD = chkHideCHD->isChecked();
    f.blnHideImperfect = chkHideImperfect->isChecked();
    chosen.prefs.blnCloneShots = chkCloneShots->isChecked();
    chosen.prefs.blnDisableHotKeys = chkDisable->isChecked();
    ListAppearance& look = chosen.appearance;
    look.blnUseStarfield = chkBackground->isChecked();
    look.lngBackColor = m_previewBackColor;
    look.lngFontColor = m_previewTextColor;
    look.strFontSize = cboSize->currentText();
}
