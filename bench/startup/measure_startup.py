#!/usr/bin/env python3
"""Time from process start to the first menu frame, and the menu's frame
time, each the median of five runs of the real game on the current DISPLAY.

usage: measure_startup.py BUILD_DIR   (needs BUILD_DIR/libswapspy.so)"""
import os, statistics, subprocess, sys, tempfile, time

build = sys.argv[1]
exe = os.path.join(build, "larder2")
spy = os.path.join(build, "bench", "startup", "libswapspy.so")
starts, frames = [], []
for run in range(5):
    log = tempfile.mktemp()
    env = dict(os.environ, LD_PRELOAD=spy, SWAPSPY_FILE=log, SDL_AUDIODRIVER="dummy")
    t0 = time.time()
    game = subprocess.Popen([exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(4)
    game.terminate()
    game.wait()
    stamps = [float(line) for line in open(log)]
    os.unlink(log)
    starts.append((stamps[0] - t0) * 1000)
    steps = [(b - a) * 1000 for a, b in zip(stamps[1:], stamps[2:])]
    frames.append(statistics.median(steps))
    print(f"run {run + 1}: first frame {starts[-1]:.1f} ms, median frame {frames[-1]:.3f} ms over {len(steps)} frames")
print(f"median of 5: start-up to first menu frame {statistics.median(starts):.1f} ms, menu frame {statistics.median(frames):.3f} ms")
