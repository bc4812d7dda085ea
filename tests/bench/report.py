"""Writes docs/benchmarks.md from the figures of one scripts/bench.sh run:
native.json (Google Benchmark), wine.txt (tests/bench/wine_figures.sh) and
machine.txt."""
import json
import os
import sys

out = sys.argv[1]


def read_lines(name):
    path = os.path.join(out, name)
    return open(path).read().strip().splitlines() if os.path.exists(path) else []


runs = json.load(open(os.path.join(out, "native.json")))["benchmarks"]
# With repetitions, each figure is the median of its runs.
bench = {b["run_name"]: b for b in runs if "aggregate_name" not in b}
bench.update({b["run_name"]: b for b in runs if b.get("aggregate_name") == "median"})
wine = dict(line.split(None, 1) for line in read_lines("wine.txt"))
machine = read_lines("machine.txt")


def us(name, clock="cpu_time"):
    b = bench[name]
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
    return b[clock] * scale


def verdict(ok):
    return "met" if ok else "**not met**"


lines = []
w = lines.append
w("# Benchmarks")
w("")
w("Every figure here comes from one run of")
w("")
w("    bash scripts/bench.sh")
w("")
w("which rebuilds what it measures, runs the native benchmarks")
w("(`build/native/tests/bench/tintfall_bench`), then `tests/bench/wine_figures.sh`")
w("(tintfall.exe and the floor program under Wine and Xvfb, one after the other),")
w("and writes this file. Each figure stands beside its floor, measured in the same run.")
w("Native times are processor time per iteration (the machine is shared with other work,")
w("so wall-clock times there mostly measure waiting); single figures still move by tens")
w("of percent between runs, and the ratios are what the targets name.")
w("")
w("## Machine")
w("")
for line in machine:
    w("- " + line)
w("")

w("## Engine (native, g++ -O2)")
w("")
w("Command: `build/native/tests/bench/tintfall_bench --benchmark_filter='BM_|WholeGames'`")
w("")
w("| what | time | floor | ratio |")
w("|---|---|---|---|")
floor = us("BM_NeighbourPassFloor")
w("| matcher, one wave on a random full board (`markRuns`) | %.3f µs | %.3f µs (one pass comparing each cell with its four neighbours) | %.1fx |"
  % (us("BM_MarkRunsOnRandomFullBoards"), floor, us("BM_MarkRunsOnRandomFullBoards") / floor))
w("| one wave found and removed (`findAndRemoveRuns`) | %.3f µs | same | %.1fx |"
  % (us("BM_FindAndRemoveRunsOnRandomFullBoards"), us("BM_FindAndRemoveRunsOnRandomFullBoards") / floor))
w("| one landing with a two-wave cascade (`landPiece`) | %.3f µs | — | — |" % us("BM_LandingWithTwoWaveCascade"))
w("")
w("Complete headless games, a random player, no animation delays (`WholeGames`):")
w("")
w("| mode | bombs | blocks | games per second | ticks per game | peak resident |")
w("|---|---|---|---|---|---|")
modes = ["Classic", "Timer", "Rising"]
for name, b in bench.items():
    if not name.startswith("WholeGames/"):
        continue
    args = dict(part.split(":") for part in name.split("/")[1:] if ":" in part)
    w("| %s | %s | %s | %.0f | %.0f | %.1f MB |" % (
        modes[int(args["mode"])], "on" if args["bombs"] == "1" else "off", args["blocks"],
        b["items_per_second"], b["ticksPerGame"], b["peakRssKiB"] / 1024))
w("")

w("## Full redraw on the software canvas")
w("")
w("Command: `build/native/tests/bench/tintfall_bench --benchmark_filter='FullRedraw|PlainCopy'`")
w("")
w("A running game with a filled board over the 3D field picture, composed in the back buffer")
w("and copied to the window, from the generated artwork of `dist/graph`. The floor is one")
w("`memcpy` of as many bytes as the frame holds.")
w("")
w("At 192 DPI the frame is twice as wide and high, drawn from the 2x pictures held at load")
w("(`AssetStore` at `DisplayScale{192}`) through the `ScaledCanvas` the window uses.")
w("")
w("| size | redraw | plain copy | ratio | target (within 4x) |")
w("|---|---|---|---|---|")
redraw_ok = True
for arg, label in (("0/dpi:96", "Normal 483 x 407"), ("1/dpi:96", "Big 602 x 602"),
                   ("0/dpi:192", "Normal at 2x, 966 x 814"), ("1/dpi:192", "Big at 2x, 1204 x 1204")):
    r = us("FullRedraw/big:" + arg)
    c = us("PlainCopyOfFrameBytes/big:" + arg)
    redraw_ok = redraw_ok and r <= 4 * c
    w("| %s | %.1f µs | %.1f µs | %.1fx | %s |" % (label, r, c, r / c, verdict(r <= 4 * c)))
