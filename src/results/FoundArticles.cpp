#include "results/FoundArticles.h"

#include "core/AppError.h"
#include "core/Clock.h"
#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace tidewick {

namespace {
constexpr int kPageRows = 1000;
constexpr qint64 kRetryMs = 100;
} // namespace

FoundArticles::FoundArticles(const Services &services, Notices &notices, QObject *parent)
    : QObject(parent), m_services(services), m_notices(notices),
      m_list(QCoreApplication::translate("MainWindow", "News"), false),
      m_history(QDir(services.dataFolder).filePath(QStringLiteral("history.sqlite"))),
      m_startedAt(services.clock->now())
{
}

void FoundArticles::openHistory()
{
    const QString seenArticles = QFileInfo(m_services.settings->filePath())
                                     .dir()
                                     .filePath(QStringLiteral("Tidewick-seen-articles.txt"));
    const QString said = m_history.open(m_services.clock->now(), seenArticles);
    if (!said.isEmpty())
        m_notices.show(said, MessageIcon::Exclamation);
}

void FoundArticles::showEarlierArticles()
{
    if (m_paging || m_checked)
        return;
    m_checked = true;
    if (const QString said = m_history.check(m_services.clock->now()); !said.isEmpty())
        m_notices.show(said, MessageIcon::Exclamation);
    if (!m_history.isOpen())
        return;
    m_paging = true;
    showNextPage();
}

void FoundArticles::showNextPage()
{
    if (!m_paging)
        return;
    QStringList page;
    try {
        page = m_history.listed(m_startedAt, m_pagedFromHistory, kPageRows);
    } catch (const AppError &error) {
        m_notices.show(error.description(), MessageIcon::Exclamation);
    }
    m_pagedFromHistory += int(page.size());
    m_paging = page.size() == kPageRows;
    page.removeIf([this](const QString &article) { return m_keysListed.contains(ArticleHistory::key(article)); });
    m_list.insert(m_earlierRows, page);
    m_earlierRows += int(page.size());
    if (m_paging)
        QTimer::singleShot(0, this, &FoundArticles::showNextPage);
}

void FoundArticles::add(const QString &article, const FoundBy &foundBy)
{
    m_list.append(article);
    m_keysListed.insert(ArticleHistory::key(article));
    const QDateTime found = m_services.clock->now();
    write([this, article, foundBy, found] { return m_history.record(article, foundBy, found); });
}

// What is not in the list yet comes first: the list is cleared whole.
void FoundArticles::clear()
{
    while (m_paging)
        showNextPage();
    const QStringList cleared = m_list.texts();
    m_list.clear();
    m_earlierRows = 0;
    write([this, cleared] { return m_history.clear(cleared); });
}

void FoundArticles::forgetAnnounced()
{
    QString said = QCoreApplication::translate("MainWindow",
                                               "Tidewick has forgotten the articles it announced: each one is "
                                               "announced again the next time the news service lists it.");
    try {
        if (!m_history.forgetAnnounced())
            said = QCoreApplication::translate("MainWindow", "A news fetch is using the memory of announced articles. "
                                                             "Try again when it has ended.");
    } catch (const AppError &error) {
        said = error.description();
    }
    m_notices.dialogs().showMessage(m_notices.title(), said, MessageIcon::None);
}

void FoundArticles::write(std::function<bool()> write)
{
    m_pending.append(std::move(write));
    writePending();
}

void FoundArticles::writePending()
{
    m_retryPlanned = false;
    while (!m_pending.isEmpty()) {
        try {
            if (!m_pending.constFirst()()) {
                if (!std::exchange(m_retryPlanned, true))
                    m_services.clock->callAfter(kRetryMs, this, [this] { writePending(); });
                return;
            }
            m_failureSaid = false;
        } catch (const AppError &error) {
            // A full disk, a folder made read-only: the history stays as it
            // was, and says so once until it can be written again.
            if (!std::exchange(m_failureSaid, true))
                m_notices.show(error.description(), MessageIcon::Exclamation);
        }
        m_pending.removeFirst();
    }
}

} // namespace tidewick
