#pragma once

#include "monitor/MonitorView.h"
#include "store/XmlDocument.h"

#include <QIcon>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class Clock;
class ConnectionService;
class MonthStatistics;
class Prompter;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSystemTrayIcon;
class QTimer;
class SessionMonitor;
class TrendGraph;

// The main window: the figures of the watched connection, the trend graph,
// the tray icon with its menu, and the timers that drive the session monitor.
// It is created hidden and lives as long as the program; closing it hides it.
// Every control's objectName is its name in the form (StaticText_curtime, ...).
class TMain : public QMainWindow, public MonitorView
{
    Q_OBJECT
public:
    // The question Exit asks.
    static const QString kExitQuestion;
    // The graph caption before the first change of scale.
    static const QString kInitialGraphCaption;

    // dataFolder holds the configuration and the Logs folder. FormCreate runs
    // here: the month's statistics and the configuration are loaded, the tray
    // icon is shown and Timer1 starts.
    TMain(ConnectionService &service, Prompter &prompter, const Clock &clock,
          const QString &dataFolder, QWidget *parent = nullptr);
    ~TMain() override;

    // Handlers.
    void FormDestroy(); // saves the statistics once; later calls do nothing
    void CloseClick();
    void ExitClick();
    void SettingsClick();
    void StatisticsClick();
    void AboutClick();
    void ShowcounterClick();
    void DisconnectClick();
    void PopupMenu1Popup();
    void CoolTrayIcon1DblClick();
    void Timer1Timer();
    void Timer2Timer();
    void TrendGraph1ChangeDescret(TrendGraph *sender, quint16 Level);
    // Dials the entry of a generated "Connections" item.
    void DialEntryClick(QAction *item);
    void PhonebookClick();

    bool RasDialogOpen() const { return m_rasDialogOpen; }
    const QStringList &EntryList() const { return m_entryList; }
    QString LogsDir() const { return m_logsDir; }
    QString StatsFileName() const { return m_statsFileName; }
    QString ConfigPath() const { return m_configPath; }

    SessionMonitor &monitor() { return *m_monitor; }
    MonthStatistics &statistics() { return *m_statistics; }
    XmlDocument &config() { return m_config; }
    TrendGraph *graph() const { return TrendGraph1; }
    QMenu *trayMenu() const { return PopupMenu1; }
    QSystemTrayIcon *trayIcon() const { return CoolTrayIcon1; }
    QTimer *timer1() const { return Timer1; }
    QTimer *timer2() const { return Timer2; }
    // The tray image shown last (image list number).
    int trayImage() const { return m_trayImage; }

    // Whether closing the window may hide it: only with a tray to bring it
    // back. Without one the window is minimized instead. By default the
    // desktop is asked at every close; set to decide it once and for all.
    void setTrayAvailableOverride(std::optional<bool> available) { m_trayOverride = available; }

    // MonitorView
    void setText(Field field, const QString &text) override;
    void setLightImage(Light light, int image) override;
    void setStatusGlyph(int image) override;
    void setStatusText(const QString &text) override;
    void SetTrayImage(int index) override;
    void setTrayHint(const QString &hint) override;
    void showBalloon(const QString &title, const QString &text, int timeoutSeconds) override;
    void startBalloonTimer() override;
    void AddValue(qint32 value) override;

signals:
    // Exit was confirmed: the program is to end (the entry ends the loop).
    void exitConfirmed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void buildMenus();
    void buildTray();
    void FormCreate();
    void FormShow();
    void applyGraphSettings();
    void buildConnectionsMenu(QMenu *menu);
    void StatusBar1DrawPanel();
    bool trayAvailable() const;
    QPixmap image(int index) const;

    ConnectionService &m_service;
    Prompter &m_prompter;
    const Clock &m_clock;
    const QString m_dataFolder;

    XmlDocument m_config;                          // XML_Config
    std::unique_ptr<MonthStatistics> m_statistics; // XML_Statistic with MemTable
    std::unique_ptr<SessionMonitor> m_monitor;

    QStringList m_entryList;
    QString m_logsDir;
    QString m_statsFileName;
    QString m_configPath;
    bool m_rasDialogOpen = false;
    bool m_destroyed = false;
    bool m_shownOnce = false;
    bool m_balloonHidesItself = false;
    int m_trayImage = -1;
    int m_statusGlyph = MonitorView::DisconnectedGlyph;
    std::optional<bool> m_trayOverride;
    std::array<QIcon, 9> m_icons;

    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QFrame *Panel1 = nullptr;
    TrendGraph *TrendGraph1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    std::array<QLabel *, MonitorView::kFieldCount> m_fields{};
    QLabel *Led_R = nullptr;
    QLabel *Led_S = nullptr;
    QPushButton *btnDisconnect = nullptr;
    QPushButton *btnClose = nullptr;
    QLabel *m_statusGlyphLabel = nullptr;
    QLabel *m_statusTextLabel = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *ConnectionsMenu = nullptr;
    QMenu *Connections1 = nullptr;
    QSystemTrayIcon *CoolTrayIcon1 = nullptr;
};
