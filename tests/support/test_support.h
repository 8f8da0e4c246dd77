#pragma once

#include "document/user_prompts.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vantaloop::testing {

// Answers the program's questions from a script and records what was asked.
class ScriptedPrompts : public UserPrompts {
public:
    QList<bool> answers; // consumed front first; No when the script runs out
    QStringList questions;
    QStringList messages;
    QStringList files; // the paths the file dialogs answer, front first; Cancel after
    QList<FileChoice> fileDialogs;

    bool askYesNo(const QString &text, const QString &, int) override
    {
        questions.append(text);
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    void showMessage(const QString &text, const QString &, int) override { messages.append(text); }
    QString chooseFile(FileChoice choice, const QString &) override
    {
        fileDialogs.append(choice);
        return files.isEmpty() ? QString() : files.takeFirst();
    }
};

// Writes bytes into a new file in dir and returns its path.
inline QString writeFile(const QTemporaryDir &dir, const QString &name,
                         const QByteArray &bytes = {})
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// Writes a small real picture file of the given size and format into dir.
inline QString writePicture(const QTemporaryDir &dir, const QString &name, QSize size,
                            const char *format = "BMP")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = dir.filePath(name);
    image.save(path, format);
    return QDir::toNativeSeparators(path);
}

} // namespace vantaloop::testing
