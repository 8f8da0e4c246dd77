#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vantaloop::listfile {

// A slide-list file holds one entry per line, CR LF after every line, in the local
// 8-bit encoding of file names. An entry that would not read back as itself unquoted
// (a comma, a leading quote, blanks at either end) is written in double quotes.

struct ReadResult {
    bool opened = false;
    QStringList entries;
    QString error; // the system's reason when the file could not be read
};

struct WriteResult {
    bool ok = false;
    QString error;          // the system's reason when the file could not be written
    QStringList unstorable; // entries that no line can hold; they were left out
};

// Splits file text into entries: comma-separated fields, a field that begins with a
// double quote running to the closing quote; CR LF or LF line ends; blank lines and
// empty fields give no entry; blanks around an unquoted field are dropped.
QStringList parse(const QByteArray &text);

// One entry as a file line, CR LF included; empty when the entry cannot be stored
// (it holds a line break, or both a quote and a character that needs quoting).
QByteArray encodeLine(const QString &entry);

ReadResult read(const QString &path);

// Replaces the file as a whole: a failed write leaves any earlier file untouched.
WriteResult write(const QString &path, const QStringList &entries);

} // namespace vantaloop::listfile
