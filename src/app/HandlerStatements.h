#pragma once

#include <QString>

// The numbered statements of the window's handlers, as the standard error
// report names them ("in Pellmoor2021/08/31.Form1.Form_Load at line 186"):
// one namespace a handler, its statements in the order they run. The
// scheduler's handlers (the countdown, the switch, the test fetch, the
// interval list) keep theirs in FetchScheduler.cpp, a fetch run's in
// FetchRun.cpp.
namespace tidewick::statements {

inline const QString kModule = QStringLiteral("Form1");

// The window's load.
namespace load {
inline const QString kProcedure = QStringLiteral("Form_Load");
constexpr int kSkin = 100, kLoading = 102, kTitles = 104, kFindHandPointer = 126, kLoadHandPointer = 128,
              kIntervalWidth = 132, kFirstInterval = 134, kResultsWidth = 146, kCountriesWidth = 150,
              kCountryList = 152, kCategoriesWidth = 164, kCategoryList = 166,
              kCodeListEntry = 8, // after the list's own number
    kKeywordsWidth = 178, kWriteCurl = 180, kWriteCleaner = 182, kReadInterval = 184, kChooseInterval = 186,
              kOnlyNew = 188, kReadAutomatic = 190, kTrayTip = 208, kTrayIcon = 210, kStartAtLogon = 212,
              kStartInTray = 214, kMinimise = 222, kLoaded = 226;
} // namespace load

// Save Results.
namespace saveResults {
inline const QString kProcedure = QStringLiteral("PushButton1_Click");
constexpr int kChooseFile = 114, kLookForFile = 120, kAskOverwrite = 122, kBusy = 128, kSave = 130, kIdle = 132;
} // namespace saveResults

// Clear List (results).
namespace clearResults {
inline const QString kProcedure = QStringLiteral("PushButton2_Click");
constexpr int kClear = 100;
} // namespace clearResults

// Add One Keyword.
namespace addKeyword {
inline const QString kProcedure = QStringLiteral("PushButton3_Click");
constexpr int kAsk = 100, kCancelled = 102, kAdd = 104, kRefuse = 106;
} // namespace addKeyword

// Load List From Text File, and files dropped on the keyword list.
namespace importKeywords {
inline const QString kProcedure = QStringLiteral("PushButton4_Click");
constexpr int kChooseFiles = 108, kBusy = 114, kOneFile = 120, kEachFile = 134, kIdle = 138;
} // namespace importKeywords

// Load Sample/Example Data.
namespace sampleKeywords {
inline const QString kProcedure = QStringLiteral("PushButton7_Click");
constexpr int kFirstSample = 100; // then one every 2
} // namespace sampleKeywords

// Clear List (keywords).
namespace clearKeywords {
inline const QString kProcedure = QStringLiteral("PushButton11_Click");
constexpr int kClear = 100;
} // namespace clearKeywords

} // namespace tidewick::statements
