#include "backends/pppd/PppdExitStatus.h"

QString pppdExitReason(int exitStatus)
{
    switch (exitStatus) {
    case 0:
        return QStringLiteral("pppd ended without a connection");
    case 1:
        return QStringLiteral("pppd met a fatal error");
    case 2:
        return QStringLiteral("the peer's options are invalid");
    case 3:
        return QStringLiteral("pppd is not installed setuid-root and was not run by root");
    case 4:
        return QStringLiteral("the kernel does not support PPP");
    case 5:
        return QStringLiteral("pppd was stopped by a signal");
    case 6:
        return QStringLiteral("the serial port could not be locked");
    case 7:
        return QStringLiteral("the serial port could not be opened");
    case 8:
        return QStringLiteral("the connect script failed (no answer, busy or no carrier)");
    case 9:
        return QStringLiteral("the pty command could not be run");
    case 10:
        return QStringLiteral("the PPP negotiation failed");
    case 11:
        return QStringLiteral("the peer failed to authenticate itself");
    case 12:
        return QStringLiteral("the link was idle and was ended");
    case 13:
        return QStringLiteral("the connect time limit was reached");
    case 14:
        return QStringLiteral("callback was negotiated; an incoming call is expected");
    case 15:
        return QStringLiteral("the peer stopped answering");
    case 16:
        return QStringLiteral("the modem hung up");
    case 17:
        return QStringLiteral("a loopback was detected on the serial line");
    case 18:
        return QStringLiteral("the init script failed");
    case 19:
        return QStringLiteral("authentication to the peer failed (user name or password)");
    default:
        return QStringLiteral("pppd failed");
    }
}
