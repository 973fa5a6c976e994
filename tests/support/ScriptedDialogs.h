#pragma once

#include "core/Dialogs.h"

#include <QObject>

#include <QList>
#include <QQueue>
#include <functional>

namespace tidewick::test {

// Dialogs answered from a script. Every dialog shown is recorded; a dialog
// whose answer was not scripted gets the "cancel" answer. A message box is
// answered on the next turn of the event loop, or, while messages are held,
// when the test answers it.
class ScriptedDialogs final : public QObject, public Dialogs {
    Q_OBJECT

public:
    struct Shown {
        QString kind; // "message", "yesno", "text", "open", "save"
        QString title;
        QString text; // message text, question, prompt
        MessageIcon icon = MessageIcon::None;
        QStringList filters;
    };

    void showMessage(const QString &title, const QString &text, MessageIcon icon,
                     std::function<void()> closed = {}) override;
    // Answers the message boxes still open.
    void answerMessages();
    bool holdMessages = false;
    bool askYesNo(const QString &title, const QString &text) override;
    QString askText(const QString &title, const QString &prompt) override;
    QStringList chooseFilesToOpen(const QString &title, const QStringList &filters) override;
    QString chooseFileToSave(const QString &title, const QStringList &filters) override;

    QQueue<bool> yesNoAnswers;
    QQueue<QString> textAnswers;
    QQueue<QStringList> openAnswers;
    QQueue<QString> saveAnswers;
    // Runs when a dialog is shown.
    std::function<void(const Shown &)> onShow;

    QList<Shown> shown;
    // Only the message boxes (error reports included), in order.
    QList<Shown> messages() const;
    QStringList messageTexts() const;
    // The error reports, as their texts.
    QStringList errorReports() const;

private:
    void record(Shown shown);

    QList<std::function<void()>> m_open;
};

} // namespace tidewick::test
