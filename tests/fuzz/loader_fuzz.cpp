// jaggo fuzz target: version strings and extension lists through a fake context.
// Input: one option byte, the version string up to the first newline, then the extensions.
//
// Option byte: bit 0 hides glGetStringi, bit 1 hides glGetIntegerv, bit 2 makes
// the resolver know only glGetString, bit 3 makes the second GL_VERSION query
// give null, bit 4 the first; bits 5-7 are how many more extensions the context
// reports than it has (the extra ones read as null). The extensions are the rest
// of the input: as one string for contexts below 3.0, one per line for the
// indexed list (an empty line reads as null).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "gl_loader/gl.h"
#include "unit/loader_fake.h"

namespace {

using namespace jaggo::gl;

const char* const names[3] = {"GL_ARB_multisample", "GL_ARB_robustness", "GL_KHR_debug"};
std::int32_t* const extension_flags[3] = {&gl_arb_multisample, &gl_arb_robustness, &gl_khr_debug};
std::int32_t* const version_flags[12] = {&gl_version_1_0, &gl_version_1_1, &gl_version_1_2, &gl_version_1_3,
                                         &gl_version_1_4, &gl_version_1_5, &gl_version_2_0, &gl_version_2_1,
                                         &gl_version_3_0, &gl_version_3_1, &gl_version_3_2, &gl_version_3_3};
const int versions[12][2] = {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5},
                             {2, 0}, {2, 1}, {3, 0}, {3, 1}, {3, 2}, {3, 3}};
constexpr std::int32_t unwritten = 7;

void check(bool ok) {
    if (!ok) __builtin_trap();
}

// Independent reading of a version string: the prefix, then "major.minor" with
// strtoll, each number clamped to the int range; a code that would not fit
// reads as no version.
void reference_version(const char* text, long long& major, long long& minor) {
    for (const char* prefix : {"OpenGL ES-CM ", "OpenGL ES-CL ", "OpenGL ES ", "OpenGL SC "}) {
        if (std::strncmp(text, prefix, std::strlen(prefix)) == 0) {
            text += std::strlen(prefix);
            break;
        }
    }
    major = minor = 0;
    char* end = nullptr;
    const long long a = std::strtoll(text, &end, 10);
    if (end != text) {
        major = a;
        if (*end == '.') {
            const char* rest = end + 1;
            const long long b = std::strtoll(rest, &end, 10);
            if (end != rest) minor = b;
        }
    }
    const long long int_max = std::numeric_limits<int>::max();
    const long long int_min = std::numeric_limits<int>::min();
    major = major > int_max ? int_max : major < int_min ? int_min : major;
    minor = minor > int_max ? int_max : minor < int_min ? int_min : minor;
    const long long code = major * 10000 + minor;
    if (code > std::numeric_limits<std::int32_t>::max() || code < std::numeric_limits<std::int32_t>::min()) {
        major = minor = 0;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned options = data[0];
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t newline = input.find('\n');
    const std::string version = input.substr(0, newline);
    const std::string extensions = newline == std::string::npos ? "" : input.substr(newline + 1);
    std::vector<std::string> lines;
    {
        std::istringstream in(extensions);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
    }

    fake::record = false;
    fake::reset();
    fake::version = version.c_str();
    fake::extension_string = extensions.c_str();
    std::vector<const char*> entries;
    for (const std::string& line : lines) entries.push_back(line.empty() ? nullptr : line.c_str());
    fake::use_indexed(entries);
    fake::reported_count += static_cast<GLint>(options >> 5);
    fake::have_get_stringi = (options & 1u) == 0;
    fake::have_get_integerv = (options & 2u) == 0;
    fake::only_get_string = (options & 4u) != 0;
    if (options & 8u) fake::version_answers = 1;
    if (options & 16u) fake::version_answers = 0;
    for (std::int32_t* flag : version_flags) *flag = unwritten;
    for (std::int32_t* flag : extension_flags) *flag = unwritten;

    const GLLoadResult result = load_gl_with(fake::resolve, nullptr);
    const GLVersionCode code = result.code;

    for (std::int32_t* flag : version_flags) check(*flag == 0 || *flag == 1 || *flag == unwritten);
    for (std::int32_t* flag : extension_flags) check(*flag == 0 || *flag == 1 || *flag == unwritten);
    // The first version query answered nothing: the load says so and stops there.
    check((result.status == GLLoadStatus::no_version) == ((options & 16u) != 0));
    if (*version_flags[0] == unwritten) {
        check(code == 0 && result.status != GLLoadStatus::no_extension_list);
        return 0;
    }

    // Version: code and flags agree with an independent reading of the string.
    long long major = 0;
    long long minor = 0;
    reference_version(version.c_str(), major, minor);
    const bool detected = *extension_flags[0] != unwritten;
    check(detected == (result.status == GLLoadStatus::loaded));
    check(code == (detected ? major * 10000 + minor : 0));
    for (int i = 0; i < 12; ++i) {
        const bool provided = major > versions[i][0] || (major == versions[i][0] && minor >= versions[i][1]);
        check(*version_flags[i] == (provided ? 1 : 0));
    }

    // Extensions: exact entries of the indexed list, or whole blank-separated
    // words of the single string.
    if (!detected) return 0;
    const bool indexed = major * 10000 + minor >= 30000;
    const std::string text = extensions.c_str();  // the fake's string ends at a NUL
    for (int k = 0; k < 3; ++k) {
        bool found = false;
        if (indexed) {
            for (const char* entry : entries) found = found || (entry && std::strcmp(entry, names[k]) == 0);
        } else {
            for (std::size_t from = 0; from <= text.size();) {
                const std::size_t blank = text.find(' ', from);
                const std::size_t to = blank == std::string::npos ? text.size() : blank;
                found = found || text.compare(from, to - from, names[k]) == 0;
                from = to + 1;
            }
        }
        check(*extension_flags[k] == (found ? 1 : 0));
    }
    return 0;
}
