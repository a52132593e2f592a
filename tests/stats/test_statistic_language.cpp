#include "core/Translations.h"
#include "stats/StatisticModel.h"
#include "stats/TStatistic.h"
#include "store/SessionTable.h"

#include "app/ScriptedPrompter.h"
#include "support/AcceleratorCheck.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

// The statistics window in the language the test runs under (set with
// LANGUAGE over the English that every test is pinned to): the language
// wins, the titles and menus are translated, and the translated
// accelerators do not clash.
class TestStatisticLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void texts_data();
    void texts();
    void accelerators();

private:
    QString m_language;
    SessionTable m_table;
    ScriptedPrompter m_prompter;
};

void TestStatisticLanguage::initTestCase()
{
    m_language = qEnvironmentVariable("DIALOMETER_TEST_LANGUAGE");
    QCOMPARE(Translations::installTranslations(*qApp), m_language);
}

void TestStatisticLanguage::texts_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");

    TStatistic window(m_table, QString(), QString(), m_prompter);
    const QMenuBar *bar = window.findChild<QMenuBar *>();
    QVERIFY(bar && !bar->actions().isEmpty());
    const auto *filter = window.findChild<QLineEdit *>(QStringLiteral("Filter0"));
    QVERIFY(filter);
    const QString shown[] = {
        window.model().headerData(StatisticModel::ISP, Qt::Horizontal).toString(),
        window.model().headerData(StatisticModel::Session, Qt::Horizontal).toString(),
        window.model().headerData(StatisticModel::UserName, Qt::Horizontal).toString(),
        bar->actions().first()->text(),
        filter->accessibleName(),
    };
    const bool german = m_language == QLatin1String("de");
    const QStringList expected =
        german
            ? QStringList{"Anbieter", "Sitzung", "Benutzername", "&Datei", "Anbieter filtern"}
            : QStringList{"Провайдер", "Сеанс", "Имя пользователя", "&Файл", "Фильтр: Провайдер"};
    const char *const names[] = {"ISP title", "Session title", "User Name title", "File menu",
                                 "filter cell"};
    for (int i = 0; i < expected.size(); ++i)
        QTest::newRow(names[i]) << shown[i] << expected[i];
}

void TestStatisticLanguage::texts()
{
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

void TestStatisticLanguage::accelerators()
{
    TStatistic window(m_table, QString(), QString(), m_prompter);
    window.show();
    window.FindClick();
    auto *search = window.findChild<QWidget *>(QStringLiteral("SearchDialog"));
    QVERIFY(search);
    for (QWidget *top : {static_cast<QWidget *>(&window), search}) {
        const QStringList clashes = duplicateAccelerators(top);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    }
}

QTEST_MAIN(TestStatisticLanguage)
#include "test_statistic_language.moc"
