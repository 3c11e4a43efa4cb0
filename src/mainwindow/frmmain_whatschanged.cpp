// The What's Changed comparisons of the Reports menu: their start, their progress over the status
// bar with the Exit button as the cancel button, their end on every path, and the last reports
// they saved.
#include "mainwindow/frmMain.h"

#include "platform/MsgBox.h"
#include "platform/PaintNow.h"
#include "platform/RichTextBox.h"
#include "platform/RuntimeClock.h"
#include "platform/ShownText.h"
#include "platform/StatusPanels.h"
#include "platform/WholeFile.h"
#include "reports/WhatsChanged.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>

#include <climits>
#include <optional>
#include <span>

namespace {

struct CompareForm {
    CompareKind kind;
    const char* newFile;
    const char* oldFile;
    const char* title;
    const char* running;
    const char* firstStatus;
    const char* reportFile;
    const char* lastProcedure;
    const char* lastMissing;
};

const CompareForm& compareForm(bool all)
{
    static const CompareForm kForms[] = {
        {CompareKind::RomsInfo, "crcinfo.txt", "oldcrcinfo.txt", "What's Changed (ROMs Info)",
         "Compare of new and old crcinfo.txt files is in progress.", "Determining count, please stand by...",
         "newroms.txt", "mnuReportsWhatsChangedROMs_Click",
         "Cannot find What's Changed (ROMs Info) report.  You can create one from the Reports pull-down menu above."},
        {CompareKind::AllInfo, "listxml.txt", "oldlistxml.txt", "What's Changed (All Info)",
         "Compare of new and old listxml.txt files is in progress.",
         "Loading lists and determining count, please stand by...", "whatsnew.txt", "mnuReportsWhatsChangedAll_Click",
         "Cannot find What's Changed (All Info) report.  You can create one from the Reports pull-down menu above."},
    };
    return kForms[all ? 1 : 0];
}

// Events are let through at least this often, so that the window repaints and Cancel is heard.
constexpr qint64 kPumpMs = 20;
// The failing step of a compare whose report could not be saved.
constexpr int kSavingStep = 6;

struct Heading {
    const char* find;
    int length;
};

void boldHeadings(RichTextBox& box, bool all)
{
    static const Heading kRoms[] = {{"Game ", 4}};
    static const Heading kAll[] = {{"ROM\t", 3}, {"Description", 11}};
    for (const Heading& heading : all ? std::span<const Heading>(kAll) : std::span<const Heading>(kRoms)) {
        // A report edited by hand may have lost its heading: the rest is still shown.
        if (const int at = box.Find(QLatin1String(heading.find), 0); at >= 0)
            box.boldSpan(at, heading.length);
    }
    box.resetSelection();
}

} // namespace

void frmMain::connectWhatsChanged()
{
    connect(mnuReportsWhatsNewROMs, &QAction::triggered, this, &frmMain::CompareCRCInfo);
    connect(mnuReportsWhatsNewAll, &QAction::triggered, this, &frmMain::CompareListXML);
    connect(mnuReportsWhatsChangedROMs, &QAction::triggered, this, [this] { showLastWhatsChanged(false); });
    connect(mnuReportsWhatsChangedAll, &QAction::triggered, this, [this] { showLastWhatsChanged(true); });
}

void frmMain::CompareCRCInfo() { runCompare(false); }

void frmMain::CompareListXML() { runCompare(true); }

