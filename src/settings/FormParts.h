#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Small pieces the settings forms are built of. Every control gets its
// objectName (the name handlers and tests know it by) and an accessible name.
namespace FormParts {

// A push button that Enter does not press unless it is made the default.
QPushButton *button(QWidget *parent, const QString &caption, const char *name);
QCheckBox *checkBox(QWidget *parent, const QString &caption, const char *name);
// The title of the program's message boxes.
QString messageTitle();
// The "..." button beside a list that opens its editor; hint is its tooltip
// and accessible name.
QPushButton *ellipsisButton(QWidget *parent, const char *name, const QString &hint);
// A drop-down list with its label (the label's text, "&" marks its key).
QComboBox *labelledCombo(QWidget *parent, const QString &caption, const char *labelName,
                         const char *comboName, QLabel **label);
// A row of Ok (the default button) and Cancel (closes the dialog unaccepted).
// Ok is left to the caller, which checks the input before it accepts.
QHBoxLayout *okCancelRow(QDialog *dialog, QPushButton **ok, QPushButton **cancel);

} // namespace FormParts
