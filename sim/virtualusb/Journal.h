#pragma once
// What the virtual chips of this process were asked to do, for tests and for the
// person at the desktop: the vendor requests each chip took, and the faults of the
// PC's side, the requests a real FT232R or libusb would refuse. A fault is printed on
// standard error as it happens; tests fail when one was recorded.

#include <string>
#include <vector>

namespace q7582::vusb {

// "FT000001: latency 1"
void journalRequest(const std::string& serial, const std::string& request);
// "FT000001: bulk transfer on an interface that is not claimed"
void journalFault(const std::string& what);

// What was recorded since the last take, which empties the list.
std::vector<std::string> takeRequests();
std::vector<std::string> takeFaults();

} // namespace q7582::vusb
