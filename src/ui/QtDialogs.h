#pragma once

#include "core/Dialogs.h"

#include <functional>

class QDialog;
class QWidget;

namespace tidewick {

// The real dialogs, parented to the main window: a Wayland compositor ties a
// box to the window (above it, and on Plasma centred over it) only when the
// window is its parent, as a transient toplevel, and a client cannot place
// it there itself. A box needs its parent on the screen, so a parent out of
// sight (hidden in the tray) is first brought back with `bringBack`. Where
// the desktop draws no frames (GNOME) and places boxes away from the window,
// boxes and questions show inside the window instead (`DialogSheet`).
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent, std::function<void()> bringBack = {})
    {
        m_parent = parent;
        m_bringBack = std::move(bringBack);
    }
    void showInsideWindow(bool inside) { m_insideWindow = inside; }

    void showMessage(const QString &title, const QString &text, MessageIcon icon,
                     std::function<void()> closed = {}) override;
    bool askYesNo(const QString &title, const QString &text) override;
    QString askText(const QString &title, const QString &prompt) override;
    QStringList chooseFilesToOpen(const QString &title, const QStringList &filters) override;
    QString chooseFileToSave(const QString &title, const QStringList &filters) override;

private:
    // The parent, on the screen.
    QWidget *shownParent();
    // The dialog, shown inside its parent where that is the way here.
    void placeInWindow(QDialog &dialog);

    QWidget *m_parent;
    std::function<void()> m_bringBack;
    bool m_insideWindow = false;
};

} // namespace tidewick
