#include "TestWindow.h"
#include "ui/ReportList.h"
#include "ui/ColourScheme.h"

#include <QHeaderView>

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace tidewick;
using test::TestWindow;

namespace {

QAccessibleInterface *accessibleOf(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return interface;
}

// The accessible cell of a list row, as a screen reader walks to it.
QAccessibleInterface *cellOf(ReportList *list, int row)
{
    QAccessibleTableInterface *table = accessibleOf(list)->tableInterface();
    return table ? table->cellAt(row, 0) : nullptr;
}

int rowOf(ReportList *list, const QString &text)
{
    return int(list->rows().texts().indexOf(text));
}

// The pixels of a rendered control that stand out from its most common
// colour (its background) at 4.5:1 or more: its text, where it is readable.
// A control is looked at inside its edge, a group box along its title only:
// what it holds has colours of its own.
int pixelsStandingOut(QWidget *control, QRect area = {})
{
    if (area.isEmpty())
        area = control->rect().adjusted(2, 2, -2, -2);
    if (qobject_cast<QGroupBox *>(control))
        area.setHeight(control->fontMetrics().height() + 2);
    const QImage image = control->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const QRgb background = std::max_element(counts.constKeyValueBegin(), counts.constKeyValueEnd(),
                                             [](const auto &a, const auto &b) { return a.second < b.second; })
                                ->first;
    int standingOut = 0;
    for (auto it = counts.constKeyValueBegin(); it != counts.constKeyValueEnd(); ++it) {
        if (contrastRatio(QColor(it->first), QColor(background)) >= 4.5)
            standingOut += it->second;
    }
    return standingOut;
}

QImage pictureOf(QWidget *control)
{
    return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixels that taking the focus changes by 3:1 or more: the focus
// indicator as far as it can be seen.
int pixelsFocusChanges(QWidget *control, QWidget *elsewhere)
{
    elsewhere->setFocus(Qt::TabFocusReason);
    const QImage before = pictureOf(control);
    control->setFocus(Qt::TabFocusReason);
    const QImage after = pictureOf(control);
    int changed = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x)
            changed += contrastRatio(QColor(after.pixel(x, y)), QColor(before.pixel(x, y))) >= 3.0;
    }
    return changed;
}

// How far the control's left edge stands out from the window around it.
double edgeContrast(QWidget *control)
{
    const QImage image = pictureOf(control);
    const QColor window = control->palette().color(QPalette::Window);
    double best = 1.0;
    for (int x = 0; x < 3; ++x)
        best = std::max(best, contrastRatio(QColor(image.pixel(x, image.height() / 2)), window));
    return best;
}

QPalette paletteOf(QColor window, QColor text)
{
    QPalette palette(window);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    return palette;
}

} // namespace

// Counts the palette changes a widget is told of.
class PaletteWatch : public QObject {
public:
    PaletteWatch(QWidget &widget, int &count) : m_count(count) { widget.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_count += event->type() == QEvent::PaletteChange;
        return false;
    }

private:
    int &m_count;
};

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyControl_hasANameAndARoleThatSayWhatItIs();
    void twoClearListButtons_areToldApartByTheirDescription();
    void tickBoxRows_showTheirStateAndTickFromTheKeyboard();
    void captionsFocusAndEdges_standOutInEveryColourScheme_data();
    void captionsFocusAndEdges_standOutInEveryColourScheme();
    void portalPreference_winsOverTheSchemeQtReadAtStart();
};

