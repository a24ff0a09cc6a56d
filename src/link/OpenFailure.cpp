#include "link/OpenFailure.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace q7582 {

namespace {
// ftdi_usb_open_dev results (libftdi 1.5).
constexpr int FtdiSetConfigurationFailed = -3;
constexpr int FtdiUsbOpenFailed = -4; // libusb_open(), usually the node's permissions
constexpr int FtdiClaimFailed = -5;   // the interface is claimed by another program
constexpr int FtdiPermissionDenied = -8;

bool isPermissionErrno(int e) { return e == EACCES || e == EPERM; }
} // namespace

OpenFailure classifyFtdiOpenFailure(int ftdiResult, int savedErrno, bool nodeRefused)
{
    if (ftdiResult >= 0)
        return OpenFailure::None;
    // The node's permissions are the surest sign: libusb turns EACCES into its own code,
    // and libftdi into -4, so errno may or may not survive.
    if (nodeRefused || ftdiResult == FtdiPermissionDenied)
        return OpenFailure::NoAccess;
    if (ftdiResult == FtdiUsbOpenFailed && isPermissionErrno(savedErrno))
        return OpenFailure::NoAccess;
    if (ftdiResult == FtdiClaimFailed)
        return OpenFailure::InUse;
    if (ftdiResult == FtdiSetConfigurationFailed && savedErrno == EBUSY)
        return OpenFailure::InUse;
    return OpenFailure::None;
}

OpenFailure classifySerialOpenErrno(int savedErrno)
{
    if (isPermissionErrno(savedErrno))
        return OpenFailure::NoAccess;
    // EBUSY: another program set TIOCEXCL; EWOULDBLOCK: it holds the flock.
    if (savedErrno == EBUSY || savedErrno == EWOULDBLOCK)
        return OpenFailure::InUse;
    return OpenFailure::None;
}

std::string usbDeviceNode(int bus, int address)
{
    char path[32];
    std::snprintf(path, sizeof path, "/dev/bus/usb/%03d/%03d", bus, address);
    return path;
}

bool deviceNodeRefused(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), R_OK | W_OK) != 0 && isPermissionErrno(errno);
}

const char* openFailureName(OpenFailure failure)
{
    switch (failure) {
    case OpenFailure::NoAccess:
        return "no access";
    case OpenFailure::InUse:
        return "in use";
    case OpenFailure::None:
        break;
    }
    return "none";
}

} // namespace q7582
