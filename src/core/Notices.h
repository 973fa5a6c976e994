#pragma once

#include "core/Dialogs.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

namespace tidewick {

// The program's own messages (not error reports) under its title. A message
// that is up on screen is not shown a second time: fifty presses of a tray
// menu's entry that meet a running fetch give one box, not fifty.
class Notices : public QObject {
    Q_OBJECT

public:
    Notices(Dialogs &dialogs, QString title) : m_dialogs(dialogs), m_title(std::move(title)) {}

    // The caption of message boxes without a title of their own.
    QString title() const { return m_title; }
    Dialogs &dialogs() { return m_dialogs; }

    // Shows `text` unless it is up already; `closed` follows its answer.
    void show(const QString &text, MessageIcon icon = MessageIcon::None, std::function<void()> closed = {});

private:
    Dialogs &m_dialogs;
    QString m_title;
    QSet<QString> m_up;
};

} // namespace tidewick
