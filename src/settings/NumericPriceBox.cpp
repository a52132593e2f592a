#include "settings/NumericPriceBox.h"

#include "core/TextForms.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <cmath>

namespace {

double roundedAmount(double value)
{
    if (!std::isfinite(value) || value <= 0.0)
        return 0.0;
    const double scale = std::pow(10.0, NumericPriceBox::kDecimals);
    return std::round(value * scale) / scale;
}

} // namespace

NumericPriceBox::NumericPriceBox(QWidget *parent) : QLineEdit(parent)
{
    // Digits with one separator and at most four decimals; both "." and ","
    // are taken, whatever the locale's separator is.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,12}([.,][0-9]{0,%1})?").arg(kDecimals)), this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, [this] {
        takeTypedText();
        emit amountEdited();
    });
    showAmount();
}

QString NumericPriceBox::storedText(double value)
{
    value = roundedAmount(value);
    if (value == 0.0)
        return QString();
    QString text = QLocale::system().toString(value, 'f', kDecimals);
    text.remove(QLocale::system().groupSeparator());
    const QString point = QLocale::system().decimalPoint();
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(point))
        text.chop(point.size());
    return text;
}

bool NumericPriceBox::readAmount(const QString &text, double *value)
{
    const QString plain = text.trimmed();
    if (plain.isEmpty()) {
        *value = 0.0;
        return true;
    }
    // "." and "," both separate the decimals, whatever the locale says.
    bool ok = false;
    double number = QString(plain).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok && !TextForms::parseNumber(plain, &number))
        return false;
    *value = roundedAmount(number);
    return true;
}

void NumericPriceBox::setValue(double value)
{
    m_value = roundedAmount(value);
    if (hasFocus())
        QLineEdit::setText(storedText(m_value));
    else
        showAmount();
}

QString NumericPriceBox::amountText() const
{
    return storedText(m_value);
}

void NumericPriceBox::setAmountText(const QString &text)
{
    double amount = 0.0;
    if (!readAmount(text, &amount))
        amount = 0.0;
    setValue(amount);
}

void NumericPriceBox::takeTypedText()
{
    // What cannot be read (a lone separator) is no amount yet.
    double typed = 0.0;
    m_value = readAmount(QLineEdit::text(), &typed) ? typed : 0.0;
}

void NumericPriceBox::setZeroShownEmpty(bool empty)
{
    m_zeroShownEmpty = empty;
    if (!hasFocus())
        showAmount();
}

void NumericPriceBox::showAmount()
{
    if (m_zeroShownEmpty && m_value == 0.0) {
        QLineEdit::setText(QString());
        return;
    }
    QString shown = QLocale::system().toString(m_value, 'f', kDecimals);
    shown.remove(QLocale::system().groupSeparator());
    QLineEdit::setText(shown);
}

void NumericPriceBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::setText(storedText(m_value));
    QLineEdit::focusInEvent(event);
    selectAll();
}

void NumericPriceBox::focusOutEvent(QFocusEvent *event)
{
    takeTypedText();
    QLineEdit::focusOutEvent(event);
    showAmount();
    emit exited();
}

void NumericPriceBox::keyPressEvent(QKeyEvent *event)
{
    // No negative amounts.
    if (event->text() == QLatin1String("-"))
        return;
    QLineEdit::keyPressEvent(event);
}
