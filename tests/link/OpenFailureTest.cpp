#include "link/OpenFailure.h"

#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace q7582;

TEST(OpenFailure, EveryPathLibftdiReportsDeniedAccessByIsNoAccess)
{
    struct Case {
        int rc;
        int err;
        bool nodeRefused;
        OpenFailure expected;
    };
    const Case cases[] = {
        {0, 0, false, OpenFailure::None},
        {-4, EACCES, false, OpenFailure::NoAccess}, // libusb_open() on a node we may not write
        {-4, EPERM, false, OpenFailure::NoAccess},
        {-4, 0, true, OpenFailure::NoAccess},   // errno lost, the node tells
        {-8, 0, false, OpenFailure::NoAccess},  // detaching the kernel driver refused
        {-5, 0, true, OpenFailure::NoAccess},   // permissions come before a claim
        {-5, EBUSY, false, OpenFailure::InUse}, // another program claimed the interface
        {-5, 0, false, OpenFailure::InUse},
        {-3, EBUSY, false, OpenFailure::InUse},
        {-3, 0, false, OpenFailure::None},
        {-4, ENODEV, false, OpenFailure::None}, // unplugged while opening
        {-9, 0, false, OpenFailure::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(classifyFtdiOpenFailure(c.rc, c.err, c.nodeRefused), c.expected)
            << "rc " << c.rc << " errno " << c.err << " node refused " << c.nodeRefused;

    EXPECT_EQ(classifySerialOpenErrno(EACCES), OpenFailure::NoAccess);
    EXPECT_EQ(classifySerialOpenErrno(EPERM), OpenFailure::NoAccess);
    EXPECT_EQ(classifySerialOpenErrno(EBUSY), OpenFailure::InUse);       // TIOCEXCL
    EXPECT_EQ(classifySerialOpenErrno(EWOULDBLOCK), OpenFailure::InUse); // flock
    EXPECT_EQ(classifySerialOpenErrno(ENOENT), OpenFailure::None);
    EXPECT_EQ(classifySerialOpenErrno(ENXIO), OpenFailure::None);
}

TEST(OpenFailure, DeviceNodePathAndPermissions)
{
    EXPECT_EQ(usbDeviceNode(1, 5), "/dev/bus/usb/001/005");
    EXPECT_EQ(usbDeviceNode(12, 127), "/dev/bus/usb/012/127");
    QTemporaryDir dir;
    EXPECT_FALSE(deviceNodeRefused(dir.filePath("gone").toStdString())) << "a missing node is no device, not denial";
    EXPECT_FALSE(deviceNodeRefused(dir.path().toStdString()));
}