void AccessibilityTest::everyControl_hasANameAndARoleThatSayWhatItIs()
{
    TestWindow window;
    window.useFakeRunner();
    MainWindow &form = window.create();

    const struct {
        QWidget *control;
        QString name;
        QAccessible::Role role;
    } expected[] = {
        {test::ui(form).countdownGroup, QStringLiteral("Next news fetch will occur in"), QAccessible::Grouping},
        {test::ui(form).countdownBar, QStringLiteral("Time until the next news fetch"), QAccessible::ProgressBar},
        {test::ui(form).startupOptionsGroup, QStringLiteral("Startup Options"), QAccessible::Grouping},
        {test::ui(form).startAtLogonBox, QStringLiteral("Load this software at log-on"), QAccessible::CheckBox},
        {test::ui(form).startInTrayBox, QStringLiteral("Minimized to system tray"), QAccessible::CheckBox},
        {test::ui(form).onlyNewBox, QStringLiteral("Announce only new articles"), QAccessible::CheckBox},
        {test::ui(form).resultsList, QStringLiteral("News"), QAccessible::Tree},
        {test::ui(form).intervalList, QStringLiteral("How often would you like to news fetch?"), QAccessible::Tree},
        {test::ui(form).countryList, QStringLiteral("Local News Sites"), QAccessible::Tree},
        {test::ui(form).categoryList, QStringLiteral("Categories"), QAccessible::Tree},
        {test::ui(form).keywordList, QStringLiteral("Keyword/s"), QAccessible::Tree},
        {test::ui(form).saveResultsButton, QStringLiteral("Save Results"), QAccessible::Button},
        {test::ui(form).clearResultsButton, QStringLiteral("Clear List"), QAccessible::Button},
        {test::ui(form).addKeywordButton, QStringLiteral("Add One Keyword"), QAccessible::Button},
        {test::ui(form).importKeywordsButton, QStringLiteral("Load List From Text File"), QAccessible::Button},
        {test::ui(form).automaticFetchButton, QStringLiteral("Turn On Automatic News Fetch"), QAccessible::Button},
        {test::ui(form).testFetchButton, QStringLiteral("News Fetch Now (Test)"), QAccessible::Button},
        {test::ui(form).sampleKeywordsButton, QStringLiteral("Load Sample/Example Data"), QAccessible::Button},
        {test::ui(form).clearKeywordsButton, QStringLiteral("Clear List"), QAccessible::Button},
    };
    QCOMPARE(accessibleOf(&form)->text(QAccessible::Name), QStringLiteral("Tidewick"));
    QCOMPARE(accessibleOf(&form)->role(), QAccessible::Window);
    for (const auto &control : expected) {
        QAccessibleInterface *interface = accessibleOf(control.control);
        QCOMPARE(interface->text(QAccessible::Name), control.name);
        QCOMPARE(interface->role(), control.role);
    }
    // The keyword list also says how to use it.
    QVERIFY(accessibleOf(test::ui(form).keywordList)->text(QAccessible::Description).contains(QLatin1String("Drag and drop")));
    // The News list says how many rows it has on asking.
    ReportList *news = test::ui(form).resultsList;
    QCOMPARE(accessibleOf(news)->text(QAccessible::Description), QStringLiteral("0 articles listed"));
    news->rows().append(QStringList{QStringLiteral("one"), QStringLiteral("two")});
    QCOMPARE(accessibleOf(news)->text(QAccessible::Description), QStringLiteral("2 articles listed"));

    // Tab reads the window as it stands, left column then right, every stop
    // named; "Minimized to system tray" shows with "Load this software at log-on".
    QVERIFY(!test::ui(form).startInTrayBox->isVisible());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    test::ui(form).countryList->setFocus();
    QStringList stops;
    for (int step = 0; step < 17; ++step) {
        stops.append(accessibleOf(QApplication::focusWidget())->text(QAccessible::Name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(stops, QStringList({
        "Local News Sites", "Categories", "How often would you like to news fetch?", "Load this software at log-on",
        "Keyword/s", "Add One Keyword", "Load List From Text File", "Clear List",
        "Load Sample/Example Data", "Turn On Automatic News Fetch", "News Fetch Now (Test)", "Find an article", "News",
        "Announce only new articles", "Save Results", "Clear List", "Local News Sites"}));
    // Shown, the countdown says where it stands, on the bar as in its title.
    QTRY_COMPARE(accessibleOf(test::ui(form).countdownBar)->text(QAccessible::Description),
                 QStringLiteral("Automatic news fetch is Off."));
}

void AccessibilityTest::twoClearListButtons_areToldApartByTheirDescription()
{
    TestWindow window;
    window.useFakeRunner();
    MainWindow &form = window.create();

    const QString keywords = accessibleOf(test::ui(form).clearKeywordsButton)->text(QAccessible::Description);
    const QString results = accessibleOf(test::ui(form).clearResultsButton)->text(QAccessible::Description);
    QVERIFY(keywords.contains(QLatin1String("Keyword/s")));
    QVERIFY(results.contains(QLatin1String("News")));
    QVERIFY(keywords != results);
}

void AccessibilityTest::tickBoxRows_showTheirStateAndTickFromTheKeyboard()
{
    TestWindow window;
    window.useFakeRunner();
    MainWindow &form = window.create();
    // A screen reader meets the lists laid out on the screen.
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    for (ReportList *list : {test::ui(form).countryList, test::ui(form).categoryList}) {
        const QString wanted = list == test::ui(form).countryList ? QStringLiteral("us") : QStringLiteral("science");
        const int row = rowOf(list, wanted);
        QVERIFY(row >= 0);
        QAccessibleInterface *cell = cellOf(list, row);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), wanted);
        QVERIFY(cell->state().checkable);
        QVERIFY(!cell->state().checked);

        // Coming in, the list has a current row that a reader names with it.
        test::ui(form).addKeywordButton->setFocus();
        list->setFocus();
        QVERIFY(accessibleOf(list)->focusChild());
        QVERIFY(accessibleOf(list)->focusChild()->state().focused);

        // As a screen-reader user does: arrow down to the row, press Space.
        QTest::keyClick(list, Qt::Key_Home);
        for (int step = 0; step < row; ++step)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex().row(), row);
        QTest::keyClick(list, Qt::Key_Space);
        QVERIFY(list->rows().isChecked(row));
        QVERIFY(cellOf(list, row)->state().checked);
        // A reader's "toggle" action clears the tick again.
        QAccessibleActionInterface *actions = cellOf(list, row)->actionInterface();
        QVERIFY(actions->actionNames().contains(QStringLiteral("toggle")));
        actions->doAction(QStringLiteral("toggle"));
        QVERIFY(!list->rows().isChecked(row));
    }
    // The chosen interval is the selected row.
    ReportList *intervals = test::ui(form).intervalList;
    QVERIFY(cellOf(intervals, intervals->selectedRow())->state().selected);
    // Rows of the other lists carry no tick box.
    QVERIFY(!cellOf(test::ui(form).intervalList, 0)->state().checkable);
}


