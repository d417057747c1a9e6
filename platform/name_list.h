// jaggo platform: a name in a blank-separated list, as GLX and EGL give their extensions.
#pragma once

#include <cstring>

namespace jaggo {

// True when name is a whole word of the list (which may be null): a name that only begins or ends
// another is not in it.
inline bool list_has_name(const char* list, const char* name) {
    const std::size_t length = std::strlen(name);
    for (const char* at = list; at != nullptr && (at = std::strstr(at, name)) != nullptr; at += length) {
        if ((at == list || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0')) return true;
    }
    return false;
}

}  // namespace jaggo
