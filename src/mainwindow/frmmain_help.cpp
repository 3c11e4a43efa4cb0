// The Help menu's documents, shown in the report panel, and the about box.
#include "mainwindow/frmMain.h"

#include "platform/Inet.h"
#include "platform/MsgBox.h"
#include "reports/ReportPanel.h"
#include "shell/ShortPath.h"
#include "wizard/frmMyAbout.h"

#include <QAction>
#include <QFileInfo>
#include <QPushButton>

namespace {

struct HelpDocument {
    bool inMameFolder; // else the program folder
    const char* file;
    const char* title;
    const char* missing;
    const char* procedure;
};

constexpr HelpDocument kHelpDocuments[] = {
    {false, "zelvane.txt", "Zelvane's Zelvane.txt", "Cannot find zelvane.txt!", "mnuHelpZelvane_Click"},
    {true, "docs/newvideo.txt", "M.A.M.E.'s Newvideo.txt", "Cannot find newvideo.txt!", "mnuHelpNewvideo_Click"},
    {true, "docs/windows.txt", "M.A.M.E.'s Windows.txt", "Cannot find windows.txt!", "mnuHelpWindows_Click"},
};

} // namespace

void frmMain::connectHelp()
{
    connect(mnuHelpZelvane, &QAction::triggered, this, &frmMain::mnuHelpZelvane_Click);
    connect(mnuHelpNewvideo, &QAction::triggered, this, &frmMain::mnuHelpNewvideo_Click);
    connect(mnuHelpWindows, &QAction::triggered, this, &frmMain::mnuHelpWindows_Click);
    connect(mnuHelpNews, &QAction::triggered, this, &frmMain::mnuHelpNews_Click);
    connect(mnuHelpCheck, &QAction::triggered, this, &frmMain::mnuHelpCheck_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
    Inet1 = new Inet(this);
    Inet1->setObjectName(QStringLiteral("Inet1"));
    connect(Inet1, &Inet::StateChanged, this, &frmMain::Inet1_StateChanged);
}

void frmMain::mnuHelpZelvane_Click() { showHelpDocument(0); }
void frmMain::mnuHelpNewvideo_Click() { showHelpDocument(1); }
void frmMain::mnuHelpWindows_Click() { showHelpDocument(2); }

void frmMain::showHelpDocument(int row)
{
    const HelpDocument& doc = kHelpDocuments[row];
    const QString folder = doc.inMameFolder ? m_state.dirs.strMAMEPath : m_state.paths.strAppPath;
    const QString path = JoinPath(folder, QLatin1String(doc.file));
    const QString title = QLatin1String(doc.title);
    if (!QFileInfo(path).isFile()) {
        MsgBox(QLatin1String(doc.missing), MsgStyle::Exclamation, title);
        return;
    }
    enterGeneralReport(title);
    fraVerify->showFile(path, QLatin1String(doc.procedure));
    fraVerify->cmdGameList->setFocus();
}

void frmMain::mnuHelpAbout_Click()
{
    ShowAbout(m_state, Tmr[0], [this] { RefreshScroll(); }, this);
}
