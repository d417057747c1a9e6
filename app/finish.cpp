// jaggo app: ending the run: the window destroyed, GLFW terminated, the status given.
#include "app/finish.h"

#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "app/callbacks.h"
#include "platform/display_lost.h"

namespace jaggo {

void fail_with_window(GLFWwindow* window) {
    glfwDestroyWindow(window);
    glfwTerminate();
    std::exit(1);
}

void finish(GLFWwindow* window, int status) {
    // A display that went away ends the loop too: that is no clean end.
    char lost[256] = "";
    if (display_connection_lost(lost, sizeof lost)) {
        char text[300];
        std::snprintf(text, sizeof text, "The Wayland connection was lost: %s", lost);
        report_error(text);
        fail_with_window(window);
    }
    glfwDestroyWindow(window);
    glfwTerminate();
    std::exit(status);
}

}  // namespace jaggo
