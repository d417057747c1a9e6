// jaggo app: the error and key callbacks.
// The error line is the program's one kind of message on standard error.
#include "app/callbacks.h"

#include <GLFW/glfw3.h>

#include <cstdio>

namespace jaggo {

void error_callback(int /*error*/, const char* description) {
    // GLFW always passes a description; guard anyway so %s never sees null.
    std::fprintf(stderr, "Error: %s\n", description != nullptr ? description : "(no description)");
}

void key_callback(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/) {
    if (action != GLFW_PRESS) return;
    if (key == GLFW_KEY_SPACE) {
        glfwSetTime(0.0);
    } else if (key == GLFW_KEY_ESCAPE) {
        glfwSetWindowShouldClose(window, GLFW_TRUE);
    }
}

}  // namespace jaggo
