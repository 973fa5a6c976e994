#include "ScriptedDialogs.h"

#include <QTimer>

namespace tidewick::test {

void ScriptedDialogs::record(Shown item)
{
    shown.append(item);
    if (onShow)
        onShow(item);
}

void ScriptedDialogs::showMessage(const QString &title, const QString &text, MessageIcon icon,
                                  std::function<void()> closed)
{
    record({QStringLiteral("message"), title, text, icon, {}});
    m_open.append(closed ? std::move(closed) : [] {});
    if (!holdMessages)
        QTimer::singleShot(0, this, &ScriptedDialogs::answerMessages);
}

void ScriptedDialogs::answerMessages()
{
    for (const std::function<void()> &closed : std::exchange(m_open, {}))
        closed();
}

bool ScriptedDialogs::askYesNo(const QString &title, const QString &text)
{
    record({QStringLiteral("yesno"), title, text, MessageIcon::None, {}});
    return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
}

QString ScriptedDialogs::askText(const QString &title, const QString &prompt)
{
    record({QStringLiteral("text"), title, prompt, MessageIcon::None, {}});
    return textAnswers.isEmpty() ? QString() : textAnswers.dequeue();
}

QStringList ScriptedDialogs::chooseFilesToOpen(const QString &title, const QStringList &filters)
{
    record({QStringLiteral("open"), title, {}, MessageIcon::None, filters});
    return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue();
}

QString ScriptedDialogs::chooseFileToSave(const QString &title, const QStringList &filters)
{
    record({QStringLiteral("save"), title, {}, MessageIcon::None, filters});
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
}

QList<ScriptedDialogs::Shown> ScriptedDialogs::messages() const
{
    QList<Shown> result;
    for (const Shown &item : shown)
        if (item.kind == QLatin1String("message"))
            result.append(item);
    return result;
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList result;
    for (const Shown &item : messages())
        result.append(item.text);
    return result;
}

QStringList ScriptedDialogs::errorReports() const
{
    QStringList result;
    for (const Shown &item : messages())
        if (item.title == QLatin1String("Application Error"))
            result.append(item.text);
    return result;
}

} // namespace tidewick::test
