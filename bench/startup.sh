#!/usr/bin/env bash
# Whole-process start-up of the text commands, in CPU time (user + system, from the kernel's
# accounting of each child, read with wait4):
#   1. `natalis --listing` of one sample chart against /bin/true, run interleaved so that both
#      see the same machine load (target: at most 3.5 times /bin/true). `natalis-gui --listing`
#      runs in the same rounds: the same command with Qt loaded, as the program was before
#      the text commands left Qt.
#   2. 10,000 charts (copies of the samples) in one `natalis --json` process, CPU time a chart
#      (target: at most 180 µs), with the samples alternating and grouped.
#
#   bench/startup.sh [BUILD_DIR [ROUNDS]]      (defaults: build, 300)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-300}
exec python3 - "$build" "$rounds" <<'PY'
import glob, os, shutil, statistics, sys, tempfile

build, rounds = os.path.abspath(sys.argv[1]), int(sys.argv[2])
natalis, gui = os.path.join(build, "natalis"), os.path.join(build, "natalis-gui")
charts = sorted(glob.glob(os.path.join(build, "*.dat")))
if not charts:
    sys.exit("no hay cartas de ejemplo en " + build)


def cpu(argv, cwd=None):
    """CPU seconds (user + system) of one run of argv, its output thrown away."""
    actions = [(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
               (os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)]
    old = os.getcwd()
    if cwd:
        os.chdir(cwd)
    try:
        pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=actions)
    finally:
        os.chdir(old)
    _, status, ru = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("falló: " + " ".join(argv[:3]))
    return ru.ru_utime + ru.ru_stime


runs = {"/bin/true": [], "natalis --listing": [], "natalis-gui --listing": []}
commands = {"/bin/true": ["/bin/true"],
            "natalis --listing": [natalis, "--listing", charts[0]],
            "natalis-gui --listing": [gui, "--listing", charts[0]]}
for _ in range(rounds):
    for name, argv in commands.items():
        runs[name].append(cpu(argv))

base = statistics.mean(runs["/bin/true"])
print(f"{rounds} rondas intercaladas, tiempo de CPU por proceso (media; mediana)")
for name, times in runs.items():
    mean, median = statistics.mean(times), statistics.median(times)
    print(f"  {name:24s} {mean * 1e3:7.2f} ms; {median * 1e3:7.2f} ms   "
          f"{mean / base:5.2f} x /bin/true")

# Two layouts of the same 10,000 files: the samples in turn (every chart at another date than
# the one before, as in a real folder of different people: the ephemeris library reads its file
# segments again for each chart), and each sample's copies one after another (the segments of
# one date stay read).
n = 10000
layouts = {"alternadas": lambda i: charts[i % len(charts)],
           "agrupadas": lambda i: charts[i * len(charts) // n]}
for layout, source in layouts.items():
    with tempfile.TemporaryDirectory(prefix="natalis-10000-") as tmp:
        names = []
        for i in range(n):
            name = f"c{i:05d}.dat"
            shutil.copyfile(source(i), os.path.join(tmp, name))
            names.append(name)
        best = min(cpu([natalis, "--json"] + names, cwd=tmp) for _ in range(3))
        print(f"{n} cartas ({layout}) en un proceso --json: {best:.2f} s de CPU, "
              f"{best / n * 1e6:.1f} µs por carta (la mejor de 3)")
PY
