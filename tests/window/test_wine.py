# jaggo tests: the Windows build's window under Wine on a private Xvfb.
# The report is checked against a WGL probe of the same display; pixels are read back from the X server.
# jaggo-verdict.exe's verdicts, its sweep and its JSON against the probe, its contradiction from a
# driver that claims 8 samples or smooths each frame at the swap (a glfw3.dll of the tests' own in
# front of GLFW's; the latter seen only in the window's presented picture, read through GDI), and
# its offscreen objects judged in the window's context, as the ZIP's program (the build's, with the
# GLFW DLL beside it) judges them; its pictures written into a folder whose name is not ASCII.
import functools
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from harness import layout, picture, png, probes
from harness import xsession as xs

DISPLAY = None
SERVER = None
PREFIX = None


def setUpModule():
    global SERVER, DISPLAY, PREFIX
    PREFIX = display_prefix()
    SERVER, DISPLAY = xs.start_xvfb()


def tearDownModule():
    subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=PREFIX), capture_output=True, timeout=30)
    xs.stop(SERVER)


def display_prefix():
    """A Wine prefix for this module's own Wine session.

    Wine ties a session's desktop to the display of the program that started
    it, and the tests without a display share the build's prefix: this one is
    a copy of it. Its drive_c is hard-linked (a session only reads the DLLs
    there); the files at its top, the registry among them, are copies of their
    own: Wine rewrites a registry file in place when it has more than one link,
    and the two sessions, running at once, would overwrite each other's."""
    base = os.environ["WINEPREFIX"]
    own = base + "-display"
    if not os.path.exists(os.path.join(own, "system.reg")):
        shutil.rmtree(own, ignore_errors=True)
        subprocess.run(["cp", "-al", base, own], check=True, timeout=120)
        for name in os.listdir(base):
            path = os.path.join(base, name)
            if os.path.isfile(path) and not os.path.islink(path):
                os.unlink(os.path.join(own, name))
                shutil.copy2(path, os.path.join(own, name))
    return own


def probe(*args):
    r = xs.run([os.environ["JAGGO_EMULATOR"], os.environ["WGL_PROBE"], *args],
               xs.env_for(DISPLAY, WINEPREFIX=PREFIX), 120)
    if r.returncode != 0:
        raise RuntimeError("wgl_probe %s: status %d, %s" % (" ".join(args), r.returncode, r.stderr))
    return r.stdout


@functools.cache
def format_samples():
    """Samples of every WGL pixel format of the display, by index."""
    lines = [line.split() for line in probe("configs").splitlines() if not line.startswith("describe")]
    return {int(index): int(samples) for index, samples, _ in lines}


class Run:
    """jaggo.exe running with its first two report lines read and its window found."""

    def __init__(self, test, *args):
        self.test = test
        self.proc = xs.start_jaggo(DISPLAY, *args, WINEPREFIX=PREFIX)

    def __enter__(self):
        self.lines = xs.read_lines(self.proc, 9, timeout=60)
        self.window = xs.find_window(DISPLAY, self.proc, timeout=60)
        if self.window is None or len(self.lines) < 9:
            self.test.fail("jaggo.exe did not start: %r %r" % (self.lines, xs.end(self.proc)))
        print(self.lines[1].rstrip(), file=sys.stderr)
        return self

    def __exit__(self, *exc):
        xs.end(self.proc)

    def finish(self):
        """Escape; (status, rest of standard output, standard error)."""
        status = xs.escape_by_pointer(DISPLAY, self.proc, self.window, 10.0)
        return (status, *xs.communicate(self.proc))


