// The window at a scale and in a language, as ctest runs it on several
// virtual screens (100 to 200 %, and a 1280 x 720 screen at 125 %) and in
// every shipped language and a pseudo-language that lengthens every text:
// the window lies within the screen's room, every control within the
// window's canvas, and no caption is cut.
#include "TestWindow.h"
#include "core/Translation.h"
#include "ui/ReportList.h"
#include "ui/ColourScheme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTranslator>
#include <QtTest>

using namespace tidewick;
using test::TestWindow;

namespace {

// How much wider a control must be for its caption, in pixels; 0 when whole.
int widthMissing(const QWidget *control)
{
    if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
        const QFontMetrics metrics(group->font());
        return std::max(0, metrics.horizontalAdvance(group->title()) + metrics.height() - group->width());
    }
    return std::max(0, control->sizeHint().width() - control->width());
}

// The buttons and check boxes that do not show whole in the window's view
// of its canvas and on the screen, as the user would have to scroll to.
QStringList hiddenFromView(const QWidget &window)
{
    const auto *scroll = window.findChild<QScrollArea *>(QStringLiteral("windowScroll"));
    const QRect view(scroll->viewport()->mapToGlobal(QPoint(0, 0)), scroll->viewport()->size());
    const QRect screen = window.screen()->geometry();
    QStringList hidden;
    // "Minimized to system tray" too, which shows once the log-on box is ticked.
    const QList<QAbstractButton *> buttons = scroll->widget()->findChildren<QAbstractButton *>();
    for (const QAbstractButton *button : buttons) {
        const QRect shown(button->mapToGlobal(QPoint(0, 0)), button->size());
        const bool ours = qobject_cast<const QPushButton *>(button) || qobject_cast<const QCheckBox *>(button);
        if (ours && !(view.contains(shown) && screen.contains(shown)))
            hidden << QStringLiteral("%1 at %2,%3 %4x%5 outside the view %6,%7 %8x%9")
                          .arg(button->objectName()).arg(shown.x()).arg(shown.y()).arg(shown.width())
                          .arg(shown.height()).arg(view.x()).arg(view.y()).arg(view.width()).arg(view.height());
    }
    return hidden;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString pseudo = qEnvironmentVariable("TIDEWICK_PSEUDO_TRANSLATION");
        if (pseudo.isEmpty()) {
            installTranslation(*QCoreApplication::instance());
            return;
        }
        auto *translator = new QTranslator(this);
        QVERIFY(translator->load(pseudo));
        QCoreApplication::installTranslator(translator);
    }

    void window_fitsTheScreenWithEveryCaptionWhole()
    {
        TestWindow window;
        MainWindow &form = window.create();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // A picture of the window, to look at, in the dark scheme on asking.
        if (qEnvironmentVariableIsSet("TIDEWICK_LAYOUT_DARK"))
            QApplication::setPalette(darkPalette());
        if (const QString picture = qEnvironmentVariable("TIDEWICK_LAYOUT_PICTURE"); !picture.isEmpty())
            form.grab().save(picture);
        const QRect room = form.screen()->availableGeometry();
        QVERIFY2(form.width() <= room.width() && form.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 x %2 on %3 x %4").arg(form.width()).arg(form.height())
                                .arg(room.width()).arg(room.height())));
        const auto *scroll = form.findChild<QScrollArea *>(QStringLiteral("windowScroll"));
        const QWidget *canvas = scroll->widget();
        // What the window cannot show, it scrolls to.
        QVERIFY(scroll->horizontalScrollBar()->maximum() >= canvas->width() - scroll->viewport()->width());
        QVERIFY(scroll->verticalScrollBar()->maximum() >= canvas->height() - scroll->viewport()->height());

        // The window speaks the language asked for, English where none is.
        const bool english = qEnvironmentVariable("LANGUAGE") == QLatin1String("en")
            && qEnvironmentVariableIsEmpty("TIDEWICK_PSEUDO_TRANSLATION");
        QCOMPARE(test::caption(test::ui(form).testFetchButton) == QLatin1String("News Fetch Now (Test)"), english);

        QStringList cut;
        const QList<QWidget *> controls = canvas->findChildren<QWidget *>();
        for (const QWidget *control : controls) {
            const bool captioned = qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QGroupBox *>(control);
            if (!captioned || !control->isVisibleTo(&form))
                continue;
            const QRect onCanvas(control->mapTo(canvas, QPoint(0, 0)), control->size());
            if (!canvas->rect().contains(onCanvas))
                cut << control->objectName() + QStringLiteral(" lies outside the window");
            if (const int missing = widthMissing(control); missing > 0)
                cut << QStringLiteral("%1 lacks %2 px").arg(control->objectName()).arg(missing);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        // Where it must scroll, it scrolls one way only.
        QVERIFY(!scroll->horizontalScrollBar()->isVisible() || !scroll->verticalScrollBar()->isVisible());
        // Asked to, as on a real screen with room enough: every button and
        // check box shows whole where the window shows on the screen.
        if (qEnvironmentVariableIsSet("TIDEWICK_LAYOUT_WHOLE"))
            QVERIFY2(hiddenFromView(form).isEmpty(), qPrintable(hiddenFromView(form).join(QStringLiteral("; "))));
        // Right to left (Qt's -reverse), the keywords stand on the left.
        const QRect keywords = test::ui(form).keywordList->geometry();
        QCOMPARE(keywords.center().x() < canvas->width() / 2, form.layoutDirection() == Qt::RightToLeft);
    }

    // Moved to a screen too small for it, the window fits that screen as
    // at start; back on the first, it is as it was there.
    void window_refitsOnAnotherScreen()
    {
        if (QGuiApplication::screens().size() < 2)
            QSKIP("needs two screens");
        QScreen *wide = QGuiApplication::screens().at(0);
        QScreen *small = QGuiApplication::screens().at(1);
        if (small->size().width() > wide->size().width())
            std::swap(small, wide);
        TestWindow window;
        MainWindow &form = window.create();
        form.setScreen(wide);
        form.show();
        const QSize whole = form.size();
        const QFont font = test::ui(form).testFetchButton->font();
        form.windowHandle()->setScreen(small);
        QTRY_VERIFY(form.width() <= small->availableGeometry().width());
        QVERIFY(form.height() <= small->availableGeometry().height());
        QVERIFY(small->availableGeometry().contains(form.frameGeometry()));
        form.windowHandle()->setScreen(wide);
        QTRY_COMPARE(form.size(), whole);
        QCOMPARE(test::ui(form).testFetchButton->font(), font);
    }

    // Every button and check box has an Alt key in this language, and no two share one.
    void buttons_haveAltKeysOfTheirOwn()
    {
        TestWindow window;
        MainWindow &form = window.create();
        QMap<QKeySequence, QString> owners;
        QStringList faults;
        const QList<QAbstractButton *> buttons =
            form.findChild<QScrollArea *>(QStringLiteral("windowScroll"))->widget()->findChildren<QAbstractButton *>();
        for (const QAbstractButton *button : buttons) {
            if (!qobject_cast<const QPushButton *>(button) && !qobject_cast<const QCheckBox *>(button))
                continue;
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            if (key.isEmpty())
                faults << button->text() + QStringLiteral(" has no Alt key");
            else if (owners.contains(key))
                faults << QStringLiteral("%1 and %2 share %3").arg(owners[key], button->text(), key.toString());
            owners.insert(key, button->text());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(LayoutTest)
#include "Layout_test.moc"
