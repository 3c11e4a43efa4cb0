#include "reports/ReportPanel.h"

#include "platform/MsgBox.h"
#include "platform/RichTextBox.h"
#include "platform/TwipsLayout.h"
#include "reports/BadSets.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

namespace {

void reportError(const QString& procedure, const RuntimeError& error)
{
    MsgBox(QStringLiteral("Error In %1: %2").arg(procedure, error.description), MsgStyle::Critical);
}

// Removes the files it names on every way out of the scope.
class TemporaryFiles {
public:
    TemporaryFiles(QString first, QString second) : m_first(std::move(first)), m_second(std::move(second)) {}
    ~TemporaryFiles()
    {
        QFile::remove(m_first);
        QFile::remove(m_second);
    }
    TemporaryFiles(const TemporaryFiles&) = delete;
    TemporaryFiles& operator=(const TemporaryFiles&) = delete;

private:
    QString m_first;
    QString m_second;
};

} // namespace

ReportPanel::ReportPanel(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("fraVerify"));
    txtVerify = makeControl<RichTextBox>(this, "txtVerify", 160, 270, 7765, 4785);
    cmdGameList = makeButton(this, "cmdGameList", "Return To &Game List", nullptr, 180, 5180, 2100);
}

bool ReportPanel::showFile(const QString& path, const QString& procedure)
{
    if (Status failed = txtVerify->LoadFile(path)) {
        reportError(procedure, *failed);
        return false;
    }
    return true;
}

bool ReportPanel::ListBadSets(const QString& reportsFolder)
{
    const QDir folder(reportsFolder);
    const QString temp = folder.filePath(QStringLiteral("temp.txt"));
    const QString bad = folder.filePath(QStringLiteral("bad.txt"));
    const TemporaryFiles removed(temp, bad);
    const QString procedure = QStringLiteral("cmdFind_Click");

    if (Status failed = txtVerify->SaveFile(temp)) {
        reportError(procedure, *failed);
        return false;
    }
    const Result<qint32> count = WriteBadSets(temp, bad);
    if (!count) {
        reportError(procedure, count.error());
        return false;
    }
    if (!showFile(bad, procedure))
        return false;
    setTitle(QStringLiteral("List Bad Sets"));
    txtVerify->setText(QString::number(*count) + QStringLiteral(" bad sets found.\r\r") + txtVerify->Text() +
                       QStringLiteral("\rEnd of report.\r\r"));
    return true;
}