class Wine(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.samples = format_samples()
        # What a 4-sample request can get: where the display offers no 4-sample
        # format (Xvfb without multisampled visuals), a format without samples.
        cls.granted = 4 if 4 in cls.samples.values() else 0
        print("WGL pixel formats: %d, with 4 samples: %d" %
              (len(cls.samples), sum(1 for s in cls.samples.values() if s == 4)), file=sys.stderr)

    def check_context_line(self, line, samples):
        index = int(line.split()[1])
        self.assertEqual(line, probes.context_line(index, samples))
        self.assertEqual(self.samples.get(index), samples, "pixel format %d" % index)
        return index

    def test_default_run_reports_a_four_sample_format(self):
        with Run(self) as run:
            self.assertEqual(run.lines[0], "Requesting MSAA with 4 samples\n")
            index = self.check_context_line(run.lines[1], self.granted)
            strings = dict(line.split("=", 1) for line in probe("strings", str(index)).splitlines())
            self.assertEqual(run.lines[2:9], xs.report_block(strings))
            self.assertEqual(run.finish(), (0, "", ""))

    def test_no_samples_reports_a_format_without_samples(self):
        with Run(self, "-s", "0") as run:
            self.assertEqual(run.lines[0], "Requesting that MSAA not be available\n")
            self.check_context_line(run.lines[1], 0)
            self.assertEqual(run.finish(), (0, "", ""))

    def test_multisampling_smooths_only_the_right_square(self):
        with Run(self) as run:
            # Once turned far enough for every edge to cross pixels (a bound only stops a hang).
            shot = xs.wait_for_picture(DISPLAY, run.window, run.proc, xs.turned_enough, 60)
            self.assertIsNotNone(shot, "the squares did not turn")
            (w, h), left, right = shot
            print("grey edge pixels: left %d, right %d" % (left["greys"], right["greys"]), file=sys.stderr)
            self.assertEqual((w, h), layout.WINDOW_SIZE)
            self.assertAlmostEqual(right["cx"], layout.centres(w, h)[1], delta=2)
            self.assertEqual(left["greys"], 0)
            if self.granted:
                self.assertGreater(right["greys"], 200)
            else:
                self.assertEqual(right["greys"], 0)
            self.assertEqual(run.finish()[0], 0)


def verdict(*args, folder=None, **env):
    """jaggo-verdict.exe's (status, standard output lines, standard error), run from folder
    (a copy of it there) or from the build."""
    program = os.environ["JAGGO_VERDICT_BIN"]
    if folder is not None:
        program = shutil.copy(program, folder)
    r = xs.run([os.environ["JAGGO_EMULATOR"], program, *args], xs.env_for(DISPLAY, WINEPREFIX=PREFIX, **env), 180)
    return r.returncode, r.stdout.splitlines(), r.stderr


class Verdict(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.samples = format_samples()
        # Where the display offers no 4-sample format (Xvfb without multisampled visuals), a
        # 4-sample request is granted none: the verdict is then "no multisampling".
        cls.granted = 4 if 4 in cls.samples.values() else 0

    def check_format(self, line, samples):
        index = int(line.split()[1])
        self.assertEqual(self.samples.get(index), samples, "pixel format %d: %s" % (index, line))
        return index

    def test_agrees_at_four_samples_and_without(self):
        agreed = "4 samples" if self.granted else "no multisampling"
        for args, samples, seen in ((), self.granted, agreed), (("-s", "0"), 0, "no multisampling"):
            with self.subTest(args=args):
                status, out, err = verdict("-q", *args)
                self.assertEqual((status, err), (0, ""))
                self.check_format(out[1], samples)
                self.assertEqual(out[-1], "Verdict: the picture agrees with the report: " + seen)
                self.assertRegex(out[9], r"^Platform: WGL on Windows; GLFW 3\.\d+\.\d+ Win32 WGL")
                # The window's contents, read through GDI once presented, show what was drawn.
                self.assertEqual(out[-3], "Presented: " + out[-4][len("Coverage: "):])
                print(out[1], out[9], *out[-3:], sep="\n", file=sys.stderr)

    def test_the_sweep_judges_every_count_wgl_offers(self):
        status, out, err = verdict("-a")
        self.assertEqual((status, err), (0, ""))
        offered = sorted(set(self.samples.values()))
        said, _, listed = out[2].partition("; asked ")
        self.assertEqual(said, "Sample counts offered by WGL: " + " ".join(map(str, offered)))
        # Each count once, in order, every count the display offers among them.
        asked = [int(n) for n in listed.split()]
        self.assertEqual(asked, sorted(set(asked) | {n for n in offered if n > 1}))
        self.assertEqual([row.split()[0] for row in out[4:]], [str(n) for n in asked])
        for row in out[4:]:
            n, index, gl_samples, seen, shown, *read, word = row.split()
            self.assertEqual(self.samples[int(index)], int(gl_samples), row)
            self.assertEqual((seen, shown, word), (str(max(1, int(gl_samples))),) * 2 + ("agrees",), row)
            self.assertEqual(read, [gl_samples, "distinct"] if int(gl_samples) > 1 else ["-"], row)
        print("\n".join(out), file=sys.stderr)

    def test_json_holds_the_run_as_the_probe_sees_it(self):
        status, out, err = verdict("-q", "-j")
        self.assertEqual((status, err, len(out)), (0, "", 1))
        run = json.loads(out[0])
        self.assertEqual(self.samples[run["configuration"]], self.granted)
        agreed = "4 samples" if self.granted else "no multisampling"
        strings = dict(line.split("=", 1) for line in probe("strings", str(run["configuration"])).splitlines())
        keys = ["asked", "gl_samples", "vendor", "renderer", "version", "glsl_version", "verdict", "status"]
        self.assertEqual([run[k] for k in keys],
                         [4, self.granted, strings["vendor"], strings["renderer"], strings["version"],
                          strings["glsl"], "the picture agrees with the report: " + agreed, 0])
        self.assertEqual(run["left"], {"samples": 1, "levels": [], "gamma_correct": False, "intermediate_pixels": 0})
        right = run["right"]
        self.assertEqual((right["samples"], len(right["levels"]), right["gamma_correct"]),
                         (max(1, self.granted), max(0, self.granted - 1), False))
        self.assertEqual(right["intermediate_pixels"] > 200, self.granted > 0)

    @staticmethod
    def behind_proxy(*args, **env):
        """jaggo-verdict.exe with the fault proxy in front of GLFW."""
        with tempfile.TemporaryDirectory() as folder:
            shutil.copy(os.environ["GLFW_FAULT_PROXY"], os.path.join(folder, "glfw3.dll"))
            shutil.copy(os.path.join(os.path.dirname(os.environ["JAGGO_VERDICT_BIN"]), "glfw3.dll"),
                        os.path.join(folder, "glfwreal.dll"))
            return verdict(*args, folder=folder, **env)

    def test_smoothing_added_at_the_swap_is_named(self):
        status, out, err = self.behind_proxy("-q", JAGGO_GL_FAULT="present")
        self.assertEqual((status, err), (3, ""))
        print(*out[-3:], sep="\n", file=sys.stderr)
        self.assertRegex(out[-3], r"^Presented: left square grey levels [\d ]+, which fit no sample count, ")
        self.assertEqual(out[-1], "Verdict: CONTRADICTION: the window shows the squares' edges otherwise than "
                                  "they were drawn: the driver smooths the frame when it is presented")

    def test_a_driver_claiming_8_samples_is_contradicted(self):
        status, out, err = self.behind_proxy("-q")
        self.assertEqual((status, err), (3, ""))
        self.check_format(out[1], self.granted)
        self.assertTrue(out[1].endswith(" reports MSAA is available with 8 samples"), out[1])
        shown = "4 samples" if self.granted else "no multisampling"  # a lie either way
        self.assertEqual(out[-1], "Verdict: CONTRADICTION: the context reports 8 samples, "
                                  "but the right square shows " + shown)
        print(out[1], out[-1], sep="\n", file=sys.stderr)

    def test_faults_only_the_samples_show(self):
        # With these faults the proxy claims no samples: mirrored positions and a filtered resolve are
        # contradictions; a copy refused leaves the grey levels' verdict, status unchanged.
        agreed = "Verdict: the picture agrees with the report: " + ("4 samples" if self.granted else "no multisampling")
        for fault, said in (("mirrored", "Verdict: CONTRADICTION: the context reports its sample positions "
                                         "mirrored top to bottom: sample 0 lies at "),
                            ("filtered", "Verdict: CONTRADICTION: the driver's resolve is not the mean of its "
                                         "samples: a filtered resolve"),
                            ("nocopy", agreed)):
            with self.subTest(fault=fault):
                status, out, err = self.behind_proxy("-q", JAGGO_GL_FAULT=fault)
                print(*out[-2:], sep="\n", file=sys.stderr)
                contradicted = self.granted and fault != "nocopy"
                self.assertEqual((status, err), (3 if contradicted else 0, ""))
                self.assertTrue(out[-1].startswith(said if self.granted else agreed), out[-1])
                if self.granted and fault == "nocopy":
                    self.assertTrue(out[-2].startswith("Samples: not readable here: "), out[-2])

    def test_offscreen_objects_are_judged_in_the_windows_context(self):
        status, out, err = verdict("-q", "-o", "-j")
        self.assertEqual((status, err), (0, ""))
        window, *objects = (json.loads(line) for line in out)
        self.assertEqual(window["kind"], "window")
        for kind in ("renderbuffer", "texture"):
            rows = [r for r in objects if r["kind"] == kind]
            most = rows[0]["max_samples"]
            self.assertEqual([r["asked"] for r in rows], list(range(1, most + 2)), kind)
            for r in rows:
                with self.subTest(kind=kind, asked=r["asked"]):
                    self.assertEqual((r["context"], r["renderer"], r["status"]), ("window", window["renderer"], 0))
                    if r["asked"] > most:
                        self.assertIsNone(r["granted"])
                    else:
                        self.assertEqual(r["right"]["samples"], max(1, r["granted"]))
            if window["renderer"].startswith("llvmpipe"):  # Wine draws with the host's Mesa
                self.assertEqual((most, rows[1]["granted"]), (4, 4))
        print(out[1], out[-1], sep="\n", file=sys.stderr)

    def test_pictures_go_into_a_folder_of_any_name(self):
        with tempfile.TemporaryDirectory() as tmp:
            folder = os.path.join(tmp, "pictures \u00fc")  # through the wide-character API
            status, out, err = verdict("-q", "-j", "-p", folder)
            self.assertEqual((status, err), (0, ""))
            (run,) = (json.loads(line) for line in out)
            read_one_by_one = ["window-4-samples.png"] if run["samples_read"]["readable"] else []
            names = ["window-4.png", "window-4-edges.png"] + read_one_by_one + ["window-4-shown.png"]
            self.assertEqual(run["pictures"], [folder + "/" + name for name in names])
            self.assertEqual(sorted(os.listdir(folder)), sorted(names))
            width, height, rgb = png.read(os.path.join(folder, "window-4.png"))
            left, right = picture.both_squares(width, height, rgb)
            self.assertEqual((left["greys"], right["greys"]),
                             (run["left"]["intermediate_pixels"], run["right"]["intermediate_pixels"]))


if __name__ == "__main__":
    xs.need("Xvfb", "xdotool", "xwininfo")
    unittest.main()
