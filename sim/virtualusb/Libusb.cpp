// The stand-in libusb: the 28 functions libftdi calls, over the virtual bus. Each
// context is one program's view of the bus (its own connection, so that two contexts
// in one test act as two programs); every call takes its context's lock.

#include "BusClient.h"
#include "Ft232r.h"
#include "Journal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <libusb.h>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

using q7582::vusb::BusClient;
using q7582::vusb::ClaimAnswer;
using q7582::vusb::Clock;
using q7582::vusb::DeviceInfo;
using q7582::vusb::Ft232r;
using q7582::vusb::journalFault;
using q7582::vusb::Packet;
using q7582::vusb::PacketType;

struct libusb_device;

struct libusb_context {
    explicit libusb_context(const char* path);
    void take(const Packet& packet);
    void unplugAll();
    libusb_device* find(std::uint32_t id) const;

    std::mutex mutex;
    BusClient bus;
    std::vector<libusb_device*> plugged; // each holds a reference
    int openHandles = 0;
};

// A device on the bus, with its chip; it lives while referenced, also after unplugging.
struct libusb_device : q7582::vusb::SerialSide {
    libusb_device(libusb_context& c, std::uint32_t i, const DeviceInfo& d)
        : context(c), id(i), info(d), chip(*this, d.serial)
    {
    }
    void send(const std::uint8_t* data, int size) override
    {
        context.bus.send(PacketType::Data, id, data, std::size_t(size));
    }
    void takeArrived() override { context.bus.takeArrived(); }
    void waitUntil(Clock::time_point until) override { context.bus.waitUntil(until); }

    libusb_context& context;
    const std::uint32_t id;
    DeviceInfo info;
    Ft232r chip;
    int references = 1;
    bool kernelDriver = true; // the serial driver takes a new device until a claim detaches it
    libusb_device_handle* claimer = nullptr;
};

struct libusb_device_handle {
    libusb_device* device;
    bool autoDetach = false;
};

namespace {

void unref(libusb_device* device)
{
    if (--device->references == 0)
        delete device;
}

std::string nameOf(const libusb_device& device) { return device.info.serial.empty() ? "device" : device.info.serial; }

// The handles open in this program, so that a call on a closed one is told, not followed.
std::mutex registryMutex;
std::set<libusb_device_handle*> registry;

// A call on a handle, under its context's lock; false (and a fault recorded) when the
// handle is not open.
class HandleCall {
public:
    HandleCall(libusb_device_handle* handle, const char* call)
    {
        {
            std::lock_guard registryLock(registryMutex);
            if (registry.count(handle))
                device_ = handle->device;
        }
        if (!device_) {
            journalFault(std::string(call) + " on a handle that is not open");
            return;
        }
        lock_ = std::unique_lock(device_->context.mutex);
    }
    explicit operator bool() const { return device_ != nullptr; }
    // Open, and its device still on the bus.
    bool present() const { return device_ && !device_->chip.gone(); }
    libusb_device& device() const { return *device_; }

private:
    libusb_device* device_ = nullptr;
    std::unique_lock<std::mutex> lock_;
};

void release(libusb_device_handle* handle)
{
    libusb_device& device = *handle->device;
    device.claimer = nullptr;
    device.context.bus.send(PacketType::Release, device.id);
    if (handle->autoDetach)
        device.kernelDriver = true;
}

struct ConfigBlock {
    libusb_config_descriptor config;
    libusb_interface interface;
    libusb_interface_descriptor setting;
    libusb_endpoint_descriptor endpoints[2];
};

} // namespace

libusb_context::libusb_context(const char* path)
    : bus(
        path ? path : "", [this](const Packet& p) { take(p); }, [this] { unplugAll(); })
{
}

libusb_device* libusb_context::find(std::uint32_t id) const
{
    for (libusb_device* device : plugged)
        if (device->id == id)
            return device;
    return nullptr;
}

void libusb_context::take(const Packet& packet)
{
    libusb_device* device = find(packet.device);
    switch (packet.type) {
    case PacketType::Device:
        if (const auto info = q7582::vusb::decodeDeviceInfo(packet.payload); info && device)
            device->info = *info; // announced again: its permissions changed
        else if (info)
            plugged.push_back(new libusb_device(*this, packet.device, *info));
        break;
    case PacketType::Gone:
        if (device) {
            device->chip.unplug();
            std::erase(plugged, device);
            unref(device);
        }
        break;
    case PacketType::Data:
        if (device)
            device->chip.receive(packet.payload.data(), packet.payload.size());
        break;
    case PacketType::Stall:
        if (const auto count = q7582::vusb::decodeCount(packet.payload); device && count)
            device->chip.stallReads(*count);
        break;
    default:
        break;
    }
}