// Whatever palette the desktop hands over while the program runs, light,
// dark, of high contrast, or Breeze Dark's light text with a light window
// beside it, the text of every control stands out from what is around it.
void AccessibilityTest::captionsFocusAndEdges_standOutInEveryColourScheme_data()
{
    QTest::addColumn<QPalette>("desktop");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << darkPalette();
    QTest::newRow("high contrast") << paletteOf(Qt::black, Qt::yellow);
    QPalette mixed = darkPalette();
    mixed.setColor(QPalette::Base, Qt::white);
    mixed.setColor(QPalette::Button, QColor(0xef, 0xf0, 0xf1));
    QTest::newRow("light text, light lists") << mixed;
    // A scheme that names no alternate row colour (Qt keeps its light one).
    QPalette unalternated = darkPalette();
    unalternated.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf7, 0xf7));
    QTest::newRow("dark, light alternate rows") << unalternated;
}

void AccessibilityTest::captionsFocusAndEdges_standOutInEveryColourScheme()
{
    QFETCH(QPalette, desktop);
    TestWindow window;
    window.useFakeRunner();
    MainWindow &form = window.create();
    form.show();
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
    QApplication::setPalette(desktop);
    const test::WindowControls controls = test::ui(form);
    const QList<QWidget *> captioned = {
        controls.countdownGroup,          controls.startupOptionsGroup,   controls.startAtLogonBox,
        controls.onlyNewBox,              controls.saveResultsButton,     controls.clearResultsButton,
        controls.addKeywordButton,        controls.importKeywordsButton,  controls.automaticFetchButton,
        controls.testFetchButton,         controls.sampleKeywordsButton,  controls.clearKeywordsButton,
        controls.countryList->header(),   controls.countryList->viewport(), controls.intervalList->viewport(),
        controls.resultsList->header(),   controls.keywordList->header()};
    for (QWidget *control : captioned) {
        const int standingOut = pixelsStandingOut(control);
        QVERIFY2(standingOut >= 20, qPrintable(QStringLiteral("%1 of %2: %3 pixels stand out")
                                                   .arg(control->objectName(), control->parentWidget()->objectName())
                                                   .arg(standingOut)));
    }
    // An unticked country's box can be found, its edge standing out too.
    QTreeView *countries = controls.countryList;
    const QRect firstRow = countries->visualRect(countries->model()->index(0, 0));
    const int box = countries->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 4;
    QCOMPARE_GE(pixelsStandingOut(countries->viewport(), firstRow.adjusted(0, 0, box - firstRow.width(), 0)), 20);
    QCOMPARE(isDarkPalette(form.palette()), isDarkPalette(desktop));
    const QPalette shown = form.palette();
    for (const auto &[text, background] : {std::pair{QPalette::Text, QPalette::Base}, {QPalette::Text, QPalette::AlternateBase},
                                           {QPalette::WindowText, QPalette::Window}, {QPalette::ButtonText, QPalette::Button}})
        QCOMPARE_GE(contrastRatio(shown.color(text), shown.color(background)), 4.5);

    // Where the focus is can be seen, on every kind of control, and the
    // edges of lists, buttons and the field show where each one is.
    controls.resultsList->rows().append(QStringList{QStringLiteral("An article"), QStringLiteral("Another")});
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (QWidget *control : QList<QWidget *>{controls.startAtLogonBox, controls.countryList, controls.intervalList,
                                             controls.resultsList, controls.saveResultsButton, controls.resultsFilter}) {
        const int ring = pixelsFocusChanges(control, controls.onlyNewBox);
        QVERIFY2(ring >= 2 * control->height(),
                 qPrintable(QStringLiteral("%1: %2 pixels show the focus").arg(control->objectName()).arg(ring)));
    }
    controls.onlyNewBox->setFocus();
    for (QWidget *control : QList<QWidget *>{controls.countryList, controls.resultsList, controls.keywordList,
                                             controls.saveResultsButton, controls.resultsFilter})
        QVERIFY2(edgeContrast(control) >= 3.0, qPrintable(QStringLiteral("%1's edge stands out at %2:1")
                                                              .arg(control->objectName()).arg(edgeContrast(control))));
}

