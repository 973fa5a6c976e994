#pragma once

#include <QProxyStyle>

namespace tidewick {

// The application's style with the program's corrections:
// - focus and edges that can be seen: a focused control's ring and a
//   list's current row are drawn in the text colour that stands out most
//   from what is behind them, and the edges of lists, buttons and fields
//   stand out from the window at 3:1 (Fusion's are 1.1 to 2:1);
// - the edge of tick boxes: Fusion draws it a shade darker than the window,
//   faint on white (2:1) and unseen on a dark window, so that an unticked
//   country could not be found. It is drawn in the text's colour, softened,
//   standing out as the text does;
// - a progress bar's done part is a plain fill: Fusion lays moving stripes
//   over a bar that is not full and repaints it again and again, which kept
//   an idle program with its countdown on screen awake.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit ProgramStyle(const QString &baseStyle);
    // Wraps the application's style once; later calls leave it as it is.
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
};

} // namespace tidewick
