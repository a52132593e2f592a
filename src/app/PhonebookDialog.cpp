#include "app/PhonebookDialog.h"

#include "connection/ConnectionService.h"
#include "connection/DialupOperations.h"
#include "core/Prompter.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Dialometer");

bool isInstalled(const QString &program)
{
    if (program.isEmpty())
        return false;
    if (program.contains(QLatin1Char('/')))
        return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

void PhonebookDialog::run(ConnectionService &service, Prompter &prompter, QWidget *parent)
{
    const ConnectionService::PhonebookEditing editing = service.phonebookEditing();
    // The system's editor is a program of its own: it runs beside this one,
    // which neither waits for it nor keeps Exit from working meanwhile.
    if (isInstalled(editing.program) && QProcess::startDetached(editing.program, editing.arguments))
        return;
    if (editing.editableHere) {
        QStringList entries;
        GetPhonebookEntries(service, entries);
        PhonebookDialog dialog(entries, prompter, parent);
        if (dialog.exec() == QDialog::Accepted)
            service.setPhonebookEntries(dialog.entries());
        return;
    }
    prompter.message(kTitle, editing.explanation);
}

PhonebookDialog::PhonebookDialog(const QStringList &entries, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("PhonebookDialog"));
    setWindowTitle(tr("Phonebook"));
    // Modal to the main window only, so the tray menu stays usable.
    setWindowModality(Qt::WindowModal);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstEntries"));
    for (const QString &name : entries) {
        auto *item = new QListWidgetItem(name, m_list);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    auto *add = new QPushButton(tr("Add"), this);
    add->setObjectName(QStringLiteral("btnAdd"));
    m_remove = new QPushButton(tr("Remove"), this);
    m_remove->setObjectName(QStringLiteral("btnRemove"));
    connect(add, &QPushButton::clicked, this, &PhonebookDialog::addEntry);
    connect(m_remove, &QPushButton::clicked, this, &PhonebookDialog::removeEntry);
    connect(m_list, &QListWidget::currentRowChanged, this, &PhonebookDialog::updateButtons);

    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &PhonebookDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &PhonebookDialog::reject);

    auto *side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(m_remove);
    side->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(m_list);
    row->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(box);
    updateButtons();
}

QStringList PhonebookDialog::entries() const
{
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i)
        names.append(m_list->item(i)->text().trimmed());
    return names;
}

void PhonebookDialog::accept()
{
    QSet<QString> seen;
    for (const QString &name : entries()) {
        if (name.isEmpty()) {
            m_prompter.message(kTitle, tr("An entry needs a name."), Prompter::Icon::Warning);
            return;
        }
        if (seen.contains(name.toLower())) {
            m_prompter.message(kTitle, tr("The entry \"%1\" is listed twice.").arg(name),
                               Prompter::Icon::Warning);
            return;
        }
        seen.insert(name.toLower());
    }
    QDialog::accept();
}

void PhonebookDialog::addEntry()
{
    const std::optional<QString> name = m_prompter.textInput(kTitle, tr("Entry name:"));
    if (!name || name->trimmed().isEmpty())
        return;
    auto *item = new QListWidgetItem(name->trimmed(), m_list);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_list->setCurrentItem(item);
}

void PhonebookDialog::removeEntry()
{
    delete m_list->takeItem(m_list->currentRow());
    updateButtons();
}

void PhonebookDialog::updateButtons()
{
    m_remove->setEnabled(m_list->currentRow() >= 0);
}
