#include "app/message_box_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace vantaloop {

int MessageBoxPrompts::run(const QString &text, const QString &title, int style)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Vantaloop") : title);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    switch (style & 0x70) {
    case MessageStyle::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageStyle::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if ((style & 0x7) == MessageStyle::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton((style & MessageStyle::SecondButtonDefault) ? QMessageBox::No
                                                                         : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec();
}

bool MessageBoxPrompts::askYesNo(const QString &text, const QString &title, int style)
{
    return run(text, title, style) == QMessageBox::Yes;
}

void MessageBoxPrompts::showMessage(const QString &text, const QString &title, int style)
{
    run(text, title, style);
}

QString MessageBoxPrompts::chooseFile(FileChoice choice, const QString &folder)
{
    // The descriptions are the ones users know; the patterns after them are what the
    // dialog filters by, so that "All Files" shows every file, also one without a dot.
    const QString allFiles = QStringLiteral("All Files (*.*) (*)");
    const QString lists = QStringLiteral("Windows bitmap (*.vvv) (*.vvv)");
    QFileDialog dialog(m_parent);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters({allFiles, lists});
    dialog.selectNameFilter(lists);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (choice == FileChoice::OpenList) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Record mode appends and never replaces, so choosing an existing file is fine.
        if (choice == FileChoice::RecordList)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

} // namespace vantaloop
