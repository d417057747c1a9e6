#!/usr/bin/env python3
# jaggo gl_loader: writes the entry-point table header from the Khronos registry.
# Usage: gen_gl_table.py GL_XML [OUTPUT | --check COMMITTED]  (default: standard output)
"""Generate gl_loader/gl_table.gen.h from the Khronos OpenGL registry (gl.xml).

The output holds, for OpenGL 1.0 to 3.3 (compatibility profile) and the
extensions GL_ARB_multisample, GL_ARB_robustness, GL_KHR_debug and
GL_ARB_internalformat_query:

- the registry's type definitions that the commands need,
- the enum constants those features and extensions require, as constexpr,
- JAGGO_GL_COMMANDS(X): X(ret, name, params) once per distinct command,
- JAGGO_GL_GROUP_<group>(X): X(name) per command of a group, in resolution
  order (ascending byte order),
- JAGGO_GL_VERSION_GROUPS(X) and JAGGO_GL_EXTENSION_GROUPS(X): X(flag, list
  macro) per group, in resolution order.

The output is deterministic: it depends only on the registry's content.
"""

import difflib
import os
import re
import sys
import tempfile
import xml.etree.ElementTree as ET

REGEN_COMMAND = ("python3 gl_loader/gen_gl_table.py /usr/share/khronos-api/gl.xml "
                 "gl_loader/gl_table.gen.h")

VERSIONS = ["1.0", "1.1", "1.2", "1.3", "1.4", "1.5",
            "2.0", "2.1", "3.0", "3.1", "3.2", "3.3"]
EXTENSIONS = ["GL_ARB_multisample", "GL_ARB_robustness", "GL_KHR_debug", "GL_ARB_internalformat_query"]

# The registry's types lean on <KHR/khrplatform.h>; we map its khronos_* types
# to the standard fixed-width ones of <cstdint>/<cstddef> (gl.h includes those)
# so that the program needs no Khronos header. Same widths and signedness as
# khrplatform.h gives on every platform the program builds for.
KHRONOS_TYPES = {
    "khronos_int8_t": "std::int8_t",
    "khronos_uint8_t": "std::uint8_t",
    "khronos_int16_t": "std::int16_t",
    "khronos_uint16_t": "std::uint16_t",
    "khronos_int32_t": "std::int32_t",
    "khronos_uint32_t": "std::uint32_t",
    "khronos_int64_t": "std::int64_t",
    "khronos_uint64_t": "std::uint64_t",
    "khronos_float_t": "float",
    "khronos_intptr_t": "std::intptr_t",
    "khronos_ssize_t": "std::ptrdiff_t",
}

# Enum types: the registry tags a few values "u" or "ull"; the rest are GLenum,
# or GLbitfield for the values of a bitmask group.
ENUM_SUFFIX_TYPES = {"u": "GLuint", "ull": "GLuint64"}
# GL_TRUE and GL_FALSE are the values of GLboolean, not enums: typing them as
# GLboolean lets callers pass them to GLboolean parameters without a narrowing
# conversion.
BOOLEAN_ENUMS = {"GL_TRUE", "GL_FALSE"}


def fail(message):
    sys.stderr.write("gen_gl_table.py: %s\n" % message)
    sys.exit(1)


def for_desktop_gl(element):
    """True if an element applies to desktop OpenGL (no api, or api="gl").

    The registry shares one file between GL, GL ES and GL SC; an api attribute
    marks what belongs to another API only (GL_KHR_debug's *KHR commands for
    ES, for instance) and must not reach the desktop table.
    """
    api = element.get("api")
    return api is None or api == "gl"


def collect_requires(parent):
    """Command and enum names of every desktop-GL <require> under parent.

    <remove> elements are ignored on purpose: the table follows the
    compatibility profile, where nothing of 1.0 to 3.3 was ever removed.
    The profile attribute of a <require> is ignored for the same reason: the
    compatibility profile includes what is required for the core profile.
    """
    commands, enums = [], []
    for require in parent.findall("require"):
        if not for_desktop_gl(require):
            continue
        for item in require:
            name = item.get("name")
            if item.tag == "command":
                commands.append(name)
            elif item.tag == "enum":
                enums.append(name)
    return commands, enums


def text_of(element, skip_name):
    """The C text of a <proto> or <param>, optionally without its <name>."""
    parts = [element.text or ""]
    for child in element:
        if not (skip_name and child.tag == "name"):
            parts.append("".join(child.itertext()))
        parts.append(child.tail or "")
    return " ".join("".join(parts).split())