// Qt reads some desktops' schemes once; a switch told by the portal later
// wins. A flood of switches recolours the window once, with the latest.
void AccessibilityTest::portalPreference_winsOverTheSchemeQtReadAtStart()
{
    QVERIFY(!isDarkPalette(windowPalette(darkPalette(), SchemePreference::Light)));
    QCOMPARE(windowPalette(darkPalette(), SchemePreference::Light).color(QPalette::Window), QColor(Qt::white));
    QVERIFY(isDarkPalette(windowPalette(QApplication::palette(), SchemePreference::Dark)));
    QVERIFY(isDarkPalette(windowPalette(darkPalette(), SchemePreference::None)));

    QWidget window;
    auto *colours = new ColourScheme(window);
    int recoloured = 0;
    PaletteWatch watch(window, recoloured);
    for (int signal = 0; signal < 100000; ++signal)
        colours->follow(signal % 2 ? SchemePreference::Dark : SchemePreference::Light);
    QTRY_VERIFY(isDarkPalette(window.palette()));
    QCoreApplication::processEvents();
    QCOMPARE(recoloured, 1);

    // Where the portal says nothing (XFCE), a dark GTK theme darkens the
    // window; where it says anything, the portal wins.
    QCOMPARE(schemeOfTheme(QStringLiteral("Adwaita-dark")), SchemePreference::Dark);
    QCOMPARE(schemeOfTheme(QStringLiteral("Greybird")), SchemePreference::None);
    colours->follow(SchemePreference::Light);
    colours->followTheme(SchemePreference::Dark);
    QTRY_VERIFY(!isDarkPalette(window.palette()));
    colours->follow(SchemePreference::None);
    QTRY_VERIFY(isDarkPalette(window.palette()));
}

QTEST_MAIN(AccessibilityTest)
#include "Accessibility_test.moc"
