#include "ui/QtDialogs.h"
#include "ui/DialogSheet.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

namespace tidewick {

namespace {

// A box of a few words would be narrower than its title, and window managers
// cut the title to "Tide", "…" or nothing. The width at which it shows in
// full: the title in a title bar's font (bold, a little larger than the
// box's), beside an icon and up to three buttons at each side, as a centred
// title needs.
int widthForTitle(const QWidget &box)
{
    QFont font = box.font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.2);
    else
        font.setPixelSize(font.pixelSize() * 6 / 5);
    const QFontMetrics metrics(font);
    const int button = metrics.height() * 3 / 2;
    return metrics.horizontalAdvance(box.windowTitle()) + 2 * 4 * button;
}

// QMessageBox sizes itself to its layout each time it is shown, so the
// width goes into the layout.
void keepTitleWhole(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(widthForTitle(box), 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0,
                  1, grid->columnCount());
}

} // namespace

QWidget *QtDialogs::shownParent()
{
    if (m_parent && !m_parent->isVisible() && m_bringBack)
        m_bringBack();
    return m_parent;
}

void QtDialogs::placeInWindow(QDialog &dialog)
{
    if (m_insideWindow && dialog.parentWidget())
        DialogSheet::hold(dialog, *dialog.parentWidget());
}

void QtDialogs::showMessage(const QString &title, const QString &text, MessageIcon icon,
                            std::function<void()> closed)
{
    auto *box = new QMessageBox(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title,
                                text, QMessageBox::Ok, shownParent());
    box->setAttribute(Qt::WA_DeleteOnClose);
    keepTitleWhole(*box);
    if (closed)
        QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] { closed(); });
    placeInWindow(*box);
    box->open();
}

bool QtDialogs::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, shownParent());
    keepTitleWhole(box);
    placeInWindow(box);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::askText(const QString &title, const QString &prompt)
{
    QInputDialog dialog(shownParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(QLineEdit::Normal);
    placeInWindow(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QStringList QtDialogs::chooseFilesToOpen(const QString &title, const QStringList &filters)
{
    QFileDialog dialog(shownParent(), title, QString(), filters.join(QStringLiteral(";;")));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    placeInWindow(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString QtDialogs::chooseFileToSave(const QString &title, const QStringList &filters)
{
    // The program asks its own overwrite question and never appends a suffix.
    QFileDialog dialog(shownParent(), title, QString(), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(QString());
    placeInWindow(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace tidewick
