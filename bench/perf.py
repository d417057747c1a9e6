# jaggo benchmarks: start-up, peak memory, loader cost and frame allocations of jaggo
# beside a bare program, and jaggo-verdict's time to its verdict beside jaggo's first frame (with
# and without its samples read one by one) and with its offscreen objects (-o), and the time -p takes
# to write its pictures, all in one run on the current X display. Prints medians and ratios.
# Usage: perf.py BUILD_DIR [RUNS] [verdict|pictures]   (run by bench/perf.sh under a private Xvfb);
# "verdict" runs the time to the verdict alone, "pictures" the time -p takes to write one window's.
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
jaggo = os.path.join(build, "app", "jaggo")
verdict = os.path.join(build, "verdict", "jaggo-verdict")
bare = os.path.join(build, "bench", "bare_window")
probe = os.path.join(build, "bench", "first_frame")
loader_bench = os.path.join(build, "bench", "loader_bench")
counter = os.path.join(build, "tests", "liballoc_counter.so")
shim = os.path.join(build, "tests", "libgl_fault_shim.so")


def first_frame(command, *probe_options, env=None):
    out = subprocess.run([probe, *(probe_options or ("-s", "1")), *command], capture_output=True, text=True,
                         timeout=60, check=True, env=env)
    figures = dict(field.split("=") for field in out.stdout.split())
    if figures["exit"] != "0":
        sys.exit("%s exited with %s" % (command, figures["exit"]))
    return figures


def median(values):
    return statistics.median(values)


def time_to_verdict():
    """jaggo-verdict -q from its start to its Verdict: line, beside jaggo's first presented frame and
    its Context line, in alternating runs; both programs' output read through a pipe alike."""
    print("== time to the verdict: jaggo-verdict -q beside jaggo, %d runs each" % runs)
    frame, context, judged, unread = [], [], [], []
    # The samples' reading costs what a run with the copy refused (the fault shim makes no
    # multisampled texture, so nothing is copied, drawn or read one by one) saves.
    no_copy = dict(os.environ, LD_PRELOAD=shim, JAGGO_GL_FAULT="nocopy")
    for i in range(3 * runs):
        if i % 3 == 0:
            figures = first_frame([jaggo], "-s", "0", "-l", "context=Context ")
            frame.append(float(figures["first_frame_ms"]))
            context.append(float(figures["context_ms"]))
        elif i % 3 == 1:
            judged.append(float(first_frame([verdict, "-q"], "-n", "-l", "verdict=Verdict: ")["verdict_ms"]))
        else:
            unread.append(float(first_frame([verdict, "-q"], "-n", "-l", "verdict=Verdict: ",
                                            env=no_copy)["verdict_ms"]))
    for name, values in (("jaggo's first frame", frame), ("jaggo's Context line", context),
                         ("jaggo-verdict's Verdict line", judged), ("the same, samples not read", unread)):
        print("ms to %-29s median %6.1f   min %6.1f" % (name, median(values), min(values)))
    print("time to verdict / first frame   median %.3fx   (target <= 1.3x)" % (median(judged) / median(frame)))
    print("time to verdict / Context line  median %.3fx   (target <= 1.5x)" % (median(judged) / median(context)))
    print("samples read one by one         median %+.1f ms" % (median(judged) - median(unread)))
    time_to_offscreen_verdict()


def wall_ms(command, env):
    started = time.monotonic()
    subprocess.run(command, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, timeout=60, check=True)
    return (time.monotonic() - started) * 1000.0


def time_to_offscreen_verdict():
    """jaggo-verdict -q from its start to its end, beside -q -o (the window, then every offscreen
    object judged in its context) and -o without a display (EGL), in turn."""
    print("== offscreen: jaggo-verdict -q, -q -o and -o without a display, start to end, %d runs each" % runs)
    headless = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    kinds = {"-q": ([verdict, "-q"], os.environ), "-q -o": ([verdict, "-q", "-o"], os.environ),
             "-o, no display": ([verdict, "-o"], headless)}
    times = {name: [] for name in kinds}
    for _ in range(runs):
        for name, (command, env) in kinds.items():
            times[name].append(wall_ms(command, env))
    for name, values in times.items():
        print("ms to the end of %-16s median %6.1f   min %6.1f" % (name, median(values), min(values)))
    for name in ("-q -o", "-o, no display"):
        print("%-14s / -q  median %.3fx   (target <= 2x)" % (name, median(times[name]) / median(times["-q"])))


def picture_writing():
    """jaggo-verdict -p's writing of one window's pictures at 800x400 (pictures_bench), its median
    against the bound it is held to."""
    print("== -p: one window's pictures encoded and written, %d repetitions" % max(runs, 5))
    bench = subprocess.run(
        [os.path.join(build, "bench", "pictures_bench"), "--benchmark_repetitions=%d" % max(runs, 5),
         "--benchmark_format=json"], capture_output=True, text=True, timeout=600, check=True)
    rows = {b["aggregate_name"]: b for b in json.loads(bench.stdout)["benchmarks"] if b.get("aggregate_name")}
    median_row = rows["median"]
    print("ms to write window-4.png, -edges.png, -shown.png  median %.1f   CPU %.1f   (target <= 100 ms)"
          % (median_row["real_time"], median_row["cpu_time"]))


if len(sys.argv) > 3 and sys.argv[3] == "pictures":
    picture_writing()
    sys.exit(0)

if len(sys.argv) > 3 and sys.argv[3] == "verdict":
    time_to_verdict()
    sys.exit(0)

