"""A loudspeaker for machines without a sound card.

ALSA's file plugin pipes the game's sound here (see alsa_to_file in e2e.sh).
It is read at the pace of a real device, so the game's mixer runs as it
would with one, and each stretch that is not silence is noted in the given
file, one line per read that held sound.
"""
import sys
import time

RATE = 4 * 44100  # bytes a second: 16-bit stereo at 44.1 kHz


def main():
    notes = sys.argv[1]
    src = sys.stdin.buffer
    start = time.monotonic()
    read = 0
    while True:
        chunk = src.read1(8192)
        if not chunk:
            break
        read += len(chunk)
        if chunk.strip(b"\0"):
            with open(notes, "a") as f:
                f.write(f"{time.monotonic() - start:.2f}\n")
        ahead = start + read / RATE - time.monotonic()
        if ahead > 0:
            time.sleep(ahead)


main()
