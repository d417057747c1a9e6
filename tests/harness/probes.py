# jaggo tests: what a display offers, as the independent GLX and EGL probes (tests/tools) see it.
# The window tests take what to expect of jaggo's report and picture from these answers.
import os
import subprocess


def run(probe, env, *args):
    """A probe's standard output; raises if it fails."""
    return subprocess.run([probe, *args], env=env, capture_output=True, text=True, timeout=60,
                          check=True).stdout


def sample_counts(env, egl=False):
    """Sample count of every framebuffer configuration of the display in env, by id:
    GLX_FBCONFIG_ID from the GLX probe on DISPLAY, or EGL_CONFIG_ID from the EGL probe
    on WAYLAND_DISPLAY."""
    probe = os.environ["EGL_PROBE" if egl else "GLX_PROBE"]
    return {int(i): int(s) for i, s, _ in (line.split() for line in run(probe, env, "configs").splitlines())}


def expect_samples(configs, wanted=4):
    """The sample count a request for wanted samples must end with on this display: wanted
    where some configuration offers it, otherwise 0 (the display offers no multisampling
    at all; a display offering other counts only is not one these tests know)."""
    offered = set(configs.values())
    if wanted in offered:
        return wanted
    if offered - {0, 1}:
        raise AssertionError("the display offers %s samples but not %d" % (sorted(offered), wanted))
    return 0


def context_line(config, samples):
    """jaggo's report line for a context on configuration config with that many samples."""
    if samples:
        return "Context %d reports MSAA is available with %d samples\n" % (config, samples)
    return "Context %d reports MSAA is unavailable\n" % config
