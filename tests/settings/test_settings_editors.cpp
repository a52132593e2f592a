#include "SettingsTestKit.h"
#include "backends/sim/DemoConfiguration.h"
#include "backends/sim/SimulatedModemService.h"
#include "backends/sim/SimulationScenario.h"
#include "core/Clock.h"
#include "core/TextForms.h"
#include "cost/TariffCost.h"
#include "settings/NumericPriceBox.h"
#include "settings/TISPEdit.h"
#include "settings/TISPList.h"
#include "settings/TRangeTimeEdit.h"
#include "settings/TSettings.h"
#include "settings/TTariffTypesEdit.h"
#include "settings/TTypesEdit.h"
#include "store/ConfigDocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {

// The decimal form of the user's locale: "0.25" or "0,25".
QString decimal(const char *text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

QStringList names(const QListWidget *list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

const char *const kSchedule =
    "<MainContent><General/>"
    "<TariffTypes><Item ID=\"1\" Name=\"Day\" Minute=\"1\"/><Item ID=\"2\" Name=\"Night\""
    " Input=\"1\"/><Item ID=\"5\" Name=\"Spare\" Output=\"2\"/></TariffTypes>"
    "<ISP><Item Name=\"First\" DefCost=\"2\"><Sunday/><Custom/><Monday>"
    "<Item Time1=\"08:00\" Time2=\"09:00\" TariffType=\"1\"/>"
    "<Item Time1=\"09:00\" Time2=\"10:00\" TariffType=\"7\"/>"
    "<Item Time1=\"10:00\" Time2=\"11:00\" TariffType=\"1\"/></Monday></Item>"
    "<Item Name=\"Second\"><Friday><Item Time1=\"01:00\" Time2=\"02:00\" TariffType=\"1\"/>"
    "</Friday></Item></ISP>"
    "<Users><Item Name=\"Ann\"/><Item Name=\"Bob\" Password=\"b\"/><Item Name=\"Cy\"/></Users>"
    "<Graph/></MainContent>";

} // namespace

// The editors the settings dialog opens: the tariff tree, the range and
// tariff type editors, the provider list with the phonebook, the users.
class TestSettingsEditors : public QObject
{
    Q_OBJECT

    SimulatedModemService m_service{SimulationScenario::demo()};

    struct Dialog
    {
        XmlDocument live;
        SettingsPrompter prompter;
        std::unique_ptr<TSettings> settings;
        QTreeWidget *tree = nullptr;

        Dialog(const char *xml, ConnectionService &service) : live(document(xml))
        {
            settings.reset(new TSettings({live, QString(), service, prompter}, nullptr));
            tree = settings->findChild<QTreeWidget *>("TreeView1");
        }
        XmlDocument &work() { return settings->workConfig(); }
        QWidget *w() { return settings.get(); }
        bool enabled(const char *name) { return w()->findChild<QPushButton *>(name)->isEnabled(); }
    };

private slots:
    void priceBox_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point") << "0.5" << decimal("0.5") << decimal("0.5000");
        QTest::newRow("comma") << "1,25" << decimal("1.25") << decimal("1.2500");
        QTest::newRow("zero is empty") << "0"
                                       << "" << decimal("0.0000");
        QTest::newRow("rounded to four") << "0.00005" << decimal("0.0001") << decimal("0.0001");
        QTest::newRow("not a number") << "abc"
                                      << "" << decimal("0.0000");
        QTest::newRow("negative") << "-3"
                                  << "" << decimal("0.0000");
    }
    void priceBox()
    {
        NumericPriceBox box;
        QFETCH(QString, stored);
        box.setAmountText(stored);
        QFETCH(QString, text);
        QCOMPARE(box.amountText(), text);
        QFETCH(QString, shown);
        QCOMPARE(box.QLineEdit::text(), shown);
    }
    void priceBoxRefusesMinus()
    {
        QWidget window;
        auto *box = new NumericPriceBox(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        QTest::keyClicks(box, "-2.5");
        QCOMPARE(box->amountText(), decimal("2.5"));
    }

    // Showing a provider: days Monday first, ranges with their type names,
    // other children hidden; several days get one range each.
    void tariffTree()
    {
        Dialog d(kSchedule, m_service);
        QCOMPARE(d.tree->topLevelItemCount(), 7);
        QCOMPARE(d.tree->topLevelItem(0)->text(0), "Monday");
        QCOMPARE(d.tree->topLevelItem(6)->text(0), "Sunday");
        QCOMPARE(d.tree->topLevelItem(0)->child(1)->text(0), "from 09:00 to 10:00 tariff \"_\"");
        QCOMPARE(d.settings->findChild<QComboBox *>("cmbDefCost")->currentText(), "Night");
        QVERIFY(d.work().doc().select_node("/MainContent/ISP/Item/Custom"));
        QVERIFY(!d.enabled("btnAddT") && !d.enabled("btnEditT") && !d.enabled("btnDelT"));

        // Selection stays within one day.
        d.tree->topLevelItem(0)->child(0)->setSelected(true);
        d.tree->setCurrentItem(d.tree->topLevelItem(2), 0, QItemSelectionModel::Select);
        QCOMPARE(d.tree->selectedItems().size(), 1);
        d.tree->topLevelItem(0)->setSelected(true);
        QVERIFY(d.enabled("btnAddT") && !d.enabled("btnEditT") && !d.enabled("btnDelT"));

        onModal<TRangeTimeEdit>([](TRangeTimeEdit *editor) {
            QCOMPARE(editor->windowTitle(), "New");
            editor->findChild<QTimeEdit *>("DateTimePicker1")->setTime(QTime(22, 0));
            editor->findChild<QTimeEdit *>("DateTimePicker2")->setTime(QTime(23, 59));
            editor->findChild<QComboBox *>("cmbTariff")->setCurrentIndex(2);
            click(editor, "btnOk");
        });
        click(d.w(), "btnAddT");
        for (int day : {0, 2}) {
            QTreeWidgetItem *node = d.tree->topLevelItem(day);
            QCOMPARE(node->child(node->childCount() - 1)->text(0),
                     "from 22" + TextForms::timeSeparator() + "00 to 23" +
                         TextForms::timeSeparator() + "59 tariff \"Spare\"");
        }
        const pugi::xml_node provider = d.work().root().child("ISP").first_child();
        QCOMPARE(provider.child("Wednesday").first_child().attribute("TariffType").value(),
                 std::string("5"));
        QCOMPARE(std::distance(provider.child("Monday").begin(), provider.child("Monday").end()),
                 4);

        // Three ranges of one day: Delete only; Yes removes them all.
        d.tree->clearSelection();
        QTreeWidgetItem *monday = d.tree->topLevelItem(0);
        d.tree->setCurrentItem(monday->child(0));
        monday->child(1)->setSelected(true);
        monday->child(2)->setSelected(true);
        QVERIFY(!d.enabled("btnAddT") && !d.enabled("btnEditT") && d.enabled("btnDelT"));
        d.prompter.answers = {Prompter::Yes};
        click(d.w(), "btnDelT");
        QCOMPARE(d.prompter.questions, QStringList{"Delete tariff?"});
        QCOMPARE(monday->childCount(), 1);
        QCOMPARE(std::distance(provider.child("Monday").begin(), provider.child("Monday").end()),
                 1);
    }

    // Apply follows edits of a provider and their undoing.
    void applyFollowsProviderEdits()
    {
        Dialog first(kSchedule, m_service);
        first.settings->ApplySettings();
        // The applied document has every day: a new dialog starts unchanged.
        Dialog d(first.live.serialize().constData(), m_service);
        QVERIFY(!d.enabled("btnApply"));
        auto *defCost = d.settings->findChild<QComboBox *>("cmbDefCost");
        const auto chooseDefault = [defCost](int index) {
            defCost->setCurrentIndex(index);
            emit defCost->activated(index);
        };
        chooseDefault(0);
        QVERIFY(d.enabled("btnApply"));
        chooseDefault(1);
        QVERIFY(!d.enabled("btnApply"));

        d.tree->setCurrentItem(d.tree->topLevelItem(1));
        onModal<TRangeTimeEdit>([](TRangeTimeEdit *editor) {
            editor->findChild<QTimeEdit *>("DateTimePicker2")->setTime(QTime(1, 0));
            editor->findChild<QComboBox *>("cmbTariff")->setCurrentIndex(0);
            click(editor, "btnOk");
        });
        click(d.w(), "btnAddT");
        QVERIFY(d.enabled("btnApply"));
        d.tree->setCurrentItem(d.tree->topLevelItem(1)->child(0));
        d.prompter.answers = {Prompter::Yes};
        click(d.w(), "btnDelT");
        QVERIFY(!d.enabled("btnApply"));

        // A fee is stored as it is typed, so an Apply by key (the focus
        // staying in the box) carries it.
        d.settings->show();
        QVERIFY(QTest::qWaitForWindowActive(d.settings.get()));
        auto *fee = d.settings->findChild<NumericPriceBox *>("edtPayConn");
        fee->setFocus();
        QTest::keyClicks(fee, "2.5");
        QCOMPARE(attribute(d.work(), "/MainContent/ISP/Item", "PayConn"), decimal("2.5"));
        QVERIFY(d.enabled("btnApply"));
        d.settings->ApplySettings();
        QCOMPARE(attribute(d.live, "/MainContent/ISP/Item", "PayConn"), decimal("2.5"));
    }

    void rangeChecks_data()
    {
        QTest::addColumn<QTime>("from");
        QTest::addColumn<QTime>("to");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message");
        QTest::newRow("crosses midnight")
            << QTime(22, 0) << QTime(6, 0) << 0 << "Incorrect time range!!!";
        QTest::newRow("empty") << QTime(0, 0) << QTime(0, 0) << 0 << "Incorrect time range!!!";
        QTest::newRow("no type") << QTime(8, 0) << QTime(9, 0) << -1 << "Choose tariff type";
        QTest::newRow("good") << QTime(8, 0) << QTime(9, 0) << 0 << "";
    }
    void rangeChecks()
    {
        XmlDocument config = document(kSchedule);
        SettingsPrompter prompter;
        TRangeTimeEdit editor(config, {}, prompter, nullptr);
        QFETCH(QTime, from);
        editor.findChild<QTimeEdit *>("DateTimePicker1")->setTime(from);
        QFETCH(QTime, to);
        editor.findChild<QTimeEdit *>("DateTimePicker2")->setTime(to);
        QFETCH(int, type);
        editor.findChild<QComboBox *>("cmbTariff")->setCurrentIndex(type);
        editor.btnOkClick();
        QFETCH(QString, message);
        QCOMPARE(prompter.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(editor.result() == int(QDialog::Accepted), message.isEmpty());
    }

    // Editing a range puts its values in; an unknown time leaves 00:00.
    void editRange()
    {
        Dialog d(kSchedule, m_service);
        QTreeWidgetItem *range = d.tree->topLevelItem(0)->child(0);
        d.tree->setCurrentItem(range);
        onModal<TRangeTimeEdit>([](TRangeTimeEdit *editor) {
            QCOMPARE(editor->windowTitle(), "Edit");
            QCOMPARE(editor->findChild<QTimeEdit *>("DateTimePicker1")->time(), QTime(8, 0));
            QCOMPARE(editor->findChild<QComboBox *>("cmbTariff")->currentText(), "Day");
            editor->findChild<QComboBox *>("cmbTariff")->setCurrentIndex(1);
            click(editor, "btnOk");
        });
        emit d.tree->itemDoubleClicked(range, 0);
        QCOMPARE(range->text(0), "from 08:00 to 09:00 tariff \"Night\"");
    }

    // IDs, the name check, the prices written, the use test.
    void tariffTypes()
    {
        XmlDocument config = document(kSchedule);
        SettingsPrompter prompter;
        TTariffTypesEdit editor(config, prompter, nullptr);
        auto *list = editor.findChild<QListWidget *>("ListBox1");
        QCOMPARE(editor.maxId(), 5);

        const auto enterType = [](const QString &name, const QList<const char *> &prices) {
            onModal<TTypesEdit>([name, prices](TTypesEdit *types) {
                types->findChild<QLineEdit *>("edtName")->setText(name);
                const char *keys[] = {"Minute", "Input", "Output"};
                for (int i = 0; i < 3; ++i) {
                    if (!prices[i])
                        continue;
                    types->findChild<QCheckBox *>(QStringLiteral("chb") + keys[i])->click();
                    types->findChild<NumericPriceBox *>(QStringLiteral("edt") + keys[i])
                        ->setAmountText(prices[i]);
                }
                click(types, "btnOk");
            });
        };
        enterType("Evening", {"0", "0.25", "0"});
        editor.btnAddClick();
        const pugi::xml_node added = config.root().child("TariffTypes").last_child();
        QCOMPARE(attributeText(added, "ID"), "6");
        QCOMPARE(attributeText(added, "Input"), decimal("0.25"));
        QVERIFY(!hasAttribute(added, "Minute") && !hasAttribute(added, "Output"));
        QCOMPARE(list->currentItem()->text(), "Evening");

        enterType("NIGHT", {"1", nullptr, nullptr});
        editor.btnAddClick();
        QCOMPARE(prompter.messages.last(), "Tariff types already exist");

        // Renamed in other letter case; its price unticked is removed.
        list->setCurrentRow(1);
        onModal<TTypesEdit>([](TTypesEdit *types) {
            types->findChild<QLineEdit *>("edtName")->setText("NIGHT");
            types->findChild<QCheckBox *>("chbMinute")->click();
            types->findChild<NumericPriceBox *>("edtMinute")->setAmountText("2");
            types->findChild<QCheckBox *>("chbInput")->click();
            click(types, "btnOk");
        });
        editor.btnEditClick();
        const pugi::xml_node night =
            config.root().child("TariffTypes").child("Item").next_sibling();
        QCOMPARE(attributeText(night, "Name"), "NIGHT");
        QVERIFY(!hasAttribute(night, "Input"));

        // In use: the default of one provider, a range of another.
        for (int row : {0, 1}) {
            list->setCurrentRow(row);
            prompter.answers = {Prompter::Yes};
            editor.btnDelClick();
            QCOMPARE(prompter.messages.last(), "Tariff type is used");
        }
        QCOMPARE(list->count(), 4);
        list->setCurrentRow(2);
        prompter.answers = {Prompter::Yes};
        editor.btnDelClick();
        QCOMPARE(names(list), (QStringList{"Day", "NIGHT", "Evening"}));
        QCOMPARE(list->currentRow(), 1);
    }

    void typeEditorChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name") << "" << true << "Enter Name";
        QTest::newRow("no price ticked") << "A" << false << "Enter cost value";
        QTest::newRow("ticked zero") << "A" << true << "Enter cost value";
    }
    void typeEditorChecks()
    {
        SettingsPrompter prompter;
        TTypesEdit editor({}, prompter, nullptr);
        QFETCH(QString, name);
        editor.findChild<QLineEdit *>("edtName")->setText(name);
        QFETCH(bool, ticked);
        if (ticked)
            editor.findChild<QCheckBox *>("chbOutput")->click();
        editor.btnOkClick();
        QFETCH(QString, message);
        QCOMPARE(prompter.messages, QStringList{message});
        QVERIFY(editor.result() != int(QDialog::Accepted));
    }

    // Providers from the simulated phonebook; the Tariffs tab follows the
    // position after the editor closes.
    void providers()
    {
        Dialog d(kSchedule, m_service);
        auto *isp = d.settings->findChild<QComboBox *>("cmbISP");
        isp->setCurrentIndex(1);
        emit isp->activated(1);
        QCOMPARE(d.tree->topLevelItem(4)->childCount(), 1);

        onModal<TISPEdit>([&d](TISPEdit *editor) {
            auto *list = editor->findChild<QListWidget *>("ListBox1");
            QCOMPARE(list->currentRow(), -1);
            onModal<TISPList>([](TISPList *picker) {
                auto *entries = picker->findChild<QListWidget *>("ListBox1");
                QCOMPARE(names(entries),
                         (QStringList{"Home Dial-up", "Office ISDN", "Mobile GPRS"}));
                entries->setCurrentRow(1);
                click(picker, "btnSelect");
            });
            editor->btnAddClick();
            QCOMPARE(list->currentItem()->text(), "Office ISDN");

            onModal<TISPList>([](TISPList *picker) {
                picker->findChild<QListWidget *>("ListBox1")->setCurrentRow(1);
                click(picker, "btnSelect");
            });
            editor->btnAddClick();
            QCOMPARE(d.prompter.messages, QStringList{"ISP already exist"});

            list->setCurrentRow(2);
            d.prompter.texts = {QString("Third")};
            editor->btnEditClick();
            QCOMPARE(d.prompter.presets, QStringList{"Office ISDN"});
            QCOMPARE(d.prompter.messages.size(), 1);
            QCOMPARE(list->item(2)->text(), "Third");
            list->setCurrentRow(0);
            d.prompter.texts = {QString("THIRD")};
            editor->btnEditClick();
            QCOMPARE(d.prompter.messages.size(), 2);

            list->setCurrentRow(1);
            d.prompter.answers = {Prompter::Yes};
            editor->btnDelClick();
            QCOMPARE(names(list), (QStringList{"First", "Third"}));
            QCOMPARE(list->currentRow(), 0);
            click(editor, "btnOk");
        });
        click(d.w(), "btnEditISP");
        // Position 1 now holds the provider that was added and renamed.
        QCOMPARE(isp->currentText(), "Third");
        QCOMPARE(d.tree->topLevelItemCount(), 7);
        QCOMPARE(d.tree->topLevelItem(4)->childCount(), 0);
        QVERIFY(d.settings->findChild<QGroupBox *>("GroupBox1")->isEnabled());
    }

    void users()
    {
        Dialog d(kSchedule, m_service);
        auto *list = d.settings->findChild<QListWidget *>("lstUser");
        QCOMPARE(list->currentRow(), 0);

        d.prompter.texts = {QString("bob")};
        click(d.w(), "btnAddUser");
        QCOMPARE(d.prompter.messages, QStringList{"User already exist"});
        d.prompter.texts = {QString(" Dee ")};
        click(d.w(), "btnAddUser");
        QCOMPARE(names(list), (QStringList{"Ann", "Bob", "Cy", " Dee "}));
        QCOMPARE(list->currentRow(), 3);

        list->setCurrentRow(1);
        d.prompter.texts = {QString("BOB")};
        emit list->itemDoubleClicked(list->item(1));
        QCOMPARE(list->item(1)->text(), "BOB");
        d.prompter.texts = {QString("pw"), QString("PW")};
        click(d.w(), "btnPasswordUser");
        QCOMPARE(d.prompter.messages.last(), "Incorrect password !!!");
        d.prompter.texts = {QString("pw"), QString("pw")};
        click(d.w(), "btnPasswordUser");
        const pugi::xml_node bob = d.work().root().child("Users").child("Item").next_sibling();
        QCOMPARE(attributeText(bob, "Name"), "BOB");
        QCOMPARE(attributeText(bob, "Password"), "pw");

        list->setCurrentRow(0);
        d.prompter.answers = {Prompter::Yes};
        click(d.w(), "btnDelUser");
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(!d.enabled("btnEditUser") && !d.enabled("btnDelUser") &&
                !d.enabled("btnPasswordUser") && d.enabled("btnAddUser"));
        list->setCurrentRow(2);
        d.prompter.answers = {Prompter::Yes};
        click(d.w(), "btnDelUser");
        QCOMPARE(names(list), (QStringList{"BOB", "Cy"}));
        QCOMPARE(list->currentRow(), 1);
        // The live document keeps its users until the settings are applied.
        QCOMPARE(attribute(d.live, "/MainContent/Users/Item", "Name"), "Ann");
    }

    // The demo's sample configuration prices every demo entry.
    void demoConfiguration()
    {
        XmlDocument config;
        BuildDemoConfiguration(config);
        const ManualClock monday9(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        const QStringList quantities = {"Minute=" + TextForms::numberText(1),
                                        "Input=" + TextForms::numberText(1),
                                        "Output=" + TextForms::numberText(1)};
        for (const QString &entry : SimulationScenario::demo().phonebook) {
            const pugi::xml_node provider =
                FindChildByAttribute(config.root().child("ISP"), "Name", entry);
            QVERIFY2(provider, qPrintable(entry));
            const double cost = IntervalCost(config, provider, quantities, 9 / 24.0, monday9);
            QVERIFY2(cost > 0.0, qPrintable(entry));
        }
        QCOMPARE(GetGeneralValue(config, "Calculate"), "1");
    }
};

QTEST_MAIN(TestSettingsEditors)
#include "test_settings_editors.moc"
