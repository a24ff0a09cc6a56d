#pragma once
// What a working installation shows in the master's status: two desk microphones at
// unit addresses 0 and 3, an I/O card at address 1 whose inputs come and go, slaves
// 0..2, VOX meters that move and now and then an announcement that makes zones busy.

#include "model/StatusBlock.h"

#include <cstdint>
#include <random>

namespace q7582::sim {

class MasterLife {
public:
    static constexpr int IoCard = 1;
    static constexpr int DeskMicrophones[] = {0, 3};

    static constexpr int FlickeringLine = 5; // of the I/O card
    static constexpr int DroppingMicrophone = 3;

    // scripted: the busy site of --activity on top of the life below.
    explicit MasterLife(std::uint32_t seed, bool scripted = false) : rng_(seed), scripted_(scripted) {}

    // Start values: sensible levels, the units, slaves and firmware release 2.3.
    static void setUp(StatusBlock& s, int address);
    // One step of activity (called about every 150 ms).
    void tick(StatusBlock& s);

private:
    bool chance(int oneIn) { return rng_() % unsigned(oneIn) == 0; }
    int pick(int n) { return int(rng_() % unsigned(n)); }
    void moveMeters(StatusBlock& s);
    void toggleIoLine(StatusBlock& s);
    void startAnnouncement(StatusBlock& s);
    static void endAnnouncement(StatusBlock& s);
    void scriptedTick(StatusBlock& s);

    std::mt19937 rng_;
    int announcementTicks_ = 0;
    bool scripted_ = false;
    int ticks_ = 0;
};

} // namespace q7582::sim
