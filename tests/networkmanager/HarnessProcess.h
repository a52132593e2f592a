#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs tests/networkmanager/nm-harness.sh for one test case. The harness
// removes everything it set up when down() is called or, failing that, as
// soon as this test process ends.
class HarnessProcess
{
public:
    static QString script()
    {
        return QStringLiteral(DIALOMETER_SOURCE_DIR "/tests/networkmanager/nm-harness.sh");
    }

    ~HarnessProcess() { down(); }

    QString workDir() const { return m_dir.path(); }
    QString value(const QString &key) const { return m_values.value(key); }
    QString lastError() const { return m_error; }

    // "check": empty when this machine can run the daemon, else why not.
    static QString whyNotAvailable()
    {
        QProcess p;
        p.start(QStringLiteral("bash"), {script(), QStringLiteral("check")});
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
            return QStringLiteral("the harness check did not finish");
        if (p.exitCode() == 0)
            return QString();
        return QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    }

    // "up" or "bus": starts and reads the KEY=VALUE lines.
    bool start(const QString &mode)
    {
        if (!m_dir.isValid()) {
            m_error = QStringLiteral("no temporary folder");
            return false;
        }
        m_started = true;
        QString out;
        if (!run({mode, m_dir.path(), QString::number(QCoreApplication::applicationPid())}, &out))
            return false;
        for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq > 0)
                m_values.insert(line.left(eq), line.mid(eq + 1));
        }
        return true;
    }

    bool command(const QString &name, const QStringList &extra = {})
    {
        return run(QStringList{name, m_dir.path()} + extra);
    }

    // Starts program where a program on the daemon's machine runs (see
    // "exec"); the process's pid is the program's own.
    void startInside(QProcess &process, const QString &program,
                     const QStringList &arguments = {}) const
    {
        process.start(QStringLiteral("bash"),
                      QStringList{script(), QStringLiteral("exec"), m_dir.path(), program} +
                          arguments);
    }

    void down()
    {
        if (m_started)
            command(QStringLiteral("down"));
        m_started = false;
    }

private:
    bool run(const QStringList &args, QString *out = nullptr)
    {
        QProcess p;
        // The harness's own background processes must not hold our pipes open.
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(QStringLiteral("bash"), QStringList{script()} + args);
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            m_error = QStringLiteral("harness %1 timed out").arg(args.value(0));
            return false;
        }
        if (out)
            *out = QString::fromLocal8Bit(p.readAllStandardOutput());
        m_error = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QTemporaryDir m_dir{QStringLiteral("/tmp/dialometer-nm-XXXXXX")};
    QMap<QString, QString> m_values;
    QString m_error;
    bool m_started = false;
};
