#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

#include <array>
#include <functional>
#include <optional>

class ProgramState;
class QAction;
class QMenu;
class QTimer;
class QWidget;

// The program in the notification area: the icon CoolTrayIcon1 with its image
// and tooltip, the balloon and Timer2 that takes it away, the menu PopupMenu1
// with its "Connections" submenu, and what a click on the icon does. The
// commands of the menu are the main window's; the tray asks for them through
// its signals.
//
// Names: members and handlers follow the form's component names
// (CoolTrayIcon1, PopupMenu1, ConnectionsMenu, Timer2, PopupMenu1Popup, ...).
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    // window is what the icon brings back (restored when it is minimized).
    TrayIcon(ProgramState &state, QWidget *window, QObject *parent = nullptr);

    QSystemTrayIcon *CoolTrayIcon1() const { return m_icon; }
    QMenu *PopupMenu1() const { return m_menu; }
    QMenu *ConnectionsMenu() const { return m_connections; }
    QTimer *Timer2() const { return m_timer2; }

    void show();
    // Image index of the image list as the icon and the application's icon.
    void SetTrayImage(int index);
    // The image shown last, -1 before the first.
    int image() const { return m_image; }
    // The tooltip; lines separated by "\r\n", empty for none.
    void setHint(const QString &hint);
    void showBalloon(const QString &title, const QString &text, int timeoutSeconds);
    // Timer2 hides the balloon 4 seconds from now.
    void startBalloonTimer();

    // Whether the desktop has a tray to bring a hidden window back. Asked of
    // the desktop each time unless set once and for all.
    bool isAvailable() const;
    void setAvailableOverride(std::optional<bool> available) { m_availableOverride = available; }
    // True when the tray is a StatusNotifierItem host reached over D-Bus.
    bool isStatusNotifier() const { return m_statusNotifier; }

    // Handlers.
    void PopupMenu1Popup();
    void CoolTrayIcon1DblClick();
    void Timer2Timer();
    void activated(QSystemTrayIcon::ActivationReason reason);

    // Fills a "Connections" submenu: one item per phonebook entry (EntryList
    // is read afresh), carrying the entry name as its data, then a separator
    // and "Setting".
    static void buildConnectionsMenu(QMenu *menu, ProgramState &state,
                                     const std::function<void(QAction *)> &dial,
                                     const std::function<void()> &phonebook);

signals:
    void showCounterRequested();
    void statisticsRequested();
    void planRequested();
    void settingsRequested();
    void disconnectRequested();
    void aboutRequested();
    void exitRequested();
    // A generated "Connections" item, or its "Setting", was chosen.
    void dialRequested(QAction *item);
    void phonebookRequested();

private:
    ProgramState &m_state;
    QWidget *m_window;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QMenu *m_connections = nullptr;
    QTimer *m_timer2 = nullptr;
    std::array<QIcon, 9> m_icons;
    int m_image = -1;
    bool m_statusNotifier = false;
    std::optional<bool> m_availableOverride;
};
