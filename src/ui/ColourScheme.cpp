#include "ui/ColourScheme.h"
#include "ui/ProgramStyle.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <functional>
#include <utility>

namespace tidewick {

namespace {
constexpr double kLeastContrast = 4.5;
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColourScheme = QStringLiteral("color-scheme");
// XFCE's settings daemon, which holds the GTK theme the user chose.
const QString kXfconfService = QStringLiteral("org.xfce.Xfconf");
const QString kXfconfPath = QStringLiteral("/org/xfce/Xfconf");
const QString kXfconfInterface = QStringLiteral("org.xfce.Xfconf");
const QString kXsettings = QStringLiteral("xsettings");
const QString kThemeName = QStringLiteral("/Net/ThemeName");

double luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

// Black or white, whichever stands out more, where a text is too faint.
void keepReadable(QPalette &palette, QPalette::ColorRole text, QPalette::ColorRole background)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor behind = palette.color(group, background);
        if (contrastRatio(palette.color(group, text), behind) >= kLeastContrast)
            continue;
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        palette.setColor(group, text, contrastRatio(black, behind) >= contrastRatio(white, behind) ? black : white);
    }
}

// Alternate rows carry the list's text too. Where their colour does not
// suit it (a scheme that names none keeps Qt's light one), they take the
// rows' own colour, a shade apart; the text stays as it reads on the rows.
void keepAlternateRowsReadable(QPalette &palette)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor text = palette.color(group, QPalette::Text);
        if (contrastRatio(text, palette.color(group, QPalette::AlternateBase)) >= kLeastContrast)
            continue;
        const QColor base = palette.color(group, QPalette::Base);
        const QColor shade = base.lightness() < 128 ? base.lighter(115) : base.darker(104);
        palette.setColor(group, QPalette::AlternateBase, contrastRatio(text, shade) >= kLeastContrast ? shade : base);
    }
}

// A variant holding a variant, as the portal's Read answers: 0 no
// preference, 1 prefer dark, 2 prefer light.
SchemePreference schemeOf(const QVariant &answer)
{
    QVariant value = answer;
    while (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    switch (value.toUInt()) {
    case 1:
        return SchemePreference::Dark;
    case 2:
        return SchemePreference::Light;
    default:
        return SchemePreference::None;
    }
}

// A plain light palette, for a desktop that turned light again while Qt
// still holds the dark scheme it read at the start.
QPalette lightPalette()
{
    QPalette palette(QColor(0xef, 0xf0, 0xf1));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    return palette;
}
// Hears the portal's change signal: a QObject of its own, so that the
// window's header needs none of D-Bus's types.
class PortalSchemeListener : public QObject {
    Q_OBJECT

public:
    PortalSchemeListener(QObject *parent, std::function<void(SchemePreference)> follow)
        : QObject(parent), m_follow(std::move(follow))
    {
    }

public slots:
    void settingChanged(const QString &nameSpace, const QString &key, const QDBusVariant &value)
    {
        if (nameSpace == kAppearance && key == kColourScheme)
            m_follow(schemeOf(value.variant()));
    }

    void propertyChanged(const QString &channel, const QString &property, const QDBusVariant &value)
    {
        if (channel == kXsettings && property == kThemeName)
            m_follow(schemeOfTheme(value.variant().toString()));
    }

private:
    std::function<void(SchemePreference)> m_follow;
};

// Asks a desktop service for its scheme without waiting: `follow` hears
// the answer, if any.
void askScheme(const QDBusMessage &question, QObject *context, std::function<void(SchemePreference)> follow,
               SchemePreference (*answerToScheme)(const QVariant &))
{
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(question), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [follow = std::move(follow), answerToScheme](QDBusPendingCallWatcher *call) {
                         call->deleteLater();
                         const QDBusPendingReply<QVariant> reply = *call;
                         if (!reply.isError())
                             follow(answerToScheme(reply.value()));
                     });
}
} // namespace

SchemePreference schemeOfTheme(const QString &themeName)
{
    static const QRegularExpression dark(QStringLiteral("(^|[-_: ])dark($|[-_: ])"),
                                         QRegularExpression::CaseInsensitiveOption);
    return dark.match(themeName).hasMatch() ? SchemePreference::Dark : SchemePreference::None;
}

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool isDarkPalette(const QPalette &palette)
{
    return luminance(palette.color(QPalette::Window)) < luminance(palette.color(QPalette::WindowText));
}

