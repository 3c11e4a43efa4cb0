#include "options/OptionPanel.h"

#include "options/OptionRules.h"
#include "platform/MsgBox.h"
#include "platform/TwipsLayout.h"
#include "shell/ProgramEnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

struct FrameDef {
    const char* caption;
    int top;
    int height;
};

// All at left 120, 7215 wide, stacked in this order inside picBox1.
constexpr FrameDef kFrames[18] = {
    {"# Configuration Options #", 120, 735},
    {"# Miscellaneous Options  #", 1200, 735},
    {"# State/Playback Options  #", 2280, 735},
    {"# Performance Options #", 3360, 1260},
    {"# Video Options #", 4965, 1575},
    {"# DirectDraw-Specific Options #", 6885, 735},
    {"# Direct3D-Specific Options #", 7965, 735},
    {"# Video Rotation Options #", 9045, 735},
    {"# Per-Window Video Options #", 10125, 735},
    {"# Full Screen Options #", 11205, 1180},
    {"# Game Screen Options #", 12735, 735},
    {"# Vector Rendering Options #", 13815, 735},
    {"# Artwork Options #", 14895, 1095},
    {"# Sound Options #", 16335, 1180},
    {"# Input Device Options #", 17850, 1575},
    {"# Automatic Device Selection Options #", 19770, 1235},
    {"# Output Device Options #", 21360, 735},
    {"# Zelvane-Specific Options #", 22440, 735},
};

// Rows inside a frame, under its caption.
constexpr int rowTop(int row) { return 240 + row * 300; }

// Where a control stands in its frame; a combo box has its caption label at its left.
struct Place {
    const char* control;
    int frame;
    int left;
    int top;
    int width;
    int label = -1; // index in lblCombo
    const char* caption = nullptr;
    int labelLeft = 0;
};

// Check boxes in three columns, combo boxes in two, unless a frame needs its own.
constexpr Place chk(const char* control, int frame, int row, int column)
{
    return {control, frame, 240 + column * 2400, rowTop(row), 2200};
}
constexpr Place cbo(const char* control, int frame, int row, int column, int label, const char* caption)
{
    return column == 0 ? Place{control, frame, 2130, rowTop(row), 1320, label, caption, 240}
                       : Place{control, frame, 5490, rowTop(row), 1500, label, caption, 3600};
}
constexpr Place at(const char* control, int frame, int labelLeft, int left, int width, int label, const char* caption)
{
    return {control, frame, left, rowTop(0), width, label, caption, labelLeft};
}

