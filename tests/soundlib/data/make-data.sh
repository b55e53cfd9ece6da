#!/usr/bin/env bash
# Regenerates the sound files the soundlib tests play (needs the Debian packages sox and lame).
set -euo pipefail
cd "$(dirname "$0")"

# Exact zero at the start and a whole number of periods, so the tests can match samples one by one.
sox -D -n -r 22050 -c 1 -b 16 -e signed-integer tone-16bit-mono.wav synth 0.5 sine 441 vol 0.5
sox -D -n -r 11025 -c 2 -b 8 -e unsigned-integer tone-8bit-stereo.wav synth 0.5 sine 441 sine 882 vol 0.5

# MPEG-1 stereo behind an ID3v2 tag, and MPEG-2 mono without any tag.
sox -D -n -r 44100 -c 2 -b 16 -e signed-integer -t wav - synth 1 sine 441 sine 882 vol 0.5 |
    lame --quiet -b 128 --id3v2-only --tt "Test tone" - tone-stereo-44100.mp3
sox -D -n -r 22050 -c 1 -b 16 -e signed-integer -t wav - synth 0.5 sine 441 vol 0.5 |
    lame --quiet -b 32 - tone-mono-22050.mp3

sox -D -n -r 22050 -c 1 -t ogg -C 0 tone-mono.ogg synth 0.5 sine 441 vol 0.5
