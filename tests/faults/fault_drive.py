#!/usr/bin/env python3
"""Runs kavdrift-cli under seeded system-call faults and checks one property per run.

When a fault touched anything the answer depends on, the exit status is 2 and standard error
names it; when none did, the output is byte-identical to the fault-free run; EINTR and short
counts never change anything; never a crash, a hang or a sanitizer report. A failing seed
prints a one-line reproduction.

usage: fault_drive.py CLI FAILSYS_LIB [--seeds N] [--first S] [--rate R]
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TIMEOUT = 10
SOFT = {"EINTR", "SHORT"}


def write(path, data, stamp):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    os.utime(path, (stamp, stamp))


def make_trees(root):
    """New and Old trees with every kind of pair: equal, same size but different content,
    different sizes with equal stamps, one side only, files across several read chunks (and
    one large enough for chunk pairs),
    nested folders and an empty file."""
    big = bytes(range(256)) * 2600  # 650 KiB: three read chunks
    stamp = 1_600_000_000
    files = {
        "same.txt": (b"same\n", b"same\n"),
        "content.txt": (b"abcd\n", b"abcE\n"),
        "sizes.txt": (b"short\n", b"longer one\n"),
        "empty.txt": (b"", b""),
        "onlynew.txt": (b"new\n", None),
        "onlyold.txt": (None, b"old\n"),
        "big.bin": (big, big),
        "bigdiff.bin": (big, big[:-1] + b"!"),
        "huge.bin": (big * 3, big * 3),  # 1.9 MiB: read on in chunk pairs by two threads
        "sub/a.txt": (b"a\n", b"a\n"),
        "sub/b.txt": (b"b\n", b"B\n"),
        "sub/deep/c.txt": (b"c\n", b"c\n"),
        "sub/deep/onlynew.txt": (b"n\n", None),
        "other/x.txt": (b"x\n", b"x\n"),
    }
    for name, (new, old) in files.items():
        if new is not None:
            write(os.path.join(root, "new", name), new, stamp)
        if old is not None:
            write(os.path.join(root, "old", name), old, stamp)
    os.makedirs(os.path.join(root, "new", "onlynewdir"))
    write(os.path.join(root, "new", "onlynewdir", "f.txt"), b"f\n", stamp)


def commands(root):
    new, old = os.path.join(root, "new"), os.path.join(root, "old")
    selections = {
        1: [], 2: [], 5: [], 6: [],
        3: ["--select", "content.txt", "--select", "big.bin", "--select", "same.txt"],
        4: ["--pair", "same.txt : content.txt", "--pair", "bigdiff.bin : big.bin"],
    }
    runs = []
    for codes in ([], ["-o", "Veqf"], ["-o", "Lsbs"], ["-o", "Veqf,Lsbs"]):
        for kind in range(1, 7):
            dirs = [new] if kind == 5 else [new, old]
            runs.append(["-t", str(kind), "--color", "never"] + codes + selections[kind] + dirs)
    return runs


def run(cli, lib, args, env_extra):
    # A sanitized build still runs with the library preloaded ahead of its runtime.
    env = dict(os.environ, LD_PRELOAD=lib, LC_ALL="C",
               ASAN_OPTIONS="verify_asan_link_order=0", **env_extra)
    try:
        done = subprocess.run([cli] + args, env=env, capture_output=True, timeout=TIMEOUT)
        return done.returncode, done.stdout, done.stderr
    except subprocess.TimeoutExpired:
        return "hang", b"", b""


def faults_of(log):
    if not os.path.exists(log):
        return []
    with open(log) as f:
        return [line.rstrip("\n").split(" ", 2) for line in f if line.strip()]


def named(stderr, root, path):
    """True when standard error names the faulted path, the folder it sits in, or (for the
    compared folders themselves) the folder's role."""
    text = stderr.decode("utf-8", "replace")
    if path == "<stdout>":
        return "write error" in text
    relative = os.path.relpath(path.rstrip("/"), root)
    top = relative.split(os.sep)[0]
    if relative in (".", "new", "old") and ("Invalid New" in text or "Invalid Old" in text):
        return True
    candidates = {relative}
    parts = relative.split(os.sep)
    for i in range(1, len(parts)):
        candidates.add(os.sep.join(parts[:i]))
    return top in ("new", "old") and any(c in text for c in candidates)


