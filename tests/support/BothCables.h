#pragma once
// End-to-end suites run once on each cable to the simulator:
//   INSTANTIATE_TEST_SUITE_P(Cable, Suite, BothCables, cableTestName);

#include "SimHarness.h"

#include <gtest/gtest.h>

namespace q7582::simtest {

inline const auto BothCables = ::testing::Values(Cable::Tty, Cable::Usb);

inline std::string cableTestName(const ::testing::TestParamInfo<Cable>& info)
{
    return info.param == Cable::Tty ? "Tty" : "Usb";
}

} // namespace q7582::simtest
