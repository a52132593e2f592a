#pragma once

#include "core/Prompter.h"
#include "store/XmlDocument.h"

#include <QApplication>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

// Answers the dialogs' questions and text prompts from scripts and records
// what it was told.
class SettingsPrompter final : public Prompter
{
public:
    QList<Button> answers;               // questions; No when the script is empty
    QList<std::optional<QString>> texts; // text prompts; cancelled when empty
    QStringList messages;                // texts of the messages, in order
    QStringList questions;               // texts of the questions
    QStringList prompts;                 // titles of the text prompts
    QStringList presets;                 // preset texts of editText()

    void message(const QString &, const QString &text, Icon) override { messages.append(text); }
    Button question(const QString &, const QString &text, Buttons, Icon) override
    {
        questions.append(text);
        return answers.isEmpty() ? No : answers.takeFirst();
    }
    std::optional<QString> textInput(const QString &title, const QString &, bool) override
    {
        prompts.append(title);
        return texts.isEmpty() ? std::nullopt : texts.takeFirst();
    }
    std::optional<QString> editText(const QString &title, const QString &label,
                                    const QString &preset) override
    {
        presets.append(preset);
        return textInput(title, label, false);
    }
};

// Runs act on the next modal dialog of type Dialog once it is shown (the
// code under test is blocked in its exec()). A dialog that act leaves open,
// say after a failed check, is closed so the test does not hang.
template <typename Dialog> void onModal(std::function<void(Dialog *)> act, int attempts = 400)
{
    QTimer::singleShot(5, [act, attempts] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            const QPointer<Dialog> guard(dialog);
            act(dialog);
            if (guard && guard->isVisible())
                guard->reject();
            return;
        }
        if (attempts > 0)
            onModal<Dialog>(act, attempts - 1);
    });
}

inline void click(QWidget *parent, const char *name)
{
    parent->findChild<QPushButton *>(QString::fromLatin1(name))->click();
}

// A configuration document from XML text.
// A number text with "#" for the locale's decimal separator.
inline QString localised(QString text)
{
    return text.replace(QLatin1Char('#'), QLocale::system().decimalPoint());
}

inline XmlDocument document(const char *xml)
{
    XmlDocument doc;
    doc.parse(QByteArray(xml));
    return doc;
}

inline QString attribute(const XmlDocument &doc, const char *xpath, const char *name)
{
    return QString::fromUtf8(doc.doc().select_node(xpath).node().attribute(name).value());
}
