#include "RecordingTrayBackend.h"

#include <QTest>
#include <algorithm>

namespace tidewick::test {

namespace {

QString kindName(RecordingTrayBackend::Kind kind)
{
    using Kind = RecordingTrayBackend::Kind;
    switch (kind) {
    case Kind::AddIcon:
        return QStringLiteral("add");
    case Kind::ModifyTip:
        return QStringLiteral("tip");
    case Kind::ModifyIcon:
        return QStringLiteral("icon");
    case Kind::ShowBalloon:
        return QStringLiteral("balloon");
    case Kind::HideBalloon:
        return QStringLiteral("hide");
    case Kind::DeleteIcon:
        return QStringLiteral("delete");
    }
    return QString();
}

} // namespace

void RecordingTrayBackend::addIcon(const QString &tip, const QIcon &icon)
{
    requests.append({Kind::AddIcon, tip, icon, {}, {}, 0, {}});
}

void RecordingTrayBackend::modifyTip(const QString &tip)
{
    requests.append({Kind::ModifyTip, tip, {}, {}, {}, 0, {}});
}

void RecordingTrayBackend::modifyIcon(const QIcon &icon)
{
    requests.append({Kind::ModifyIcon, {}, icon, {}, {}, 0, {}});
}

void RecordingTrayBackend::showBalloon(const QString &title, const QString &text, qint32 timeoutMs, const QUrl &link)
{
    requests.append({Kind::ShowBalloon, {}, {}, title, text, timeoutMs, link});
}

void RecordingTrayBackend::hideBalloon()
{
    requests.append({Kind::HideBalloon, {}, {}, {}, {}, 0, {}});
}

void RecordingTrayBackend::deleteIcon()
{
    requests.append({Kind::DeleteIcon, {}, {}, {}, {}, 0, {}});
}

QStringList RecordingTrayBackend::kinds() const
{
    QStringList names;
    for (const Request &request : requests)
        names.append(kindName(request.kind));
    return names;
}

RecordingTrayBackend::Request RecordingTrayBackend::last(Kind kind) const
{
    const auto found = std::find_if(requests.crbegin(), requests.crend(),
                                    [kind](const Request &request) { return request.kind == kind; });
    if (found == requests.crend()) {
        QTest::qFail(qPrintable(QStringLiteral("no \"%1\" request was made").arg(kindName(kind))), __FILE__,
                     __LINE__);
        return Request{kind, {}, {}, {}, {}, 0, {}};
    }
    return *found;
}

} // namespace tidewick::test
