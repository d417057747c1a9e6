// jaggo app: the report on what the window's context really provides.
// Everything goes to standard output; the entry points it calls must be loaded.
#pragma once

#include <cstdint>

namespace jaggo {

// Printed wherever the driver answers a string query with no string.
extern const char* const no_string_placeholder;

// Queries GL_SAMPLES into samples, prints the "Context N reports MSAA ..."
// line with chosen_pixel_format, then print_context_info(list_extensions).
void print_context_report();

// Prints the vendor, renderer, version and GLSL block between two rules and,
// when list is not 0, one extension name per line after it.
// Below OpenGL 3.0 (or without glGetStringi) the version numbers come from
// the GL_VERSION string and the names from the single GL_EXTENSIONS string.
void print_context_info(std::int32_t list);

// Hands each extension name of the current context to visit, in the order print_context_info
// prints them (the same placeholder where the driver gives no name). The name is not terminated.
using ExtensionVisitor = void (*)(const char* name, int length, void* data);
void visit_extensions(ExtensionVisitor visit, void* data);

}  // namespace jaggo
