#include "backends/pppd/PppdExitStatus.h"

#include <QCoreApplication>

QString pppdExitReason(int exitStatus)
{
    switch (exitStatus) {
    case 0:
        return QCoreApplication::translate("PppdExitStatus", "pppd ended without a connection");
    case 1:
        return QCoreApplication::translate("PppdExitStatus", "pppd met a fatal error");
    case 2:
        return QCoreApplication::translate("PppdExitStatus", "the peer's options are invalid");
    case 3:
        return QCoreApplication::translate(
            "PppdExitStatus", "pppd is not installed setuid-root and was not run by root");
    case 4:
        return QCoreApplication::translate("PppdExitStatus", "the kernel does not support PPP");
    case 5:
        return QCoreApplication::translate("PppdExitStatus", "pppd was stopped by a signal");
    case 6:
        return QCoreApplication::translate("PppdExitStatus", "the serial port could not be locked");
    case 7:
        return QCoreApplication::translate("PppdExitStatus", "the serial port could not be opened");
    case 8:
        return QCoreApplication::translate(
            "PppdExitStatus", "the connect script failed (no answer, busy or no carrier)");
    case 9:
        return QCoreApplication::translate("PppdExitStatus", "the pty command could not be run");
    case 10:
        return QCoreApplication::translate("PppdExitStatus", "the PPP negotiation failed");
    case 11:
        return QCoreApplication::translate("PppdExitStatus",
                                           "the peer failed to authenticate itself");
    case 12:
        return QCoreApplication::translate("PppdExitStatus", "the link was idle and was ended");
    case 13:
        return QCoreApplication::translate("PppdExitStatus", "the connect time limit was reached");
    case 14:
        return QCoreApplication::translate("PppdExitStatus",
                                           "callback was negotiated; an incoming call is expected");
    case 15:
        return QCoreApplication::translate("PppdExitStatus", "the peer stopped answering");
    case 16:
        return QCoreApplication::translate("PppdExitStatus", "the modem hung up");
    case 17:
        return QCoreApplication::translate("PppdExitStatus",
                                           "a loopback was detected on the serial line");
    case 18:
        return QCoreApplication::translate("PppdExitStatus", "the init script failed");
    case 19:
        return QCoreApplication::translate(
            "PppdExitStatus", "authentication to the peer failed (user name or password)");
    default:
        return QCoreApplication::translate("PppdExitStatus", "pppd failed");
    }
}
