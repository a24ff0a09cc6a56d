#pragma once
// The connected master's address as an observer learns it from the link's calls. The
// first status read after a master is found is page 1, so its address (page 0) is in the
// status block only from the second status refresh on; until then the block may still
// hold the previous master's.

#include "link/LinkShared.h"

#include <optional>

namespace q7582 {

class ConnectedMaster {
public:
    // After each repaint of the connection state: a new connection starts afresh.
    void connectionShown(const LinkShared& shared)
    {
        if (shared.connectionState != ConnectionState::Connected)
            refreshes_ = 0;
    }
    // After each status display refresh.
    void statusRefreshed(const LinkShared& shared)
    {
        if (shared.connectionState == ConnectionState::Connected && refreshes_ < PagesRead)
            ++refreshes_;
    }
    // Nothing until the master's page 0 has been read since it was found.
    std::optional<int> address(LinkShared& shared) const
    {
        if (refreshes_ < PagesRead)
            return std::nullopt;
        return shared.withStatus([](const StatusBlock& s) { return s.masterAddress(); });
    }

private:
    static constexpr int PagesRead = 2; // page 1, then page 0
    int refreshes_ = 0;
};

} // namespace q7582
