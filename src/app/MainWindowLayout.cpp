#include "app/MainWindow.h"
#include "ui/TitleBar.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

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

// The caption a button takes at other times besides the one it shows.
constexpr char kOtherCaption[] = "otherCaption";

// How much larger a control must be for its text to show whole, whichever
// of its captions it shows.
double growthFor(const QWidget *control)
{
    // One line of text: as wide as the style asks for, as high as the font.
    const QFontMetrics metrics(control->font());
    QSize needed;
    if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
        needed = QSize(metrics.horizontalAdvance(group->title()) + 2 * metrics.height(), 0);
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        const auto textWidth = [&](const QString &text) { return metrics.size(Qt::TextShowMnemonic, text).width(); };
        const QString other = control->property(kOtherCaption).toString();
        const int otherWider = other.isEmpty() ? 0 : std::max(0, textWidth(other) - textWidth(button->text()));
        needed = QSize(control->sizeHint().width() + otherWider, metrics.height() + 2);
    }
    const double wide = control->width() > 0 ? double(needed.width()) / control->width() : 1.0;
    const double high = control->height() > 0 ? double(needed.height()) / control->height() : 1.0;
    return std::max({1.0, wide, high});
}
} // namespace

// The screen the window shows on: its native window's, which follows a move
// at once (QWidget::screen() may still name the screen it was created for).
QScreen *MainWindow::layoutScreen() const
{
    const QWindow *window = windowHandle();
    return window && window->screen() ? window->screen() : screen();
}

int MainWindow::twips(int value) const
{
    const QScreen *screen = layoutScreen();
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

void MainWindow::makeRoomForCaption(QAbstractButton *button, const QString &caption)
{
    button->setProperty(kOtherCaption, caption);
}

void MainWindow::fitToTextAndScreen()
{
    // Each fit starts from the layout as designed, so that a second one (the
    // screen's scale changed) measures what the first did.
    setLayoutScale(1.0, 1.0 / m_fontZoom);
    const double growth = largestGrowth();
    const QSize grown(qRound(twips(kClientWidth) * growth), qRound(twips(kClientHeight) * growth));
    double zoom = 1.0;
    if (const QScreen *screen = layoutScreen()) {
        const QRect room = screen->availableGeometry().adjusted(0, 0, -kSideFrameRoom, -kFrameRoom);
        zoom = std::min({1.0, double(room.width()) / grown.width(), double(room.height()) / grown.height()});
    }
    zoom = std::max(zoom, kSmallestZoom);
    if (growth != 1.0 || zoom != 1.0)
        setLayoutScale(growth * zoom, zoom);
    // Smaller fonts do not always shrink their texts in step (hinting): what
    // still lacks room gets it.
    if (const double rest = largestGrowth(); rest > 1.0)
        setLayoutScale(m_layoutScale * rest, 1.0);
    fitWindowToCanvas();
}

double MainWindow::largestGrowth() const
{
    double growth = 1.0;
    for (const Placement &placement : std::as_const(m_placements))
        growth = std::max(growth, growthFor(placement.control));
    return growth;
}

// Shrinking takes the fonts along, so that what fitted still fits.
void MainWindow::setLayoutScale(double scale, double fontZoom)
{
    m_layoutScale = scale;
    if (fontZoom != 1.0) {
        m_fontZoom *= fontZoom;
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

// A window that a change of scale leaves larger than its screen fits again
// as at start, and comes back onto the screen.
void MainWindow::followScreen(QScreen *screen)
{
    watchScreen(screen);
    refitToScreen();
}

void MainWindow::watchScreen(QScreen *screen)
{
    delete m_screenWatch;
    m_screenWatch = new QObject(this);
    if (!screen)
        return;
    connect(screen, &QScreen::availableGeometryChanged, m_screenWatch, [this] { refitToScreen(); },
            Qt::QueuedConnection);
    connect(screen, &QScreen::logicalDotsPerInchChanged, m_screenWatch, [this] { refitToScreen(); },
            Qt::QueuedConnection);
}

void MainWindow::refitToScreen()
{
    const QSize before = size();
    fitToTextAndScreen();
    if (size() != before)
        comeBackOnScreen();
}

// A window that has changed its size may now stand partly off the screen.
// On X11 it moves back; a Wayland program cannot place itself, so the window
// is shown anew, where the compositor places a new window.
void MainWindow::comeBackOnScreen()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        if (isVisible()) {
            hide();
            show();
        }
        return;
    }
    const QScreen *now = layoutScreen();
    if (now && !now->availableGeometry().contains(frameGeometry()))
        move(now->availableGeometry().center() - rect().center());
}

void MainWindow::followScreenOnce()
{
    QWindow *window = windowHandle();
    if (!window || m_screenWatch)
        return;
    connect(window, &QWindow::screenChanged, this, &MainWindow::followScreen);
    // The window was fitted to this screen as it was made.
    watchScreen(window->screen());
}

// A window that fits keeps a fixed size (and offers no maximise); one that
// does not fit the screen takes the room there is and scrolls. A title bar
// of the window's own stands above the canvas.
void MainWindow::fitWindowToCanvas()
{
    const int bar = m_titleBar ? m_titleBar->sizeHint().height() : 0;
    const QSize canvas = m_canvas->size();
    QSize room = canvas;
    if (const QScreen *screen = layoutScreen()) {
        const QSize free = screen->availableGeometry().adjusted(0, 0, -kSideFrameRoom, -kFrameRoom - bar).size();
        room = canvas.boundedTo(free);
        // A scroll bar along one side takes room across the other: the
        // window takes it from the screen where there is some, so that it
        // scrolls one way only.
        const int scrollBar = m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
        if (room.width() < canvas.width() && room.height() == canvas.height())
            room.setHeight(std::min(free.height(), canvas.height() + scrollBar));
        else if (room.height() < canvas.height() && room.width() == canvas.width())
            room.setWidth(std::min(free.width(), canvas.width() + scrollBar));
    }
    if (room == canvas) {
        setFixedSize(canvas + QSize(0, bar));
    } else {
        setMinimumSize(room.boundedTo(QSize(320, 240)) + QSize(0, bar));
        setMaximumSize(room.expandedTo(canvas) + QSize(0, bar));
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
