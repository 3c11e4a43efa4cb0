#include "wizard/frmChoose.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    // The form has no default button: Enter in a folder box must not press one.
    button->setAutoDefault(false);
    return button;
}

QGroupBox* makePage(QWidget* parent, const char* name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(16, 16, 649, 260); // 240, 240, 9735 by 3900 twips
    // The page in front hides the one behind it.
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

bool ChooseOptions(AppState& state)
{
    frmChoose form(state);
    return form.exec() == QDialog::Accepted;
}

frmChoose::frmChoose(AppState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmChoose"));
    setWindowTitle(QStringLiteral("Options"));
    // A fixed dialog without a close button: Cancel and OK are the only ways out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(681, 336); // 10215 by 5040 twips

    fraDirectories = makePage(this, "fraDirectories", QStringLiteral("Directories"));
    fraPreferences = makePage(this, "fraPreferences", QStringLiteral("Preferences"));
    buildPreferencesPage();
    buildDirectoriesPage();
    buildButtons();
    Form_Load();
}

void frmChoose::buildButtons()
{
    constexpr int top = 293, height = 25;
    cmdMyDefaults = makeButton(this, "cmdMyDefaults", QStringLiteral("Zelvane Choices"), {16, top, 110, height});
    cmdClearAll = makeButton(this, "cmdClearAll", QStringLiteral("Clear All"), {132, top, 80, height});
    cmdBack = makeButton(this, "cmdBack", QStringLiteral("< &Back"), {341, top, 75, height});
    cmdNext = makeButton(this, "cmdNext", QStringLiteral("&Next >"), {420, top, 75, height});
    cmdOK = makeButton(this, "cmdOK", QStringLiteral("OK"), {507, top, 75, height});
    cmdCancel = makeButton(this, "cmdCancel", QStringLiteral("Cancel"), {590, top, 75, height});
    connect(cmdMyDefaults, &QPushButton::clicked, this, &frmChoose::cmdMyDefaults_Click);
    connect(cmdClearAll, &QPushButton::clicked, this, &frmChoose::cmdClearAll_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmChoose::cmdBack_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmChoose::cmdNext_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmChoose::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmChoose::cmdCancel_Click);
}

void frmChoose::Form_Load()
{
    blnFirstActivate = true;
    cmdOK->setEnabled(false);
    cmdBack->setEnabled(false);
    fraDirectories->setEnabled(false);
    m_os = qEnvironmentVariable("OS");
    for (size_t i = 0; i < kFolders.size(); ++i)
        txtFolder[i]->setText(m_state.dirs.*kFolders[i].path);
    loadPreferences();
}

bool frmChoose::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(e);
}

void frmChoose::keyPressEvent(QKeyEvent* e)
{
    // The form has no default button, but a button that has the focus takes Enter itself.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); enter && focused) {
        focused->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void frmChoose::Form_Activate()
{
    if (!blnFirstActivate)
        return;
    cmdNext->setFocus();
    blnFirstActivate = false;
}

void frmChoose::showPage(bool directories)
{
    QGroupBox* front = directories ? fraDirectories : fraPreferences;
    QGroupBox* back = directories ? fraPreferences : fraDirectories;
    front->setEnabled(true);
    back->setEnabled(false);
    front->raise();
    cmdOK->setEnabled(directories);
    cmdBack->setEnabled(directories);
    cmdNext->setEnabled(!directories);
    cmdMyDefaults->setEnabled(!directories);
    cmdClearAll->setEnabled(!directories);
}

void frmChoose::cmdNext_Click()
{
    showPage(true);
    // The first of the three folders every user needs that is still empty.
    for (const int box : {kMameBox, kROMsBox, kAddROMsBox}) {
        if (txtFolder[size_t(box)]->text().isEmpty()) {
            txtFolder[size_t(box)]->setFocus();
            return;
        }
    }
    cmdOK->setFocus();
}

void frmChoose::cmdBack_Click()
{
    showPage(false);
    cmdNext->setFocus();
}

void frmChoose::cmdCancel_Click()
{
    m_state.startup.blnOptionsCancelled = true;
    for (const FolderEntry& folder : kFolders)
        m_state.dirs.*folder.tempPath = QString();
    QDialog::done(QDialog::Rejected);
}

void frmChoose::reject() { cmdCancel_Click(); }
