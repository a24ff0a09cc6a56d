#include "link/FtdiChip.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ftdi.h>
#include <libusb.h>

namespace q7582 {

namespace {
// One non-blocking drain; more than the longest reply plus slack.
constexpr int DrainChunk = 1024;
} // namespace

FtdiChip::FtdiChip() : ctx_(ftdi_new()) { received_.reserve(2 * DrainChunk); }

FtdiChip::~FtdiChip()
{
    close();
    if (ctx_)
        ftdi_free(ctx_);
}

int FtdiChip::fail(int rc)
{
    error_ = ctx_ ? ftdi_get_error_string(ctx_) : "libftdi could not allocate its context";
    return rc < 0 ? rc : -1;
}

int FtdiChip::open()
{
    close();
    openFailure_ = OpenFailure::None;
    if (!ctx_)
        return fail(-1);
    ftdi_device_list* list = nullptr;
    devicesFound_ = ftdi_usb_find_all(ctx_, &list, 0, 0);
    std::vector<libusb_device*> devices;
    for (ftdi_device_list* d = list; d; d = d->next)
        devices.push_back(d->dev);
    // In bus order, from the device after the silent one when the link asked to move on.
    std::size_t first = 0;
    for (std::size_t i = 0; startAfterNode_ && i < devices.size(); ++i)
        if (usbDeviceNode(libusb_get_bus_number(devices[i]), libusb_get_device_address(devices[i])) == node_)
            first = i + 1;
    startAfterNode_ = false;
    int rc = devicesFound_ < 0 ? fail(devicesFound_) : -1;
    if (devices.empty() && devicesFound_ == 0)
        error_ = "no FTDI device found";
    for (std::size_t i = 0; i < devices.size() && rc != 0; ++i)
        rc = openOne(devices[(first + i) % devices.size()]);
    ftdi_list_free(&list);
    return rc;
}

int FtdiChip::openOne(libusb_device* device)
{
    // Give /dev/ttyUSB* back to the kernel driver when we close.
    ctx_->module_detach_mode = AUTO_DETACH_REATACH_SIO_MODULE;
    node_ = usbDeviceNode(libusb_get_bus_number(device), libusb_get_device_address(device));
    libusb_device_descriptor desc{};
    libusb_get_device_descriptor(device, &desc);
    char id[16];
    std::snprintf(id, sizeof id, "%04x:%04x", desc.idVendor, desc.idProduct);
    device_ = std::string("libftdi ") + id + " at " + node_;
    errno = 0;
    const int rc = ftdi_usb_open_dev(ctx_, device);
    const int openErrno = errno;
    if (rc < 0) {
        // No access says the most (the udev rule mends every device), then in use.
        const OpenFailure failure = classifyFtdiOpenFailure(rc, openErrno, deviceNodeRefused(node_));
        if (failure == OpenFailure::NoAccess || openFailure_ == OpenFailure::None)
            openFailure_ = failure;
        return fail(rc);
    }
    open_ = true;
    received_.clear();
    return 0;
}

bool FtdiChip::moveToNextDevice()
{
    startAfterNode_ = devicesFound_ > 1;
    return startAfterNode_;
}

int FtdiChip::reset()
{
    const int rc = ftdi_usb_reset(ctx_);
    return rc < 0 ? fail(rc) : 0;
}

int FtdiChip::setTimeouts(unsigned readMs, unsigned writeMs)
{
    ctx_->usb_read_timeout = int(readMs);
    ctx_->usb_write_timeout = int(writeMs);
    return 0;
}

int FtdiChip::purge()
{
    received_.clear();
    if (!open_)
        return -1;
    const int rc = ftdi_tcioflush(ctx_);
    return rc < 0 ? fail(rc) : 0;
}

int FtdiChip::setLatencyTimer(int ms)
{
    const int rc = ftdi_set_latency_timer(ctx_, static_cast<unsigned char>(ms));
    return rc < 0 ? fail(rc) : 0;
}

int FtdiChip::write(const Byte* data, int count, int& written)
{
    written = 0;
    const int rc = ftdi_write_data(ctx_, data, count);
    if (rc < 0)
        return fail(rc);
    written = rc;
    return 0;
}

int FtdiChip::getStatus(int& receiveQueue)
{
    receiveQueue = 0;
    Byte chunk[DrainChunk];
    for (;;) {
        const int rc = ftdi_read_data(ctx_, chunk, DrainChunk);
        if (rc < 0)
            return fail(rc);
        if (rc == 0)
            break;
        received_.insert(received_.end(), chunk, chunk + rc);
        // A chattering line must not grow the buffer without end; the link rejects
        // anything longer than the longest reply anyway.
        if (received_.size() > 4 * DrainChunk)
            break;
    }
    receiveQueue = int(received_.size());
    return 0;
}

int FtdiChip::read(Byte* buffer, int count, int& got)
{
    got = std::min(count, int(received_.size()));
    std::copy_n(received_.begin(), got, buffer);
    received_.erase(received_.begin(), received_.begin() + got);
    return 0;
}

void FtdiChip::close()
{
    if (open_)
        ftdi_usb_close(ctx_);
    open_ = false;
    received_.clear();
}

} // namespace q7582
