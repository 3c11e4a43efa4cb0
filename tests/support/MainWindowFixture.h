// A program folder for main-window tests: options.ini, game data files, a MAME folder and ROM
// zips, all under one temporary folder; and the loaded window over it.
#pragma once

#include "app/modSubMain.h"
#include "mainwindow/frmMain.h"
#include "shell/HeaderPanel.h"
#include "shell/IniFile.h"
#include "state/AppState.h"
#include "state/GameRecord.h"
#include "wizard/frmChoose.h"

#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "support/MsgBoxScript.h"

struct FixtureGame {
    QString game;
    QString year;
    QString rom;
    QString origin = QStringLiteral("Original");
    QString orientation = QStringLiteral("Horizontal");
    bool installed = true;
    QString manufacturer = QStringLiteral("Maker");
    QString type = QStringLiteral("Raster");
    QString source = QStringLiteral("driver.c"); // today's MAME names it "folder/driver.cpp"
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folders of the fixture.
    QString app() const { return m_root + QStringLiteral("/app"); }
    QString mame() const { return m_root + QStringLiteral("/mame"); }
    QString roms() const { return m_root + QStringLiteral("/roms"); }
    QString snaps() const { return m_root + QStringLiteral("/snap"); }
    QString samples() const { return m_root + QStringLiteral("/samples"); }
    // The Ini folder that writeOptions names: the MAME folder, as the wizard fills it, unless a
    // test sets m_iniFolder (and makes the folder).
    QString ini() const { return m_iniFolder.isEmpty() ? mame() : m_iniFolder; }
    QString optionsIni() const { return app() + QStringLiteral("/settings/options.ini"); }
    QString report(const char* file) const { return app() + QStringLiteral("/reports/") + QLatin1String(file); }

    // Writes gameinfo.txt (and the other three game data files) and the ROM zips of the games.
    void writeGames(const std::vector<FixtureGame>& games);
    // Writes a listing of the games in MAME's line layout for fakemame to answer -listxml with,
    // and returns its path; the records built from it equal those of writeGames.
    QString writeListing(const std::vector<FixtureGame>& games);
    // Writes options.ini: the version, the MAME size of the fixture's program, the folders, and
    // `extra` lines appended as they stand (sections included).
    void writeOptions(const QByteArray& extra = {}, const QByteArray& version = "4.0.0");
    // The MAME program of the fixture: fakemame, `padding` bytes longer than it is.
    void writeMame(int padding = 0);
    qint64 mameSize() const;

    // Builds the window and runs its load sequence over the fixture.
    frmMain& load();
    // load(), then the window shown and the events that showing it posts handled.
    frmMain& loadShown();
    // The whole start-up over the fixture's program folder, with the real window loaded and shown.
    StartupEnvironment startup() const;
    // Makes `row` (from 0) the list's current row, as a click on it does.
    static void selectRow(QTreeView* lv, int row);

    std::vector<FixtureGame> fiveGames() const;
    // The games as today's MAME lists them: each names its driver file "folder/file.cpp".
    static std::vector<FixtureGame> fromTodaysMame(std::vector<FixtureGame> games);

    // For each row of a table: an empty folder, a fresh state, no message boxes shown.
    void nextCase();

    // A death test's child process runs the case again from its start: this makes it use the
    // parent's folder, so that the parent sees what the child wrote.
    void shareFolderWithChild();

    QTemporaryDir m_dir;
    QString m_root;
    QString m_iniFolder;
    // Every message box shown; Yes/No questions take their default button unless a test answers.
    MsgBoxScript m_boxes;
    // What the user does in the options wizard each time the window opens it (the first run,
    // Tools > Options): Cancel unless a test says otherwise. Each opening is also written to
    // standard error as "Wizard: shown".
    std::function<void(frmChoose&)> m_wizard = [](frmChoose& form) { form.cmdCancel->click(); };
    AppState m_state;
    std::unique_ptr<frmMain> m_window;

private:
    void answerWizard();
    QTimer m_wizardWatch;
    QPointer<frmChoose> m_answered;
};

// Reads a key of options.ini from disk, bypassing the cache.
QString storedOption(const QString& ini, const char* section, const char* key);