QPalette darkPalette()
{
    QPalette palette;
    const QColor text(0xfc, 0xfc, 0xfc);
    palette.setColor(QPalette::Window, QColor(0x20, 0x23, 0x26));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x14, 0x16, 0x18));
    palette.setColor(QPalette::AlternateBase, QColor(0x1d, 0x1f, 0x22));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x29, 0x2c, 0x30));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(0x1b, 0x66, 0x8f));
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::ToolTipBase, QColor(0x29, 0x2c, 0x30));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0xa1, 0xa9, 0xb1));
    palette.setColor(QPalette::Link, QColor(0x1d, 0x99, 0xf3));
    palette.setColor(QPalette::Light, QColor(0x40, 0x45, 0x4b));
    palette.setColor(QPalette::Midlight, QColor(0x33, 0x37, 0x3c));
    palette.setColor(QPalette::Mid, QColor(0x1a, 0x1c, 0x1f));
    palette.setColor(QPalette::Dark, QColor(0x10, 0x11, 0x13));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x6e, 0x74, 0x7a));
    return palette;
}

QPalette windowPalette(const QPalette &desktop, SchemePreference preference)
{
    QPalette palette = desktop;
    if (preference == SchemePreference::Dark && !isDarkPalette(desktop))
        palette = darkPalette();
    else if (preference == SchemePreference::Light && isDarkPalette(desktop))
        palette = lightPalette();
    if (!isDarkPalette(palette)) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::Window, Qt::white);
    }
    keepReadable(palette, QPalette::WindowText, QPalette::Window);
    keepReadable(palette, QPalette::Text, QPalette::Base);
    keepAlternateRowsReadable(palette);
    keepReadable(palette, QPalette::ButtonText, QPalette::Button);
    keepReadable(palette, QPalette::HighlightedText, QPalette::Highlight);
    keepReadable(palette, QPalette::ToolTipText, QPalette::ToolTipBase);
    return palette;
}

ColourScheme::ColourScheme(QWidget &window) : QObject(&window), m_window(window)
{
    ProgramStyle::install();
    qApp->installEventFilter(this);
    apply();
    askPortal();
}

void ColourScheme::askPortal()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // QtDBus finds the slot's argument types by name, and Qt 6.4 names this
    // one only once it is registered: without this the connection fails.
    qRegisterMetaType<QDBusVariant>();
    auto *listener = new PortalSchemeListener(this, [this](SchemePreference preference) { follow(preference); });
    bus.connect(kPortalService, kPortalPath, kSettingsInterface, QStringLiteral("SettingChanged"), listener,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage read = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kSettingsInterface,
                                                       QStringLiteral("Read"));
    read << kAppearance << kColourScheme;
    // The portal starts on asking, as desktops expect.
    askScheme(read, this, [this](SchemePreference preference) { follow(preference); }, schemeOf);
    askXfce();
}

// XFCE's portal states no preference: a dark GTK theme chosen in its
// Appearance settings says it instead.
void ColourScheme::askXfce()
{
    if (!qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("XFCE"), Qt::CaseInsensitive))
        return;
    auto *listener = new PortalSchemeListener(this, [this](SchemePreference theme) { followTheme(theme); });
    QDBusConnection::sessionBus().connect(kXfconfService, kXfconfPath, kXfconfInterface,
                                          QStringLiteral("PropertyChanged"), listener,
                                          SLOT(propertyChanged(QString, QString, QDBusVariant)));
    QDBusMessage read = QDBusMessage::createMethodCall(kXfconfService, kXfconfPath, kXfconfInterface,
                                                       QStringLiteral("GetProperty"));
    read << kXsettings << kThemeName;
    // XFCE runs its settings daemon; where it does not run, it is not started.
    read.setAutoStartService(false);
    askScheme(read, this, [this](SchemePreference theme) { followTheme(theme); },
                       [](const QVariant &answer) { return schemeOfTheme(answer.toString()); });
}

// The portal may signal a change many times over (a settings tool dragged
// back and forth, or a faulty one in a loop).
void ColourScheme::follow(SchemePreference preference)
{
    m_portalPreference = preference;
    scheduleApply();
}

void ColourScheme::followTheme(SchemePreference preference)
{
    m_themePreference = preference;
    scheduleApply();
}

// The portal's word counts first; where it says nothing, the theme's.
SchemePreference ColourScheme::preference() const
{
    return m_portalPreference != SchemePreference::None ? m_portalPreference : m_themePreference;
}

void ColourScheme::scheduleApply()
{
    if (std::exchange(m_followPending, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_followPending = false;
        if (preference() != m_applied)
            apply();
    });
}

// Qt tells every widget of a change of the desktop's palette; the window
// takes it once, from the application.
bool ColourScheme::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange && !m_applying)
        apply();
    return QObject::eventFilter(watched, event);
}

void ColourScheme::apply()
{
    m_applying = true;
    m_applied = preference();
    m_window.setPalette(windowPalette(QApplication::palette(), m_applied));
    m_applying = false;
}

} // namespace tidewick

#include "ColourScheme.moc"
