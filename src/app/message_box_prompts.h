#pragma once

#include "document/user_prompts.h"

class QWidget;

namespace vantaloop {

// Answers the commands' questions with application-modal message boxes.
class MessageBoxPrompts : public UserPrompts {
public:
    explicit MessageBoxPrompts(QWidget *parent)
        : m_parent(parent)
    {
    }

    bool askYesNo(const QString &text, const QString &title, int style) override;
    void showMessage(const QString &text, const QString &title, int style) override;
    QString chooseFile(FileChoice choice, const QString &folder) override;

private:
    int run(const QString &text, const QString &title, int style);

    QWidget *m_parent;
};

} // namespace vantaloop
