#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

// One cell of the grid's filter row. Plain text keeps the rows whose shown
// cell contains it, ignoring case. "=", "<>", "<", "<=", ">" and ">="
// followed by a value compare with the cell's value, the operand being read
// as the column shows its values under the user's regional conventions: a
// number, a date with or without a time, a duration such as 1:30 or
// 1.02:00:00. A date without a time stands for the whole day, a time
// without seconds for the whole minute: ">=01.12.2026" keeps the sessions
// from that day on, "=01.12.2026" those of that day. "=" alone keeps empty
// cells, "<>" alone filled ones. An operand that cannot be read makes the
// expression unreadable: it then filters nothing.
class FilterExpression
{
public:
    enum class Operand { Text, Number, DateTime, Duration };

    FilterExpression() = default;
    static FilterExpression parse(const QString &text, Operand operand,
                                  const QLocale &locale = QLocale::system());

    // True when the expression keeps every row (empty or unreadable).
    bool keepsAll() const { return m_op == Op::None || !m_readable; }
    bool isReadable() const { return m_readable; }
    // Whether the shown text is needed: plain text matches it.
    bool needsShownText() const { return m_op == Op::Contains; }
    // value: the cell's value (null when empty); shown: its text in the grid.
    bool matches(const QVariant &value, const QString &shown = QString()) const;

    // What the filter row accepts, for its tooltip, with examples in the
    // locale's forms.
    static QString help(const QLocale &locale = QLocale::system());

private:
    enum class Op { None, Contains, Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

    bool compareNumber(double value) const;
    int compareText(const QString &value) const;

    Op m_op = Op::None;
    Operand m_operand = Operand::Text;
    bool m_readable = true;
    bool m_emptyOperand = false;
    QString m_text;
    // The operand covers [m_low, m_high); a single point when they are equal.
    double m_low = 0;
    double m_high = 0;
};
