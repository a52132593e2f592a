#pragma once

#include <QDate>
#include <QString>

// Where the program keeps its files: DIALOMETER_HOME when set; otherwise the
// executable's folder when it already holds dialometer.cfg or a Logs folder
// (a portable install); otherwise the XDG data folder, ~/.local/share/dialometer.
// The demo keeps its own folder, dialometer-demo beside the normal one, unless
// DIALOMETER_HOME names the folder.
QString dataFolder(bool demo = false);
// folder/dialometer.cfg
QString configPath(const QString &folder);
// folder/plan-alerts.xml: the plan alerts already shown
QString planAlertsPath(const QString &folder);
// folder/running-connection.xml: the journal of the running connection
QString runningJournalPath(const QString &folder);
// folder/Logs
QString logsDir(const QString &folder);
// The month file of a date: "yy_mm.sn2".
QString statsFileName(const QDate &date);
// The other way round: the first day of the month a file name stands for
// (a two-digit year means 1950-2049); an invalid date for any other name.
QDate statsFileMonth(const QString &fileName);
// The month files' names, for QDir::entryInfoList().
QString statsFileFilter();
// Creates the folder and any missing parent with mode 0700 (the configuration
// holds passwords); true when the folder exists afterwards.
bool ensureFolder(const QString &path);
