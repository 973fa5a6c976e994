#pragma once

#include "FakeClock.h"
#include "FakeRunner.h"
#include "WindowControls.h"
#include "RecordingTrayBackend.h"
#include "ScriptedDialogs.h"
#include "app/MainWindow.h"
#include "core/ProgramState.h"
#include "core/SettingsStore.h"
#include "fetch/ProcessRunner.h"

#include <QTemporaryDir>
#include <memory>

namespace tidewick::test {

// A main window wired to fakes: scripted dialogs, a fake clock, a settings
// store and a temporary folder (TEMP) inside one private temporary folder,
// and an optional program folder for the skin and the hand pointer.
class TestWindow {
public:
    TestWindow();
    ~TestWindow();

    // Replaces the real helper runner by a fake one (before create()).
    FakeRunner &useFakeRunner();

    // Builds the window; `load` runs the start-up sequence too, and waits
    // for its end (after a start-up fetch).
    MainWindow &create(bool load = true);
    MainWindow &form() { return *m_form; }
    // A fetch run of the window's lists, waited for; false when it did not
    // end within `ms`.
    bool fetch(FetchRun::Kind kind, int ms = 30000);

    QString root() const { return m_root.path(); }
    QString configFolder() const { return m_root.filePath(QStringLiteral("config")); }
    QString tempFolder() const { return m_root.filePath(QStringLiteral("tmp")); }
    QString programFolder() const { return m_root.filePath(QStringLiteral("program")); }
    QString autostartFolder() const { return m_root.filePath(QStringLiteral("config/autostart")); }

private:
    QTemporaryDir m_root; // first: the members below live inside it

public:
    ScriptedDialogs dialogs;
    FakeClock clock;
    SettingsStore settings;
    ProgramState globals;
    RecordingTrayBackend tray;
    std::unique_ptr<ProcessRunner> runner;
    int programEnded = 0; // how often the window asked to end the program
    QList<QUrl> openedLinks; // what the window handed to the browser
    bool linksOpen = true; // whether the browser starts for them
    Services services;

private:
    QByteArray m_previousTemp;
    std::unique_ptr<MainWindow> m_form;
};

} // namespace tidewick::test
