#pragma once

#include "core/ReportListModel.h"
#include "keywords/WatchListFile.h"

#include <QObject>
#include <optional>

namespace tidewick {

// What the user watches and how: the keywords, the countries and categories
// with their ticks, and the options the user sets (how often to fetch,
// whether automatically, the two start-up options, announcing only new
// articles). The window's lists and boxes show it and change it; a fetch
// run's queries are made from it; the watch list file and the settings keep
// it between runs.
class WatchListModel : public QObject {
    Q_OBJECT

public:
    explicit WatchListModel(QObject *parent = nullptr);

    ReportListModel &keywords() { return m_keywords; }
    const ReportListModel &keywords() const { return m_keywords; }
    ReportListModel &countries() { return m_countries; }
    const ReportListModel &countries() const { return m_countries; }
    ReportListModel &categories() { return m_categories; }
    const ReportListModel &categories() const { return m_categories; }

    // The keywords, and the ticked countries and categories, as texts.
    WatchList watched() const;
    // Adds the list's keywords after those there, and ticks its countries
    // and categories (clearing the others).
    void restore(const WatchList &list);

    // The chosen entry of the offered intervals (0 for the first); none
    // while none is chosen.
    std::optional<int> intervalRow() const { return m_intervalRow; }
    void setIntervalRow(std::optional<int> row);

    bool automaticOn() const { return m_automaticOn; }
    void setAutomaticOn(bool on);
    bool startAtLogon() const { return m_startAtLogon; }
    void setStartAtLogon(bool on);
    bool startInTray() const { return m_startInTray; }
    void setStartInTray(bool on);
    bool announceOnlyNew() const { return m_announceOnlyNew; }
    void setAnnounceOnlyNew(bool on);

signals:
    // A keyword added or removed, a country or category ticked or cleared.
    void listsChanged();
    void intervalChanged();
    void automaticOnChanged(bool on);
    void startAtLogonChanged(bool on);
    void startInTrayChanged(bool on);
    void announceOnlyNewChanged(bool on);

private:
    ReportListModel m_keywords;
    ReportListModel m_countries;
    ReportListModel m_categories;
    std::optional<int> m_intervalRow;
    bool m_automaticOn = false;
    bool m_startAtLogon = false;
    bool m_startInTray = false;
    bool m_announceOnlyNew = false;
};

} // namespace tidewick
