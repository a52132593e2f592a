#include "SettingsTestKit.h"
#include "settings/NumericPriceBox.h"
#include "settings/TSettings.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "support/FakeConnectionService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

// A provider's plan in the settings dialog, stored in regional number form
// (run under locales with "." and "," as the decimal separator; "#" below
// stands for it).
class TestSettingsPlan : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeConnectionService m_service;

    QString configPath() const { return m_dir.filePath(QStringLiteral("dialometer.cfg")); }

    // The attributes of the saved provider named name but its Name,
    // "Name=value" each, sorted.
    QStringList savedPlan(const char *name) const
    {
        XmlDocument saved;
        LoadDocument(configPath(), saved);
        const pugi::xml_node provider =
            saved.root().child("ISP").find_child_by_attribute("Item", "Name", name);
        QStringList attributes;
        for (pugi::xml_attribute a : provider.attributes())
            if (std::strcmp(a.name(), "Name") != 0)
                attributes << QString::fromUtf8(a.name()) + '=' + QString::fromUtf8(a.value());
        attributes.sort();
        return attributes;
    }

    static void select(TSettings &dialog, int index)
    {
        auto *isp = dialog.findChild<QComboBox *>("cmbISP");
        isp->setCurrentIndex(index);
        emit isp->activated(index);
    }

    // What the plan boxes show: day, traffic cap, cost cap (empty for none),
    // percent, hang-up.
    static QString shown(TSettings &dialog)
    {
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(dialog.findChild<QSpinBox *>("spnPeriodStart")->value())
            .arg(dialog.findChild<QLineEdit *>("edtTrafficCap")->text())
            .arg(dialog.findChild<NumericPriceBox *>("edtCostCap")->QLineEdit::text())
            .arg(dialog.findChild<QSpinBox *>("spnAlertAt")->value())
            .arg(dialog.findChild<QCheckBox *>("chbHangUpAtCap")->isChecked());
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Plans are shown per provider, left alone when unchanged (a damaged
    // value included), and stored in regional form once edited.
    void planPerProvider()
    {
        XmlDocument live = document(
            localised("<MainContent><ISP><Item Name=\"Plain\" PayConn=\"1\"/>"
                      "<Item Name=\"Mobile\" PeriodStart=\"5\" TrafficCap=\"2#5\" CostCap=\"abc\" "
                      "AlertAt=\"70\" HangUpAtCap=\"1\" Note=\"n\"/></ISP></MainContent>")
                .toUtf8()
                .constData());
        EnsureConfigSections(live);
        SettingsPrompter prompter;
        TSettings dialog({live, configPath(), m_service, prompter}, nullptr);
        auto *apply = dialog.findChild<QPushButton *>("btnApply");
        QCOMPARE(shown(dialog), "1   80 0");
        select(dialog, 1);
        QCOMPARE(shown(dialog), localised("5 2#5  70 1"));
        select(dialog, 0);
        QCOMPARE(shown(dialog), "1   80 0");
        dialog.ApplySettings(); // the day elements added at loading
        QVERIFY(!apply->isEnabled());
        QCOMPARE(savedPlan("Plain"), QStringList{"PayConn=1"});
        QCOMPARE(savedPlan("Mobile"),
                 (QStringList{"AlertAt=70", "CostCap=abc", "HangUpAtCap=1", "Note=n",
                              "PeriodStart=5", localised("TrafficCap=2#5")}));

        // A change undone leaves nothing to apply.
        auto *traffic = dialog.findChild<QLineEdit *>("edtTrafficCap");
        QVERIFY(!dialog.findChild<QCheckBox *>("chbHangUpAtCap")->isEnabled()); // no cap yet
        QTest::keyClicks(traffic, "7");
        QVERIFY(apply->isEnabled());
        QVERIFY(dialog.findChild<QCheckBox *>("chbHangUpAtCap")->isEnabled());
        QTest::keyClick(traffic, Qt::Key_Backspace);
        QVERIFY(!apply->isEnabled());

        // Either separator may be typed; the regional one is stored.
        QTest::keyClicks(traffic, "1.5");
        QTest::keyClicks(dialog.findChild<NumericPriceBox *>("edtCostCap"), "29,9");
        dialog.findChild<QSpinBox *>("spnPeriodStart")->setValue(31);
        dialog.findChild<QSpinBox *>("spnAlertAt")->setValue(95);
        dialog.findChild<QCheckBox *>("chbHangUpAtCap")->click();
        select(dialog, 1);
        dialog.findChild<QSpinBox *>("spnAlertAt")->setValue(60);
        select(dialog, 0);
        QCOMPARE(shown(dialog), localised("31 1#5 29#9000 95 1"));
        QVERIFY(apply->isEnabled());
        dialog.ApplySettings();
        QCOMPARE(savedPlan("Plain"),
                 (QStringList{"AlertAt=95", localised("CostCap=29#9"), "HangUpAtCap=1", "PayConn=1",
                              "PeriodStart=31", localised("TrafficCap=1#5")}));
        // The plan as shown is stored: the unreadable cost cap is gone.
        QCOMPARE(savedPlan("Mobile"), (QStringList{"AlertAt=60", "HangUpAtCap=1", "Note=n",
                                                   "PeriodStart=5", localised("TrafficCap=2#5")}));

        // Back to no plan: no plan attributes are left.
        traffic->clear();
        emit traffic->textEdited(QString());
        auto *cost = dialog.findChild<NumericPriceBox *>("edtCostCap");
        cost->clear();
        emit cost->textEdited(QString());
        dialog.findChild<QSpinBox *>("spnPeriodStart")->setValue(1);
        dialog.findChild<QSpinBox *>("spnAlertAt")->setValue(80);
        dialog.findChild<QCheckBox *>("chbHangUpAtCap")->setChecked(false);
        dialog.ApplySettings();
        QCOMPARE(savedPlan("Plain"), QStringList{"PayConn=1"});
    }
};

QTEST_MAIN(TestSettingsPlan)
#include "test_settings_plan.moc"
