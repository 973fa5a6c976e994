#pragma once

#include "core/Notices.h"
#include "core/ReportListModel.h"
#include "core/Services.h"
#include "results/ArticleHistory.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <functional>

namespace tidewick {

// The articles found: the list the window shows, and the history behind it
// that outlives the program. The list begins with what earlier runs (of any
// copy) found and nobody cleared, oldest first, then what this run finds.
// Changes go to the history in short transactions; one that meets another
// copy writing is tried again a moment later, from the event loop, and a
// history that cannot be written says so once and stays as it was.
class FoundArticles : public QObject {
    Q_OBJECT

public:
    FoundArticles(const Services &services, Notices &notices, QObject *parent = nullptr);

    // The list the window shows.
    ReportListModel &list() { return m_list; }
    ArticleHistory &history() { return m_history; }

    // Opens the history (in the data folder), taking in the older memory of
    // announced articles beside the settings; says what there is to say.
    void openHistory();
    // Puts what earlier runs found and nobody cleared before what this run
    // finds, a page every turn of the event loop (a long history holds up no
    // paint).
    void showEarlierArticles();
    // True until every earlier article is in the list.
    bool showingEarlierArticles() const { return m_paging; }

    // An article handed on by a run: listed, and kept.
    void add(const QString &article, const FoundBy &foundBy);
    // "Clear List": the list empties, and the history keeps them as cleared.
    void clear();
    // Forgets which articles were announced, and says how that went.
    void forgetAnnounced();

private:
    void showNextPage();
    // Runs `write` now, or again later while another copy writes (it gives
    // false); a failure is said once.
    void write(std::function<bool()> write);
    void writePending();

    Services m_services;
    Notices &m_notices;
    ReportListModel m_list;
    ArticleHistory m_history;
    // This run's beginning: what was found before it is the earlier articles.
    QDateTime m_startedAt;
    bool m_paging = false;
    bool m_checked = false;
    int m_pagedFromHistory = 0;
    int m_earlierRows = 0;
    // The articles this run listed, left out of the earlier ones.
    QSet<QString> m_keysListed;
    QList<std::function<bool()>> m_pending;
    bool m_retryPlanned = false;
    bool m_failureSaid = false;
};

} // namespace tidewick