w("")

w("## Pictures at start-up")
w("")
w("Command: `build/native/tests/bench/tintfall_bench --benchmark_filter=OnDist`")
w("")
w("The pictures of the block set in use loaded from the generated `dist/`, then the check of")
w("every file the program needs, which takes those pictures from the store and reads only the")
w("headers of the other eleven block sets' 44 pictures. The floor loads the same pictures and")
w("checks nothing.")
w("")
w("| what | time | floor | ratio |")
w("|---|---|---|---|")
start_up, pictures = us("BM_StartUpPicturesOnDist"), us("BM_PicturesInUseOnDist/dpi:96")
w("| pictures loaded and files checked | %.2f ms | %.2f ms | %.2fx |" % (start_up / 1000, pictures / 1000, start_up / pictures))
for dpi in ("144", "192"):
    scaled = us("BM_PicturesInUseOnDist/dpi:" + dpi)
    w("| pictures in use loaded for %s DPI | %.2f ms | %.2f ms (at 96 DPI) | %.2fx |" % (dpi, scaled / 1000, pictures / 1000, scaled / pictures))
w("")

w("## Under Wine, beside the floor program")
w("")
w("Command: `bash tests/bench/wine_figures.sh` (the floor is `tests/bench/floor/floor.c`, built by")
w("the same mingw-w64 tree: a bare window of the Big client size, 602 x 602, as the game has here,")
w("with a 20 ms timer that does nothing). Launch is the median of %s starts from `wine` to the mapped window; processor" % wine.get("launches", "5"))
w("shares are user + system time of the program's process over %s s; the running game" % wine.get("seconds", "30"))
w("uses two-block pieces with nothing pressed. Peak memory is VmHWM at the end.")
w("")


def f(key):
    return float(wine[key])


graph_mb = f("graph_bytes") / 1e6
def share_row(what, key, floor_key, factor, label):
    game, fl = f(key), f(floor_key)
    ratio = game / max(fl, 0.01)
    return (what, "%.2f%%" % game, "%.2f%%" % fl, ratio, "within %sx" % label, game <= factor * fl)


rows = [
    ("launch to visible window", "%.2f s" % f("game.launch_s"), "%.2f s" % f("floor.launch_s"),
     f("game.launch_s") / f("floor.launch_s"), "within 1.5x", f("game.launch_s") <= 1.5 * f("floor.launch_s")),
    share_row("share of one core, no game (title animated, as started)", "game.idle_pct", "floor.idle_pct", 1.1, "1.1"),
    share_row("share of one core, no game (title still)", "still.idle_pct", "floor.idle_pct", 1.1, "1.1"),
    share_row("share of one core, running game (title animated)", "game.running_pct", "floor.running_pct", 1.3, "1.3"),
    share_row("share of one core, running game (title still)", "still.running_pct", "floor.running_pct", 1.3, "1.3"),
]
w("| what | tintfall.exe | floor | ratio | target | |")
w("|---|---|---|---|---|---|")
for what, game, fl, ratio, target, ok in rows:
    w("| %s | %s | %s | %.2fx | %s | %s |" % (what, game, fl, ratio, target, verdict(ok)))
above = (f("game.peak_kb") - f("floor.peak_kb")) * 1024 / 1e6
w("| peak resident memory | %.1f MB | %.1f MB | %.1f MB above the floor = %.2fx the %.1f MB of graph/ | at most 1.3x graph/ | %s |"
  % (f("game.peak_kb") * 1024 / 1e6, f("floor.peak_kb") * 1024 / 1e6, above, above / graph_mb, graph_mb,
     verdict(above <= 1.3 * graph_mb)))
