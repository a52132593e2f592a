#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// The line a back end keeps for an active connection in the program's
// journal: "KIND VERSION key=value ...", the values percent-encoded so that
// any name fits on the line. Read back without trust: the journal may be
// damaged or come from another version of the program.
class ResumeToken
{
public:
    ResumeToken(QString kind, int version);

    // A key is a lower-case letter and up to 15 more letters or digits, each
    // key once; false and nothing added for any other.
    bool insert(const QString &key, const QString &value);
    bool insert(const QString &key, qint64 value);
    QString text() const;

    // The fields of text when it is a well-formed token of this kind and
    // version; nothing otherwise. Keys it does not know are kept, not refused.
    static std::optional<ResumeToken> parse(const QString &text, const QString &kind, int version);

    bool contains(const QString &key) const;
    QString value(const QString &key) const; // empty when absent
    // The field as a whole number; nothing when absent or not one.
    std::optional<qint64> number(const QString &key) const;

private:
    QString m_kind;
    int m_version;
    QList<QPair<QString, QString>> m_fields;
};
