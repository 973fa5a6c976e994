#pragma once

#include "FakeClock.h"
#include "FakeRunner.h"
#include "ScriptedDialogs.h"
#include "core/FetchKind.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/SettingsStore.h"
#include "fetch/ProcessRunner.h"

#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>

namespace tidewick {
class FetchScheduler;
}

namespace tidewick::test {

// The program's outside world as a test stands it up: scripted dialogs, a
// fake clock, a settings store and a temporary folder (TEMP) inside one
// private temporary folder, and an optional program folder for the skin and
// the hand pointer. No tray: a window's test adds one.
class TestSeams {
public:
    TestSeams();
    ~TestSeams();
    TestSeams(const TestSeams &) = delete;
    TestSeams &operator=(const TestSeams &) = delete;

    // Replaces the real helper runner by a fake one (before anything runs).
    FakeRunner &useFakeRunner();

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
    std::unique_ptr<ProcessRunner> runner;
    int programEnded = 0; // how often the program was asked to end
    QList<QUrl> openedLinks; // what was handed to the browser
    bool linksOpen = true; // whether the browser starts for them
    Services services;

private:
    QByteArray m_previousTemp;
};

// A fetch run of `scheduler`, waited for in an event loop of its own (a run
// takes hundreds of turns of the loop); false when it did not end within
// `ms`.
bool runAndWait(FetchScheduler &scheduler, FetchKind kind, int ms = 30000);

} // namespace tidewick::test
