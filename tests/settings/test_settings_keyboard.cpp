#include "SettingsTestKit.h"
#include "core/Translations.h"
#include "settings/TISPEdit.h"
#include "settings/TISPList.h"
#include "settings/TRangeTimeEdit.h"
#include "settings/TSettings.h"
#include "settings/TTariffTypesEdit.h"
#include "settings/TTypesEdit.h"
#include "support/AcceleratorCheck.h"
#include "support/FakeConnectionService.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {

const char *const kSchedule =
    "<MainContent><General/>"
    "<TariffTypes><Item ID=\"1\" Name=\"Day\" Minute=\"1\"/></TariffTypes>"
    "<ISP><Item Name=\"First\"><Monday>"
    "<Item Time1=\"08:00\" Time2=\"09:00\" TariffType=\"1\"/>"
    "<Item Time1=\"09:00\" Time2=\"10:00\" TariffType=\"1\"/></Monday></Item>"
    "<Item Name=\"Second\"/></ISP><Users/><Graph/></MainContent>";

// Presses keys on widget and waits for the button that a mnemonic pressed:
// it clicks a moment later.
void press(QWidget *widget, QKeyCombination keys)
{
    // Mnemonics answer in the active window only; the offscreen platform may
    // hand the activation back to the window below a moment after a dialog
    // opened.
    QWidget *window = widget->window();
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    QTest::keyClick(widget, keys.key(), keys.keyboardModifiers());
    const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
    QTRY_VERIFY(std::none_of(buttons.begin(), buttons.end(),
                             [](const QAbstractButton *button) { return button->isDown(); }));
}

// Shows the Tariffs tab by its key.
void toTariffs(TSettings *dialog)
{
    press(dialog, Qt::AltModifier | Qt::Key_T);
    QCOMPARE(dialog->findChild<QTabWidget *>("PageControl1")->currentIndex(), 1);
}

// A node of the tree by its place: "1" is Tuesday, "0/1" Monday's second range.
QTreeWidgetItem *node(QTreeWidget *tree, const QString &path)
{
    const QStringList steps = path.split(QLatin1Char('/'));
    QTreeWidgetItem *item = tree->topLevelItem(steps.first().toInt());
    return steps.size() > 1 ? item->child(steps.at(1).toInt()) : item;
}

QStringList ranges(QTreeWidgetItem *day)
{
    QStringList texts;
    for (int i = 0; i < day->childCount(); ++i)
        texts << day->child(i)->text(0).section(QLatin1Char(' '), 1, 3);
    return texts;
}

} // namespace

// The settings windows as they are driven by keys and clicks, with their
// modal editors in force.
class TestSettingsKeyboard : public QObject
{
    Q_OBJECT

    FakeConnectionService m_service;

private slots:
    void initTestCase()
    {
        // The keys are checked in each shipped language (LANGUAGE picks it).
        Translations::installTranslations(*qApp);
        m_service.phonebook = {"Home", "Office"};
    }

    // The tree's buttons and keys act on the selection, also when Ctrl and
    // an arrow key moved the current node elsewhere.
    void treeFollowsSelection_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("ctrlArrow"); // Ctrl+Down steps, Ctrl+Up when negative
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("editorFrom"); // the editor's start, empty: none opened
        QTest::addColumn<QStringList>("monday");
        QTest::addColumn<QStringList>("tuesday");

