# jaggo tests: each program folder uses exactly the OpenGL entry points on its lists: app/ those of
# app/required_gl.h, verdict/ those, the read-back's (verdict/read_back.h) and the offscreen objects'
# (verdict/offscreen.h) and the samples read one by one (verdict/read_samples.h).
# Usage: check_gl_calls.py SOURCE_DIR; one missing from a list would pass the start-up check unloaded.
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
# The entry points the table holds: glX*, wgl* and egl* names are not among them.
commands = set(re.findall(r"X\([^,()]+, (gl\w+), \(", (root / "gl_loader" / "gl_table.gen.h").read_text()))
LISTS = {"app": ["app/required_gl.h"],
         "verdict": ["app/required_gl.h", "verdict/read_back.h", "verdict/offscreen.h",
                     "verdict/read_samples.h"]}


def listed_in(path):
    return set(re.findall(r"\bX\((gl[A-Z]\w*)\)", (root / path).read_text()))


def used_in(folder):
    """Each entry point's name used in the folder, called or passed on as a pointer, with the first
    file that uses it. Comments are dropped first, and the lists themselves; a string holding such a
    name would count too."""
    used = {}
    for path in sorted((root / folder).glob("*.[ch]*")):
        text = re.sub(r"//[^\n]*|/\*.*?\*/", "", path.read_text(), flags=re.S)
        text = re.sub(r"#define JAGGO_\w+_GL\(X\)(?:[^\n]*\\\n)*[^\n]*", "", text)
        for name in re.findall(r"\b(gl[A-Z]\w*)\b", text):
            if name in commands:
                used.setdefault(name, path.name)
    return used


problems = []
# A folder's own lists are those in it, and it must use every entry point on them.
own = {folder: set().union(*(listed_in(path) for path in lists if path.startswith(folder + "/")))
       for folder, lists in LISTS.items()}
for folder, lists in LISTS.items():
    listed = set().union(*(listed_in(path) for path in lists))
    used = used_in(folder)
    problems += ["%s/%s uses %s, which is not on the lists in %s" % (folder, f, n, ", ".join(lists))
                 for n, f in sorted(used.items()) if n not in listed]
    problems += ["%s/ lists %s, but never uses it" % (folder, n)
                 for n in sorted(own[folder] - used.keys())]
    print("%d OpenGL entry points used in %s/, %d listed" % (len(used), folder, len(listed)))
for line in problems:
    print(line)
sys.exit(1 if problems else 0)
