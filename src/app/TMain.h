#pragma once

#include "monitor/MonitorView.h"

#include <QMainWindow>

#include <array>
#include <memory>

class Clock;
class ConnectionService;
class ProgramState;
class Prompter;
class QAction;
class QLabel;
class QMenu;
class TrayIcon;
class TrendGraph;

// The main window: the figures of the watched connection and the trend
// graph, with the menu bar. It owns the program's state (ProgramState) and
// the tray (TrayIcon) and shows the ticks of the session monitor. It is
// created hidden and lives as long as the program; closing it hides it.
//
// Names: the handlers keep the form's event-handler names (FormCreate,
// CloseClick, DialEntryClick, ...), and every control's objectName is its
// name in the form (StaticText_curtime, GroupBox1, btnClose, MainMenu1, ...),
// so tests and the accessibility tree find them by it; the rest follows Qt.
class TMain : public QMainWindow, public MonitorView
{
    Q_OBJECT
public:
    // The question Exit asks.
    static QString exitQuestion();
    // The graph caption before the first change of scale.
    static const QString kInitialGraphCaption;

    // dataFolder holds the configuration and the Logs folder. FormCreate runs
    // here: the program's state starts, the tray icon is shown and Timer1
    // ticks.
    TMain(ConnectionService &service, Prompter &prompter, const Clock &clock,
          const QString &dataFolder, QWidget *parent = nullptr);
    ~TMain() override;

    // What the windows opened from the menus attach to.
    ProgramState &state() { return *m_state; }
    TrayIcon &tray() { return *m_tray; }

    // The window open over the main window and in front (the statistics
    // window, the settings dialog or an editor of it, a message box, the
    // password prompt, the dial or phonebook dialog), null when there is
    // none. These block the main window and its windows only; log-in dialogs
    // are windows of their own and go on taking input.
    QWidget *modalWindowInFront() const;

    // Handlers. While a window is open over the main window, the commands
    // that open one (Statistic, Plan, Settings, About, the phonebook's Setting)
    // bring it forward instead of opening another one over it: the tray menu
    // still reaches them. Show counter brings it forward with the main
    // window; dialling, Disconnect and Exit work as ever.
    void FormDestroy(); // saves the statistics once; later calls do nothing
    void CloseClick();
    void ExitClick();
    void SettingsClick();
    void StatisticsClick();
    // The plan window: not modal, one at a time.
    void PlanClick();
    void AboutClick();
    void ShowcounterClick();
    void DisconnectClick();
    void TrendGraph1ChangeDescret(TrendGraph *sender, quint16 Level);
    // Dials the entry of a generated "Connections" item.
    void DialEntryClick(QAction *item);
    void PhonebookClick();

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
    void setTariffText(const QString &text) override;

signals:
    // Exit was confirmed: the program is to end (the entry ends the loop).
    void exitConfirmed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Raises the window in front and gives it the keyboard; false when none.
    bool bringModalWindowForward();
    void buildLayout();
    void buildMenus();
    void FormCreate();
    void FormShow();
    void applyGraphSettings();
    void StatusBar1DrawPanel();
    QPixmap image(int index) const;

    std::unique_ptr<ProgramState> m_state;
    TrayIcon *m_tray = nullptr;
    bool m_shownOnce = false;

    TrendGraph *TrendGraph1 = nullptr;
    std::array<QLabel *, MonitorView::kFieldCount> m_fields{};
    QLabel *Led_R = nullptr;
    QLabel *Led_S = nullptr;
    QLabel *m_statusGlyphLabel = nullptr;
    QLabel *m_statusTextLabel = nullptr;
    QLabel *m_tariffLabel = nullptr;
    QMenu *Connections1 = nullptr;
};
