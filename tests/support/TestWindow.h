#pragma once

#include "RecordingTrayBackend.h"
#include "TestSeams.h"
#include "WindowControls.h"
#include "app/MainWindow.h"
#include "fetch/FetchRun.h"

#include <memory>

namespace tidewick::test {

// A main window on test seams (TestSeams), with a tray backend that writes
// down what it is asked.
class TestWindow : public TestSeams {
public:
    TestWindow();
    ~TestWindow();

    // Builds the window; `load` runs the start-up sequence too, and waits
    // for its end (after a start-up fetch).
    MainWindow &create(bool load = true);
    MainWindow &form() { return *m_form; }
    // A fetch run of the window's watch list, waited for; false when it did
    // not end within `ms`.
    bool fetch(FetchRun::Kind kind, int ms = 30000);

    RecordingTrayBackend tray;

private:
    std::unique_ptr<MainWindow> m_form;
};

} // namespace tidewick::test
