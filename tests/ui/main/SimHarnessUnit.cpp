// The simulator harness of the end-to-end tests, built into this test program too.
#include "../../sim/SimHarness.cpp"
