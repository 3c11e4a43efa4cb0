// The news and the update check: requests to the web site, their completion, and the news shown
// in the report panel.
#include "mainwindow/frmMain.h"

#include "platform/Beep.h"
#include "platform/Inet.h"
#include "platform/MsgBox.h"
#include "platform/RichTextBox.h"
#include "reports/ReportPanel.h"
#include "shell/IniFile.h"
#include "wizard/NewsAndUpdates.h"

#include <QPushButton>

namespace {

const QString kUpdatesTitle = QStringLiteral("Check For Updates");
const QString kNewsTitle = QStringLiteral("Zelvane News");

} // namespace

void frmMain::requestNews(int timeoutMs)
{
    m_state.web.strInetMode = QStringLiteral("News");
    m_state.web.strNewsText.clear();
    Inet1->Execute(WebHost() + QLatin1String(kNewsPath), timeoutMs);
    Inet1->waitWhileExecuting();
}

void frmMain::Inet1_StateChanged(qint16 State)
{
    if (m_state.web.strInetMode == QLatin1String("News")) {
        if (State == Inet::icError) {
            m_state.web.strNewsText = QStringLiteral("Error");
        } else if (State == Inet::icResponseCompleted) {
            for (QString chunk = Inet1->GetChunk(100); !chunk.isEmpty(); chunk = Inet1->GetChunk(100))
                m_state.web.strNewsText += chunk;
        }
        return;
    }
    if (State == Inet::icError) {
        MsgBox(QStringLiteral("Error checking for updates.  This may mean that you are not connected to the "
                              "Internet\r\nor there is a temporary problem with the website."),
               MsgStyle::Information, kUpdatesTitle);
    } else if (State == Inet::icResponseCompleted) {
        const Result<Version> version = WebVersion(Inet1->GetChunk(2000));
        if (version)
            lngWebVersion = *version;
        else
            MsgBox(QStringLiteral("Error in Inet1_StateChanged: ") + version.error().description,
                   MsgStyle::Information, kUpdatesTitle);
    }
}

void frmMain::mnuHelpNews_Click()
{
    requestNews(kMenuRequestTimeoutMs);
    if (m_state.web.strNewsText == QLatin1String("Error")) {
        MsgBox(QStringLiteral("Error retrieving news.  This may mean that you are not connected to the "
                              "Internet\r\nor there is a temporary problem with the website."),
               MsgStyle::Information, kNewsTitle);
        return;
    }
    if (Status failed = showNews(false))
        MsgBox(QStringLiteral("Error in mnuHelpNews_Click: ") + failed->description, MsgStyle::Information,
               kNewsTitle);
}

Status frmMain::showNews(bool startup)
{
    const QString& news = m_state.web.strNewsText;
    enterGeneralReport(kNewsTitle);
    if (startup)
        PlayNewsBeep();
    RichTextBox* box = fraVerify->txtVerify;
    box->setText(news);
    // At start-up the stamp's separator is bold too.
    box->boldSpan(0, startup ? 9 : 8);
    box->resetSelection();
    WriteINI(m_state.paths.strOptionsIni, QStringLiteral("Miscellaneous"), QStringLiteral("News"), NewsStamp(news));
    const Status saved = SaveINI(m_state.paths.strOptionsIni);
    fraVerify->cmdGameList->setFocus();
    return saved;
}

void frmMain::mnuHelpCheck_Click()
{
    m_state.web.strInetMode = QStringLiteral("Updates");
    // A check that fails must not repeat the verdict of an earlier one.
    lngWebVersion = Version();
    Inet1->Execute(WebHost() + QLatin1String(kUpdatesPath), kMenuRequestTimeoutMs);
    Inet1->waitWhileExecuting();
    const QString verdict = UpdateVerdict(lngWebVersion, OwnVersion(), WebHost());
    if (!verdict.isEmpty())
        MsgBox(verdict, MsgStyle::Information, kUpdatesTitle);
}
