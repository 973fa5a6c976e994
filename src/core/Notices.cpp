#include "core/Notices.h"

#include <QPointer>

namespace tidewick {

void Notices::show(const QString &text, MessageIcon icon, std::function<void()> closed)
{
    if (m_up.contains(text))
        return;
    m_up.insert(text);
    const QPointer<Notices> alive(this);
    m_dialogs.showMessage(m_title, text, icon, [alive, text, closed = std::move(closed)] {
        if (alive)
            alive->m_up.remove(text);
        if (closed)
            closed();
    });
}

} // namespace tidewick
