# jaggo tests: the context report under a headless Wayland compositor, where the context is EGL's.
# Runs jaggo on Debian's Wayland build of GLFW and checks the config id against the EGL display.
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
import xsession as xs  # noqa: E402

RULE = "-" * 61
WESTON = None
RUNTIME_DIR = None
SOCKET = "jaggo-wayland-%d" % os.getpid()
GLFW_DIR = None  # holds the Wayland build of libglfw.so.3


def glfw_wayland_dir():
    """The unpacked libglfw3-wayland's library folder, fetched on first use; None if it cannot be had."""
    root = os.environ["GLFW_WAYLAND_DIR"]
    libdir = None
    for dirpath, _, files in os.walk(root):
        if "libglfw.so.3" in files:
            libdir = dirpath
    if libdir is not None:
        return libdir
    os.makedirs(root, exist_ok=True)
    if shutil.which("apt-get") is None or shutil.which("dpkg") is None:
        return None
    for name in os.listdir(root):
        if name.endswith(".deb"):
            os.remove(os.path.join(root, name))
    fetch = subprocess.run(["apt-get", "download", "libglfw3-wayland"], cwd=root,
                           capture_output=True, text=True, timeout=180)
    debs = [n for n in os.listdir(root) if n.endswith(".deb")]
    if fetch.returncode != 0 or not debs:
        print("apt-get download libglfw3-wayland failed: " + fetch.stderr.strip())
        return None
    subprocess.run(["dpkg", "-x", os.path.join(root, debs[0]), os.path.join(root, "root")], check=True)
    for dirpath, _, files in os.walk(os.path.join(root, "root")):
        if "libglfw.so.3" in files:
            return dirpath
    return None


def wayland_env(**extra):
    env = dict(os.environ)
    env.pop("DISPLAY", None)  # nothing may fall back to X11
    env["XDG_RUNTIME_DIR"] = RUNTIME_DIR
    env["WAYLAND_DISPLAY"] = SOCKET
    env.update(extra)
    return env


def start_weston():
    global WESTON, RUNTIME_DIR
    RUNTIME_DIR = tempfile.mkdtemp(prefix="jaggo-xdg-")  # 0700, as Wayland wants it
    log = open(os.path.join(RUNTIME_DIR, "weston.log"), "w")
    WESTON = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", "--no-config", "--idle-time=0",
         "--socket=" + SOCKET, "--width=1024", "--height=768"],
        env=wayland_env(), stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
    log.close()
    end = time.monotonic() + 20
    while time.monotonic() < end and WESTON.poll() is None:
        if os.path.exists(os.path.join(RUNTIME_DIR, SOCKET)):
            return True
        time.sleep(0.1)
    return False


def weston_log():
    try:
        with open(os.path.join(RUNTIME_DIR, "weston.log")) as f:
            return f.read()[-3000:]
    except OSError:
        return ""


def setUpModule():
    if not start_weston():
        raise RuntimeError("weston did not start:\n" + weston_log())


def tearDownModule():
    if WESTON is not None:
        xs.stop(WESTON)
    if RUNTIME_DIR is not None:
        shutil.rmtree(RUNTIME_DIR, ignore_errors=True)


def egl_configs():
    """Sample count of every config of the compositor's EGL display, by EGL_CONFIG_ID."""
    out = subprocess.run([os.environ["EGL_PROBE"], "configs"], env=wayland_env(), capture_output=True,
                         text=True, timeout=60, check=True).stdout
    return {int(i): int(s) for i, s, _ in (line.split() for line in out.splitlines())}


def run_jaggo(test, *args):
    """Starts jaggo on the Wayland GLFW, reads its nine report lines, checks that it keeps drawing,
    then ends it with SIGTERM (a headless compositor has no keyboard to press Escape on).
    Returns (report lines, standard error)."""
    env = wayland_env(LD_LIBRARY_PATH=os.pathsep.join(filter(None, [GLFW_DIR, os.environ.get("LD_LIBRARY_PATH")])))
    if os.environ.get("JAGGO_PRELOAD"):
        env["LD_PRELOAD"] = os.environ["JAGGO_PRELOAD"]
    proc = subprocess.Popen([xs.jaggo_bin(), *args], env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    proc.pending = b""
    try:
        lines = xs.read_lines(proc, 9, timeout=30)
        time.sleep(1.0)  # a second of frames: an X error or a crash would have ended it by now
        running = proc.poll() is None
        if running:
            proc.send_signal(signal.SIGTERM)
        status = xs.wait_exit(proc, 10)
    finally:
        out, err = xs.end(proc)
    test.assertTrue(running, "jaggo ended by itself (status %s): %r %r %r" % (proc.returncode, lines, out, err))
    test.assertEqual(status, -signal.SIGTERM, err)
    test.assertEqual(len(lines), 9, (lines, out, err))
    test.assertEqual(out, "")  # no extension list asked for
    return lines, err


class WaylandReport(unittest.TestCase):
    def check_block(self, lines):
        self.assertEqual(lines[0], RULE + "\n")
        self.assertEqual(lines[6], RULE + "\n")
        self.assertEqual([line[:15] for line in lines[1:6]],
                         ["GL Vendor    : ", "GL Renderer  : ", "GL Version   : ", "GL Version   : ",
                          "GLSL Version : "])

    def test_default_run_reports_the_egl_config_id_with_four_samples(self):
        configs = egl_configs()
        lines, err = run_jaggo(self)
        print("wayland report: " + "".join(lines[:2]).replace("\n", " | "))
        self.assertEqual(lines[0], "Requesting MSAA with 4 samples\n")
        words = lines[1].split()
        self.assertEqual(lines[1], "Context %s reports MSAA is available with 4 samples\n" % words[1])
        config = int(words[1])
        self.assertEqual(configs.get(config), 4, "config %d is not a 4-sample EGL config of %r" % (config, configs))
        self.check_block(lines[2:9])
        self.assertNotIn("Error: ", err)

    def test_no_samples_reports_unavailable_with_a_single_sample_config(self):
        configs = egl_configs()
        lines, err = run_jaggo(self, "-s", "0")
        print("wayland report: " + "".join(lines[:2]).replace("\n", " | "))
        self.assertEqual(lines[0], "Requesting that MSAA not be available\n")
        words = lines[1].split()
        self.assertEqual(lines[1], "Context %s reports MSAA is unavailable\n" % words[1])
        self.assertEqual(configs.get(int(words[1])), 0, "config %s of %r" % (words[1], configs))
        self.check_block(lines[2:9])
        self.assertNotIn("Error: ", err)


if __name__ == "__main__":
    if not xs.have_tools("weston") or not os.environ.get("EGL_PROBE"):
        print("skipped: weston or the EGL probe is missing")
        sys.exit(xs.SKIP)
    GLFW_DIR = glfw_wayland_dir()
    if GLFW_DIR is None:
        print("skipped: Debian's libglfw3-wayland could not be fetched")
        sys.exit(xs.SKIP)
    unittest.main()
