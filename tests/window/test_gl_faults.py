# jaggo tests: a driver that rejects the shaders or reports no version, injected
# through glfwGetProcAddress: one "Error: " line per failure, status 1, no hang.
import os
import unittest

from harness import xsession as xs


def run_with_fault(display, fault):
    """jaggo's status and standard error with the fault injected; None for a run that does not end."""
    preload = ":".join(p for p in (os.environ.get("JAGGO_PRELOAD"), os.environ["GL_FAULT_SHIM"]) if p)
    proc = xs.start_jaggo(display, LD_PRELOAD=preload, JAGGO_GL_FAULT=fault)
    status = xs.wait_exit(proc, 30)
    _, err = xs.end(proc)
    return status, err.splitlines()


class DriverFaults(xs.OnXvfb):
    def test_rejected_shaders_name_each_stage_with_the_drivers_log(self):
        status, err = run_with_fault(self.display, "compile")
        self.assertEqual(status, 1, err)
        self.assertEqual(err[:2], ["Error: OpenGL vertex shader did not compile (the driver gave no log)",
                                   "Error: OpenGL fragment shader did not compile (the driver gave no log)"])
        # The link fails on the uncompiled shaders, and the driver says so in its log.
        self.assertRegex(err[2], r"^Error: OpenGL shader program did not link: \S")
        self.assertTrue(all(line.startswith("Error: ") for line in err), err)

    def test_missing_version_is_named_as_such(self):
        status, err = run_with_fault(self.display, "version")
        self.assertEqual((status, err), (1, ["Error: The OpenGL context reported no version"]))


if __name__ == "__main__":
    xs.need("Xvfb", env=["GL_FAULT_SHIM"])
    unittest.main()
