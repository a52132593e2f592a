#pragma once

#include <QFlags>
#include <QString>

#include <memory>
#include <optional>

class QObject;

// Every modal message, question and text prompt goes through this interface.
// The program answers it with message boxes; tests answer it from a script.
class Prompter
{
public:
    enum class Icon { Information, Warning, Critical, Question };
    enum Button { NoButton = 0, Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };
    Q_DECLARE_FLAGS(Buttons, Button)

    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void message(const QString &title, const QString &text,
                         Icon icon = Icon::Information) = 0;
    // A question; returns the button chosen (Cancel or No when the box is closed).
    virtual Button question(const QString &title, const QString &text, Buttons buttons,
                            Icon icon = Icon::Question) = 0;
    // A line of text (masked when password is true); nothing when cancelled.
    virtual std::optional<QString> textInput(const QString &title, const QString &label,
                                             bool password = false) = 0;
    // A line of text that starts as preset (a name to change); nothing when
    // cancelled. A prompter that cannot preset the field asks as textInput().
    virtual std::optional<QString> editText(const QString &title, const QString &label,
                                            const QString &preset)
    {
        Q_UNUSED(preset);
        return textInput(title, label);
    }

    // A prompter whose boxes stand over window (a window of the program) and
    // block that window only, not the rest of the program. window is the
    // widget as a QObject, so that this layer stays free of widgets. The
    // default answers through this prompter, which must outlive the result.
    virtual std::unique_ptr<Prompter> forWindow(QObject *window);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Prompter::Buttons)
