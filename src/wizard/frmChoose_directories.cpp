// The directories page: sixteen folder boxes with their browse buttons and the folder checks.
#include "wizard/frmChoose.h"

#include "platform/Dialogs.h"
#include "platform/MsgBox.h"
#include "wizard/FolderChecks.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const QString kDirectories = QStringLiteral("Directories");

} // namespace

void frmChoose::buildDirectoriesPage()
{
    // Eight rows of two cells (label, box, "..."), filled row by row in table order.
    constexpr int top = 22, rowHeight = 29, cellWidth = 318, labelWidth = 102, boxWidth = 176, buttonWidth = 26;
    QWidget* previous = nullptr;
    for (size_t i = 0; i < kFolders.size(); ++i) {
        const FolderBox& row = kFolders[i].wizard;
        const int x = 10 + int(i % 2) * (cellWidth + 5);
        const int y = top + int(i / 2) * rowHeight;
        auto* label = new QLabel(QString::fromLatin1(row.label), fraDirectories);
        label->setGeometry(x, y, labelWidth, 22);
        if (row.toolTip)
            label->setToolTip(QString::fromLatin1(row.toolTip));
        auto* box = new QLineEdit(fraDirectories);
        box->setObjectName(QLatin1String(row.box));
        box->setGeometry(x + labelWidth, y, boxWidth, 22);
        label->setBuddy(box);
        auto* button = new QPushButton(QStringLiteral("..."), fraDirectories);
        button->setObjectName(QLatin1String(row.button));
        button->setGeometry(x + labelWidth + boxWidth + 4, y, buttonWidth, 22);
        button->setAutoDefault(false);
        txtFolder[i] = box;
        cmdSelect[i] = button;
        if (previous)
            setTabOrder(previous, box);
        setTabOrder(box, button);
        previous = button;
        if (int(i) == kMameBox) {
            connect(button, &QPushButton::clicked, this, &frmChoose::cmdSelectMAME_Click);
        } else {
            connect(button, &QPushButton::clicked, this, [this, i] {
                strFolderName = QString::fromLatin1(kFolders[i].wizard.name);
                SelectPaths(txtFolder[i]);
            });
        }
    }
}

void frmChoose::refuseFolder(QLineEdit* box, const QString& prompt, const QString& title)
{
    MsgBox(prompt, MsgStyle::Critical, title);
    box->clear();
    box->setFocus();
}

// The folder browser for one box: true when the box received the chosen folder.
bool frmChoose::browseInto(QLineEdit* box, const QString& title)
{
    const std::optional<QString> chosen = BrowseForFolder(this, title);
    if (!chosen)
        return false;
    if (!IsStorableFolder(*chosen)) {
        refuseFolder(box, QLatin1String(kInvalidSelection), QLatin1String(kInvalidSelectionTitle));
        return false;
    }
    box->setText(BrowsedFolderText(*chosen));
    return true;
}

void frmChoose::SelectPaths(QLineEdit* box)
{
    if (!browseInto(box, QStringLiteral("Select your ") + strFolderName + QStringLiteral(" folder...")))
        return;
    if (IsRootFolder(box->text())) {
        refuseFolder(box, strFolderName + QStringLiteral(" cannot reside in the root!  Please select a folder."), kDirectories);
        return;
    }
    if (const std::optional<QString> refusal = MameIniRefusal(box->text(), strFolderName)) {
        refuseFolder(box, *refusal, kDirectories);
        return;
    }
    cmdOK->setFocus();
}

void frmChoose::cmdSelectMAME_Click()
{
    QLineEdit* mame = txtFolder[kMameBox];
    if (!browseInto(mame, QStringLiteral("Select your M.A.M.E. folder...")))
        return;
    if (!HoldsMameProgram(mame->text())) {
        refuseFolder(mame, QLatin1String(kCannotFindMame), kDirectories);
        return;
    }
    // The usual folders under the MAME folder, for every box still empty; OK checks them.
    for (size_t i = 0; i < kFolders.size(); ++i) {
        if (kFolders[i].wizard.fill && txtFolder[i]->text().isEmpty())
            txtFolder[i]->setText(FillFromMame(mame->text(), QString::fromLatin1(kFolders[i].wizard.fill)));
    }
    cmdOK->setFocus();
}

void frmChoose::TestPaths(QLineEdit* box)
{
    const size_t index = size_t(std::find(txtFolder.begin(), txtFolder.end(), box) - txtFolder.begin());
    const FolderVerdict verdict = CheckFolder(strFolderPath, strFolderName, kFolders[index].wizard.required);
    strFolderPath = verdict.path;
    if (verdict.passed)
        return;
    refuseFolder(box, verdict.message, verdict.title);
    blnFolderError = true;
}
