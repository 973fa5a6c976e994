#pragma once

#include "desktop/TrayBackend.h"

#include <QList>
#include <QStringList>

namespace tidewick::test {

// A tray that records every request and lets a test raise the icon's and the
// balloon's events, as a real tray would, synchronously.
class RecordingTrayBackend final : public TrayBackend {
public:
    enum class Kind { AddIcon, ModifyTip, ModifyIcon, ShowBalloon, HideBalloon, DeleteIcon };

    struct Request {
        Kind kind;
        QString tip;   // AddIcon, ModifyTip
        QIcon icon;    // AddIcon, ModifyIcon
        QString title; // ShowBalloon
        QString text;  // ShowBalloon
        qint32 timeoutMs = 0; // ShowBalloon
        QUrl link;            // ShowBalloon
    };

    void addIcon(const QString &tip, const QIcon &icon) override;
    void modifyTip(const QString &tip) override;
    void modifyIcon(const QIcon &icon) override;
    void showBalloon(const QString &title, const QString &text, qint32 timeoutMs, const QUrl &link) override;
    void hideBalloon() override;
    void deleteIcon() override;
    bool trayAvailable() const override { return hasTray; }

    // What trayAvailable() says: a desktop with a tray unless a test takes it away.
    bool hasTray = true;

    // Delivers an event to the listener, as the tray does.
    void raise(TrayEvent event, const QString &activationToken = QString()) { report(event, activationToken); }

    QList<Request> requests;
    // The kinds only, in order, e.g. "add", "tip", "icon", "balloon", "hide",
    // "delete": short to compare in a test.
    QStringList kinds() const;
    // The last request of that kind; fails the test if there is none.
    Request last(Kind kind) const;
};

} // namespace tidewick::test
