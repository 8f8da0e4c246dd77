#include "document/list_file.h"

#include <QFile>
#include <QSaveFile>

namespace vantaloop::listfile {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

void appendField(QStringList &entries, QByteArrayView field)
{
    if (!field.isEmpty())
        entries.append(QFile::decodeName(field.toByteArray()));
}

void parseLine(QByteArrayView line, QStringList &entries)
{
    qsizetype at = 0;
    while (at < line.size()) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        if (at < line.size() && line[at] == '"') {
            const qsizetype close = line.indexOf('"', at + 1);
            const qsizetype end = close < 0 ? line.size() : close;
            appendField(entries, line.sliced(at + 1, end - at - 1));
            // Anything between the closing quote and the next comma is not part of it.
            const qsizetype comma = close < 0 ? -1 : line.indexOf(',', close + 1);
            at = comma < 0 ? line.size() : comma + 1;
        } else {
            const qsizetype comma = line.indexOf(',', at);
            qsizetype end = comma < 0 ? line.size() : comma;
            const qsizetype next = comma < 0 ? line.size() : comma + 1;
            while (end > at && isBlank(line[end - 1]))
                --end;
            appendField(entries, line.sliced(at, end - at));
            at = next;
        }
    }
}

} // namespace

QStringList parse(const QByteArray &text)
{
    QStringList entries;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        if (end > start && text[end - 1] == '\r')
            --end;
        parseLine(QByteArrayView(text).sliced(start, end - start), entries);
        start = next;
    }
    return entries;
}

QByteArray encodeLine(const QString &entry)
{
    const QByteArray name = QFile::encodeName(entry);
    if (name.isEmpty() || name.contains('\n') || name.contains('\r'))
        return {};
    const bool needsQuotes =
        name.contains(',') || name.startsWith('"') || isBlank(name.front()) || isBlank(name.back());
    if (!needsQuotes)
        return name + "\r\n";
    if (name.contains('"'))
        return {};
    return '"' + name + "\"\r\n";
}

ReadResult read(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.opened = true;
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        result.error = file.errorString();
    result.entries = parse(text);
    return result;
}

WriteResult write(const QString &path, const QStringList &entries)
{
    WriteResult result;
    QByteArray text;
    for (const QString &entry : entries) {
        const QByteArray line = encodeLine(entry);
        if (line.isEmpty())
            result.unstorable.append(entry);
        else
            text += line;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(text) != text.size() || !file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace vantaloop::listfile