def c_type_spacing(text):
    """Registry text like 'const GLchar *const*string' as 'const GLchar* const* string'."""
    return re.sub(r"\s*\*\s*", "* ", text).strip()


def read_commands(root):
    commands = {}
    for command in root.find("commands").findall("command"):
        proto = command.find("proto")
        name = proto.find("name").text
        if not for_desktop_gl(proto):
            continue
        ret = c_type_spacing(text_of(proto, skip_name=True))
        params = []
        types = set()
        ptype = proto.find("ptype")
        if ptype is not None:
            types.add(ptype.text)
        for param in command.findall("param"):
            if not for_desktop_gl(param):
                continue
            params.append(c_type_spacing(text_of(param, skip_name=False)))
            ptype = param.find("ptype")
            if ptype is not None:
                types.add(ptype.text)
        commands[name] = (ret, "(" + ", ".join(params) + ")", types)
    return commands


def read_types(root):
    """Registry type definitions in registry order: list of (name, requires, C text)."""
    types = []
    for t in root.find("types").findall("type"):
        if not for_desktop_gl(t):
            continue
        name_el = t.find("name")
        name = t.get("name") or (name_el.text if name_el is not None else None)
        parts = [t.text or ""]
        for child in t:
            if child.tag == "apientry":
                # The registry's APIENTRY marker becomes our own calling-convention macro.
                parts.append("JAGGO_APIENTRY")
            else:
                parts.append("".join(child.itertext()))
            parts.append(child.tail or "")
        text = "".join(parts).strip()
        for khronos, std in KHRONOS_TYPES.items():
            text = text.replace(khronos, std)
        types.append((name, t.get("requires"), text))
    return types


def read_enums(root):
    """name -> (value, C type) for every enum that applies to desktop GL."""
    enums = {}
    for block in root.findall("enums"):
        bitmask = block.get("type") == "bitmask"
        for e in block.findall("enum"):
            # Some names have one value per API (the ES-only duplicates).
            if not for_desktop_gl(e):
                continue
            name = e.get("name")
            if name in BOOLEAN_ENUMS:
                ctype = "GLboolean"
            elif e.get("type") in ENUM_SUFFIX_TYPES:
                ctype = ENUM_SUFFIX_TYPES[e.get("type")]
            elif bitmask:
                ctype = "GLbitfield"
            else:
                ctype = "GLenum"
            enums[name] = (e.get("value"), ctype)
    return enums


def unique(names):
    seen, out = set(), []
    for n in names:
        if n not in seen:
            seen.add(n)
            out.append(n)
    return out


def build(root):
    features = {}
    for feature in root.findall("feature"):
        if feature.get("api") == "gl":
            features[feature.get("number")] = feature
    extensions = {}
    for ext in root.find("extensions").findall("extension"):
        extensions[ext.get("name")] = ext

    groups = []  # (flag, macro suffix, title, sorted names)
    enum_groups = []  # (title, enum names new in this group)
    for number in VERSIONS:
        if number not in features:
            fail("registry has no desktop feature %s" % number)
        commands, enums = collect_requires(features[number])
        tag = "VERSION_" + number.replace(".", "_")
        groups.append(("gl_version_" + number.replace(".", "_"), tag,
                       "OpenGL " + number, sorted(set(commands))))
        enum_groups.append(("OpenGL " + number, enums))
    for name in EXTENSIONS:
        ext = extensions.get(name)
        if ext is None or "gl" not in ext.get("supported", "").split("|"):
            fail("registry has no desktop extension %s" % name)
        commands, enums = collect_requires(ext)
        tag = name[len("GL_"):]
        groups.append((name.lower(), tag, name, sorted(set(commands))))
        enum_groups.append((name, enums))
    return groups, enum_groups


