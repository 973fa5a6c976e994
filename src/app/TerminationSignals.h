#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tidewick {

// Turns a request to end the program that arrives as a signal (SIGTERM at
// log-out or from kill, SIGHUP, SIGINT) into `onRequest`, run from the event
// loop, so the program can end as after a close by hand. A second signal
// ends the program at once, in case the first one cannot be served. One
// instance at a time.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> onRequest, QObject *parent = nullptr);
    ~TerminationSignals() override;

private:
    std::function<void()> m_onRequest;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace tidewick
