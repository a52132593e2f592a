#pragma once

#include <QLineEdit>
#include <QString>

// A box for a non-negative amount with four decimal places: a price or a fee.
// While it has the focus it shows the amount as text() gives it; without the
// focus it shows the amount with exactly four decimals ("0.0000"). amountText() is
// what gets stored: the amount under the user's number format, without
// trailing zeros, empty for zero. "-" cannot be typed.
class NumericPriceBox : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr int kDecimals = 4;

    explicit NumericPriceBox(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);
    // The stored form of the amount.
    QString amountText() const;
    // Takes a stored text; "." and "," both count as the decimal separator.
    // A text that is not an amount gives zero.
    void setAmountText(const QString &text);

    // The stored form of an amount, and the reading of a typed or stored text.
    static QString storedText(double value);
    static bool readAmount(const QString &text, double *value);

    // Zero shown as an empty box (so a placeholder can say what it means)
    // rather than "0.0000".
    void setZeroShownEmpty(bool empty);

signals:
    // The user changed the amount.
    void amountEdited();
    // The box lost the focus (whether or not the amount changed).
    void exited();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void takeTypedText();
    void showAmount();

    double m_value = 0.0;
    bool m_zeroShownEmpty = false;
};
