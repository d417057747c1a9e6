// jaggo benchmarks: cost of a full entry-point load, over a counting resolver and
// on a real context (glfwGetProcAddress), beside the bare lookups alone.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gl_loader/gl.h"
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace {

using namespace jaggo::gl;

// Every name a full load looks up, in its order (glGetString first).
std::vector<const char*> all_lookups() {
    std::vector<const char*> names = {"glGetString"};
#define JAGGO_BENCH_NAME(name) names.push_back(#name);
#define JAGGO_BENCH_GROUP(flag, list) list(JAGGO_BENCH_NAME)
    JAGGO_GL_VERSION_GROUPS(JAGGO_BENCH_GROUP)
    JAGGO_GL_EXTENSION_GROUPS(JAGGO_BENCH_GROUP)
#undef JAGGO_BENCH_GROUP
#undef JAGGO_BENCH_NAME
    return names;
}

// A fake 4.6 context that reports as many extensions as Mesa's llvmpipe does.
std::vector<std::string> extension_names;
GLint extension_count = 0;
const char* fake_version = "4.6.0 Fake";

const GLubyte* JAGGO_APIENTRY fake_get_string(GLenum name) {
    return name == GL_VERSION ? reinterpret_cast<const GLubyte*>(fake_version) : nullptr;
}
void JAGGO_APIENTRY fake_get_integerv(GLenum, GLint* data) {
    *data = extension_count;
}
const GLubyte* JAGGO_APIENTRY fake_get_stringi(GLenum, GLuint index) {
    return reinterpret_cast<const GLubyte*>(extension_names[index].c_str());
}
void JAGGO_APIENTRY fake_other() {}

// Counts the lookups and answers the three queries the loader makes itself.
GLProc counting_resolver(void* user, const char* name) {
    ++*static_cast<long*>(user);
    if (name[2] == 'G' && std::strcmp(name, "glGetString") == 0)
        return reinterpret_cast<GLProc>(&fake_get_string);
    if (name[2] == 'G' && std::strcmp(name, "glGetStringi") == 0)
        return reinterpret_cast<GLProc>(&fake_get_stringi);
    if (name[2] == 'G' && std::strcmp(name, "glGetIntegerv") == 0)
        return reinterpret_cast<GLProc>(&fake_get_integerv);
    return &fake_other;
}

void BM_LoadWithCountingResolver(benchmark::State& state) {
    extension_names.clear();
    for (long i = 0; i < state.range(0) - 3; ++i)
        extension_names.push_back("GL_FAKE_extension_" + std::to_string(i));
    if (state.range(0) >= 3) {
        extension_names.insert(extension_names.end(),
                               {"GL_ARB_multisample", "GL_ARB_robustness", "GL_KHR_debug"});
    }
    extension_count = static_cast<GLint>(extension_names.size());
    long lookups = 0;
    for (auto _ : state) benchmark::DoNotOptimize(load_gl_with(counting_resolver, &lookups));
    state.counters["lookups_per_load"] =
        static_cast<double>(lookups) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_LoadWithCountingResolver)->Arg(3)->Arg(300);

// The same 761 resolver calls with no loader around them.
void BM_CountingResolverAlone(benchmark::State& state) {
    const std::vector<const char*> names = all_lookups();
    long lookups = 0;
    for (auto _ : state) {
        for (const char* name : names) benchmark::DoNotOptimize(counting_resolver(&lookups, name));
    }
}
BENCHMARK(BM_CountingResolverAlone);

void BM_LoadGlRealContext(benchmark::State& state) {
    GLVersionCode code = 0;
    for (auto _ : state) benchmark::DoNotOptimize(code = load_gl(glfwGetProcAddress).code);
    state.counters["version_code"] = code;
}

// The part of a load that is not lookups: the version string and the
// indexed extension list, copied and freed.
void BM_DetectRealContext(benchmark::State& state) {
    GLint count = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (auto _ : state) benchmark::DoNotOptimize(detect_gl_extensions(detect_gl_version()));
    state.counters["extensions"] = count;
}

// Mesa counts its enabled extensions up to the index on every glGetStringi, so
// the last name of the list costs far more than the first: the detection's
// share of a load is the driver's, not the loader's.
void BM_GetStringiFirst(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(glGetStringi(GL_EXTENSIONS, 0));
}

void BM_GetStringiLast(benchmark::State& state) {
    GLint count = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    const GLuint last = static_cast<GLuint>(count > 0 ? count - 1 : 0);
    for (auto _ : state) benchmark::DoNotOptimize(glGetStringi(GL_EXTENSIONS, last));
}

void BM_RawGlfwGetProcAddress(benchmark::State& state) {
    const std::vector<const char*> names = all_lookups();
    for (auto _ : state) {
        for (const char* name : names) benchmark::DoNotOptimize(glfwGetProcAddress(name));
    }
    state.counters["lookups"] = static_cast<double>(names.size());
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // The real-context pair needs a window; without a display only the fake runs.
    GLFWwindow* window = nullptr;
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0' && glfwInit() == GLFW_TRUE) {
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
        window = glfwCreateWindow(80, 40, "jaggo loader bench", nullptr, nullptr);
    }
    if (window != nullptr) {
        glfwMakeContextCurrent(window);
        load_gl(glfwGetProcAddress);
        benchmark::RegisterBenchmark("BM_LoadGlRealContext", BM_LoadGlRealContext);
        benchmark::RegisterBenchmark("BM_RawGlfwGetProcAddress", BM_RawGlfwGetProcAddress);
        benchmark::RegisterBenchmark("BM_DetectRealContext", BM_DetectRealContext);
        if (glGetStringi != nullptr) {
            benchmark::RegisterBenchmark("BM_GetStringiFirst", BM_GetStringiFirst);
            benchmark::RegisterBenchmark("BM_GetStringiLast", BM_GetStringiLast);
        }
    } else {
        std::fprintf(stderr, "loader_bench: no window, real-context benchmarks skipped\n");
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (window != nullptr) glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
