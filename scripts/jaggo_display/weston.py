# jaggo display: a private weston compositor, nested in a private Xvfb or on another backend.
import os
import shutil
import subprocess
import tempfile

from . import choose, wait, xvfb

# weston's output: room for any window the programs open, with the decorations the desktop shell
# draws, and twice as wide as tall, the shape the scene is drawn for, so that a window given the
# whole output (the kiosk shell) still shows its squares whole.
OUTPUT_WIDTH, OUTPUT_HEIGHT = 1024, 512
# What GLFW's libdecor says on every start under a compositor without decoration plugins (none are
# installed with weston): neither the program's nor the driver's words, and it would bury the report.
DECORATION_NOISE = {"Couldn't open plugin directory: No such file or directory",
                    "No plugins found, falling back on no decorations"}


class Weston:
    """weston on a private socket in a private XDG_RUNTIME_DIR; its clients get env().
    Raises xvfb.StartError, with the end of weston's log, when it cannot start."""

    def __init__(self, backend_args, display=None, timeout=30.0):
        self.runtime_dir = tempfile.mkdtemp(prefix="jaggo-xdg-")  # 0700, as Wayland wants it
        self.socket = "jaggo-weston-%d" % os.getpid()
        server_env = xvfb.env_for(display) if display else self.env()
        server_env["XDG_RUNTIME_DIR"] = self.runtime_dir
        try:
            with open(self.log_path(), "w") as log:
                # --use-pixman: weston 10 knows no --renderer, weston 14 takes it as --renderer=pixman.
                self.weston = subprocess.Popen(
                    ["weston", *backend_args, "--use-pixman", "--no-config", "--idle-time=0",
                     "--socket=" + self.socket],
                    env=server_env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        except OSError as e:
            shutil.rmtree(self.runtime_dir, ignore_errors=True)
            raise xvfb.StartError("weston could not be run: %s" % e) from None
        if wait.until(lambda: self.weston.poll() is None,
                      lambda: os.path.exists(os.path.join(self.runtime_dir, self.socket)), timeout):
            return
        self.fail("weston did not start" if self.weston.poll() is None
                  else "weston ended with status %d" % self.weston.returncode)

    def fail(self, why):
        said = [line for line in self.log().splitlines() if line.strip()][-3:]
        self.stop()
        raise xvfb.StartError(why + (": " + " / ".join(said) if said else ""))

    def log_path(self):
        return os.path.join(self.runtime_dir, "weston.log")

    def log(self):
        try:
            with open(self.log_path()) as f:
                return f.read()[-3000:]
        except OSError:
            return ""

    def env(self, **extra):
        env = dict(os.environ)
        env.pop("DISPLAY", None)  # nothing may fall back to X11
        env["XDG_RUNTIME_DIR"] = self.runtime_dir
        env["WAYLAND_DISPLAY"] = self.socket
        env["XDG_SESSION_TYPE"] = "wayland"  # GLFW 3.4 would take "x11" as a reason to use X11 only
        env.update(extra)
        return env

    def stop(self):
        xvfb.stop(self.weston)
        shutil.rmtree(self.runtime_dir, ignore_errors=True)


class Nested(Weston):
    """weston's X11 backend on a private Xvfb (its own, or the one given as (process, display)), its
    output one X window (OUTPUT_WIDTH by OUTPUT_HEIGHT). The kiosk shell gives a client window the whole output; a GLFW that
    draws its own decorations gets the desktop shell (choose.glfw_draws_decorations). Either way the
    program reads its own framebuffer, not weston's output."""

    def __init__(self, server=None, shell=None):
        self.own_server = server is None
        self.xvfb, self.display = xvfb.start() if server is None else server
        self.shell = shell or ("desktop" if choose.glfw_draws_decorations() else "kiosk")
        try:
            super().__init__(["--backend=x11-backend.so", "--shell=%s-shell.so" % self.shell,
                              "--width=%d" % OUTPUT_WIDTH, "--height=%d" % OUTPUT_HEIGHT], self.display)
        except BaseException:
            if self.own_server:
                xvfb.stop(self.xvfb)
            raise

    def stop(self):
        super().stop()
        if self.own_server:
            xvfb.stop(self.xvfb)
