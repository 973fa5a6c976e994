#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QtGlobal>

namespace tidewick::test {

// Sets environment variables for one scope and puts back what was there
// (or the absence) when it ends, so a test that changes PATH or TEMP cannot
// leak the change into the next one.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
            if (it->second.isNull())
                qunsetenv(it->first.constData());
            else
                qputenv(it->first.constData(), it->second);
        }
    }

    void set(const char *name, const QByteArray &value)
    {
        m_saved.append({QByteArray(name), qgetenv(name)});
        qputenv(name, value);
    }

    void unset(const char *name)
    {
        m_saved.append({QByteArray(name), qgetenv(name)});
        qunsetenv(name);
    }

private:
    QList<QPair<QByteArray, QByteArray>> m_saved;
};

} // namespace tidewick::test
