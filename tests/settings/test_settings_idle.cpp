#include "SettingsTestKit.h"
#include "settings/TSettings.h"
#include "store/ConfigDocument.h"
#include "store/DataFiles.h"
#include "support/FakeConnectionService.h"

#include <QComboBox>
#include <QLocale>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// The idle hang-up of the selected provider on the Tariffs tab, typed by
// keyboard and stored in regional number form (run under locales with "."
// and "," as separators; "#" below stands for the decimal one).
class TestSettingsIdle : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeConnectionService m_service;

    QString configPath() const { return m_dir.filePath(QStringLiteral("dialometer.cfg")); }

    QString saved(const char *provider, const char *name) const
    {
        XmlDocument document;
        LoadDocument(configPath(), document);
        const pugi::xml_node item =
            document.root().child("ISP").find_child_by_attribute("Item", "Name", provider);
        const pugi::xml_attribute value = item.attribute(name);
        return value ? QString::fromUtf8(value.value()) : QStringLiteral("(none)");
    }

    static void select(TSettings &dialog, int index)
    {
        auto *isp = dialog.findChild<QComboBox *>("cmbISP");
        isp->setCurrentIndex(index);
        emit isp->activated(index);
    }

    static void type(QSpinBox *box, const QString &text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void idlePerProvider()
    {
        XmlDocument live = document(
            localised("<MainContent><ISP><Item Name=\"Plain\"/>"
                      "<Item Name=\"Mobile\" IdleMinutes=\"5\" IdleBelow=\"1024#5\"/></ISP>"
                      "</MainContent>")
                .toUtf8()
                .constData());
        EnsureConfigSections(live);
        SettingsPrompter prompter;
        TSettings dialog({live, configPath(), m_service, prompter}, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QTabWidget *>()->setCurrentIndex(1);
        auto *minutes = dialog.findChild<QSpinBox *>("spnIdleMinutes");
        auto *below = dialog.findChild<QSpinBox *>("spnIdleBelow");
        QVERIFY(!minutes->accessibleName().isEmpty());
        QVERIFY(!below->accessibleName().isEmpty());

        // Off by default; the threshold waits until there are minutes.
        QCOMPARE(minutes->text(), QStringLiteral("never"));
        QCOMPARE(below->value(), 256);
        QVERIFY(!below->isEnabled());
        select(dialog, 1);
        QCOMPARE(minutes->value(), 5);
        QCOMPARE(below->text(), QLocale::system().toString(1025) + QStringLiteral(" bytes/s"));
        QVERIFY(below->isEnabled());

        // Reached by its key and typed; untouched values keep their text.
        QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier);
        QVERIFY(minutes->hasFocus());
        type(minutes, QStringLiteral("15"));
        select(dialog, 0);
        type(minutes, QStringLiteral("3"));
        type(below, QStringLiteral("2000"));
        dialog.ApplySettings();
        QCOMPARE(saved("Mobile", "IdleMinutes"), QStringLiteral("15"));
        QCOMPARE(saved("Mobile", "IdleBelow"), localised("1024#5"));
        QCOMPARE(saved("Plain", "IdleMinutes"), QStringLiteral("3"));
        QCOMPARE(saved("Plain", "IdleBelow"), QStringLiteral("2000"));

        // Back to the defaults: no attributes are left.
        type(below, QStringLiteral("256"));
        type(minutes, QStringLiteral("0"));
        dialog.ApplySettings();
        QCOMPARE(saved("Plain", "IdleMinutes"), QStringLiteral("(none)"));
        QCOMPARE(saved("Plain", "IdleBelow"), QStringLiteral("(none)"));
    }
};

QTEST_MAIN(TestSettingsIdle)
#include "test_settings_idle.moc"