def generate(path):
    root = ET.parse(path).getroot()
    groups, enum_groups = build(root)
    all_commands = read_commands(root)
    all_types = read_types(root)
    all_enums = read_enums(root)

    names = sorted({n for g in groups for n in g[3]})
    for n in names:
        if n not in all_commands:
            fail("command %s is required but not defined" % n)

    # Types: those the commands use, plus what they require, in registry order.
    by_name = {t[0]: t for t in all_types}
    wanted = set()
    pending = [t for n in names for t in all_commands[n][2]]
    while pending:
        t = pending.pop()
        if t in wanted or t not in by_name:
            continue
        wanted.add(t)
        requires = by_name[t][1]
        if requires:
            pending.append(requires)
        # Function-pointer types name the types of their parameters in their text.
        words = set(re.findall(r"\w+", by_name[t][2]))
        pending.extend(other for other in by_name if other != t and other in words)
    # khrplatform is the Khronos header include, replaced by KHRONOS_TYPES.
    wanted.discard("khrplatform")

    out = []
    w = out.append
    w("// jaggo gl_loader: OpenGL types, enums and entry-point lists for the table.")
    w("// Generated from the Khronos registry gl.xml; do not edit. Regenerate with:")
    w("//   " + REGEN_COMMAND)
    w("// or the build target regenerate_gl_table. Included by gl_loader/gl.h inside")
    w("// namespace jaggo::gl; needs <cstddef>, <cstdint> and JAGGO_APIENTRY.")
    w("// Versions: OpenGL " + ", ".join(VERSIONS) + " (compatibility profile).")
    w("// Extensions: " + ", ".join(EXTENSIONS) + ".")
    w("// Lookups with every group loaded: %d; distinct entry points: %d."
      % (1 + sum(len(g[3]) for g in groups), len(names)))
    w("// clang-format off")
    w("")
    w("// Types (khronos_* types mapped to their standard equivalents).")
    for name, _, text in all_types:
        if name in wanted:
            w(text)
    w("")

    emitted = set()
    for title, enums in enum_groups:
        fresh = [e for e in unique(enums) if e not in emitted]
        if not fresh:
            continue
        w("// Enums of %s." % title)
        for e in fresh:
            if e not in all_enums:
                fail("enum %s is required but not defined" % e)
            value, ctype = all_enums[e]
            w("constexpr %s %s = %s;" % (ctype, e, value))
            emitted.add(e)
        w("")

    w("// Every entry point once, in byte order: X(return type, name, parameters).")
    w("#define JAGGO_GL_COMMANDS(X) \\")
    for n in names:
        ret, params, _ = all_commands[n]
        w("  X(%s, %s, %s) \\" % (ret, n, params))
    w("")
    w("")
    for flag, tag, title, members in groups:
        w("// %s: %d, resolved in this order." % (title, len(members)))
        w("#define JAGGO_GL_GROUP_%s(X) \\" % tag)
        for n in members:
            w("  X(%s) \\" % n)
        w("")
        w("")
    # Version groups are resolved before extension detection, extension
    # groups after it, so each kind gets its own list.
    for kind, selected in (("VERSION", groups[:len(VERSIONS)]),
                           ("EXTENSION", groups[len(VERSIONS):])):
        w("// The %s groups in resolution order: X(flag, list macro)." % kind.lower())
        w("#define JAGGO_GL_%s_GROUPS(X) \\" % kind)
        for flag, tag, title, members in selected:
            w("  X(%s, JAGGO_GL_GROUP_%s) \\" % (flag, tag))
        w("")
        w("")
    w("// clang-format on")
    return "\n".join(out) + "\n"


def check(text, committed):
    """Regenerates into a temporary file and compares it with the committed one."""
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", newline="\n", suffix=".h",
                                     delete=False) as tmp:
        tmp.write(text)
    try:
        with open(tmp.name, "rb") as fresh, open(committed, "rb") as old:
            fresh_bytes, old_bytes = fresh.read(), old.read()
    finally:
        os.unlink(tmp.name)
    if fresh_bytes == old_bytes:
        print("%s is up to date" % committed)
        return 0
    diff = difflib.unified_diff(old_bytes.decode("utf-8", "replace").splitlines(True),
                                fresh_bytes.decode("utf-8", "replace").splitlines(True),
                                committed, "regenerated")
    sys.stdout.writelines(list(diff)[:200])
    print("%s differs from the registry; regenerate with:\n  %s" % (committed, REGEN_COMMAND))
    return 1


def main(argv):
    if len(argv) == 4 and argv[2] == "--check":
        return check(generate(argv[1]), argv[3])
    if len(argv) not in (2, 3):
        sys.stderr.write("usage: gen_gl_table.py GL_XML [OUTPUT | --check COMMITTED]\n")
        return 2
    text = generate(argv[1])
    if len(argv) == 3:
        with open(argv[2], "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