constexpr Place kPlaces[] = {
    chk("chkSkipG", 0, 0, 0),
    chk("chkCheat", 1, 0, 0),
    at("cboBios", 1, 2640, 3240, 3740, 11, "Bios:"),
    chk("chkAutosave", 2, 0, 0),
    chk("chkThrottle", 3, 0, 0), chk("chkSleep", 3, 0, 1), chk("chkRDTSC", 3, 0, 2),
    cbo("cboFrameSkip", 3, 1, 0, 0, "Frame Skip:"), cbo("cboPriority", 3, 1, 1, 1, "Priority:"),
    chk("chkWindow", 4, 0, 0), chk("chkMaximize", 4, 0, 1), chk("chkKeepAspect", 4, 0, 2),
    chk("chkWaitVSync", 4, 1, 0), chk("chkSyncRefresh", 4, 1, 1),
    cbo("cboVideo", 4, 2, 0, 2, "Video:"), cbo("cboPrescale", 4, 2, 1, 3, "Prescale:"),
    cbo("cboEffect", 4, 3, 0, 4, "Effect:"),
    chk("chkHwStretch", 5, 0, 0),
    chk("chkFilter", 6, 0, 0),
    {"chkRotate", 7, 240, rowTop(0), 1400},
    at("cboRoll", 7, 1700, 2300, 1800, 5, "Roll:"), at("cboFlip", 7, 4300, 4900, 1800, 6, "Flip:"),
    at("cboResolution", 8, 240, 1320, 1500, 7, "Resolution:"),
    chk("chkTripleBuffer", 9, 0, 0), chk("chkSwitchRes", 9, 0, 1),
    cbo("cboFullScreenBrightness", 9, 1, 0, 19, "Full Screen Brightness:"),
    cbo("cboFullScreenContrast", 9, 1, 1, 20, "Full Screen Contrast:"),
    cbo("cboFullScreenGamma", 9, 2, 0, 9, "Full Screen Gamma:"),
    at("cboBrightness", 10, 240, 1280, 1100, 8, "Brightness:"), at("cboContrast", 10, 2540, 3580, 1100, 10, "Contrast:"),
    at("cboGamma", 10, 4840, 5880, 1100, 12, "Gamma:"),
    {"chkAntialias", 11, 240, rowTop(0), 1400},
    at("cboBeam", 11, 1700, 2400, 1300, 22, "Beam:"), at("cboFlicker", 11, 3900, 4700, 1300, 23, "Flicker:"),
    chk("chkArtwork", 12, 0, 0), chk("chkCrop", 12, 0, 1), chk("chkBackdrops", 12, 0, 2),
    chk("chkOverlays", 12, 1, 0), chk("chkBezels", 12, 1, 1),
    chk("chkSound", 13, 0, 0), chk("chkSamples", 13, 0, 1),
    cbo("cboSampleRate", 13, 1, 0, 24, "Sample Rate:"), cbo("cboVolume", 13, 1, 1, 26, "Volume:"),
    cbo("cboAudioLat", 13, 2, 0, 25, "Audio Latency:"),
    chk("chkMouse", 14, 0, 0), chk("chkJoystick", 14, 0, 1), chk("chkLightgun", 14, 0, 2),
    chk("chkDualLightgun", 14, 1, 0), chk("chkOffReload", 14, 1, 1), chk("chkSteadyKey", 14, 1, 2),
    cbo("cboController", 14, 2, 0, 27, "Controller:"), cbo("cboDeadzone", 14, 2, 1, 28, "A2d Deadzone:"),
    cbo("cboPaddleDev", 15, 0, 0, 29, "Paddle:"), cbo("cboAdstickDev", 15, 0, 1, 30, "Adstick:"),
    cbo("cboPedalDev", 15, 1, 0, 31, "Pedal:"), cbo("cboDialDev", 15, 1, 1, 32, "Dial:"),
    cbo("cboTrackballDev", 15, 2, 0, 33, "Trackball:"), cbo("cboLightgunDev", 15, 2, 1, 34, "Lightgun:"),
    chk("chkKeyLeds", 16, 0, 0),
    cbo("cboLEDMode", 16, 0, 1, 35, "LED Mode:"),
};

// A settings file may gray a box; a click ticks or unticks it as a two-state box, a grayed one
// ticked first, as a Windows check box does.
class OptionCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override
    {
        const bool tick = checkState() != Qt::Checked;
        setTristate(false);
        setCheckState(tick ? Qt::Checked : Qt::Unchecked);
    }
};

// The options whose change re-applies the rules.
constexpr const char* kRuleControls[] = {"cboVideo",   "cboResolution", "chkWindow",   "chkSound",   "chkSamples",
                                         "chkArtwork", "chkLightgun",   "chkKeyLeds", "chkJoystick"};

// A box's value as the settings files store it: 0 unticked, 1 ticked, 2 grayed.
int checkValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Unchecked:
        break;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

Qt::CheckState checkState(int value)
{
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

} // namespace

