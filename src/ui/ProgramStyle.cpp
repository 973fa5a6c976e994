#include "ui/ProgramStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace tidewick {

ProgramStyle::ProgramStyle(const QString &baseStyle) : QProxyStyle(baseStyle) {}

void ProgramStyle::install()
{
    if (!qobject_cast<ProgramStyle *>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
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

void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionProgressBar *>(option);
    const bool determinate = bar && bar->maximum > bar->minimum;
    if (determinate && element == CE_ProgressBarGroove) {
        // Filled rectangles, not lines: Qt hands long lines to other threads
        // to draw.
        const QRect edge = bar->rect;
        const QColor line = bar->palette.color(QPalette::Mid);
        painter->fillRect(edge, bar->palette.color(QPalette::Base));
        painter->fillRect(QRect(edge.topLeft(), QSize(edge.width(), 1)), line);
        painter->fillRect(QRect(edge.bottomLeft(), QSize(edge.width(), 1)), line);
        painter->fillRect(QRect(edge.topLeft(), QSize(1, edge.height())), line);
        painter->fillRect(QRect(edge.topRight(), QSize(1, edge.height())), line);
        return;
    }
    if (determinate && element == CE_ProgressBarContents) {
        const double done = std::clamp(double(bar->progress - bar->minimum) / (bar->maximum - bar->minimum), 0.0, 1.0);
        QRect filled = bar->rect.adjusted(1, 1, -1, -1);
        filled.setWidth(qRound(filled.width() * done));
        painter->fillRect(QStyle::visualRect(bar->direction, bar->rect, filled), bar->palette.color(QPalette::Highlight));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace tidewick
