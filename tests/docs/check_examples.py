# jaggo tests: the documents' examples of output, run and held against the real output.
# Usage: check_examples.py SOURCE_DIR BUILD_DIR [DOCUMENT...]   (default: the README, docs/*.md and
# man/*.1.in). JAGGO_BIN and JAGGO_VERDICT_BIN name the programs. Each failing example prints its
# document, line and command, and a diff from the documented lines (-) to the real ones (+).
#
# Every example of output is preceded by a mark that names its command:
#   Markdown:  <!-- check: COMMAND -->          before a fence
#   man page:  .\" check: COMMAND               before the .nf block
# "check:" holds the whole standard output to the block, "check part:" a run of its lines found
# anywhere in it. A block whose lines start with "$ " is a transcript ("check: transcript"): its
# commands run in one shell (so "echo $?" shows a status), and the lines after each are its output.
# Flags in one trailing pair of brackets: "(status N)" holds the exit status too; "(escape)" ends a
# program that keeps its window open (jaggo, the last command) with Escape once the window is
# there: "(escape, status 0)". "not run: REASON" marks an example that is not run here (another
# system's, or a form rather than an output); the reason must be given. A Markdown fence with the
# info string "sh" holds commands to type, and needs no mark; every other fence and every .nf
# block needs one.
#
# In the documented lines, "{{value}}" is an example of what varies between machines and runs (a
# renderer string, a configuration number): it matches any text. A line "..." stands for any
# number of lines.
#
# Commands run in a folder of their own on a private Xvfb, with the programs on PATH, build-dev/
# and build/ naming the build folder, and scripts/run.sh and scripts/sweep.sh standing for the
# scripts as they run once their build is done (the build here is the test's own).
import difflib
import glob
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

from harness import xsession as xs

MARK_MD = re.compile(r"^\s*<!--\s*(check|check part|not run)\s*:\s*(.*?)\s*-->\s*$")
MARK_ROFF = re.compile(r'^\.\\"\s*(check|check part|not run)\s*:\s*(.*?)\s*$')
FLAGS = re.compile(r"^(.*?)\s*\(((?:status \d+|escape)(?:, (?:status \d+|escape))*)\)$")
VARIES = re.compile(r"\{\{.*?\}\}")
GAP = ("...", "…")
SENTINEL = "@@ jaggo example @@"
TIMEOUT = 180  # seconds for one command; a sweep with -o takes some ten


class Example:
    def __init__(self, path, line, kind, command, lines):
        self.path, self.line, self.kind, self.lines = path, line, kind, lines
        self.status, self.escape = None, False
        m = FLAGS.match(command)
        if m:
            command = m.group(1)
            for flag in m.group(2).split(", "):
                if flag == "escape":
                    self.escape = True
                else:
                    self.status = int(flag.split()[1])
        self.command = command

    def where(self):
        return "%s:%d" % (self.path, self.line)


def unescape_roff(line):
    """A line of a .nf block as the reader sees it."""
    for escape, plain in (("\\-", "-"), ("\\&", ""), ("\\e", "\\"), ("\\(lq", "\u201c"), ("\\(rq", "\u201d")):
        line = line.replace(escape, plain)
    return re.sub(r"\\f[BIRP]", "", line)


def markdown_examples(path, text):
    """The examples of a Markdown document, and the problems of its marks (unmarked output)."""
    examples, problems = [], []
    lines = text.splitlines()
    mark = None
    i = 0
    while i < len(lines):
        line = lines[i]
        m = MARK_MD.match(line)
        fence = re.match(r"^(\s*)```(.*)$", line)
        if m:
            mark = (i + 1, m.group(1), m.group(2))
        elif fence:
            indent, info = fence.group(1), fence.group(2).strip()
            end = i + 1
            while end < len(lines) and lines[end].strip() != "```":
                end += 1
            body = [b[len(indent):] if b.startswith(indent) else b for b in lines[i + 1:end]]
            if mark:
                examples.append(Example(path, i + 1, mark[1], mark[2], body))
            elif info != "sh":
                problems.append("%s:%d: an example without a mark naming its command" % (path, i + 1))
            mark = None
            i = end
        elif line.strip() and mark:
            problems.append("%s:%d: a mark not followed by a fence" % (path, mark[0]))
            mark = None
        i += 1
    return examples, problems


def roff_examples(path, text):
    """The examples of a manual page (its .nf blocks), and the problems of their marks."""
    examples, problems = [], []
    lines = text.splitlines()
    mark = None
    i = 0
    while i < len(lines):
        line = lines[i]
        m = MARK_ROFF.match(line)
        if m:
            mark = (i + 1, m.group(1), m.group(2))
        elif line.strip() == ".nf":
            end = i + 1
            while end < len(lines) and lines[end].strip() != ".fi":
                end += 1
            body = [unescape_roff(b) for b in lines[i + 1:end]]
            if mark:
                examples.append(Example(path, i + 1, mark[1], mark[2], body))
            else:
                problems.append("%s:%d: an example without a mark naming its command" % (path, i + 1))
            mark = None
            i = end
        elif mark and line.split()[:1] not in ([".PP"], [".RS"], [".IP"]):
            problems.append("%s:%d: a mark not followed by a .nf block" % (path, mark[0]))
            mark = None
        i += 1
    return examples, problems


