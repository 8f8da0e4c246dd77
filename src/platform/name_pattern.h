#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

namespace vantaloop::platform {

// File-name patterns as users of the original platform write them: ";" between
// patterns, "*" and "?" wildcards, letter case ignored, and "*.*" matching every
// name, also one without a dot. An empty pattern matches nothing.
class NamePattern {
public:
    explicit NamePattern(const QString &pattern = {});

    QString text() const { return m_text; }
    bool matches(const QString &name) const;

private:
    QString m_text;
    bool m_matchesAll = false;
    QStringList m_endings; // "*.ext" parts, matched by their ending alone
    QList<QRegularExpression> m_parts;
};

// A folder path and a name with exactly one separator between them, also at a root.
QString joinPath(const QString &folder, const QString &name);

} // namespace vantaloop::platform
