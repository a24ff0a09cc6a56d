#include "link/FtdiChip.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ftdi.h>
#include <libusb.h>

namespace q7582 {

namespace {
// A bulk-in packet of the chip: two modem-status bytes, then up to 62 bytes of data.
constexpr std::size_t PacketSize = 64;
constexpr std::size_t StatusSize = 2;
// What getStatus takes at most: well over the longest reply.
constexpr std::size_t MaxQueued = 4096;
} // namespace

FtdiChip::FtdiChip() : ctx_(ftdi_new()) { received_.reserve(MaxQueued); }

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

// One bulk-in transfer takes what the chip holds: its packets come full while 62 bytes
// wait, and the transfer ends with a short one once the chip is empty. Asked for a
// single byte, libftdi returns as soon as that transfer ends and keeps the rest in its
// buffer; asked for more than it got, it would start another transfer only to find the
// chip empty, which waits out the latency timer once more.
int FtdiChip::getStatus(int& receiveQueue)
{
    receiveQueue = 0;
    for (;;) {
        Byte first;
        int rc = ftdi_read_data(ctx_, &first, 1);
        if (rc < 0)
            return fail(rc);
        if (rc == 0)
            break; // the status bytes alone: nothing waits
        const std::size_t before = received_.size();
        received_.push_back(first);
        received_.resize(before + 1 + ctx_->readbuffer_remaining);
        rc = ftdi_read_data(ctx_, received_.data() + before + 1, int(ctx_->readbuffer_remaining)); // from its buffer
        if (rc < 0)
            return fail(rc);
        received_.resize(before + 1 + std::size_t(rc));
        // A transfer that filled libftdi's buffer may have left more in the chip. A
        // chattering line must not grow the buffer without end; the link rejects anything
        // longer than the longest reply anyway.
        const std::size_t fullTransfer = ctx_->readbuffer_chunksize / PacketSize * (PacketSize - StatusSize);
        if (received_.size() - before < fullTransfer || received_.size() > MaxQueued)
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