def line_pattern(line):
    """A documented line as a regular expression: {{...}} matches any text."""
    parts = VARIES.split(line)
    return ".*?".join(re.escape(p) for p in parts)


def matches(documented, actual, part):
    """Whether the real lines are the documented ones ("..." any lines; a part anywhere)."""
    pattern = "".join("(?:.*\n)*?" if d.strip() in GAP else line_pattern(d) + "\n" for d in documented)
    if part:
        pattern = "(?:.*\n)*?" + pattern + "(?:.*\n)*"
    return re.fullmatch(pattern, "".join(a + "\n" for a in actual)) is not None


def shown_as_real(documented, actual):
    """The documented lines with each one that matches a real line replaced by it, and each "..."
    by the lines it stands for, so that a diff against the real lines shows only what drifted."""
    shown, pos = [], 0
    for i, d in enumerate(documented):
        if d.strip() in GAP:
            following = next((n for n in documented[i + 1:] if n.strip() not in GAP), None)
            # Up to the next documented line's match; where it has none, as many lines before the
            # end as there are documented lines left.
            left = len([n for n in documented[i + 1:] if n.strip() not in GAP])
            stop = max(pos, len(actual) - left)
            if following is not None:
                stop = next((k for k in range(pos, len(actual))
                             if re.fullmatch(line_pattern(following), actual[k])), stop)
            shown += actual[pos:stop]
            pos = stop
            continue
        k = next((k for k in range(pos, len(actual)) if re.fullmatch(line_pattern(d), actual[k])), None)
        if k is None:
            shown.append(d)
        else:
            shown.append(actual[k])
            pos = k + 1
    return shown


