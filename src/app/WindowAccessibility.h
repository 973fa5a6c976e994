#pragma once

namespace tidewick {

// Lets screen readers meet the main window as a window. Qt presents a plain
// top-level widget as a "filler", which readers skip when they announce where
// the focus went. Safe to call more than once.
void presentMainWindowAsWindow();

} // namespace tidewick
