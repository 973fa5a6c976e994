#pragma once

#include "core/Dialogs.h"

#include <QList>
#include <QQueue>
#include <functional>

namespace tidewick::test {

// Dialogs answered from a script. Every dialog shown is recorded; a dialog
// whose answer was not scripted gets the "cancel" answer.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind; // "message", "yesno", "text", "open", "save"
        QString title;
        QString text; // message text, question, prompt
        MessageIcon icon = MessageIcon::None;
        QStringList filters;
    };

    void showMessage(const QString &title, const QString &text, MessageIcon icon) override;
    bool askYesNo(const QString &title, const QString &text) override;
    QString askText(const QString &title, const QString &prompt) override;
    QStringList chooseFilesToOpen(const QString &title, const QStringList &filters) override;
    QString chooseFileToSave(const QString &title, const QStringList &filters) override;

    QQueue<bool> yesNoAnswers;
    QQueue<QString> textAnswers;
    QQueue<QStringList> openAnswers;
    QQueue<QString> saveAnswers;
    // Runs while a message box is "open" (the window pumps events then).
    std::function<void(const Shown &)> onShow;

    QList<Shown> shown;
    // Only the message boxes (error reports included), in order.
    QList<Shown> messages() const;
    QStringList messageTexts() const;
    // The error reports, as their texts.
    QStringList errorReports() const;

private:
    void record(Shown shown);
};

} // namespace tidewick::test
