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
        // Right to left (Qt's -reverse), the keywords stand on the left.
        const QRect keywords = test::ui(form).keywordList->geometry();
        QCOMPARE(keywords.center().x() < canvas->width() / 2, form.layoutDirection() == Qt::RightToLeft);
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
