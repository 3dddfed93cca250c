#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times whole processes against a baseline command, interleaved run by run so that the noise of
a shared machine falls on every command alike. Usage: process_ratios.py RUNS BASELINE -- CMD...
where each command is one shell-quoted string; prints each median and its ratio to the
baseline's."""
import os
import shlex
import statistics
import sys
import time


def wall_ms(argv):
    devnull = os.open(os.devnull, os.O_RDWR)
    start = time.perf_counter_ns()
    pid = os.posix_spawn(argv[0], argv, os.environ,
                         file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1),
                                       (os.POSIX_SPAWN_DUP2, devnull, 2)])
    _, status = os.waitpid(pid, 0)
    elapsed = (time.perf_counter_ns() - start) / 1e6
    os.close(devnull)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"failed: {shlex.join(argv)}")
    return elapsed


def main():
    runs = int(sys.argv[1])
    commands = [shlex.split(c) for c in sys.argv[2:] if c != "--"]
    times = [[] for _ in commands]
    for run in range(runs + 3):  # three warm-up rounds
        for i, argv in enumerate(commands):
            t = wall_ms(argv)
            if run >= 3:
                times[i].append(t)
    base = statistics.median(times[0])
    for argv, t in zip(commands, times):
        median = statistics.median(t)
        name = " ".join(os.path.basename(a) for a in argv[1:])
        print(f"{name:<48} median {median:6.1f} ms  {median / base:4.2f} x  "
              f"(min {min(t):.1f}, max {max(t):.1f}, {len(t)} runs)")


main()
