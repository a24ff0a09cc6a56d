#include "ui/main/DeviceHint.h"

#include <QCoreApplication>

namespace q7582 {

DeviceHint deviceHint(OpenFailure failure)
{
    switch (failure) {
    case OpenFailure::NoAccess:
        return {QCoreApplication::translate("DeviceHint", "No access"),
                QCoreApplication::translate(
                    "DeviceHint", "The USB device was found but may not be opened. The udev rule 60-qs7582.rules "
                                  "gives it to the logged-in user: the package installs it in /usr/lib/udev/rules.d; "
                                  "from source, install packaging/60-qs7582.rules (see the README section \"Device "
                                  "permissions\"). Without a desktop login, join the group plugdev "
                                  "(sudo usermod -aG plugdev $USER, then log in again). Then unplug and replug the "
                                  "device.")};
    case OpenFailure::InUse:
        return {QCoreApplication::translate("DeviceHint", "In use"),
                QCoreApplication::translate(
                    "DeviceHint", "Another program holds the device, perhaps another Q7582 Manager. Close it: this "
                                  "manager tries again every 500 ms and takes the device once it is free.")};
    case OpenFailure::None:
        break;
    }
    return {};
}

} // namespace q7582
