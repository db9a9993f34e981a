#!/usr/bin/env python3
# Start-up of tabulon and trophex against the bare Qt main window, for
# tools/bench. Each program runs with the start-up probe preloaded, which
# ends it once its first window is painted; the platform (offscreen or xcb
# on a display) comes from the environment.
#   startup.py RUNS PROBE TOURNAMENT_DIR BARE TABULON TROPHEX
import os, statistics, subprocess, sys, time

runs, probe, tournament = int(sys.argv[1]), sys.argv[2], sys.argv[3]
programs = {"bare window": sys.argv[4], "tabulon": sys.argv[5], "trophex": sys.argv[6]}
env = dict(os.environ, LD_PRELOAD=probe)


def one(path):
    cwd = tournament if path.endswith("trophex") else None
    start = time.perf_counter()
    proc = subprocess.Popen([path], env=env, cwd=cwd,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        sys.exit("%s ended with %d before its first window" % (path, proc.returncode))
    cpu = usage.ru_utime + usage.ru_stime
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0, cpu * 1000.0


times = {name: [] for name in programs}
rss = {name: [] for name in programs}
cpus = {name: [] for name in programs}
for path in programs.values():   # one warm-up each: libraries into the page cache
    one(path)
for _ in range(runs):            # interleaved, so that load changes hit all three
    for name, path in programs.items():
        t, m, c = one(path)
        times[name].append(t)
        rss[name].append(m)
        cpus[name].append(c)

base_t = statistics.median(times["bare window"])
base_m = statistics.median(rss["bare window"])
base_c = statistics.median(cpus["bare window"])
# The processor time (user + system) is shown as well: on a busy machine it
# says more about the program than the wall-clock time does.
print("%-12s %12s %7s %14s %7s %8s %7s" % ("program", "start-up ms", "ratio", "peak RSS MiB",
                                           "ratio", "CPU ms", "ratio"))
for name in programs:
    t = statistics.median(times[name])
    m = statistics.median(rss[name])
    c = statistics.median(cpus[name])
    print("%-12s %12.1f %7.2f %14.1f %7.2f %8.1f %7.2f" % (name, t, t / base_t, m, m / base_m,
                                                          c, c / base_c))
