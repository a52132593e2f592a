#include "settings/TTypesEdit.h"

#include "core/Prompter.h"
#include "core/Version.h"
#include "settings/ConfigLists.h"
#include "settings/FormParts.h"
#include "settings/NumericPriceBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct PriceRow
{
    const char *key;
    const char *label;
};
constexpr PriceRow kPrices[] = {
    {"Minute", QT_TRANSLATE_NOOP("TTypesEdit", "Cost for 1 minute")},
    {"Input", QT_TRANSLATE_NOOP("TTypesEdit", "Cost for 1Mb received bytes")},
    {"Output", QT_TRANSLATE_NOOP("TTypesEdit", "Cost for 1Mb sent bytes")},
};

} // namespace

TTypesEdit::TTypesEdit(const QStringList &list, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("TypesEdit"));
    setWindowTitle(list.isEmpty() ? tr("New") : tr("Edit"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *nameLabel = new QLabel(tr("&Name"), this);
    edtName = new QLineEdit(this);
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->setAccessibleName(tr("Name"));
    nameLabel->setBuddy(edtName);

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::StyledPanel);
    auto *prices = new QGridLayout(bevel);
    QCheckBox *checks[3];
    NumericPriceBox *boxes[3];
    for (int i = 0; i < 3; ++i) {
        const QString key = QString::fromLatin1(kPrices[i].key);
        const QString caption = tr(kPrices[i].label);
        checks[i] = new QCheckBox(bevel);
        checks[i]->setObjectName(QStringLiteral("chb") + key);
        checks[i]->setAccessibleName(caption);
        auto *label = new QLabel(caption, bevel);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        boxes[i] = new NumericPriceBox(bevel);
        boxes[i]->setObjectName(QStringLiteral("edt") + key);
        boxes[i]->setAccessibleName(caption);
        label->setBuddy(boxes[i]);
        prices->addWidget(checks[i], i * 2, 0);
        prices->addWidget(label, i * 2, 1);
        prices->addWidget(boxes[i], i * 2 + 1, 1);
    }
    chbMinute = checks[0];
    chbInput = checks[1];
    chbOutput = checks[2];
    edtMinute = boxes[0];
    edtInput = boxes[1];
    edtOutput = boxes[2];
    connect(chbMinute, &QCheckBox::clicked, this, &TTypesEdit::chbMinuteClick);
    connect(chbInput, &QCheckBox::clicked, this, &TTypesEdit::chbInputClick);
    connect(chbOutput, &QCheckBox::clicked, this, &TTypesEdit::chbOutputClick);

    QHBoxLayout *buttons = FormParts::okCancelRow(this, &btnOk, &btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &TTypesEdit::btnOkClick);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(edtName);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (!list.isEmpty()) {
        edtName->setText(ConfigLists::lineValue(list, QStringLiteral("Name")));
        for (int i = 0; i < 3; ++i) {
            boxes[i]->setAmountText(
                ConfigLists::lineValue(list, QString::fromLatin1(kPrices[i].key)));
            checks[i]->setChecked(boxes[i]->value() > 0.0);
        }
    }
    chbMinuteClick();
    chbInputClick();
    chbOutputClick();
}

void TTypesEdit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    edtName->setFocus();
}

void TTypesEdit::chbMinuteClick()
{
    edtMinute->setEnabled(chbMinute->isChecked());
}

void TTypesEdit::chbInputClick()
{
    edtInput->setEnabled(chbInput->isChecked());
}

void TTypesEdit::chbOutputClick()
{
    edtOutput->setEnabled(chbOutput->isChecked());
}

bool TTypesEdit::HasCostValue() const
{
    const std::pair<const QCheckBox *, const NumericPriceBox *> prices[] = {
        {chbMinute, edtMinute}, {chbInput, edtInput}, {chbOutput, edtOutput}};
    for (const auto &[check, box] : prices) {
        double amount = 0.0;
        if (check->isChecked() && NumericPriceBox::readAmount(box->amountText(), &amount) &&
            amount > 0.0)
            return true;
    }
    return false;
}

QStringList TTypesEdit::exchangeList() const
{
    QStringList list;
    ConfigLists::setLine(list, QStringLiteral("Name"), edtName->text());
    const std::pair<const QCheckBox *, const NumericPriceBox *> prices[] = {
        {chbMinute, edtMinute}, {chbInput, edtInput}, {chbOutput, edtOutput}};
    for (int i = 0; i < 3; ++i) {
        const QString text = prices[i].second->amountText();
        if (prices[i].first->isChecked() && !text.isEmpty())
            ConfigLists::setLine(list, QString::fromLatin1(kPrices[i].key), text);
    }
    return list;
}

void TTypesEdit::btnOkClick()
{
    const QString title = QString::fromLatin1(kApplicationName);
    if (edtName->text().isEmpty()) {
        m_prompter.message(title, tr("Enter Name"));
        edtName->setFocus();
        return;
    }
    if (!HasCostValue()) {
        m_prompter.message(title, tr("Enter cost value"));
        return;
    }
    accept();
}

bool EditTariffType(QStringList &list, Prompter &prompter, QWidget *parent)
{
    TTypesEdit editor(list, prompter, parent);
    editor.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (editor.exec() != QDialog::Accepted)
        return false;
    list = editor.exchangeList();
    return true;
}