def run_shell(script, env, escape=False):
    """The script's status, standard output lines and standard error. With escape its last
    command is a program that keeps its window open: once the window is there, Escape ends it."""
    if not escape:
        r = xs.run(["bash", "-c", script], env, TIMEOUT)
        return r.returncode, r.stdout.splitlines(), r.stderr
    proc = subprocess.Popen(["bash", "-c", script], env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    proc.pending = b""
    window = xs.find_window(env["DISPLAY"], proc, TIMEOUT)
    if window is not None:
        xs.escape(env["DISPLAY"], proc, window, TIMEOUT)
    out, err = xs.communicate(proc, TIMEOUT)
    return proc.returncode, out.splitlines(), err


def check(example, cwd, env, ran):
    """The problems of one example: its drift, as a diff, or its status. ran keeps the runs of
    the commands outside transcripts, each run once."""
    transcript = any(line.startswith("$ ") for line in example.lines)
    if transcript:
        commands = [line[2:] for line in example.lines if line.startswith("$ ")]
        # Each command's output after a line of its own; the status kept across it for "echo $?".
        script = "cd %s\n" % cwd + "".join("s=$?; echo '%s'; (exit $s)\n%s\n" % (SENTINEL, c) for c in commands)
        if example.escape:  # the program itself, so that Escape ends it
            script = script[:script.rindex("\n", 0, -1) + 1] + "exec " + commands[-1] + "\n"
        status, out, err = run_shell(script, env, example.escape)
        segments = "\n".join(out).split(SENTINEL)[1:]
        actual = []
        for command, segment in zip(commands, segments):
            actual += ["$ " + command] + segment.strip("\n").splitlines()
        documented = example.lines
    else:
        key = (example.command, example.escape)
        if key not in ran:
            ran[key] = run_shell("cd %s\n%s%s" % (cwd, "exec " if example.escape else "", example.command),
                                 env, example.escape)
        status, actual, err = ran[key]
        documented = example.lines
    problems = []
    if not matches(documented, actual, example.kind == "check part"):
        diff = difflib.unified_diff(shown_as_real(documented, actual), actual, "documented", "real",
                                    lineterm="")
        problems.append("\n".join(diff) + ("\nstandard error:\n" + err if err else ""))
    if example.status is not None and status != example.status:
        problems.append("status %d, documented %d%s" % (status, example.status,
                                                        "\nstandard error:\n" + err if err else ""))
    return problems


def workspace(source, build):
    """The folder the commands run in: build-dev and build name the build folder, and scripts/
    holds the run and sweep commands as they run once built."""
    cwd = tempfile.mkdtemp(prefix="jaggo-examples-")
    os.symlink(build, os.path.join(cwd, "build-dev"))
    os.symlink(build, os.path.join(cwd, "build"))
    os.mkdir(os.path.join(cwd, "scripts"))
    os.symlink(os.path.join(source, "scripts", "headless.py"), os.path.join(cwd, "scripts", "headless.py"))
    run = ('#!/usr/bin/env bash\n'
           '# scripts/run.sh once its build is done: jaggo-verdict on the display, or on a private one.\n'
           'if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then exec "%s" "$@"; fi\n'
           'exec python3 "%s" "%s" "$@"\n') % (os.environ["JAGGO_VERDICT_BIN"],
                                              os.path.join(source, "scripts", "headless.py"),
                                              os.environ["JAGGO_VERDICT_BIN"])
    for name, text in (("run.sh", run), ("sweep.sh", '#!/usr/bin/env bash\nexec "$(dirname "$0")/run.sh" -a "$@"\n')):
        with open(os.path.join(cwd, "scripts", name), "w") as f:
            f.write(text)
        os.chmod(os.path.join(cwd, "scripts", name), 0o755)
    return cwd


def bold_words(roff_lines):
    """The words a manual page's lines set in bold, in order (.B, and .BR/.RB's bold halves)."""
    words = []
    for line in roff_lines:
        request, _, rest = line.partition(" ")
        args = shlex.split(rest) if request in (".B", ".BR", ".RB") else []
        words += args if request == ".B" else args[request == ".RB"::2]
    return words


def man_json_keys(source):
    """The JSON keys jaggo-verdict's manual page lists under -j, in order: its bold names."""
    with open(os.path.join(source, "man", "jaggo-verdict.1.in"), encoding="utf-8") as f:
        lines = f.read().splitlines()
    start = lines.index(".B \\-j")
    end = lines.index(".TP", start)
    return [w for w in bold_words(lines[start:end]) if re.fullmatch(r"[a-z_]+", w)]


def printed_keys(objects):
    """Every key of the printed objects, nested ones too; and the top level's, in order."""
    every = set()

    def walk(value):
        if isinstance(value, dict):
            every.update(value)
            for v in value.values():
                walk(v)
    for o in objects:
        walk(o)
    return every, list(objects[0])


def check_json_keys(source, cwd, env):
    """The manual page's key list against the keys of a run that fills every kind of object: windows
    with extensions and offered counts (-a -x), and offscreen objects (-o)."""
    status, out, err = run_shell("cd %s\njaggo-verdict -a -x -o -j" % cwd, env)
    try:
        objects = [json.loads(line) for line in out]
    except ValueError as e:
        return ["jaggo-verdict -a -x -o -j printed no JSON (%s, status %d): %s" % (e, status, err)]
    every, top = printed_keys(objects)
    listed = man_json_keys(source)
    problems = []
    if set(listed) != every:
        problems.append("man/jaggo-verdict.1.in's -j keys differ from the printed ones: not listed %s, "
                        "listed but not printed %s" % (sorted(every - set(listed)), sorted(set(listed) - every)))
    order = [k for k in dict.fromkeys(listed) if k in top]
    if order != top:
        problems.append("man/jaggo-verdict.1.in lists the top-level keys in another order:\n  listed  %s\n"
                        "  printed %s" % (" ".join(order), " ".join(top)))
    return problems


def documents(source, named):
    if named:
        return named
    return ([os.path.join(source, "README.md")] + sorted(glob.glob(os.path.join(source, "docs", "*.md")))
            + sorted(glob.glob(os.path.join(source, "man", "*.1.in"))))


def main():
    source, build = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    examples, problems = [], []
    for path in documents(source, sys.argv[3:]):
        with open(path, encoding="utf-8") as f:
            text = f.read()
        shown = os.path.relpath(path, source)
        found, wrong = (roff_examples if path.endswith(".1.in") else markdown_examples)(shown, text)
        examples += found
        problems += wrong
    for e in examples:
        if e.kind == "not run" and not e.command:
            problems.append("%s: an example not run here, without the reason" % e.where())

    xs.need("Xvfb")
    server, display = xs.start_xvfb()
    cwd = workspace(source, build)
    try:
        env = xs.env_for(display, PATH=os.pathsep.join(
            [os.path.dirname(os.environ["JAGGO_BIN"]), os.path.dirname(os.environ["JAGGO_VERDICT_BIN"]),
             os.environ.get("PATH", "")]))
        if os.environ.get("JAGGO_PRELOAD"):
            env["LD_PRELOAD"] = os.environ["JAGGO_PRELOAD"]
        if not sys.argv[3:]:
            problems += check_json_keys(source, cwd, env)
        ran, runs = 0, {}
        for e in examples:
            if e.kind == "not run":
                continue
            ran += 1
            for p in check(e, cwd, env, runs):
                problems.append("%s: %s\n%s" % (e.where(), e.command or "(transcript)", p))
    finally:
        xs.stop(server)
        shutil.rmtree(cwd)
    for p in problems:
        print("FAILED: " + p + "\n")
    print("%d examples run, %d not run here, %d problems" % (ran, len(examples) - ran, len(problems)))
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
