#pragma once

#include <QString>
#include <optional>

namespace tidewick {

class SettingsStore;

struct NewsServiceChoice {
    QString host;
    // Empty when the host is usable; otherwise the message for the user,
    // naming where the address came from and what is wrong with it.
    QString problem;
};

// The news service's address, from the first of: the command-line option
// --news-host, the environment variable TIDEWICK_NEWS_HOST, the key NewsHost
// in the group [Service] of the settings file, the build setting. An address
// that is set but unusable is not passed over for the next one: the user
// meant it, and a silent fallback would query a service they did not choose.
NewsServiceChoice chooseNewsService(const std::optional<QString> &commandLineHost, const SettingsStore &settings,
                                    const QString &buildHost);

} // namespace tidewick
