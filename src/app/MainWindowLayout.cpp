#include "app/MainWindow.h"
#include "ui/TitleBar.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

namespace tidewick {

// The window's controls stand where the layout in twips puts them. Where a
// text does not fit its control (a longer translation, a larger font) the
// whole layout grows until every text fits; where the window would then be
// larger than the screen's room for it, the layout shrinks with its fonts,
// down to a size that stays legible, and scrolls beyond.

namespace {
// The window's client area, in twips (1/1440 inch).
constexpr int kClientWidth = 15915;
constexpr int kClientHeight = 6810;
// The smallest the layout shrinks to fit a small screen; it scrolls beyond.
constexpr double kSmallestZoom = 0.75;
// Room the window manager's frame and title take from the screen's area:
// below and above, and at the sides (a border each).
constexpr int kFrameRoom = 48;
constexpr int kSideFrameRoom = 8;

// How much larger a control must be for its text to show whole.
double growthFor(const QWidget *control)
{
    // One line of text: as wide as the style asks for, as high as the font.
    const QFontMetrics metrics(control->font());
    QSize needed;
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        needed = QSize(metrics.horizontalAdvance(group->title()) + 2 * metrics.height(), 0);
    else if (qobject_cast<const QAbstractButton *>(control))
        needed = QSize(control->sizeHint().width(), metrics.height() + 2);
    const double wide = control->width() > 0 ? double(needed.width()) / control->width() : 1.0;
    const double high = control->height() > 0 ? double(needed.height()) / control->height() : 1.0;
    return std::max({1.0, wide, high});
}
} // namespace

int MainWindow::twips(int value) const
{
    const QScreen *screen = this->screen();
    const qreal dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return qRound(value * dpi / 1440.0 * m_layoutScale);
}

void MainWindow::placeControl(QWidget *control, int left, int top, int width, int height)
{
    m_placements.append({control, left, top, width, height});
    applyPlacement(m_placements.constLast());
}

// Right-to-left languages see the layout mirrored.
void MainWindow::applyPlacement(const Placement &placement)
{
    int left = placement.left;
    if (layoutDirection() == Qt::RightToLeft) {
        int parentWidth = kClientWidth;
        for (const Placement &parent : std::as_const(m_placements)) {
            if (parent.control == placement.control->parentWidget())
                parentWidth = parent.width;
        }
        left = parentWidth - placement.left - placement.width;
    }
    placement.control->setGeometry(twips(left), twips(placement.top), twips(placement.width),
                                   twips(placement.height));
}

void MainWindow::fitToTextAndScreen()
{
    double growth = 1.0;
    for (const Placement &placement : std::as_const(m_placements))
        growth = std::max(growth, growthFor(placement.control));
    const QSize grown(qRound(twips(kClientWidth) * growth), qRound(twips(kClientHeight) * growth));
    double zoom = 1.0;
    if (const QScreen *screen = this->screen()) {
        const QRect room = screen->availableGeometry().adjusted(0, 0, -kSideFrameRoom, -kFrameRoom);
        zoom = std::min({1.0, double(room.width()) / grown.width(), double(room.height()) / grown.height()});
    }
    zoom = std::max(zoom, kSmallestZoom);
    if (growth == 1.0 && zoom == 1.0) {
        m_canvas->setFixedSize(twips(kClientWidth), twips(kClientHeight));
    } else {
        setLayoutScale(growth * zoom, zoom);
    }
    fitWindowToCanvas();
}

// Shrinking takes the fonts along, so that what fitted still fits.
void MainWindow::setLayoutScale(double scale, double fontZoom)
{
    m_layoutScale = scale;
    if (fontZoom < 1.0) {
        const QList<QWidget *> controls = m_canvas->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (!control->testAttribute(Qt::WA_SetFont))
                continue;
            QFont font = control->font();
            font.setPointSizeF(font.pointSizeF() * fontZoom);
            control->setFont(font);
        }
        QFont font = this->font();
        font.setPointSizeF(font.pointSizeF() * fontZoom);
        setFont(font);
    }
    for (const Placement &placement : std::as_const(m_placements))
        applyPlacement(placement);
    m_canvas->setFixedSize(twips(kClientWidth), twips(kClientHeight));
}

// A window that fits keeps a fixed size (and offers no maximise); one that
// does not fit the screen takes the room there is and scrolls. A title bar
// of the window's own stands above the canvas.
void MainWindow::fitWindowToCanvas()
{
    const int bar = m_titleBar ? m_titleBar->sizeHint().height() : 0;
    const QSize canvas = m_canvas->size();
    QSize room = canvas;
    if (const QScreen *screen = this->screen())
        room = room.boundedTo(screen->availableGeometry().adjusted(0, 0, -kSideFrameRoom, -kFrameRoom - bar).size());
    const QSize whole = canvas + QSize(0, bar);
    if (room == canvas) {
        setFixedSize(whole);
    } else {
        setMinimumSize(room.boundedTo(QSize(320, 240)) + QSize(0, bar));
        setMaximumSize(whole);
        resize(room + QSize(0, bar));
    }
    placeScrollAndBar();
}

void MainWindow::placeScrollAndBar()
{
    const int bar = m_titleBar ? m_titleBar->sizeHint().height() : 0;
    if (m_titleBar)
        m_titleBar->setGeometry(0, 0, width(), bar);
    m_scroll->setGeometry(0, bar, width(), height() - bar);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    placeScrollAndBar();
    QWidget::resizeEvent(event);
}

void MainWindow::drawOwnTitleBar()
{
    if (m_titleBar)
        return;
    setWindowFlag(Qt::FramelessWindowHint, true);
    m_titleBar = new TitleBar(*this);
    connect(m_titleBar, &TitleBar::minimiseClicked, this,
            [this] { setWindowState(windowState() | Qt::WindowMinimized); });
    connect(m_titleBar, &TitleBar::closeClicked, this, &QWidget::close);
    fitWindowToCanvas();
}

} // namespace tidewick
