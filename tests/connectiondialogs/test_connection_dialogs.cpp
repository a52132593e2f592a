#include "app/DialDialog.h"
#include "app/PhonebookDialog.h"
#include "backends/sim/SimulatedModemService.h"
#include "connection/DialupOperations.h"
#include "core/Prompter.h"
#include "support/FakeConnectionService.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Answers prompts from a script and records the messages.
class ScriptedPrompter : public Prompter
{
public:
    QStringList messages;
    QStringList inputs;

    void message(const QString &, const QString &text, Icon) override { messages << text; }
    Button question(const QString &, const QString &, Buttons, Icon) override { return No; }
    std::optional<QString> textInput(const QString &, const QString &, bool) override
    {
        if (inputs.isEmpty())
            return std::nullopt;
        return inputs.takeFirst();
    }
};

class ExplainingService : public FakeConnectionService
{
public:
    PhonebookEditing editing;
    PhonebookEditing phonebookEditing() const override { return editing; }
};

struct Sim
{
    ManualElapsedTime *time = nullptr;
    std::unique_ptr<SimulatedModemService> service;

    Sim()
    {
        QString error;
        auto scenario = SimulationScenario::fromJson(
            R"({"phonebook": ["Home", "Busy"], "dial": {"delay": 2,
                "entries": {"Busy": {"failure": "NO CARRIER"}}}})",
            "test.json", &error);
        auto t = std::make_unique<ManualElapsedTime>();
        time = t.get();
        service = std::make_unique<SimulatedModemService>(*scenario, std::move(t));
    }
    void advance(double seconds)
    {
        time->advanceMs(qint64(seconds * 1000));
        service->update();
    }
};

// Runs check once the modal dialog of type T is up.
template <typename T> void whenShown(std::function<void(T *)> check)
{
    QTimer::singleShot(0, [check] {
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        check(dialog);
    });
}

} // namespace

class TestConnectionDialogs : public QObject
{
    Q_OBJECT
private slots:
    void dialClosesWhenConnected();
    void dialShowsTheFailure();
    void cancelWithdrawsTheDial();
    void phonebookEditedHere();
    void phonebookRefusesDuplicates();
    void phonebookExplained();
    void phonebookStartsTheEditorWithoutWaiting();
};

void TestConnectionDialogs::dialClosesWhenConnected()
{
    Sim sim;
    QString shown;
    whenShown<DialDialog>([&](DialDialog *d) {
        shown = d->findChild<QLabel *>("lblStatus")->text();
        sim.advance(2.0);
    });
    DialDialog::run(*sim.service, "Home", nullptr);
    QCOMPARE(shown, QStringLiteral("Connecting to Home…"));
    QVERIFY(IsConnected(*sim.service));
}

void TestConnectionDialogs::dialShowsTheFailure()
{
    Sim sim;
    QString shown;
    QString button;
    whenShown<DialDialog>([&](DialDialog *d) {
        sim.advance(2.0);
        shown = d->findChild<QLabel *>("lblStatus")->text();
        auto *close = d->findChild<QPushButton *>("btnCancel");
        button = close->text();
        close->click();
    });
    DialDialog::run(*sim.service, "Busy", nullptr);
    QCOMPARE(shown, QStringLiteral("NO CARRIER"));
    QCOMPARE(button, QStringLiteral("Close"));
    QVERIFY(!IsConnected(*sim.service));
}

void TestConnectionDialogs::cancelWithdrawsTheDial()
{
    Sim sim;
    whenShown<DialDialog>([&](DialDialog *d) {
        sim.advance(1.0);
        d->findChild<QPushButton *>("btnCancel")->click();
    });
    DialDialog::run(*sim.service, "Home", nullptr);
    sim.advance(5.0);
    QVERIFY(!IsConnected(*sim.service));
}

void TestConnectionDialogs::phonebookEditedHere()
{
    Sim sim;
    ScriptedPrompter prompter;
    prompter.inputs = {"Office"};
    whenShown<PhonebookDialog>([&](PhonebookDialog *d) {
        auto *list = d->findChild<QListWidget *>("lstEntries");
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(0);
        d->findChild<QPushButton *>("btnRemove")->click();
        d->findChild<QPushButton *>("btnAdd")->click();
        d->accept();
    });
    PhonebookDialog::run(*sim.service, prompter, nullptr);
    QStringList entries;
    GetPhonebookEntries(*sim.service, entries);
    QCOMPARE(entries, (QStringList{"Busy", "Office"}));
    QVERIFY(prompter.messages.isEmpty());
}

void TestConnectionDialogs::phonebookRefusesDuplicates()
{
    Sim sim;
    ScriptedPrompter prompter;
    prompter.inputs = {"home"};
    bool stayedOpen = false;
    whenShown<PhonebookDialog>([&](PhonebookDialog *d) {
        d->findChild<QPushButton *>("btnAdd")->click();
        d->accept();
        stayedOpen = d->isVisible();
        d->reject();
    });
    PhonebookDialog::run(*sim.service, prompter, nullptr);
    QVERIFY(stayedOpen);
    QCOMPARE(prompter.messages, QStringList{"The entry \"home\" is listed twice."});
    QStringList entries;
    GetPhonebookEntries(*sim.service, entries);
    QCOMPARE(entries, (QStringList{"Home", "Busy"}));
}

void TestConnectionDialogs::phonebookExplained()
{
    ExplainingService service;
    service.editing.program = "no-such-connection-editor-here";
    service.editing.explanation = "Install the editor.";
    ScriptedPrompter prompter;
    PhonebookDialog::run(service, prompter, nullptr);
    QCOMPARE(prompter.messages, QStringList{"Install the editor."});
}

void TestConnectionDialogs::phonebookStartsTheEditorWithoutWaiting()
{
    QTemporaryDir dir;
    ExplainingService service;
    service.editing.program = "/bin/sh";
    service.editing.arguments = {"-c", "sleep 0.3; echo done > '" + dir.filePath("ran") + "'"};
    service.editing.explanation = "not shown";
    ScriptedPrompter prompter;

    int ticks = 0;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    PhonebookDialog::run(service, prompter, nullptr);
    // The editor is a program of its own: it runs on after the call returns.
    QVERIFY(!QFile::exists(dir.filePath("ran")));
    QTRY_VERIFY(QFile::exists(dir.filePath("ran")));
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    QVERIFY(prompter.messages.isEmpty());
}

QTEST_MAIN(TestConnectionDialogs)
#include "test_connection_dialogs.moc"
