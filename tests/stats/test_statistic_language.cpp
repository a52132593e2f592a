#include "core/Translations.h"
#include "stats/StatisticModel.h"
#include "stats/TStatistic.h"
#include "store/SessionTable.h"

#include "app/ScriptedPrompter.h"
#include "support/AcceleratorCheck.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

// The statistics window in the language the test runs under (set with
// LANGUAGE over the English that every test is pinned to): the language
// wins, the titles and menus are translated, the translated accelerators do
// not clash and counted texts take the language's forms.
class TestStatisticLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void texts_data();
    void texts();
    void accelerators();
    void countedText_data();
    void countedText();

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
    const QHash<QString, QStringList> byLanguage{
        {"en", {"ISP", "Session", "User Name", "&File", "Filter ISP"}},
        {"de", {"Anbieter", "Sitzung", "Benutzername", "&Datei", "Anbieter filtern"}},
        {"ru", {"Провайдер", "Сеанс", "Имя пользователя", "&Файл", "Фильтр: Провайдер"}},
    };
    const QStringList expected = byLanguage.value(m_language);
    QCOMPARE(expected.size(), int(std::size(shown)));
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

// The forms of a counted text: English takes its singular from its own file,
// Russian has three forms.
void TestStatisticLanguage::countedText_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    const QHash<QString, QStringList> byLanguage{
        {"en",
         {"Time of the month, 1 point", "Time of the month, 2 points",
          "Time of the month, 5 points", "Time of the month, 21 points"}},
        {"de",
         {"Zeit des Monats, 1 Punkt", "Zeit des Monats, 2 Punkte", "Zeit des Monats, 5 Punkte",
          "Zeit des Monats, 21 Punkte"}},
        {"ru",
         {"Время за месяц, 1 точка", "Время за месяц, 2 точки", "Время за месяц, 5 точек",
          "Время за месяц, 21 точка"}},
    };
    const QStringList expected = byLanguage.value(m_language);
    const int counts[] = {1, 2, 5, 21};
    for (int i = 0; i < expected.size(); ++i)
        QTest::addRow("%d", counts[i]) << counts[i] << expected[i];
}

void TestStatisticLanguage::countedText()
{
    QFETCH(int, count);
    QFETCH(QString, expected);
    const QString text =
        QCoreApplication::translate("StatisticChart", "%1 of the month, %n points", nullptr, count)
            .arg(QCoreApplication::translate("StatisticChart", "Time"));
    QCOMPARE(text, expected);
}

QTEST_MAIN(TestStatisticLanguage)
#include "test_statistic_language.moc"