void frmMain::runCompare(bool all)
{
    const CompareForm& form = compareForm(all);
    const QString title = QLatin1String(form.title);
    const QString newPath = reportFile(form.newFile);
    const QString oldPath = reportFile(form.oldFile);
    if (!QFileInfo::exists(newPath)) {
        MsgBox(QStringLiteral("Cannot find %1.").arg(QLatin1String(form.newFile)), MsgStyle::Information, title);
        return;
    }
    if (!QFileInfo::exists(oldPath)) {
        MsgBox(QStringLiteral("Cannot find %1.  Zelvane must first detect a new version of M.A.M.E.\rbefore it can "
                              "create the %1 file.")
                   .arg(QLatin1String(form.oldFile)),
               MsgStyle::Information, title);
        return;
    }
    if (MsgBox(QStringLiteral("This can take an EXTREMELY long time.  Do you want to continue?"),
               MsgStyle::YesNo + MsgStyle::Question, QStringLiteral("Confirm Continue")) != MsgAnswer::Yes)
        return;

    const float start = Timer();
    RichTextBox& box = *fraVerify->txtVerify;
    EnterPanel(fraVerify, title, PanelStatus::General);
    fraVerify->cmdGameList->setEnabled(false);
    mnuFileExit->setEnabled(false);
    box.setText(QLatin1String(form.running));
    PaintNow(*fraVerify);
    setExitMode(ExitMode::Cancel);
    setDefaultButton(cmdExit);
    cmdExit->setToolTip(QStringLiteral("Cancels The Compare"));
    StatusBar[1]->setPanelText(2, QLatin1String(form.firstStatus));

    QElapsedTimer sincePump;
    sincePump.start();
    CompareStage shown = CompareStage::Loading;
    bool firstPoll = true;
    const auto showProgress = [&](const CompareProgress& p) {
        // The bar only scales the run: a listing with more blocks than it counted stays at the end.
        ProgressBar[1]->setValue(int(std::min(p.done, p.count)));
        StatusBar[1]->setPanelText(1, ProgressText(form.kind, p.done, p.count));
    };
    const CompareMonitor monitor = [&](const CompareProgress& p) {
        // Each stage lets the window repaint at once with its new texts.
        const bool newStage = firstPoll || p.stage != shown;
        firstPoll = false;
        if (p.stage != shown) {
            if (shown == CompareStage::Loading) {
                StatusBar[1]->setPanelText(2, QString());
                showPanelProgress(int(std::min<qint64>(p.count, INT_MAX)));
            }
            if (p.stage == CompareStage::Stripping)
                StatusBar[1]->setPanelText(2, QStringLiteral("Stripping header info..."));
            shown = p.stage;
        }
        const bool lastBlock = p.stage == CompareStage::Comparing && p.done == p.count;
        if (newStage || lastBlock || sincePump.elapsed() >= kPumpMs) {
            if (p.stage == CompareStage::Comparing || p.stage == CompareStage::LeftOver)
                showProgress(p);
            QCoreApplication::processEvents();
            sincePump.restart();
        }
        return m_state.report.blnCancel;
    };

    const Result<CompareResult> result =
        OutOfMemoryAsError<CompareResult>([&] { return CompareFiles(form.kind, newPath, oldPath, monitor); });
    std::optional<RuntimeError> failure;
    if (!result) {
        failure = result.error();
    } else {
        box.setText(CompareResultText(form.kind, *result));
        if (result->outcome == CompareResult::Outcome::Changed) {
            // The panel shows the report up to its bound; the file keeps all of it.
            if (Status saved = ReplaceWholeFile(reportFile(form.reportFile), CompareReportBytes(form.kind, *result))) {
                failure = *saved;
                failure->line = kSavingStep;
            } else {
                boldHeadings(box, all);
            }
        }
    }

    StatusBar[1]->setPanelText(2, ElapsedTimeText(start, Timer()));
    setExitMode(ExitMode::Exit);
    cmdExit->setToolTip(QStringLiteral("Closes Zelvane"));
    m_state.report.blnCancel = false;
    ProgressBar[1]->setValue(0);
    ProgressBar[1]->hide();
    if (failure)
        box.setText(CompareErrorText(*failure));
    fraVerify->cmdGameList->setEnabled(true);
    mnuFileExit->setEnabled(true);
    show();
    activateWindow();
    fraVerify->cmdGameList->setFocus();
}

void frmMain::showLastWhatsChanged(bool all)
{
    const CompareForm& form = compareForm(all);
    QAction* item = all ? mnuReportsWhatsChangedAll : mnuReportsWhatsChangedROMs;
    const QString caption = item->text().remove(QLatin1Char('&'));
    const QString path = reportFile(form.reportFile);
    if (!QFileInfo::exists(path)) {
        MsgBox(QLatin1String(form.lastMissing), MsgStyle::Information, caption);
        return;
    }
    enterGeneralReport(caption);
    if (fraVerify->showFile(path, QLatin1String(form.lastProcedure)))
        boldHeadings(*fraVerify->txtVerify, all);
    fraVerify->cmdGameList->setFocus();
    fraVerify->raise();
}
