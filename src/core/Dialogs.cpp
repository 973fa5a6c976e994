#include "core/Dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tidewick {

void QtDialogs::showMessage(const QString &title, const QString &text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtDialogs::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::askText(const QString &title, const QString &prompt)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, QString(), &accepted);
    return accepted ? text : QString();
}

QStringList QtDialogs::chooseFilesToOpen(const QString &title, const QStringList &filters)
{
    return QFileDialog::getOpenFileNames(m_parent, title, QString(), filters.join(QStringLiteral(";;")));
}

QString QtDialogs::chooseFileToSave(const QString &title, const QStringList &filters)
{
    // The program asks its own overwrite question and never appends a suffix.
    QFileDialog dialog(m_parent, title, QString(), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace tidewick
