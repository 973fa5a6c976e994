#include "ui/ProgramStyle.h"

#include "ui/ColourScheme.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace tidewick {

namespace {
// What an edge or a focus ring must reach against what is around it.
constexpr double kLeastEdgeContrast = 3.0;

// The colour among the palette's text colours that stands out most from `behind`.
QColor focusColour(const QPalette &palette, const QColor &behind)
{
    QColor best = palette.color(QPalette::WindowText);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::HighlightedText, QPalette::Highlight}) {
        const QColor candidate = palette.color(role);
        if (contrastRatio(candidate, behind) > contrastRatio(best, behind))
            best = candidate;
    }
    return best;
}

// A control's edge: the window's colour moved toward the text's until it
// stands out at 3:1, so that it shows where the control is without
// shouting.
QColor edgeColour(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    for (int step = 1; step < 10; ++step) {
        const double part = step / 10.0;
        const QColor mixed = QColor::fromRgbF(float(window.redF() + (text.redF() - window.redF()) * part),
                                              float(window.greenF() + (text.greenF() - window.greenF()) * part),
                                              float(window.blueF() + (text.blueF() - window.blueF()) * part));
        if (contrastRatio(mixed, window) >= kLeastEdgeContrast)
            return mixed;
    }
    return text;
}

// A frame `width` pixels wide just inside `rect`, of filled rectangles (Qt
// hands long lines to other threads to draw).
void drawRing(QPainter *painter, const QRect &rect, const QColor &colour, int width)
{
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), width), colour);
    painter->fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), colour);
    painter->fillRect(QRect(rect.left(), rect.top(), width, rect.height()), colour);
    painter->fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), colour);
}
} // namespace

ProgramStyle::ProgramStyle(const QString &baseStyle) : QProxyStyle(baseStyle) {}

void ProgramStyle::install()
{
    if (!qobject_cast<ProgramStyle *>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    if (element == PE_FrameFocusRect) {
        // Fusion's focus frame is a faint tint (about 1.3:1, unseen on a
        // selected row); this one stands out as the text does.
        const auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option);
        const QColor behind = focus && focus->backgroundColor.isValid() ? focus->backgroundColor
                                                                         : option->palette.color(QPalette::Window);
        drawRing(painter, option->rect, focusColour(option->palette, behind), 2);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool focused = option->state & State_HasFocus;
    const bool listFrame = element == PE_Frame && qobject_cast<const QAbstractItemView *>(widget);
    const bool buttonEdge = element == PE_PanelButtonCommand || element == PE_FrameLineEdit;
    if (listFrame || buttonEdge) {
        // Fusion's edges are a shade of the window (1.1 to 2:1); a focused
        // list shows its focus on its frame as well as on its current row.
        const QColor behind = option->palette.color(QPalette::Window);
        if (focused)
            drawRing(painter, option->rect, focusColour(option->palette, behind), 2);
        else
            drawRing(painter, option->rect, edgeColour(option->palette), 1);
        return;
    }
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