if "game2x.peak_kb" in wine:
    above2x = (f("game2x.peak_kb") - f("floor2x.peak_kb")) * 1024 / 1e6
    graph2x_mb = f("graph2x_bytes") / 1e6
    w("")
    w("At 192 DPI (a prefix whose `LogPixels` is 192), the Normal window, 966 x 814 pixels, beside the")
    w("floor program of the same client size; a game running. The pictures held are the 2x set's, in place")
    w("of the 1x ones:")
    w("")
    w("| what | tintfall.exe | floor | above the floor | against graph/2x/ |")
    w("|---|---|---|---|---|")
    w("| peak resident memory at 2x | %.1f MB | %.1f MB | %.1f MB | %.2fx the %.1f MB of graph/2x/ |"
      % (f("game2x.peak_kb") * 1024 / 1e6, f("floor2x.peak_kb") * 1024 / 1e6, above2x, above2x / graph2x_mb, graph2x_mb))
w("")

w("Where the animated title misses its target: every title change makes Wine repaint the")
w("window caption, creating device contexts and setting up fonts each time (the title")
w("changes about five times a second). With the title still, the program asks the Wine")
w("server as often as the floor does; count with")
w("`strace -c -f -p <pid of tintfall.exe>` over ten seconds, with `animateTitle` on and off.")
w("")

w("## Table server judge")
w("")
w("Command: `build/native/tests/bench/tintfall_bench --benchmark_filter=Judge` (the databases are")
w("made once and kept in `TINTFALL_BENCH_DATA`, default the temporary folder). One upload judged,")
w("kept and the table published again, as the serving judge does it with its database open (wall")
w("clock time, since it waits on the disk). The")
w("floor is the same judgement at ten thousand installations: a judge that does not slow down")
w("with the table's size stays near it.")
w("")
w("| installations | one upload | ratio to 10 000 |")
w("|---|---|---|")
judged = sorted((int(name.split("/")[1]), us(name, "real_time")) for name in bench
                if name.startswith("JudgeOneUpload/") and "error_message" not in bench[name])
for count, time in judged:
    w("| %d | %.2f ms | %.2fx |" % (count, time / 1000, time / judged[0][1]))
# A benchmark that stopped with an error has no figure; say so rather than print a zero.
for name in sorted(name for name in bench if name.startswith("JudgeOneUpload/") and "error_message" in bench[name]):
    w("| %s | not measured: %s | |" % (name.split("/")[1], bench[name]["error_message"]))
w("")
if "ReplayTick/0" in bench and "ReplayVerify/1" in bench:
    w("## Replays")
    w("")
    w("Command: `build/native/tests/bench/tintfall_bench --benchmark_filter=Replay`. The same 24 games")
    w("(modes in turn, a random player that lets pieces fall) played headless: a tick with the replay")
    w("recorded beside the same tick unrecorded (the floor), and the games verified from their replay")
    w("files (read, expanded, re-run, processor time) beside the same games played headless unrecorded")
    w("(the floor).")
    w("")
    tick_floor = us("ReplayTick/0") / bench["ReplayTick/0"]["ticksPerIteration"]
    tick = us("ReplayTick/1") / bench["ReplayTick/1"]["ticksPerIteration"]
    minutes = bench["ReplayVerify/1"]["minutesPerRound"]
    verify = us("ReplayVerify/1") / minutes
    play = us("ReplayVerify/0") / minutes
    w("| what | figure | floor | ratio | target | |")
    w("|---|---|---|---|---|---|")
    w("| one tick, recorded | %.1f ns | %.1f ns | %.2fx | under 1.05x | %s |"
      % (tick * 1000, tick_floor * 1000, tick / tick_floor, verdict(tick / tick_floor < 1.05)))
    w("| verifying a minute of play | %.3f ms | %.3f ms | %.2fx | | |" % (verify / 1000, play / 1000, verify / play))
    w("| verifying a 10-minute game | %.2f ms | | | under 50 ms | %s |" % (verify / 100, verdict(verify / 100 < 50)))
    w("| replay size | %.0f bytes a minute of play | | | | |" % bench["ReplayVerify/1"]["replayBytesPerMinute"])
    w("")
sys.stdout.write("\n".join(lines))
