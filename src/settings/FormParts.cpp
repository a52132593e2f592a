#include "settings/FormParts.h"

#include "core/Version.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace FormParts {

QPushButton *button(QWidget *parent, const QString &caption, const char *name)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setAutoDefault(false);
    return result;
}

QCheckBox *checkBox(QWidget *parent, const QString &caption, const char *name)
{
    auto *result = new QCheckBox(caption, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

QString messageTitle()
{
    return QString::fromLatin1(kApplicationName);
}

QPushButton *ellipsisButton(QWidget *parent, const char *name, const QString &hint)
{
    QPushButton *result = button(parent, QStringLiteral("..."), name);
    // As narrow as its text, like the buttons of a file field.
    result->setFixedWidth(result->fontMetrics().horizontalAdvance(result->text()) * 2 + 16);
    result->setToolTip(hint);
    result->setAccessibleName(hint);
    return result;
}

QComboBox *labelledCombo(QWidget *parent, const QString &caption, const char *labelName,
                         const char *comboName, QLabel **label)
{
    *label = new QLabel(caption, parent);
    (*label)->setObjectName(QString::fromLatin1(labelName));
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(comboName));
    combo->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    (*label)->setBuddy(combo);
    return combo;
}

QHBoxLayout *okCancelRow(QDialog *dialog, QPushButton **ok, QPushButton **cancel)
{
    *ok = button(dialog, QCoreApplication::translate("FormParts", "Ok"), "btnOk");
    (*ok)->setDefault(true);
    *cancel = button(dialog, QCoreApplication::translate("FormParts", "Cancel"), "btnCancel");
    QObject::connect(*cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(*ok);
    row->addWidget(*cancel);
    return row;
}

} // namespace FormParts
