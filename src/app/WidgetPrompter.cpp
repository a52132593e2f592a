#include "app/WidgetPrompter.h"

#include "access/TfrmPasswordBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// A box with a parent blocks the parent's window (and the windows it stands
// over) only; exec() alone would block every window of the program.
void setModality(QWidget *box, QWidget *parent)
{
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
}

} // namespace

QWidget *WidgetPrompter::owner() const
{
    // The settings dialog, an editor of it or the statistics window asks
    // through the main window's prompter: its box stands over that window, in
    // front, rather than over the main window that may be hidden.
    QWidget *front = QApplication::activeModalWidget();
    for (QWidget *w = front; w; w = w->parentWidget()) {
        if (w == m_parent)
            return front;
    }
    return m_parent;
}

void WidgetPrompter::message(const QString &title, const QString &text, Icon icon)
{
    QWidget *parent = owner();
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    setModality(&box, parent);
    box.exec();
}

Prompter::Button WidgetPrompter::question(const QString &title, const QString &text,
                                          Buttons buttons, Icon icon)
{
    QMessageBox::StandardButtons standard;
    if (buttons & Ok)
        standard |= QMessageBox::Ok;
    if (buttons & Cancel)
        standard |= QMessageBox::Cancel;
    if (buttons & Yes)
        standard |= QMessageBox::Yes;
    if (buttons & No)
        standard |= QMessageBox::No;
    QWidget *parent = owner();
    QMessageBox box(boxIcon(icon), title, text, standard, parent);
    setModality(&box, parent);
    // Closing the box counts as the "no" answer of the question.
    const Button escape = (buttons & Cancel) ? Cancel : (buttons & No) ? No : NoButton;
    if (escape == Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (escape == No)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Ok;
    case QMessageBox::Cancel:
        return Cancel;
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        return escape;
    }
}

std::optional<QString> WidgetPrompter::textInput(const QString &title, const QString &label,
                                                 bool password)
{
    // A password is asked in the program's own prompt, which refuses an
    // empty entry; its caption is the caller's prompt.
    if (password)
        return TfrmPasswordBox::ask(title, *this, owner());
    return editText(title, label, QString());
}

std::optional<QString> WidgetPrompter::editText(const QString &title, const QString &label,
                                                const QString &preset)
{
    QWidget *parent = owner();
    QInputDialog dialog(parent);
    setModality(&dialog, parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(preset);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::unique_ptr<Prompter> WidgetPrompter::forWindow(QObject *window)
{
    auto *widget = qobject_cast<QWidget *>(window);
    return std::make_unique<WidgetPrompter>(widget ? widget : m_parent);
}
