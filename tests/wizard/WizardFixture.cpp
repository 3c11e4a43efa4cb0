#include "WizardFixture.h"

#include "shell/IniFile.h"
#include "shell/MameProgram.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include "support/Files.h"

void WizardTest::SetUp()
{
    IniService::instance().dropAll();
    qunsetenv("OS");
    state.paths.strAppPath = m_root.filePath("app");
    state.paths.strOptionsIni = m_root.filePath("app/settings/options.ini");
    makeDirs(m_root.filePath("app/settings"));
    writeFile(MameProgramFile(mameDir()), "#!/bin/sh\n");
    for (const char* sub : {"roms", "samples", "cfg", "nvram", "memcard", "inp", "hi", "sta", "artwork", "snap",
                            "diff", "ctrlr"})
        makeDirs(mameDir() + "/" + sub);
    state.startup.blnLoading = true;
}

void WizardTest::TearDown() { IniService::instance().dropAll(); }

std::unique_ptr<frmChoose> WizardTest::openForm()
{
    auto form = std::make_unique<frmChoose>(state);
    form->show();
    form->activateWindow();
    QApplication::processEvents();
    return form;
}

void WizardTest::browseMame(frmChoose& form)
{
    form.cmdNext->click();
    dialogs.folder(mameDir());
    form.findChild<QPushButton*>("cmdSelectMAME")->click();
}

void WizardTest::okWithEveryFolder(frmChoose& form)
{
    browseMame(form);
    form.cmdOK->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

QLineEdit* WizardTest::box(frmChoose& form, const char* name)
{
    auto* edit = form.findChild<QLineEdit*>(name);
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

QStringList WizardTest::keysOf(const QString& path)
{
    QStringList keys;
    for (const QByteArray& line : readFile(path).split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            keys << QString::fromUtf8(line.left(eq));
    }
    return keys;
}