void libusb_context::unplugAll()
{
    for (libusb_device* device : plugged) {
        device->chip.unplug();
        unref(device);
    }
    plugged.clear();
}

extern "C" {

int LIBUSB_CALL libusb_init(libusb_context** context)
{
    if (!context) {
        journalFault("the default libusb context is not modelled");
        return LIBUSB_ERROR_NOT_SUPPORTED;
    }
    *context = new libusb_context(std::getenv("Q7582_VIRTUAL_USB"));
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_exit(libusb_context* context)
{
    if (!context)
        return;
    {
        std::lock_guard lock(context->mutex);
        if (context->openHandles)
            journalFault("libusb_exit with " + std::to_string(context->openHandles) + " handle(s) open");
        context->unplugAll();
    }
    delete context;
}

ssize_t LIBUSB_CALL libusb_get_device_list(libusb_context* context, libusb_device*** list)
{
    std::lock_guard lock(context->mutex);
    context->bus.refresh();
    auto** devices = static_cast<libusb_device**>(std::calloc(context->plugged.size() + 1, sizeof(libusb_device*)));
    if (!devices)
        return LIBUSB_ERROR_NO_MEM;
    for (std::size_t i = 0; i < context->plugged.size(); ++i) {
        devices[i] = context->plugged[i];
        ++devices[i]->references;
    }
    *list = devices;
    return ssize_t(context->plugged.size());
}

void LIBUSB_CALL libusb_free_device_list(libusb_device** list, int unrefDevices)
{
    if (!list)
        return;
    if (unrefDevices && list[0]) {
        std::lock_guard lock(list[0]->context.mutex);
        for (libusb_device** device = list; *device; ++device)
            unref(*device);
    }
    std::free(list);
}

libusb_device* LIBUSB_CALL libusb_ref_device(libusb_device* device)
{
    std::lock_guard lock(device->context.mutex);
    ++device->references;
    return device;
}

void LIBUSB_CALL libusb_unref_device(libusb_device* device)
{
    if (!device)
        return;
    std::lock_guard lock(device->context.mutex);
    unref(device);
}

uint8_t LIBUSB_CALL libusb_get_bus_number(libusb_device* device) { return device->info.bus; }

uint8_t LIBUSB_CALL libusb_get_device_address(libusb_device* device) { return device->info.address; }

// Cached when the device was enumerated: readable after it has gone, as with libusb.
int LIBUSB_CALL libusb_get_device_descriptor(libusb_device* device, libusb_device_descriptor* descriptor)
{
    *descriptor = libusb_device_descriptor{};
    descriptor->bLength = LIBUSB_DT_DEVICE_SIZE;
    descriptor->bDescriptorType = LIBUSB_DT_DEVICE;
    descriptor->bcdUSB = 0x0200;
    descriptor->bMaxPacketSize0 = 8;
    descriptor->idVendor = device->info.vendor;
    descriptor->idProduct = device->info.product;
    descriptor->bcdDevice = device->info.release;
    descriptor->iManufacturer = 1;
    descriptor->iProduct = 2;
    descriptor->iSerialNumber = device->info.serial.empty() ? 0 : 3;
    descriptor->bNumConfigurations = 1;
    return LIBUSB_SUCCESS;
}

// One configuration, one interface (vendor class), a bulk-in and a bulk-out endpoint of 64 bytes.
int LIBUSB_CALL libusb_get_config_descriptor(libusb_device*, uint8_t index, libusb_config_descriptor** config)
{
    if (index != 0)
        return LIBUSB_ERROR_NOT_FOUND;
    auto* block = new ConfigBlock{};
    for (int i = 0; i < 2; ++i) {
        libusb_endpoint_descriptor& e = block->endpoints[i];
        e.bLength = LIBUSB_DT_ENDPOINT_SIZE;
        e.bDescriptorType = LIBUSB_DT_ENDPOINT;
        e.bEndpointAddress = i == 0 ? Ft232r::InEndpoint : Ft232r::OutEndpoint;
        e.bmAttributes = LIBUSB_TRANSFER_TYPE_BULK;
        e.wMaxPacketSize = Ft232r::PacketSize;
    }
    libusb_interface_descriptor& s = block->setting;
    s.bLength = LIBUSB_DT_INTERFACE_SIZE;
    s.bDescriptorType = LIBUSB_DT_INTERFACE;
    s.bNumEndpoints = 2;
    s.bInterfaceClass = LIBUSB_CLASS_VENDOR_SPEC;
    s.bInterfaceSubClass = 0xFF;
    s.bInterfaceProtocol = 0xFF;
    s.iInterface = 2;
    s.endpoint = block->endpoints;
    block->interface.altsetting = &block->setting;
    block->interface.num_altsetting = 1;
    libusb_config_descriptor& c = block->config;
    c.bLength = LIBUSB_DT_CONFIG_SIZE;
    c.bDescriptorType = LIBUSB_DT_CONFIG;
    c.wTotalLength = LIBUSB_DT_CONFIG_SIZE + LIBUSB_DT_INTERFACE_SIZE + 2 * LIBUSB_DT_ENDPOINT_SIZE;
    c.bNumInterfaces = 1;
    c.bConfigurationValue = 1;
    c.bmAttributes = 0xA0; // bus powered, remote wake-up
    c.MaxPower = 45;       // 90 mA
    c.interface = &block->interface;
    *config = &block->config;
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_free_config_descriptor(libusb_config_descriptor* config)
{
    delete reinterpret_cast<ConfigBlock*>(config);
}

int LIBUSB_CALL libusb_open(libusb_device* device, libusb_device_handle** handle)
{
    std::lock_guard lock(device->context.mutex);
    if (device->chip.gone())
        return LIBUSB_ERROR_NO_DEVICE;
    if (device->info.refuseOpen) {
        errno = EACCES; // as the device node's open(2) leaves it
        return LIBUSB_ERROR_ACCESS;
    }
    ++device->references;
    ++device->context.openHandles;
    *handle = new libusb_device_handle{device};
    std::lock_guard registryLock(registryMutex);
    registry.insert(*handle);
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_close(libusb_device_handle* handle)
{
    {
        HandleCall call(handle, "libusb_close");
        if (!call)
            return;
        libusb_device& device = call.device();
        if (device.claimer == handle)
            release(handle); // closing lets go of what the handle claimed
        --device.context.openHandles;
        unref(&device);
        std::lock_guard registryLock(registryMutex);
        registry.erase(handle);
    }
    delete handle;
}

int LIBUSB_CALL libusb_get_configuration(libusb_device_handle* handle, int* configuration)
{
    HandleCall call(handle, "libusb_get_configuration");
    if (!call.present())
        return LIBUSB_ERROR_NO_DEVICE;
    *configuration = 1; // configured at enumeration
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_set_configuration(libusb_device_handle* handle, int configuration)
{
    HandleCall call(handle, "libusb_set_configuration");
    if (!call.present())
        return LIBUSB_ERROR_NO_DEVICE;
    if (configuration == 1)
        return LIBUSB_SUCCESS;
    journalFault("set configuration " + std::to_string(configuration) + ", which the device does not have");
    return LIBUSB_ERROR_NOT_FOUND;
}

int LIBUSB_CALL libusb_set_auto_detach_kernel_driver(libusb_device_handle* handle, int enable)
{
    HandleCall call(handle, "libusb_set_auto_detach_kernel_driver");
    if (!call)
        return LIBUSB_ERROR_NO_DEVICE;
    handle->autoDetach = enable != 0;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_detach_kernel_driver(libusb_device_handle* handle, int interfaceNumber)
{
    HandleCall call(handle, "libusb_detach_kernel_driver");
    if (!call.present())
        return LIBUSB_ERROR_NO_DEVICE;
    if (interfaceNumber != 0 || !call.device().kernelDriver)
        return LIBUSB_ERROR_NOT_FOUND;
    call.device().kernelDriver = false;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_claim_interface(libusb_device_handle* handle, int interfaceNumber)
{
    HandleCall call(handle, "libusb_claim_interface");
    if (!call.present())
        return LIBUSB_ERROR_NO_DEVICE;
    libusb_device& device = call.device();
    if (interfaceNumber != 0)
        return LIBUSB_ERROR_NOT_FOUND;
    if (device.claimer == handle)
        return LIBUSB_SUCCESS;
    // Held by another handle of this program, by the serial driver, or (the bus says) by another program.
    if (device.claimer || (device.kernelDriver && !handle->autoDetach)
        || device.context.bus.claim(device.id) != ClaimAnswer::Granted) {
        errno = EBUSY;
        return device.chip.gone() ? LIBUSB_ERROR_NO_DEVICE : LIBUSB_ERROR_BUSY;
    }
    device.kernelDriver = false;
    device.claimer = handle;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_release_interface(libusb_device_handle* handle, int interfaceNumber)
{
    HandleCall call(handle, "libusb_release_interface");
    if (!call.present())
        return LIBUSB_ERROR_NO_DEVICE;
    libusb_device& device = call.device();
    if (interfaceNumber != 0 || device.claimer != handle) {
        journalFault(nameOf(device) + ": release of interface " + std::to_string(interfaceNumber)
                     + ", which this handle has not claimed");
        return LIBUSB_ERROR_NOT_FOUND;
    }
    release(handle);
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_control_transfer(libusb_device_handle* handle, uint8_t requestType, uint8_t request,
                                        uint16_t value, uint16_t index, unsigned char* data, uint16_t length,
                                        unsigned int)
{
    HandleCall call(handle, "libusb_control_transfer");
    if (!call)
        return LIBUSB_ERROR_NO_DEVICE;
    return call.device().chip.control(requestType, request, value, index, data, length);
}

int LIBUSB_CALL libusb_bulk_transfer(libusb_device_handle* handle, unsigned char endpoint, unsigned char* data,
                                     int length, int* transferred, unsigned int timeout)
{
    int done = 0;
    int* count = transferred ? transferred : &done;
    *count = 0;
    HandleCall call(handle, "libusb_bulk_transfer");
    if (!call.present())
        return LIBUSB_ERROR_NO_DEVICE;
    libusb_device& device = call.device();
    if (device.claimer != handle) {
        // Linux would claim it on the fly and log a warning; a program must claim first.
        journalFault(nameOf(device) + ": bulk transfer on an interface that is not claimed");
        return LIBUSB_ERROR_NOT_FOUND;
    }
    return device.chip.bulk(endpoint, data, length, count, timeout);
}

int LIBUSB_CALL libusb_get_string_descriptor_ascii(libusb_device_handle* handle, uint8_t index, unsigned char* data,
                                                   int length)
{
    HandleCall call(handle, "libusb_get_string_descriptor_ascii");
    if (!call.present())
        return LIBUSB_ERROR_NO_DEVICE;
    const DeviceInfo& info = call.device().info;
    const std::string* strings[] = {&info.manufacturer, &info.productName, &info.serial};
    if (index < 1 || index > 3 || length <= 0)
        return LIBUSB_ERROR_INVALID_PARAM;
    const std::string& s = *strings[index - 1];
    const int size = std::min(int(s.size()), length - 1);
    std::memcpy(data, s.data(), std::size_t(size));
    data[size] = 0;
    return size;
}

// Asynchronous transfers: libftdi's streaming and *_submit calls use them; the manager
// does not, and the virtual chip does not model them.
libusb_transfer* LIBUSB_CALL libusb_alloc_transfer(int isoPackets)
{
    return static_cast<libusb_transfer*>(
        std::calloc(1, sizeof(libusb_transfer) + std::size_t(isoPackets) * sizeof(libusb_iso_packet_descriptor)));
}

void LIBUSB_CALL libusb_free_transfer(libusb_transfer* transfer)
{
    if (transfer && (transfer->flags & LIBUSB_TRANSFER_FREE_BUFFER))
        std::free(transfer->buffer);
    std::free(transfer);
}

int LIBUSB_CALL libusb_submit_transfer(libusb_transfer*)
{
    journalFault("asynchronous transfers are not modelled");
    return LIBUSB_ERROR_NOT_SUPPORTED;
}

int LIBUSB_CALL libusb_cancel_transfer(libusb_transfer*) { return LIBUSB_ERROR_NOT_FOUND; }

int LIBUSB_CALL libusb_handle_events_timeout(libusb_context*, struct timeval*) { return LIBUSB_SUCCESS; }

int LIBUSB_CALL libusb_handle_events_timeout_completed(libusb_context*, struct timeval*, int*)
{
    return LIBUSB_SUCCESS;
}

} // extern "C"
