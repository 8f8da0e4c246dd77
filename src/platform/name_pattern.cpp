#include "platform/name_pattern.h"

#include <QDir>

namespace vantaloop::platform {

NamePattern::NamePattern(const QString &pattern)
    : m_text(pattern)
{
    for (const QString &part : pattern.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (trimmed == QLatin1String("*.*") || trimmed == QLatin1String("*")) {
            m_matchesAll = true;
            continue;
        }
        const QStringView rest = QStringView(trimmed).sliced(1);
        if (trimmed.startsWith(QLatin1String("*.")) && !rest.contains(u'*') &&
            !rest.contains(u'?')) {
            m_endings.append(rest.toString());
            continue;
        }
        // Only "*" and "?" are wildcards; everything else, brackets too, is literal.
        QString expression;
        for (const QChar c : trimmed) {
            if (c == u'*')
                expression += QLatin1String(".*");
            else if (c == u'?')
                expression += u'.';
            else
                expression += QRegularExpression::escape(QString(c));
        }
        m_parts.append(QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(expression),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption));
    }
}

bool NamePattern::matches(const QString &name) const
{
    if (m_matchesAll)
        return true;
    for (const QString &ending : m_endings) {
        if (name.endsWith(ending, Qt::CaseInsensitive))
            return true;
    }
    for (const QRegularExpression &part : m_parts) {
        if (part.match(name).hasMatch())
            return true;
    }
    return false;
}

QString joinPath(const QString &folder, const QString &name)
{
    const QString native = QDir::toNativeSeparators(folder);
    if (native.endsWith(QDir::separator()))
        return native + name;
    return native + QDir::separator() + name;
}

} // namespace vantaloop::platform
