#!/usr/bin/env python3
"""Time from process start to the first menu frame, and the menu's frame
time, each the median of five runs of the real game on the current DISPLAY;
beside them, alternating, the time a bare program (bare_window) takes to open
an 800 x 600 OpenGL window and swap one cleared frame.

usage: measure_startup.py BUILD_DIR   (needs BUILD_DIR/bench/startup/libswapspy.so
and bare_window)"""
import os, statistics, subprocess, sys, tempfile, time

build = sys.argv[1]
exe = os.path.join(build, "larder2")
bare = os.path.join(build, "bench", "startup", "bare_window")
spy = os.path.join(build, "bench", "startup", "libswapspy.so")


def swaps(command, seconds):
    """Runs command under the swap spy; the start time and every swap's time."""
    log = tempfile.mktemp()
    env = dict(os.environ, LD_PRELOAD=spy, SWAPSPY_FILE=log, SDL_AUDIODRIVER="dummy")
    t0 = time.time()
    program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        program.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        program.terminate()
        program.wait()
    stamps = [float(line) for line in open(log)]
    os.unlink(log)
    return t0, stamps


starts, frames, bares = [], [], []
for run in range(5):
    t0, stamps = swaps([bare], 10)
    bares.append((stamps[0] - t0) * 1000)
    t0, stamps = swaps([exe], 4)
    starts.append((stamps[0] - t0) * 1000)
    steps = [(b - a) * 1000 for a, b in zip(stamps[1:], stamps[2:])]
    frames.append(statistics.median(steps))
    print(f"run {run + 1}: first frame {starts[-1]:.1f} ms (bare window {bares[-1]:.1f} ms), "
          f"median frame {frames[-1]:.3f} ms over {len(steps)} frames")
print(f"median of 5: start-up to first menu frame {statistics.median(starts):.1f} ms "
      f"(bare window {statistics.median(bares):.1f} ms), menu frame {statistics.median(frames):.3f} ms")