OptionPanel::OptionPanel(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("fraDefaults"));
    picDefaults = makeControl<QFrame>(this, "picDefaults", 180, 270, 7705, 4750);
    picBox1 = makeControl<QFrame>(picDefaults, "picBox1", 0, 0, 7450, 23330);
    VScroll0 = makeControl<QScrollBar>(picDefaults, "VScroll0", 7450, 0, 255, 4700, Qt::Vertical);
    cmdOK = makeButton(this, "cmdOK", "&OK", nullptr, 180, 5180, 1500);
    cmdRestore = makeButton(this, "cmdRestore", "R&estore M.A.M.E. Defaults", nullptr, 2640, 5180, 2800);
    cmdCancel = makeButton(this, "cmdCancel", "&Cancel", nullptr, 5520, 5180, 1500);
    createControls();
    ConnectContentScroll(VScroll0, picBox1);

    for (const char* name : kRuleControls) {
        if (auto* box = qobject_cast<QComboBox*>(named(name)))
            connect(box, &QComboBox::currentIndexChanged, this, &OptionPanel::SetFrames);
        else
            connect(check(name), &QCheckBox::stateChanged, this, &OptionPanel::SetFrames);
    }
}

void OptionPanel::createControls()
{
    for (size_t i = 0; i < frame.size(); ++i) {
        const QString name = QStringLiteral("frame%1").arg(i);
        frame[i] = makeControl<QGroupBox>(picBox1, name.toLatin1().constData(), 120, kFrames[i].top, 7215,
                                          kFrames[i].height);
        frame[i]->setTitle(QString::fromLatin1(kFrames[i].caption));
        m_byName.insert(name, frame[i]);
    }
    for (const Place& p : kPlaces) {
        const int row = findOptionRow(p.control);
        QGroupBox* parent = frame[static_cast<size_t>(p.frame)];
        QWidget* w = nullptr;
        if (p.label < 0) {
            auto* box = makeControl<OptionCheckBox>(parent, p.control, p.left, p.top, p.width, 255,
                                               QString::fromLatin1(kOptionCatalogue[static_cast<size_t>(row)].label));
            w = box;
        } else {
            const QString labelName = QStringLiteral("lblCombo%1").arg(p.label);
            QLabel* label = makeControl<QLabel>(parent, labelName.toLatin1().constData(), p.labelLeft, p.top,
                                                p.left - p.labelLeft - 60, 285, QString::fromLatin1(p.caption));
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            lblCombo[static_cast<size_t>(p.label)] = label;
            m_byName.insert(labelName, label);
            w = makeControl<QComboBox>(parent, p.control, p.left, p.top - 15, p.width, 300);
            label->setBuddy(w);
        }
        m_controls[static_cast<size_t>(row)] = w;
        m_byName.insert(QLatin1String(p.control), w);
    }

    Label1 = makeControl<QLabel>(frame[8], "Label1", 3000, 180, 4095, 480,
                                 QStringLiteral("This is for your main screen.  Use the Other Commands textbox below "
                                                "for additional settings and screens."));
    Label1->setWordWrap(true);
    lblOtherCommands = makeControl<QLabel>(frame[17], "lblOtherCommands", 240, rowTop(0), 1300, 285,
                                           QStringLiteral("Other Commands:"));
    lblOtherCommands->setToolTip(QStringLiteral("Here You Can Add M.A.M.E. Options That Are Not In Zelvane Such As "
                                                "-numscreens, -digital, Or Others"));
    txtOtherCommands = makeControl<QLineEdit>(frame[17], "txtOtherCommands", 1560, rowTop(0) - 15, 5400, 300);
    lblOtherCommands->setBuddy(txtOtherCommands);
    m_controls[kOtherCommandsRow] = txtOtherCommands;
}

QWidget* OptionPanel::named(const char* name) const { return m_byName.value(QLatin1String(name)); }
QCheckBox* OptionPanel::check(const char* name) const { return qobject_cast<QCheckBox*>(named(name)); }
QComboBox* OptionPanel::combo(const char* name) const { return qobject_cast<QComboBox*>(named(name)); }

void OptionPanel::DefineCombos(const OptionLists& lists)
{
    m_lists = lists;
    for (size_t row = 0; row < kOptionCatalogue.size(); ++row)
        if (auto* box = qobject_cast<QComboBox*>(m_controls[row]))
            box->addItems(lists[row]);
}