        const QStringList both = {"08:00 to 09:00", "09:00 to 10:00"};
        QTest::newRow("Alt+D adds to the selected day")
            << "1" << -1 << "Add" << (Qt::AltModifier | Qt::Key_D) << "00:00" << both
            << QStringList{"06:00 to 07:00"};
        QTest::newRow("Alt+E edits the selected range")
            << "0/0" << 1 << "Edit Delete" << (Qt::AltModifier | Qt::Key_E) << "08:00" << both
            << QStringList{};
        QTest::newRow("Return edits the selected range")
            << "0/0" << 1 << "Edit Delete" << QKeyCombination(Qt::Key_Return) << "08:00" << both
            << QStringList{};
        QTest::newRow("Alt+L with a day selected deletes nothing")
            << "0" << 1 << "Add" << (Qt::AltModifier | Qt::Key_L) << "" << both << QStringList{};
        QTest::newRow("Alt+L deletes the selected range")
            << "0/0" << 1 << "Edit Delete" << (Qt::AltModifier | Qt::Key_L) << ""
            << QStringList{"09:00 to 10:00"} << QStringList{};
    }
    void treeFollowsSelection()
    {
        XmlDocument live = document(kSchedule);
        SettingsPrompter prompter;
        prompter.answers = {Prompter::Yes};
        QString opened;
        QFETCH(QString, selected);
        QFETCH(int, ctrlArrow);
        QFETCH(QString, buttons);
        QFETCH(QKeyCombination, key);
        QStringList mondayShown;
        QStringList tuesdayShown;
        onModal<TSettings>([&](TSettings *dialog) {
            toTariffs(dialog);
            auto *tree = dialog->findChild<QTreeWidget *>("TreeView1");
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(node(tree, selected)).center());
            for (int i = 0; i < qAbs(ctrlArrow); ++i)
                QTest::keyClick(tree, ctrlArrow > 0 ? Qt::Key_Down : Qt::Key_Up,
                                Qt::ControlModifier);
            QVERIFY(!tree->currentItem()->isSelected());
            QStringList enabled;
            for (const char *name : {"btnAddT", "btnEditT", "btnDelT"}) {
                auto *button = dialog->findChild<QPushButton *>(name);
                if (button->isEnabled())
                    enabled << button->text().remove('&');
            }
            QCOMPARE(enabled.join(' '), buttons);

            onModal<TRangeTimeEdit>([&opened](TRangeTimeEdit *editor) {
                auto *from = editor->findChild<QTimeEdit *>("DateTimePicker1");
                opened = from->time().toString("HH:mm");
                if (editor->windowTitle() != "New")
                    return;
                from->setTime(QTime(6, 0));
                editor->findChild<QTimeEdit *>("DateTimePicker2")->setTime(QTime(7, 0));
                editor->findChild<QComboBox *>("cmbTariff")->setCurrentIndex(0);
                QTest::keyClick(editor, Qt::Key_Return);
            });
            press(tree, key);
            mondayShown = ranges(tree->topLevelItem(0));
            tuesdayShown = ranges(tree->topLevelItem(1));
            click(dialog, "btnCancel");
        });
        QVERIFY(ShowSettingsDialog({live, QString(), m_service, prompter}));
        QFETCH(QString, editorFrom);
        QCOMPARE(opened, editorFrom);
        QFETCH(QStringList, monday);
        QFETCH(QStringList, tuesday);
        QCOMPARE(mondayShown, monday);
        QCOMPARE(tuesdayShown, tuesday);
        QCOMPARE(prompter.questions.size(), int(key.key() == Qt::Key_L && buttons != "Add"));
    }

    // Alt+I, Tab to "...", Space, Alt+A, Return in the picker (its first entry is
    // chosen), Return in the list (Ok): the tab shows the provider added.
    void providerAddedIsShown_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("providers");
        QTest::newRow("the first provider")
            << QByteArray("<MainContent><TariffTypes/><ISP/><Users/><Graph/></MainContent>")
            << QStringList{"Home"};
        QTest::newRow("after the one shown")
            << QByteArray(kSchedule) << QStringList{"First", "Second", "Home"};
    }
    void providerAddedIsShown()
    {
        QFETCH(QByteArray, xml);
        XmlDocument live = document(xml.constData());
        SettingsPrompter prompter;
        QString shown;
        QStringList listed;
        bool scheduleEnabled = false;
        onModal<TSettings>([&](TSettings *dialog) {
            toTariffs(dialog);
            onModal<TISPEdit>([](TISPEdit *editor) {
                QVERIFY(QTest::qWaitForWindowActive(editor));
                onModal<TISPList>([](TISPList *picker) {
                    QVERIFY(QTest::qWaitForWindowActive(picker));
                    QTest::keyClick(picker->findChild<QListWidget *>("ListBox1"), Qt::Key_Return);
                });
                press(editor, Qt::AltModifier | Qt::Key_A);
                QTest::keyClick(editor->findChild<QListWidget *>("ListBox1"), Qt::Key_Return);
            });
            press(dialog, Qt::AltModifier | Qt::Key_I); // the list of providers
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), "btnEditISP");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            auto *combo = dialog->findChild<QComboBox *>("cmbISP");
            shown = combo->currentText();
            for (int i = 0; i < combo->count(); ++i)
                listed << combo->itemText(i);
            scheduleEnabled = dialog->findChild<QWidget *>("GroupBox1")->isEnabled();
            click(dialog, "btnCancel");
        });
        QVERIFY(ShowSettingsDialog({live, QString(), m_service, prompter}));
        QFETCH(QStringList, providers);
        QCOMPARE(listed, providers);
        QCOMPARE(shown, "Home");
        QVERIFY(scheduleEnabled);
    }

    // No two visible controls of a window answer one key; for the settings
    // dialog, with each of its tabs shown.
    void accelerators_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"tab 0", "tab 1", "tab 2", "tab 3", "ISP", "ISP List",
                                   "Tariff types", "New type", "New range", "a clash"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void accelerators()
    {
        QFETCH(QString, window);
        XmlDocument config = document(kSchedule);
        SettingsPrompter prompter;
        std::unique_ptr<QWidget> shown;
        if (window.startsWith("tab")) {
            auto *dialog = new TSettings({config, QString(), m_service, prompter});
            dialog->findChild<QTabWidget *>("PageControl1")
                ->setCurrentIndex(window.back().digitValue());
            shown.reset(dialog);
        } else if (window == "ISP") {
            shown = std::make_unique<TISPEdit>(config, m_service, prompter);
        } else if (window == "ISP List") {
            shown = std::make_unique<TISPList>(m_service);
        } else if (window == "Tariff types") {
            shown = std::make_unique<TTariffTypesEdit>(config, prompter);
        } else if (window == "New type") {
            shown = std::make_unique<TTypesEdit>(QStringList{}, prompter);
        } else if (window == "New range") {
            shown = std::make_unique<TRangeTimeEdit>(config, QStringList{}, prompter);
        } else {
            shown = std::make_unique<QWidget>();
            new QPushButton("&Add", shown.get());
            (new QPushButton("&all", shown.get()))->setObjectName("btnAll");
        }
        shown->show();
        const QStringList clashes = duplicateAccelerators(shown.get());
        if (window == "a clash")
            QCOMPARE(clashes, QStringList{"Alt+A: \"Add\", \"all\" (btnAll)"});
        else
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
    }
};

QTEST_MAIN(TestSettingsKeyboard)
#include "test_settings_keyboard.moc"
