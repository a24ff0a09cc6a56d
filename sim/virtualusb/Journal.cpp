#include "Journal.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace q7582::vusb {

namespace {

struct Lists {
    std::mutex mutex;
    std::vector<std::string> requests;
    std::vector<std::string> faults;
};

Lists& lists()
{
    static Lists instance;
    return instance;
}

std::vector<std::string> take(std::vector<std::string>& list)
{
    std::lock_guard lock(lists().mutex);
    return std::exchange(list, {});
}

} // namespace

void journalRequest(const std::string& serial, const std::string& request)
{
    std::lock_guard lock(lists().mutex);
    lists().requests.push_back(serial + ": " + request);
}

void journalFault(const std::string& what)
{
    std::fprintf(stderr, "virtual usb: %s\n", what.c_str());
    std::lock_guard lock(lists().mutex);
    lists().faults.push_back(what);
}

std::vector<std::string> takeRequests() { return take(lists().requests); }
std::vector<std::string> takeFaults() { return take(lists().faults); }

} // namespace q7582::vusb