void OptionPanel::setKind(SettingsKind kind)
{
    static constexpr const char* kCaptions[] = {"Raster Settings", "Vector Settings", "Custom Settings"};
    m_kind = kind;
    setTitle(QLatin1String(kCaptions[static_cast<int>(kind)]));
}

SettingsValues OptionPanel::values() const
{
    SettingsValues values;
    for (size_t row = 0; row < values.size(); ++row) {
        QWidget* w = m_controls[row];
        if (auto* box = qobject_cast<QCheckBox*>(w))
            values[row] = QString::number(checkValue(box));
        else if (auto* list = qobject_cast<QComboBox*>(w))
            values[row] = list->currentText();
        else
            values[row] = txtOtherCommands->text();
    }
    return values;
}

void OptionPanel::setValue(int row, const QString& value)
{
    QWidget* w = control(row);
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        const Qt::CheckState state = checkState(value.toInt());
        box->setCheckState(state);
        // A grayed box stays grayed until clicked; a click never grays one.
        box->setTristate(state == Qt::PartiallyChecked);
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        list->setCurrentIndex(list->findText(value));
    } else {
        txtOtherCommands->setText(value);
    }
}

void OptionPanel::setValues(const SettingsValues& values)
{
    for (int row = 0; row < kOptionCount; ++row)
        setValue(row, values[static_cast<size_t>(row)]);
}

Status OptionPanel::SaveControls(const QString& file) const { return SaveSettings(file, values()); }

bool OptionPanel::CheckDefaults() const { return AtDefaults(values(), m_layout); }

void OptionPanel::SetDefaults()
{
    const SettingsValues defaults = DefaultSettings(m_layout);
    for (size_t row = 0; row < kOptionCatalogue.size(); ++row) {
        if (auto* list = qobject_cast<QComboBox*>(m_controls[row]); list && list->findText(defaults[row]) < 0)
            FatalError(QStringLiteral("Error In SetDefaults: Invalid property value\rControl: %1")
                           .arg(QLatin1String(kOptionCatalogue[row].control)));
        setValue(static_cast<int>(row), defaults[row]);
    }
    SetFrames();
}

void OptionPanel::SetFrames()
{
    RuleInputs in;
    in.video = combo("cboVideo")->currentText();
    in.resolution = combo("cboResolution")->currentText();
    in.window = checkValue(check("chkWindow"));
    in.sound = checkValue(check("chkSound"));
    in.samples = checkValue(check("chkSamples"));
    in.artwork = checkValue(check("chkArtwork"));
    in.lightgun = checkValue(check("chkLightgun"));
    in.keyLeds = checkValue(check("chkKeyLeds"));
    in.joystick = checkValue(check("chkJoystick"));
    const RuleEffects effects = SetFramesEffects(in);
    for (const EnableChange& change : effects.changes)
        named(change.control)->setEnabled(change.enabled);
    if (effects.tickSwitchRes)
        check("chkSwitchRes")->setCheckState(Qt::Checked);
}

void OptionPanel::LoadControls(const QString& file)
{
    const LoadedSettings loaded = ReadSettings(file, m_lists);
    auto refused = loaded.refusedRows.begin();
    for (int row = 0; row < kOptionCount; ++row) {
        if (refused != loaded.refusedRows.end() && *refused == row) {
            MsgBox(LoadErrorText(row), MsgStyle::Exclamation, title());
            ++refused;
        }
        setValue(row, loaded.values[static_cast<size_t>(row)]);
    }
}

void OptionPanel::enableVectorControls(bool vector)
{
    for (QWidget* w : std::initializer_list<QWidget*>{frame[11], lblCombo[22], combo("cboBeam"), lblCombo[23],
                                                       combo("cboFlicker"), check("chkAntialias")})
        w->setEnabled(vector);
    lblCombo[11]->setEnabled(!vector);
    combo("cboBios")->setEnabled(!vector);
}

void OptionPanel::scrollSetUp() { setUpContentScroll(VScroll0, picBox1, picDefaults); }

void OptionPanel::scrollContent() { ::scrollContent(VScroll0, picBox1, picDefaults); }
