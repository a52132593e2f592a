#include "app/TrayIcon.h"

#include "app/ImageList.h"
#include "app/ProgramState.h"
#include "connection/DialupOperations.h"
#include "cost/TariffTexts.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kBalloonMs = 4000;

// Texts of the tray hint and balloon use "\r\n" between lines; the desktop
// wants plain line feeds. A hint cut to its length may end between the two.
QString desktopLines(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.remove(QLatin1Char('\r'));
    return lines;
}

} // namespace

TrayIcon::TrayIcon(ProgramState &state, QWidget *window, QObject *parent)
    : QObject(parent), m_state(state), m_window(window)
{
    setObjectName(QStringLiteral("Tray"));
    for (int i = 0; i < int(m_icons.size()); ++i)
        m_icons[i] = ImageList::icon(i);

    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(kBalloonMs);
    connect(m_timer2, &QTimer::timeout, this, &TrayIcon::Timer2Timer);

    // Parented to the window, so the menu takes the window's style and dies
    // with it; the tray only uses it.
    m_menu = new QMenu(window);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *show = m_menu->addAction(tr("Show counter"), this, &TrayIcon::showCounterRequested);
    show->setObjectName(QStringLiteral("Showcounter1"));
    QFont boldFont = show->font();
    boldFont.setBold(true);
    show->setFont(boldFont);
    m_menu->setDefaultAction(show);
    m_menu->addAction(tr("Statistic"), this, &TrayIcon::statisticsRequested)
        ->setObjectName(QStringLiteral("Statistic1"));
    m_menu->addAction(tr("Plan"), this, &TrayIcon::planRequested)
        ->setObjectName(QStringLiteral("Plan1"));
    m_menu->addAction(tr("Settings"), this, &TrayIcon::settingsRequested)
        ->setObjectName(QStringLiteral("Settings1"));
    m_menu->addSeparator()->setObjectName(QStringLiteral("N4"));
    m_connections = m_menu->addMenu(tr("Connections"));
    m_connections->setObjectName(QStringLiteral("ConnectionsMenu"));
    m_connections->menuAction()->setObjectName(QStringLiteral("ConnectionsMenu"));
    m_menu->addAction(tr("Disconnect"), this, &TrayIcon::disconnectRequested)
        ->setObjectName(QStringLiteral("Disconnect1"));
    m_menu->addAction(tr("About"), this, &TrayIcon::aboutRequested)
        ->setObjectName(QStringLiteral("About1"));
    m_menu->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_menu->addAction(tr("Exit"), this, &TrayIcon::exitRequested)
        ->setObjectName(QStringLiteral("Exit1"));
    connect(m_menu, &QMenu::aboutToShow, this, &TrayIcon::PopupMenu1Popup);

    // A StatusNotifierItem host (the tray of most of today's desktops) is
    // reached over D-Bus while its watcher is registered; Qt then uses it.
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_statusNotifier =
        bus.isConnected() && bus.interface() &&
        bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));

    m_icon = new QSystemTrayIcon(this);
    m_icon->setObjectName(QStringLiteral("CoolTrayIcon1"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
}

void TrayIcon::show()
{
    m_icon->show();
}

void TrayIcon::activated(QSystemTrayIcon::ActivationReason reason)
{
    // An X tray reports the double click as such (its single click stays
    // without effect). A StatusNotifierItem host reports the click that opens
    // an item as activation and never a double click: there that click is
    // the one that shows the window. The right click opens the menu on both.
    if (reason == QSystemTrayIcon::DoubleClick ||
        (reason == QSystemTrayIcon::Trigger && m_statusNotifier))
        CoolTrayIcon1DblClick();
}

void TrayIcon::CoolTrayIcon1DblClick()
{
    if (m_window && m_window->isVisible() && m_window->isMinimized())
        m_window->showNormal();
    // The double click ends in the menu's default item.
    if (QAction *item = m_menu->defaultAction())
        item->trigger();
}

void TrayIcon::PopupMenu1Popup()
{
    buildConnectionsMenu(
        m_connections, m_state, [this](QAction *item) { emit dialRequested(item); },
        [this] { emit phonebookRequested(); });
}

void TrayIcon::buildConnectionsMenu(QMenu *menu, ProgramState &state,
                                    const std::function<void(QAction *)> &dial,
                                    const std::function<void()> &phonebook)
{
    menu->clear();
    menu->setToolTipsVisible(true);
    GetPhonebookEntries(state.service(), state.EntryList());
    for (const QString &name : std::as_const(state.EntryList())) {
        // "&" would mark an accelerator; doubled it shows as itself, and the
        // entry name travels with the item so any name dials as written.
        QString caption = name;
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        // The tariff stands where a shortcut would, beside the name.
        const TariffTexts::Texts &tariff = state.tariffTexts().of(name);
        if (!tariff.beside.isEmpty())
            caption += QLatin1Char('\t') +
                       QString(tariff.beside).replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = menu->addAction(caption);
        item->setData(name);
        item->setToolTip(tariff.toolTip);
        QObject::connect(item, &QAction::triggered, menu, [dial, item] { dial(item); });
    }
    menu->addSeparator();
    QAction *setting = menu->addAction(tr("Setting"));
    QObject::connect(setting, &QAction::triggered, menu, [phonebook] { phonebook(); });
}

void TrayIcon::Timer2Timer()
{
    // Notifications of a StatusNotifierItem desktop cannot be taken back;
    // those were given the balloon's lifetime when shown.
    if (!m_statusNotifier)
        m_icon->showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 0);
    m_timer2->stop();
}

void TrayIcon::SetTrayImage(int index)
{
    if (index < 0 || index >= int(m_icons.size()))
        return;
    m_image = index;
    m_icon->setIcon(m_icons[index]);
    QApplication::setWindowIcon(m_icons[index]);
}

void TrayIcon::setHint(const QString &hint)
{
    const QString lines = desktopLines(hint);
    // The hint is set on every tick; an unchanged text costs the desktop nothing.
    if (m_icon->toolTip() != lines)
        m_icon->setToolTip(lines);
}

void TrayIcon::showBalloon(const QString &title, const QString &text, int timeoutSeconds)
{
    const int ms = m_statusNotifier ? kBalloonMs : timeoutSeconds * 1000;
    m_icon->showMessage(title, desktopLines(text), QSystemTrayIcon::Information, ms);
}

void TrayIcon::startBalloonTimer()
{
    m_timer2->start();
}

bool TrayIcon::isAvailable() const
{
    if (m_availableOverride)
        return *m_availableOverride;
    return QSystemTrayIcon::isSystemTrayAvailable();
}
