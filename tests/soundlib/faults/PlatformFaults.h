// The platform failing under the sound library on demand: memory running out, the output device refusing.
#pragma once

#include <atomic>

// How many more allocations succeed before every one fails; -1 for no limit.
extern std::atomic<long> g_allocationsLeft;
// While set, opening a waveOut device fails as a device refusing the format does.
extern std::atomic<bool> g_refuseDevice;
// How often a waveOut device has been asked for, refused or not.
extern std::atomic<int> g_deviceOpens;
