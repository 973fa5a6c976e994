#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace tidewick {

enum class MessageIcon { None, Exclamation };

// Every message box, input box and file dialog of the program goes through this
// seam, so tests can answer them with a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with only an OK button, shown without waiting for it:
    // `closed` runs once the user has answered it.
    virtual void showMessage(const QString &title, const QString &text, MessageIcon icon,
                             std::function<void()> closed = {}) = 0;
    // Yes/No question without icon; true for Yes.
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    // Input box with OK and Cancel; Cancel gives the empty text.
    virtual QString askText(const QString &title, const QString &prompt) = 0;
    // Open dialog allowing several files; empty when cancelled. Whole paths.
    virtual QStringList chooseFilesToOpen(const QString &title, const QStringList &filters) = 0;
    // Save dialog without overwrite warning or default suffix; empty when cancelled.
    virtual QString chooseFileToSave(const QString &title, const QStringList &filters) = 0;
};

// The real dialogs, parented to the main window: a Wayland compositor ties a
// box to the window (above it, and on Plasma centred over it) only when the
// window is its parent, as a transient toplevel, and a client cannot place
// it there itself. A box needs its parent on the screen, so a parent out of
// sight (hidden in the tray) is first brought back with `bringBack`.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent, std::function<void()> bringBack = {})
    {
        m_parent = parent;
        m_bringBack = std::move(bringBack);
    }

    void showMessage(const QString &title, const QString &text, MessageIcon icon,
                     std::function<void()> closed = {}) override;
    bool askYesNo(const QString &title, const QString &text) override;
    QString askText(const QString &title, const QString &prompt) override;
    QStringList chooseFilesToOpen(const QString &title, const QStringList &filters) override;
    QString chooseFileToSave(const QString &title, const QStringList &filters) override;

private:
    // The parent, on the screen.
    QWidget *shownParent();

    QWidget *m_parent;
    std::function<void()> m_bringBack;
};

} // namespace tidewick
