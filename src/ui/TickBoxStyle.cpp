#include "ui/TickBoxStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace tidewick {

TickBoxStyle::TickBoxStyle(const QString &baseStyle) : QProxyStyle(baseStyle) {}

void TickBoxStyle::install()
{
    if (!qobject_cast<TickBoxStyle *>(QApplication::style()))
        QApplication::setStyle(new TickBoxStyle(QApplication::style()->name()));
}

void TickBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool tickBox = element == PE_IndicatorCheckBox || element == PE_IndicatorItemViewItemCheck;
    if (!tickBox)
        return;
    QColor edge = option->palette.color(QPalette::Text);
    edge.setAlphaF(0.6);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->translate(0.5, 0.5);
    painter->setPen(edge);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace tidewick
