#pragma once

#include <QObject>
#include <QPalette>

class QWidget;

namespace tidewick {

// The contrast of two colours as WCAG reckons it, from 1 to 21.
double contrastRatio(const QColor &first, const QColor &second);
bool isDarkPalette(const QPalette &palette);
// A dark palette of the program's own, for desktops that prefer dark colours
// without handing Qt a palette of them (GNOME: Qt 6.4 does not read it).
QPalette darkPalette();
// What the desktop's portal says the user prefers, where it says anything.
enum class SchemePreference { None, Dark, Light };
// The window's palette from the desktop's: the white look in a light scheme,
// the scheme as a whole in a dark one; and in either, every text at least
// 4.5:1 against what it stands on. A preference the palette does not follow
// wins: Qt reads some desktops' schemes only once, at the start.
QPalette windowPalette(const QPalette &desktop, SchemePreference preference);
// What a GTK theme's name says: dark for "Adwaita-dark", "Greybird-dark" and
// the like, nothing otherwise.
SchemePreference schemeOfTheme(const QString &themeName);

// Gives the window its colours and follows the desktop's colour scheme while
// the program runs: Qt's own palette (Plasma, qt6ct) and, where there is one,
// the desktop portal's "color-scheme" setting (GNOME and other portal
// desktops), asked without waiting and followed by its change signal; and
// where the portal says nothing, XFCE's GTK theme.
class ColourScheme : public QObject {
    Q_OBJECT

public:
    explicit ColourScheme(QWidget &window);

    // Follows a preference the portal stated. However many come in one turn
    // of the event loop, the window takes the latest once, and only when it
    // changes anything.
    void follow(SchemePreference preference);
    // Follows what the desktop's theme says, heard where the portal is silent.
    void followTheme(SchemePreference preference);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void askPortal();
    void askXfce();
    SchemePreference preference() const;
    void scheduleApply();
    void apply();

    QWidget &m_window;
    SchemePreference m_portalPreference = SchemePreference::None;
    SchemePreference m_themePreference = SchemePreference::None;
    SchemePreference m_applied = SchemePreference::None;
    bool m_followPending = false;
    bool m_applying = false;
};

} // namespace tidewick
