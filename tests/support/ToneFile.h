// A PCM WAV file of a plain tone, made in memory for tests that need music of a given length.
#pragma once

#include <string>

// 16-bit mono at the given rate.
std::string ToneWav(double seconds, int rate = 22050);
