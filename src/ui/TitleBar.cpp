#include "ui/TitleBar.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace tidewick {

namespace {
// The bar's colour: a shade off the window's, as desktops draw theirs.
QColor barColour(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    return window.lightness() > 128 ? window.darker(108) : window.lighter(135);
}
} // namespace

bool moveWindowOnPress(QWidget &window, const QMouseEvent &event)
{
    QWindow *handle = window.windowHandle();
    return event.button() == Qt::LeftButton && handle && handle->startSystemMove();
}

TitleBarButton::TitleBarButton(Sign sign, QWidget *parent) : QAbstractButton(parent), m_sign(sign)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

QSize TitleBarButton::sizeHint() const
{
    const int side = fontMetrics().height() * 3 / 2;
    return {side, side};
}

void TitleBarButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF round = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QColor text = palette().color(QPalette::WindowText);
    if (isDown() || underMouse()) {
        QColor shade = text;
        shade.setAlphaF(isDown() ? 0.22 : 0.12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawEllipse(round);
    }
    const qreal reach = round.width() / 5;
    const QPointF centre = round.center();
    painter.setPen(QPen(text, std::max(1.0, round.width() / 16), Qt::SolidLine, Qt::RoundCap));
    if (m_sign == Sign::Minimise) {
        painter.drawLine(centre + QPointF(-reach, reach * 0.6), centre + QPointF(reach, reach * 0.6));
    } else {
        painter.drawLine(centre + QPointF(-reach, -reach), centre + QPointF(reach, reach));
        painter.drawLine(centre + QPointF(-reach, reach), centre + QPointF(reach, -reach));
    }
}

TitleBar::TitleBar(QWidget &window)
    : QWidget(&window), m_window(window), m_title(new QLabel(this)),
      m_minimise(new TitleBarButton(TitleBarButton::Sign::Minimise, this)),
      m_close(new TitleBarButton(TitleBarButton::Sign::Close, this))
{
    setObjectName(QStringLiteral("titleBar"));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setTextFormat(Qt::PlainText);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    // Presses on the title move the window as presses on the bar do.
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_title->setText(window.windowTitle());
    m_minimise->setObjectName(QStringLiteral("minimiseButton"));
    m_close->setObjectName(QStringLiteral("closeButton"));
    translate();
    connect(m_minimise, &QAbstractButton::clicked, this, &TitleBar::minimiseClicked);
    connect(m_close, &QAbstractButton::clicked, this, &TitleBar::closeClicked);
    window.installEventFilter(this);
}

QSize TitleBar::sizeHint() const
{
    return {m_window.width(), m_close->sizeHint().height() + fontMetrics().height() / 2 + 2};
}

void TitleBar::translate()
{
    m_minimise->setAccessibleName(tr("Minimize"));
    m_minimise->setToolTip(tr("Minimize"));
    m_close->setAccessibleName(tr("Close"));
    m_close->setToolTip(tr("Close"));
}

bool TitleBar::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        translate();
    return QWidget::event(event);
}

// The title follows the window's.
bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::WindowTitleChange)
        m_title->setText(m_window.windowTitle());
    return QWidget::eventFilter(watched, event);
}

// The compositor moves the window, as it would by its own bar.
void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (!moveWindowOnPress(m_window, *event))
        QWidget::mousePressEvent(event);
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), barColour(palette()));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

// The buttons at the end a reader finishes at, the title centred.
void TitleBar::resizeEvent(QResizeEvent *event)
{
    const int side = m_close->sizeHint().width();
    const int gap = side / 4;
    const int top = (height() - side) / 2;
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    const int closeLeft = mirrored ? gap : width() - gap - side;
    const int minimiseLeft = mirrored ? closeLeft + side + gap : closeLeft - gap - side;
    m_close->setGeometry(closeLeft, top, side, side);
    m_minimise->setGeometry(minimiseLeft, top, side, side);
    const int room = 2 * (2 * side + 3 * gap);
    m_title->setGeometry(room / 2, 0, std::max(0, width() - room), height());
    QWidget::resizeEvent(event);
}

} // namespace tidewick
