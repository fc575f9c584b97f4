#!/usr/bin/env python3
"""Long-run check: one session of many mixed commands over a data set.

Feeds the real program a scripted session (conj, rconj, cw with its menus,
help, dtest refused, parse errors, result files) and reads its resident
memory from /proc at every checkpoint, so that growth over a long session
shows. Not part of the test suite; `make longrun` runs it over the bundled data.

Usage: tests/longrun/longrun.py [--binary PATH] [--data DIR] [--commands N]
                                [--every N] [--seed N]
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DATA_FILES = ["Rules_Verbs.dat", "Rules_VClass.dat", "Rules_Adj.dat",
              "Words_Verbs.dat", "Words_Adj.dat"]


def memory_of(pid):
    """Resident and peak resident memory of a process, in KiB."""
    fields = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            name, _, value = line.partition(":")
            if name in ("VmRSS", "VmHWM"):
                fields[name] = int(value.split()[0])
    return fields.get("VmRSS", 0), fields.get("VmHWM", 0)


class OutputWatcher(threading.Thread):
    """Reads the program's output, discarding it, and signals each checkpoint
    line it sees, so that memory is read once the commands before the
    checkpoint have really been carried out."""

    def __init__(self, stream):
        super().__init__(daemon=True)
        self.stream = stream
        self.seen = threading.Semaphore(0)
        self.bytes = 0

    def run(self):
        tail = b""
        marker = b"No such command: longrun-checkpoint"
        for chunk in iter(lambda: self.stream.read1(1 << 16), b""):
            self.bytes += len(chunk)
            text = tail + chunk
            for _ in range(text.count(marker)):
                self.seen.release()
            tail = text[-(len(marker) - 1):]


def dictionary_words(binary, workdir):
    """Romaji of every dictionary entry and one form of each, from dtest."""
    run = subprocess.run([binary], cwd=workdir, input=b"dtest -va\nyes\nexit\n",
                         stdout=subprocess.PIPE, check=True)
    verbs, adjectives, forms = [], [], []
    section = None
    for raw in run.stdout.split(b"\n"):
        line = raw.decode("latin-1")
        if line in ("VERBS", "ADJECTIVES"):
            section = line
            continue
        if section is None or not line or line.startswith("-") or line.startswith("Doing") \
                or line.startswith(">") or line.startswith("\t"):
            continue
        word, form = line[:25].strip(), line[25:].strip()
        if not word:
            continue
        (verbs if section == "VERBS" else adjectives).append(word)
        if form:
            forms.append(form)
    return verbs, adjectives, forms


def session(count, verbs, adjectives, forms, rng):
    """Yields `count` commands, each with the menu answers it may need."""
    senses = ["aff", "neg", "affirmative", "negative", "x"]
    politeness = ["plain", "pol", "polite", "abrupt", "x"]
    for _ in range(count):
        pick = rng.random()
        if pick < 0.30:
            verb = rng.choice(verbs)
            extra = ""
            if rng.random() < 0.3:
                extra += " -s " + rng.choice(senses)
            if rng.random() < 0.3:
                extra += " -p " + rng.choice(politeness)
            if rng.random() < 0.2:
                extra += " -m " + "|".join(str(rng.randint(1, 40)) for _ in range(3))
            if rng.random() < 0.05:
                extra += " -f longrun_result"
            yield f"conj -v {verb}{extra}\n1\n"
        elif pick < 0.42:
            yield f"conj -a {rng.choice(adjectives)} -s {rng.choice(senses)}\n1\n"
        elif pick < 0.50:
            yield f"conj -s {rng.choice(senses)} -p {rng.choice(politeness)}\n1\n"
        elif pick < 0.62:
            form = rng.choice(forms)
            yield f"rconj \"{form}\"\n" if rng.random() < 0.8 else f"rconj -a {rng.choice(adjectives)}\n"
        elif pick < 0.70:
            yield f"cw -h\n{rng.randint(0, 11)}\n1\n"
        elif pick < 0.78:
            yield f"cw -r\n{rng.randint(0, 30)}\n0\n"
        elif pick < 0.82:
            yield "cw\n"
        elif pick < 0.88:
            yield rng.choice(["help\n", "help conj\n", "help rconj\n", "help cw\n", "help dtest\n",
                              "help exit\n"])
        elif pick < 0.91:
            yield "dtest -va\nno\n"
        elif pick < 0.96:
            yield rng.choice(["xyz\n", "conj -v\n", "conj -x taberu\n", "conj -ii\n",
                              "conj -v taberu -a takai\n", "rconj a b c\n", "   \n",
                              "conj -v " + "a" * 300 + "\n"])
        else:
            yield f"conj -v {rng.choice(verbs)} -t Past -i\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default=os.path.join(ROOT, "build", "release", "zunoka"))
    parser.add_argument("--data", default=os.path.join(ROOT, "data"))
    parser.add_argument("--commands", type=int, default=100000)
    parser.add_argument("--every", type=int, default=10000)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)

    with tempfile.TemporaryDirectory(prefix="zunoka-longrun-") as workdir:
        for name in DATA_FILES:
            source = os.path.join(args.data, name)
            if os.path.exists(source):
                shutil.copy(source, workdir)
        verbs, adjectives, forms = dictionary_words(binary, workdir)
        if not verbs or not adjectives or not forms:
            sys.exit("the data set has no dictionary words to drive the session")
        print(f"data: {len(verbs)} verbs, {len(adjectives)} adjectives; "
              f"session of {args.commands} commands")

        rng = random.Random(args.seed)
        started = time.monotonic()
        program = subprocess.Popen([binary], cwd=workdir, stdin=subprocess.PIPE,
                                   stdout=subprocess.PIPE)
        watcher = OutputWatcher(program.stdout)
        watcher.start()
        program.stdin.write(b"help longrun-checkpoint\n")
        program.stdin.flush()
        watcher.seen.acquire()
        rss, peak = memory_of(program.pid)
        print(f"{'commands':>9} {'rss KiB':>9} {'peak KiB':>9} {'seconds':>8}")
        print(f"{0:>9} {rss:>9} {peak:>9} {0.0:>8.1f}")
        sent = 0
        for command in session(args.commands, verbs, adjectives, forms, rng):
            program.stdin.write(command.encode("latin-1"))
            sent += 1
            if sent % args.every == 0:
                program.stdin.write(b"help longrun-checkpoint\n")
                program.stdin.flush()
                watcher.seen.acquire()
                rss, peak = memory_of(program.pid)
                print(f"{sent:>9} {rss:>9} {peak:>9} {time.monotonic() - started:>8.1f}",
                      flush=True)
        program.stdin.write(b"exit\n")
        program.stdin.close()
        if program.wait(timeout=600) != 0:
            sys.exit(f"the program ended with status {program.returncode}")
        watcher.join()
        print(f"done: {sent} commands in {time.monotonic() - started:.1f} s, "
              f"{watcher.bytes} bytes of output")


if __name__ == "__main__":
    main()
