#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

namespace tidewick {

// Tells when an X11 system tray (XEmbed) comes or goes, from the X server's
// own word: a new tray announces itself to the root window (a MANAGER
// message), and the window of a tray that goes is destroyed. Qt tells
// neither, and looking every few seconds would wake an idle program for
// nothing. Does nothing off X11.
class XEmbedTrayWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit XEmbedTrayWatch(QObject *parent = nullptr);
    ~XEmbedTrayWatch() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    // A tray came or went.
    void changed();

private:
    void followOwner();
    void tellLater();

    struct Connection;
    Connection *m_x = nullptr;
    std::uint32_t m_owner = 0;
};

} // namespace tidewick
