// jaggo app: the error and key callbacks.
// The error line is the program's one kind of message on standard error.
#include "app/callbacks.h"

#include <GLFW/glfw3.h>

#include <cstdio>

namespace jaggo {

namespace {

// GLFW's error callback takes no pointer of the caller's, so the last error stays here. Cut to
// size; its line on standard error is whole.
char last[512] = "";

}  // namespace

void error_callback(int /*error*/, const char* description) {
    // GLFW always passes a description; guard anyway so %s never sees null.
    report_error(description != nullptr ? description : "(no description)");
}

void key_callback(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/) {
    if (action != GLFW_PRESS) return;
    if (key == GLFW_KEY_SPACE) {
        glfwSetTime(0.0);
    } else if (key == GLFW_KEY_ESCAPE) {
        glfwSetWindowShouldClose(window, GLFW_TRUE);
    }
}

void report_error(const char* text) {
    std::fprintf(stderr, "Error: %s\n", text);
    std::snprintf(last, sizeof last, "%s", text);
}

const char* last_error() {
    return last;
}

void forget_errors() {
    last[0] = '\0';
}

}  // namespace jaggo
