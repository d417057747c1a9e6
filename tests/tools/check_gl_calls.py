# jaggo tests: app/ uses exactly the OpenGL entry points on its one list.
# Usage: check_gl_calls.py SOURCE_DIR; one missing from the list would pass the start-up check unloaded.
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
# The entry points the table holds: glX*, wgl* and egl* names are not among them.
commands = set(re.findall(r"X\([^,()]+, (gl\w+), \(", (root / "gl_loader" / "gl_table.gen.h").read_text()))
listed = set(re.findall(r"\bX\((gl[A-Z]\w*)\)", (root / "app" / "required_gl.h").read_text()))

# Any use of an entry point's name counts, called or passed on as a pointer. Comments are dropped
# first; a string holding such a name would count too.
called = {}
for path in sorted((root / "app").glob("*.[ch]*")):
    if path.name == "required_gl.h":
        continue
    text = re.sub(r"//[^\n]*|/\*.*?\*/", "", path.read_text(), flags=re.S)
    for name in re.findall(r"\b(gl[A-Z]\w*)\b", text):
        if name in commands:
            called.setdefault(name, path.name)

problems = ["app/%s uses %s, which is not on the list in app/required_gl.h" % (f, n)
            for n, f in sorted(called.items()) if n not in listed]
problems += ["app/required_gl.h lists %s, which app/ never uses" % n for n in sorted(listed - called.keys())]
for line in problems:
    print(line)
print("%d OpenGL entry points used in app/, %d listed" % (len(called), len(listed)))
sys.exit(1 if problems else 0)
