// The platform failing under the sound library on demand: memory running out, the output device refusing.
#pragma once

// Lets `allowed` more allocations through, then fails every one until AllowAllocations.
void FailAllocationsAfter(long allowed);
void AllowAllocations();

// While set, opening a waveOut device fails as a device refusing the format does.
void RefuseDevice(bool refuse);
// How often a waveOut device has been asked for, refused or not.
int DeviceOpens();