def must_surface(call):
    # The program reads a file or a listing only when the answer needs it; an open or a stat
    # it makes for a fact it has anyway may fail unnoticed as long as the answer stays right.
    return call in ("read", "readdir")


def check(seed, args, base, got, faults, root):
    rc, out, err = got
    if rc == "hang":
        return "hang (> %d s)" % TIMEOUT
    if isinstance(rc, int) and rc < 0:
        return "killed by signal %d" % -rc
    if b"Sanitizer" in err or b"runtime error" in err:
        return "sanitizer report: " + err.decode("utf-8", "replace").splitlines()[0]
    hard = [f for f in faults if f[1] not in SOFT]
    if not hard:
        if got != base:
            return "only EINTR/short counts (%d), yet the result changed (exit %s, base %s)" % (
                len(faults), rc, base[0])
        return None
    if rc == 2:
        if not any(named(err, root, f[2]) for f in hard):
            return "exit 2 but standard error names none of %s" % [f[2] for f in hard]
        return None
    surfacing = [f for f in hard if must_surface(f[0])]
    if surfacing:
        return "fault %s not reported (exit %s)" % (" ".join(surfacing[0]), rc)
    if (rc, out) != base[:2]:
        return "unreported fault changed the answer (exit %s, base %s)" % (rc, base[0])
    return None


def pair_tree(root, size=300_000):
    """A New and an Old folder with one equal file pair (more than one read chunk) and an
    equal pair in a sub-folder, all with one stamp."""
    data = bytes(i % 251 for i in range(size))
    for side in ("new", "old"):
        write(os.path.join(root, side, "f.bin"), data, 1_600_000_000)
        write(os.path.join(root, side, "sub", "g.txt"), b"g\n", 1_600_000_000)
    return data


def underfoot_scenarios(cli, lib):
    """Files and folders that change while they are compared. Returns the problems found."""
    problems = []
    cases = [
        # name, environment, command, exit statuses that are right
        ("file grows", {"FAILSYS_GROW": "new/f.bin"}, ["-t", "1", "-o", "Veqf"], {1, 2}),
        ("file shrinks", {"FAILSYS_SHRINK": "old/f.bin"}, ["-t", "1", "-o", "Veqf"], {1, 2}),
        ("tree file grows", {"FAILSYS_GROW": "new/f.bin"}, ["-t", "2", "-o", "Veqf"], {1, 2}),
        ("tree file shrinks", {"FAILSYS_SHRINK": "new/f.bin"}, ["-t", "2", "-o", "Veqf"], {1, 2}),
        # The open file is what is read: a rename over its name changes nothing already open.
        ("file replaced", {"FAILSYS_REPLACE": "new/f.bin:{other}"}, ["-t", "1", "-o", "Veqf"], {0}),
        ("folder becomes a file", {"FAILSYS_SWAP_DIR": "new/sub"}, ["-t", "2"], {2}),
        ("listed folder becomes a file", {"FAILSYS_SWAP_DIR": "new/sub"}, ["-t", "5"], {2}),
    ]
    for name, env, args, allowed in cases:
        root = tempfile.mkdtemp(prefix="kavdrift-underfoot-")
        try:
            data = pair_tree(root)
            other = os.path.join(root, "other.bin")
            write(other, data[::-1], 1_600_000_000)
            env = {k: v.format(other=other) for k, v in env.items()}
            dirs = [os.path.join(root, "new")] + ([] if args[1] == "5" else [os.path.join(root, "old")])
            rc, out, err = run(cli, lib, args + ["--color", "never"] + dirs, env)
            text = err.decode("utf-8", "replace")
            print("underfoot: %s: exit %s %s" % (name, rc, text.strip().replace(root, "$ROOT")[:100]))
            if rc not in allowed:
                problems.append("%s: exit %s, expected %s; %s" % (name, rc, sorted(allowed), text.strip()))
            elif rc == 2 and "new/sub" not in text and "new/f.bin" not in text:
                problems.append("%s: exit 2 without naming the path: %s" % (name, text.strip()))
        finally:
            shutil.rmtree(root)
    return problems


