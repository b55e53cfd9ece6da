#!/usr/bin/env python3
# The far end of the ALSA file sink of bench/cpu.sh: takes the bytes at the rate a sound card
# would play them (44,100 Hz, stereo, 16 bits), so the player upstream is paced as by a real
# device (ALSA's null sink alone takes everything at once). Usage: paced_sink.py [COPY_FILE]
import sys, time
rate = 176400
out = open(sys.argv[1], "ab") if len(sys.argv) > 1 else None
start = time.monotonic(); taken = 0
while True:
    due = int((time.monotonic() - start) * rate) - taken
    if due <= 0:
        time.sleep(0.01); continue
    data = sys.stdin.buffer.read1(due) if hasattr(sys.stdin.buffer, "read1") else sys.stdin.buffer.read(due)
    if not data: break
    taken += len(data)
    if out: out.write(data); out.flush()
