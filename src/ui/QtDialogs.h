#pragma once

#include "core/Dialogs.h"

class QWidget;

namespace tidewick {

// The real dialogs, parented to the main window.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void showMessage(const QString &title, const QString &text, MessageIcon icon,
                     std::function<void()> closed = {}) override;
    bool askYesNo(const QString &title, const QString &text) override;
    QString askText(const QString &title, const QString &prompt) override;
    QStringList chooseFilesToOpen(const QString &title, const QStringList &filters) override;
    QString chooseFileToSave(const QString &title, const QStringList &filters) override;

private:
    QWidget *m_parent;
};

} // namespace tidewick