# Start-up and memory: rounds of the three programs, the order turning each round.
# "bare -r" keeps redrawing after its first frame, as jaggo's loop does: once the first
# frame is sent, a busy program competes with the X server that is to show it.
print("== start-up to first presented frame and peak memory, %d runs each" % runs)
programs = {"bare": [bare], "bare -r": [bare, "-r"], "jaggo": [jaggo]}
names = list(programs)
results = {name: [] for name in names}
for i in range(runs):
    for name in names[i % 3:] + names[:i % 3]:
        results[name].append(first_frame(programs[name]))
ms = {n: [float(r["first_frame_ms"]) for r in results[n]] for n in names}
hwm = {n: [int(r["vmhwm_kib"]) for r in results[n]] for n in names}
maxrss = {n: [int(r["maxrss_kib"]) for r in results[n]] for n in names}
for n in names:
    print("first frame ms   %-8s median %6.1f   min %6.1f" % (n, median(ms[n]), min(ms[n])))
for base in ("bare", "bare -r"):
    print("start-up ratio   jaggo/%-8s median %.3fx   min %.3fx   (target <= 1.05x)"
          % (base, median(ms["jaggo"]) / median(ms[base]), min(ms["jaggo"]) / min(ms[base])))
for n in names:
    print("peak memory KiB  %-8s VmHWM median %d   ru_maxrss median %d" % (n, median(hwm[n]), median(maxrss[n])))
for base in ("bare", "bare -r"):
    diff = median(hwm["jaggo"]) - median(hwm[base])
    print("VmHWM jaggo - %-8s %d KiB = %.2f MiB (limit 2 MiB)" % (base, diff, diff / 1024.0))

# The loader against the bare lookups on the same context, interleaved repetitions.
print("== load_gl against the raw glfwGetProcAddress calls")
bench = subprocess.run(
    [loader_bench, "--benchmark_filter=RealContext|RawGlfw|GetStringi", "--benchmark_repetitions=%d" % max(runs, 10),
     "--benchmark_enable_random_interleaving=true", "--benchmark_format=json"],
    capture_output=True, text=True, timeout=600, check=True)
rows = [b for b in json.loads(bench.stdout)["benchmarks"] if b.get("aggregate_name") == "median"]
times = {b["run_name"]: b["real_time"] for b in rows}
load, raw = times["BM_LoadGlRealContext"], times["BM_RawGlfwGetProcAddress"]
runs_of = {}
for b in json.loads(bench.stdout)["benchmarks"]:
    if b.get("run_type") == "iteration":
        runs_of.setdefault(b["run_name"], []).append(b["real_time"])
load_min, raw_min = min(runs_of["BM_LoadGlRealContext"]), min(runs_of["BM_RawGlfwGetProcAddress"])
detect = times.get("BM_DetectRealContext")
print("median ns        load_gl %.0f   760 lookups alone %.0f   ratio %.3fx (target <= 1.05x)"
      % (load, raw, load / raw))
print("min ns           load_gl %.0f   760 lookups alone %.0f   ratio %.3fx" % (load_min, raw_min, load_min / raw_min))
if detect:
    print("of which         version and extension detection %.0f ns (%.0f%% of the lookups)"
          % (detect, 100.0 * detect / raw))
if "BM_GetStringiFirst" in times:
    print("glGetStringi     first name %.1f ns, last name %.1f ns (the driver walks its list each call)"
          % (times["BM_GetStringiFirst"], times["BM_GetStringiLast"]))

# Heap allocations: jaggo with the counter preloaded, until 25 steady frames have begun (the
# counter's FILE.ready) and at least three seconds have passed.
print("== heap allocations (jaggo preloaded with the allocation counter)")
if os.path.exists(counter):
    with tempfile.TemporaryDirectory() as scratch:
        report = os.path.join(scratch, "alloc.txt")
        env = dict(os.environ, LD_PRELOAD=counter, JAGGO_ALLOC_REPORT=report)
        proc = subprocess.Popen([jaggo], env=env, stdout=subprocess.DEVNULL)
        started = time.monotonic()
        while time.monotonic() - started < 60 and proc.poll() is None and (
                not os.path.exists(report + ".ready") or time.monotonic() - started < 3.0):
            time.sleep(0.1)
        subprocess.run(["xdotool", "search", "--name", "^Jaggoscope$", "key", "Escape"],
                       capture_output=True, timeout=10)
        proc.wait(15)
        with open(report) as f:
            lines = f.read().splitlines()
    figures = {k: v for k, _, v in (line.partition("=") for line in lines) if k != "steady_other_caller"}
    frames = int(figures["steady_frames"])
    callers = sorted({line.partition("=")[2].rsplit("/", 1)[-1] for line in lines
                      if line.startswith("steady_other_caller=")})
    print("steady frames %d (after %s warm-up); by jaggo's code: %s in total"
          % (frames, figures["warmup"], figures["steady_ours"]))
    print("by libraries on the main thread: draw %s (%.1f/frame), swap %s (%.1f/frame), events %s;"
          " other threads %s" % (figures["steady_draw_other"], int(figures["steady_draw_other"]) / max(frames, 1),
                                 figures["steady_swap"], int(figures["steady_swap"]) / max(frames, 1),
                                 figures["steady_poll"], figures["steady_other_threads"]))
    print("library callers: %s" % ", ".join(callers))
    print("start-up blocks by jaggo's code %s (the loader's list: one per extension name and the array)"
          % figures["startup_ours"])
else:
    print("skipped: %s not built" % counter)

time_to_verdict()
picture_writing()
