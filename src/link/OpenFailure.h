#pragma once
// Why a present device could not be opened, in the terms the user can act on: no
// permission (install the udev rule), or another program holds it (close that one).
// Each backend reports its own failures through these classifiers, which need no
// device and are tested with table cases.

#include <string>

namespace q7582 {

enum class [[nodiscard]] OpenFailure : int{
    None = 0, // opened, or no device there at all
    NoAccess, // the device node refuses us
    InUse,    // another program has claimed the device
};

// ftdi_usb_open_dev's result, errno right after it, and whether the device's node
// under /dev/bus/usb refuses read-write access to this process.
OpenFailure classifyFtdiOpenFailure(int ftdiResult, int savedErrno, bool nodeRefused);

// errno of a failed open(2) or flock(2) on a serial device.
OpenFailure classifySerialOpenErrno(int savedErrno);

// /dev/bus/usb/BBB/DDD of a USB device.
std::string usbDeviceNode(int bus, int address);

// True when the node exists and this process may not open it read-write.
bool deviceNodeRefused(const std::string& path);

const char* openFailureName(OpenFailure failure);

} // namespace q7582
