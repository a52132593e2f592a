#include "backends/networkmanager/NetworkManagerDialAttempt.h"

#include "backends/networkmanager/NetworkManagerDBus.h"
#include "backends/networkmanager/NetworkManagerReasons.h"
#include "core/LogCategories.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

using namespace NetworkManagerDBus;

namespace {

// NMDeviceState values used here.
constexpr uint kDeviceDisconnected = 30;
constexpr uint kDeviceFailed = 120;

} // namespace

NetworkManagerDialAttempt::NetworkManagerDialAttempt(const QDBusConnection &bus,
                                                     const QString &entryName,
                                                     const QString &profilePath, QObject *parent)
    : DialAttempt(parent), m_bus(bus), m_entryName(entryName)
{
    // Subscribed before activating, so no state change can slip past.
    m_bus.connect(kService, QString(), kActiveInterface, QStringLiteral("StateChanged"), this,
                  SLOT(onActiveStateChanged(uint, uint, QDBusMessage)));
    m_bus.connect(kService, QString(), kDeviceInterface, QStringLiteral("StateChanged"), this,
                  SLOT(onDeviceStateChanged(uint, uint, uint, QDBusMessage)));
    auto *serviceWatcher =
        new QDBusServiceWatcher(kService, m_bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(serviceWatcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &NetworkManagerDialAttempt::onServiceGone);

    reportProgress(tr("Connecting to %1\u2026").arg(entryName));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService,
                                                       QStringLiteral("ActivateConnection"));
    call << QVariant::fromValue(QDBusObjectPath(profilePath))
         << QVariant::fromValue(QDBusObjectPath(QStringLiteral("/")))
         << QVariant::fromValue(QDBusObjectPath(QStringLiteral("/")));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            &NetworkManagerDialAttempt::onActivateFinished);
}

NetworkManagerDialAttempt::NetworkManagerDialAttempt(const QString &entryName,
                                                     const QString &reason, QObject *parent)
    : DialAttempt(parent), m_bus(QString()), m_entryName(entryName)
{
    finish(State::Failed, reason);
}

void NetworkManagerDialAttempt::cancel()
{
    if (isFinished())
        return;
    m_cancelled = true;
    // Without a path yet, the activation is withdrawn when its reply comes.
    if (!m_activePath.isEmpty())
        deactivate();
    finish(State::Cancelled);
}

void NetworkManagerDialAttempt::deactivate()
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService,
                                                       QStringLiteral("DeactivateConnection"));
    call << QVariant::fromValue(QDBusObjectPath(m_activePath));
    m_bus.asyncCall(call);
}

void NetworkManagerDialAttempt::onActivateFinished(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        qCWarning(lcNetworkManager).noquote()
            << "ActivateConnection of" << m_entryName << "failed:" << reply.error().name()
            << reply.error().message();
        if (!isFinished())
            finish(State::Failed, reply.error().message().isEmpty() ? reply.error().name()
                                                                    : reply.error().message());
        return;
    }
    m_activePath = reply.value().path();
    if (m_cancelled) {
        deactivate();
        return;
    }
    if (isFinished())
        return;

    // Its devices, for the more telling reason should it fail, and its state,
    // which may have moved on before the first signal.
    QDBusMessage getAll = QDBusMessage::createMethodCall(
        kService, m_activePath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("GetAll"));
    getAll << kActiveInterface;
    auto *propertiesWatcher = new QDBusPendingCallWatcher(m_bus.asyncCall(getAll), this);
    connect(propertiesWatcher, &QDBusPendingCallWatcher::finished, this,
            &NetworkManagerDialAttempt::onActiveProperties);
}

void NetworkManagerDialAttempt::onActiveProperties(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    QDBusPendingReply<QVariantMap> reply = *watcher;
    if (isFinished())
        return;
    const auto early = m_earlyStates.constFind(m_activePath);
    const QPair<uint, uint> earlyState =
        early != m_earlyStates.cend() ? *early : QPair<uint, uint>(0, 0);
    m_earlyStates.clear();
    if (reply.isError()) {
        // The active connection is already gone: the activation failed.
        applyState(kDeactivated, earlyState.second);
        return;
    }
    const QVariant devices = reply.value().value(QStringLiteral("Devices"));
    QList<QDBusObjectPath> paths;
    if (devices.canConvert<QDBusArgument>())
        devices.value<QDBusArgument>() >> paths;
    else
        paths = devices.value<QList<QDBusObjectPath>>();
    for (const QDBusObjectPath &path : paths)
        m_devices << path.path();
    if (earlyState.first != 0)
        applyState(earlyState.first, earlyState.second);
    applyState(reply.value().value(QStringLiteral("State")).toUInt(), earlyState.second);
}

void NetworkManagerDialAttempt::onActiveStateChanged(uint state, uint reason,
                                                     const QDBusMessage &message)
{
    if (isFinished())
        return;
    if (m_activePath.isEmpty()) {
        m_earlyStates.insert(message.path(), {state, reason});
        return;
    }
    if (message.path() == m_activePath)
        applyState(state, reason);
}

void NetworkManagerDialAttempt::onDeviceStateChanged(uint newState, uint oldState, uint reason,
                                                     const QDBusMessage &message)
{
    Q_UNUSED(oldState);
    if (isFinished())
        return;
    if ((newState == kDeviceFailed || newState == kDeviceDisconnected) &&
        !NetworkManagerReasons::deviceReason(reason).isEmpty()) {
        m_deviceReasons.insert(message.path(), reason);
        m_lastDeviceReason = reason;
    }
}

void NetworkManagerDialAttempt::applyState(uint state, uint reason)
{
    if (isFinished())
        return;
    if (state == kActivated) {
        finish(State::Connected);
        return;
    }
    if (state != kDeactivated)
        return;
    QString text;
    for (const QString &device : std::as_const(m_devices)) {
        const auto found = m_deviceReasons.constFind(device);
        if (found != m_deviceReasons.cend()) {
            text = NetworkManagerReasons::deviceReason(*found);
            break;
        }
    }
    if (text.isEmpty() && m_devices.isEmpty() && m_lastDeviceReason != 0)
        text = NetworkManagerReasons::deviceReason(m_lastDeviceReason);
    if (text.isEmpty())
        text = NetworkManagerReasons::activeConnectionReason(reason);
    finish(State::Failed, text);
}

void NetworkManagerDialAttempt::onServiceGone()
{
    finish(State::Failed, tr("NetworkManager stopped."));
}
