#include "backends/ResumeToken.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

// Longer than any token this program writes; more is no token of its.
constexpr qsizetype kMaxLength = 4096;

// The whole text, never a part of it: "$" would match before a final line
// break, so that a key could end the line.
bool isKey(const QString &key)
{
    static const QRegularExpression valid(
        QRegularExpression::anchoredPattern(QStringLiteral("[a-z][a-z0-9]{0,15}")));
    return valid.match(key).hasMatch();
}

bool isWholeNumber(const QString &text)
{
    static const QRegularExpression valid(
        QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]{1,19}")));
    return valid.match(text).hasMatch();
}

} // namespace

ResumeToken::ResumeToken(QString kind, int version) : m_kind(std::move(kind)), m_version(version) {}

bool ResumeToken::insert(const QString &key, const QString &value)
{
    if (!isKey(key) || contains(key))
        return false;
    m_fields.append({key, value});
    return true;
}

bool ResumeToken::insert(const QString &key, qint64 value)
{
    return insert(key, QString::number(value));
}

QString ResumeToken::text() const
{
    QString line = m_kind + QLatin1Char(' ') + QString::number(m_version);
    for (const auto &[key, value] : m_fields)
        line += QLatin1Char(' ') + key + QLatin1Char('=') +
                QString::fromLatin1(QUrl::toPercentEncoding(value));
    return line;
}

std::optional<ResumeToken> ResumeToken::parse(const QString &text, const QString &kind, int version)
{
    if (text.size() > kMaxLength)
        return std::nullopt;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2 || words[0] != kind || words[1] != QString::number(version))
        return std::nullopt;
    ResumeToken token(kind, version);
    for (qsizetype i = 2; i < words.size(); ++i) {
        const qsizetype eq = words[i].indexOf(QLatin1Char('='));
        if (eq <= 0)
            return std::nullopt;
        const QString key = words[i].left(eq);
        if (!isKey(key) || token.contains(key))
            return std::nullopt;
        token.m_fields.append({key, QUrl::fromPercentEncoding(words[i].mid(eq + 1).toLatin1())});
    }
    return token;
}

bool ResumeToken::contains(const QString &key) const
{
    return std::any_of(m_fields.cbegin(), m_fields.cend(),
                       [&](const auto &field) { return field.first == key; });
}

QString ResumeToken::value(const QString &key) const
{
    for (const auto &[k, v] : m_fields) {
        if (k == key)
            return v;
    }
    return QString();
}

std::optional<qint64> ResumeToken::number(const QString &key) const
{
    // toLongLong() reads up to a NUL, and takes blanks and a "+" too.
    const QString text = value(key);
    if (!isWholeNumber(text))
        return std::nullopt;
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}
