// A program folder and a MAME folder with every usual sub-folder, and the state of a first run.
#pragma once

#include "state/AppState.h"
#include "wizard/frmChoose.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/DialogScript.h"
#include "support/MsgBoxScript.h"

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString mameDir() const { return m_root.filePath("Emu/MAME"); }
    QString optionsIni() const { return state.paths.strOptionsIni; }

    // A shown form, activated as the user would first see it.
    std::unique_ptr<frmChoose> openForm();
    // Browses to the MAME folder (filling every empty box) and moves to the directories page.
    void browseMame(frmChoose& form);
    // Browses to the MAME folder and presses OK, which passes: the wizard's choices are taken.
    void okWithEveryFolder(frmChoose& form);
    QLineEdit* box(frmChoose& form, const char* name);

    // The keys of an INI file, in file order.
    static QStringList keysOf(const QString& path);

    QTemporaryDir m_root;
    AppState state;
    DialogScript dialogs;
    MsgBoxScript boxes;
};