def halt_scenario(cli, lib, entries=100_000):
    """A listing of a huge folder, slowed down, is stopped by SIGINT within a second."""
    root = tempfile.mkdtemp(prefix="kavdrift-halt-")
    try:
        big = os.path.join(root, "new")
        os.makedirs(big)
        for i in range(entries):
            os.close(os.open(os.path.join(big, "f%06d" % i), os.O_CREAT | os.O_WRONLY, 0o644))
        env = dict(os.environ, LD_PRELOAD=lib, LC_ALL="C", FAILSYS_SLOW_READDIR_US="100",
                   ASAN_OPTIONS="verify_asan_link_order=0")
        child = subprocess.Popen([cli, "-t", "5", "--color", "never", big], env=env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        time.sleep(1.0)
        if child.poll() is not None:
            return ["halt: the slowed listing ended before the interrupt (exit %s)" % child.returncode]
        child.send_signal(signal.SIGINT)
        sent = time.monotonic()
        try:
            child.wait(timeout=5)
        except subprocess.TimeoutExpired:
            child.kill()
            child.wait()
            return ["halt: still running 5 s after SIGINT"]
        took = time.monotonic() - sent
        print("halt: %d entries, stopped %.2f s after SIGINT, exit %s" % (entries, took, child.returncode))
        if took > 1.0:
            return ["halt: took %.2f s after SIGINT" % took]
        if child.returncode != 2:
            return ["halt: exit %s after SIGINT, expected 2" % child.returncode]
        return []
    finally:
        shutil.rmtree(root)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("lib")
    parser.add_argument("--seeds", type=int, default=300)
    parser.add_argument("--first", type=int, default=1)
    parser.add_argument("--rate", type=int, default=15)
    parser.add_argument("--keep", action="store_true", help="keep the trees and logs")
    parser.add_argument("--no-scenarios", action="store_true",
                        help="only the seeds, not the files and folders changed underfoot")
    options = parser.parse_args()
    cli, lib = os.path.abspath(options.cli), os.path.abspath(options.lib)

    root = tempfile.mkdtemp(prefix="kavdrift-faults-")
    make_trees(root)
    runs = commands(root)
    bases = [run(cli, lib, args, {}) for args in runs]
    for args, base in zip(runs, bases):
        if base[0] not in (0, 1):
            print("fault-free run failed (exit %s): %s" % (base[0], " ".join(args)))
            return 1

    failures, faulted, hard_runs = 0, 0, 0
    log = os.path.join(root, "faults.log")
    for seed in range(options.first, options.first + options.seeds):
        args = runs[seed % len(runs)]
        kinds = "soft" if seed % 4 == 0 else "all"
        env = {"FAILSYS_SEED": str(seed), "FAILSYS_UNDER": root + "/",
               "FAILSYS_RATE": str(options.rate), "FAILSYS_KINDS": kinds, "FAILSYS_LOG": log}
        if os.path.exists(log):
            os.remove(log)
        got = run(cli, lib, args, env)
        faults = faults_of(log)
        faulted += bool(faults)
        hard_runs += any(f[1] not in SOFT for f in faults)
        problem = check(seed, args, bases[seed % len(runs)], got, faults, root)
        if problem:
            # The report shows the start time: a fault-free run taken now settles whether the
            # minute changed meanwhile.
            bases[seed % len(runs)] = run(cli, lib, args, {})
            problem = check(seed, args, bases[seed % len(runs)], got, faults, root)
        if problem:
            failures += 1
            print("FAIL seed %d: %s; faults: %s" % (seed, problem, "; ".join(" ".join(f) for f in faults)))
            print("  reproduce: %s --first %d --seeds 1 --rate %d   # kavdrift-cli %s" % (
                " ".join([sys.argv[0], options.cli, options.lib]), seed, options.rate,
                " ".join(a.replace(root, "$ROOT") for a in args)))
    print("fault injection: %d seeds, %d with faults (%d with errors), %d failed" % (
        options.seeds, faulted, hard_runs, failures))
    if not options.no_scenarios:
        for problem in underfoot_scenarios(cli, lib) + halt_scenario(cli, lib):
            failures += 1
            print("FAIL " + problem)
    if options.keep:
        print("trees kept in", root)
    else:
        shutil.rmtree(root)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
