#include "app/modSubMain.h"

#include "platform/RuntimeClock.h"
#include "platform/VisualStyles.h"
#include "shell/ShortPath.h"
#include "wizard/NewsAndUpdates.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>

void ShowMainWindow(Program& program)
{
    program.mainWindow = std::make_unique<frmMain>(program.state);
    if (program.instance)
        program.instance->setWindow(program.mainWindow.get());
    program.mainWindow->Form_Load();
    program.mainWindow->show();
}

StartupEnvironment DefaultStartup()
{
    return {QCoreApplication::applicationDirPath(), &ShowMainWindow};
}

void Main(Program& program, const StartupEnvironment& env)
{
    AppState& state = program.state;
    state.startup.sngStartTime = Timer();

    if (QFileInfo::exists(JoinPath(env.appPath, QString::fromLatin1(kManifestFileName))))
        InitCommonControlClasses();
    else
        UseClassicControls();

    const QString instanceName = InstanceName(QCoreApplication::applicationName());
    ActivatePrevInstance(instanceName);
    // Should another start have taken the name meanwhile, this instance still runs, unreachable.
    program.instance = std::make_unique<InstanceServer>();
    program.instance->listen(instanceName);

    env.showMainWindow(program);

    // Ticking the box runs its handler, which stores AutoRun again and re-selects the game.
    if (state.prefs.blnAutoRun && program.mainWindow) {
        program.mainWindow->chkAutoRun->setChecked(true);
        program.mainWindow->cmdPlay_Click();
    }

    // Taken after AutoRun, so the start-up time includes a game it started.
    state.startup.sngEndTime = Timer();

    // Failures here only cost the news: nothing is shown and the program runs on.
    if (program.mainWindow) {
        frmMain& window = *program.mainWindow;
        window.requestNews(kStartupNewsTimeoutMs);
        if (NewsIsNew(state.web.strNewsText, state.web.strLastNews))
            window.showNews(true);
    }

    state.web.strNewsText.clear();
    state.web.strLastNews.clear();
}
