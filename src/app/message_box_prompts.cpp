#include "app/message_box_prompts.h"

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

} // namespace vantaloop
