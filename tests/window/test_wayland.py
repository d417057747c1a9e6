# jaggo tests: jaggo-verdict under a Wayland compositor (weston nested in a private Xvfb), where the
# context is EGL's, with the system GLFW where it runs on Wayland (3.4) and Debian 12's Wayland build
# of GLFW 3.3 where it does not. Catches a report that disagrees with the EGL display's
# configurations, a verdict that does not agree where the driver is honest or agrees where it lies
# about its samples, a presented picture claimed read where no client can read it, a first frame
# judged on a scaled output before the surface has taken its scale (the compositor magnifies it),
# and a compositor that dies mid-run reported as success: GLFW then closes the window as if the user
# had.
import os
import signal
import unittest

from harness import probes
from harness import wayland
from harness import xsession as xs

RULE = "-" * 61
SESSION = None


def setUpModule():
    global SESSION
    SESSION = wayland.Session(wayland.glfw_dir())


def tearDownModule():
    if SESSION is not None:
        SESSION.stop()


def judged(*args, session=None, **env):
    """jaggo-verdict -q on the compositor (the module's, or session): (status, its standard output's
    lines, its standard error's lines but libdecor's)."""
    proc = (session or SESSION).start([xs.verdict_bin(), "-q", *args], **env)
    try:
        status = xs.wait_exit(proc, 60)
    finally:
        out, err = xs.end(proc)
    lines = out.splitlines(keepends=True)
    print("wayland, GLFW %s: %s" % ("3.3 (libglfw3-wayland)" if SESSION.glfw else "of the system",
                                    "".join(lines[1:2] + lines[9:])), end="")
    return status, lines, wayland.errors(err)


class WaylandVerdict(unittest.TestCase):
    def test_runs_report_the_egl_config_and_agree(self):
        configs = probes.sample_counts(SESSION.env(), egl=True)
        for args, request, samples in (([], "Requesting MSAA with 4 samples\n", 4),
                                       (["-s", "0"], "Requesting that MSAA not be available\n", 0)):
            with self.subTest(args=args):
                status, lines, errors = judged(*args)
                self.assertEqual((status, errors, len(lines)), (0, [], 16), lines)
                self.assertRegex(lines[9], r"^Platform: EGL on Wayland; GLFW 3\.\d+")
                self.assertEqual(lines[0], request)
                config = int(lines[1].split()[1])
                self.assertEqual(lines[1], probes.context_line(config, samples))
                self.assertEqual(configs.get(config), samples, "config %d of %r" % (config, configs))
                self.assertEqual([lines[2], lines[8]], [RULE + "\n"] * 2)
                # No client may read a Wayland surface back: said, and the verdict stands on the drawn frame.
                self.assertEqual(lines[-3], "Presented: not readable here: a Wayland surface cannot be read "
                                 "back by its client\n")
                self.assertEqual(lines[-1], "Verdict: the picture agrees with the report: %s\n"
                                 % ("%d samples" % samples if samples else "no multisampling"))

    def test_a_driver_claiming_more_samples_than_it_draws_is_status_3(self):
        preload = ":".join(p for p in (os.environ.get("JAGGO_PRELOAD"), os.environ["GL_FAULT_SHIM"]) if p)
        status, lines, errors = judged(LD_PRELOAD=preload, JAGGO_GL_FAULT="samples")
        self.assertEqual((status, errors), (3, []), lines)
        # Named by the grey levels, or where a multisampled texture holds 8 samples, by the samples
        # read one by one: their copy, or how many hold pictures of their own.
        self.assertRegex(lines[-1], r"^Verdict: CONTRADICTION: the context reports 8 samples, but (the right square "
                         r"shows 4 samples\n$|its colour buffer copies only into a texture of 4 samples|4 of them "
                         r"hold pictures of their own)")


class ScaledOutput(unittest.TestCase):
    def test_the_judged_frame_has_the_scaled_outputs_pixels(self):
        """On an output of scale 2 the window's framebuffer has twice its size each way from its
        second frame on: the frame judged is one of those, whose squares' edges hold twice the grey
        pixels of an unscaled output's."""
        status, lines, _ = judged()
        self.assertEqual(status, 0, lines)
        unscaled = int(next(line for line in lines if line.startswith("Edges:")).split()[-1])
        session = wayland.Session(SESSION.glfw, scale=2)
        try:
            status, lines, errors = judged(session=session)
        finally:
            session.stop()
        self.assertEqual((status, errors), (0, []), lines)
        self.assertEqual(lines[-1], "Verdict: the picture agrees with the report: 4 samples\n")
        scaled = int(next(line for line in lines if line.startswith("Edges:")).split()[-1])
        print("right square's grey pixels: %d unscaled, %d at scale 2" % (unscaled, scaled))
        self.assertGreater(scaled, 1.8 * unscaled)


class LostCompositor(unittest.TestCase):
    def test_a_compositor_killed_mid_run_is_an_error(self):
        session = wayland.Session(SESSION.glfw)
        try:
            proc = session.start([xs.jaggo_bin()])
            try:
                lines = xs.read_lines(proc, 9, timeout=30)
                self.assertEqual(len(lines), 9, lines)
                session.weston.send_signal(signal.SIGKILL)
                status = xs.wait_exit(proc, 30)
            finally:
                _, err = xs.end(proc)
        finally:
            session.stop()
        print("after the compositor's end: status %s, %r" % (status, wayland.errors(err)))
        self.assertEqual(status, 1, err)
        self.assertRegex(wayland.errors(err)[-1], r"^Error: The Wayland connection was lost: \S")


if __name__ == "__main__":
    xs.need("weston", "Xvfb", "xdotool", env=["EGL_PROBE", "GL_FAULT_SHIM", "GLFW_WAYLAND_DIR"])
    unittest.main()
