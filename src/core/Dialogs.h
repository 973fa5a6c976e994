#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tidewick {

enum class MessageIcon { None, Exclamation };

// The file dialogs' choice for text lists: text files, or all files.
QStringList textFileFilters();

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

} // namespace tidewick
