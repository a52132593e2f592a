#include "core/Prompter.h"

namespace {

// Passes every prompt on to another prompter unchanged.
class ForwardingPrompter final : public Prompter
{
public:
    explicit ForwardingPrompter(Prompter &target) : m_target(target) {}

    void message(const QString &title, const QString &text, Icon icon) override
    {
        m_target.message(title, text, icon);
    }
    Button question(const QString &title, const QString &text, Buttons buttons, Icon icon) override
    {
        return m_target.question(title, text, buttons, icon);
    }
    std::optional<QString> textInput(const QString &title, const QString &label,
                                     bool password) override
    {
        return m_target.textInput(title, label, password);
    }
    std::optional<QString> editText(const QString &title, const QString &label,
                                    const QString &preset) override
    {
        return m_target.editText(title, label, preset);
    }
    std::unique_ptr<Prompter> forWindow(QObject *window) override
    {
        return m_target.forWindow(window);
    }

private:
    Prompter &m_target;
};

} // namespace

std::unique_ptr<Prompter> Prompter::forWindow(QObject *window)
{
    Q_UNUSED(window);
    return std::make_unique<ForwardingPrompter>(*this);
}
