#pragma once

#include "core/Prompter.h"

class QWidget;

// The program's Prompter: message boxes and text input dialogs over the given
// parent, modal to its window only (other top-level windows, such as a log-in
// dialog, go on taking input), or application-modal when there is none.
class WidgetPrompter final : public Prompter
{
public:
    explicit WidgetPrompter(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget *parent) { m_parent = parent; }

    void message(const QString &title, const QString &text, Icon icon = Icon::Information) override;
    Button question(const QString &title, const QString &text, Buttons buttons,
                    Icon icon = Icon::Question) override;
    std::optional<QString> textInput(const QString &title, const QString &label,
                                     bool password = false) override;
    std::optional<QString> editText(const QString &title, const QString &label,
                                    const QString &preset) override;
    // Boxes over window when it is a widget, else over this prompter's parent.
    std::unique_ptr<Prompter> forWindow(QObject *window) override;

private:
    // The parent's window in front: the parent, or the window open over it.
    QWidget *owner() const;

    QWidget *m_parent;
};
