// jaggo tests: a heap-allocation counter, linked into a test or preloaded into jaggo.
// Counts each thread's blocks and frees, and in jaggo attributes frame-time allocations.
//
// malloc and its relatives forward to glibc's own entry points (__libc_malloc...), so the
// counter changes nothing but the counts. A test reads its thread's counts through
// jaggo_alloc_blocks() and jaggo_alloc_frees().
//
// Preloaded into jaggo with JAGGO_ALLOC_REPORT=FILE it also follows the frame loop through
// GLFW's calls: a frame is the time between two glfwSwapBuffers, the draw part of it runs
// from glfwPollEvents' return to the next swap, and the frames end when glfwWindowShouldClose
// first says true. Each main-thread allocation is attributed to the first caller on its stack
// that is not the allocator (libc, libstdc++, libgcc_s or this library): jaggo's own code when
// that caller lies in the executable. After the warm-up frames (JAGGO_ALLOC_WARMUP, 10 by
// default) the counts go to FILE as key=value lines when the frames end. FILE.ready appears
// once 25 steady frames have begun, so a test can wait for them however slowly the machine draws.
// The first frame begins at the first glfwGetFramebufferSize (each frame asks for its size before
// it draws); what jaggo's code allocates from there to the first swap is counted apart too, blocks
// and bytes asked for, within the start-up figures: jaggo-verdict's judged frame is that frame.
//
// With JAGGO_ALLOC_LIVE=FILE it also keeps jaggo's own live heap: every main-thread block whose first
// caller lies in the executable is remembered until it is freed. After each glfwSwapBuffers, FILE (a
// shared mapping, so no system call per frame) holds "frames live_blocks live_bytes lost" as one line
// of fixed width, rewritten in place; a test reads it whenever it likes. lost counts blocks that did
// not fit the table, so a reading with lost > 0 is no reading.
#include <dlfcn.h>
#include <execinfo.h>
#include <fcntl.h>
#include <link.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

#define JAGGO_TLS __attribute__((tls_model("initial-exec"))) thread_local

JAGGO_TLS long thread_blocks = 0;
JAGGO_TLS long thread_frees = 0;
JAGGO_TLS int inside = 0;       // set while the counter itself runs: its allocations are not counted
JAGGO_TLS int main_thread = 0;  // set on the thread that ran the constructor

// Frame following, on only when a report was asked for.
enum Phase { startup, draw, swap, poll, shutdown };
bool following = false;
const char* report_path = nullptr;
long warmup = 10;
Phase phase = startup;
long frames = 0;                  // glfwSwapBuffers calls begun
constexpr long ready_after = 25;  // steady frames begun before FILE.ready is made
char ready_path[4096] = "";

bool first_frame = false;  // the first frame has begun (and start-up goes on to its swap)
long startup_ours = 0;
long startup_other = 0;
long first_frame_ours = 0;
unsigned long first_frame_ours_bytes = 0;
long steady_ours = 0;
long steady_draw_other = 0;
long steady_swap = 0;
long steady_poll = 0;
std::atomic<long> steady_other_threads{0};

// Address ranges of the executable and of the allocator's own objects.
struct Range {
    std::uintptr_t from;
    std::uintptr_t to;
};
constexpr int max_ranges = 32;
Range exe_ranges[max_ranges];
int exe_count = 0;
Range allocator_ranges[max_ranges];
int allocator_count = 0;

// jaggo's own live blocks (JAGGO_ALLOC_LIVE): an open-addressed table of block and size, guarded by
// a spin lock (other threads free blocks too, if never ours). Removed entries become tombstones.
constexpr std::size_t live_capacity = 1 << 16;
struct LiveBlock {
    void* block;
    std::size_t size;
};
LiveBlock live_table[live_capacity];
void* const tombstone = &live_table;
std::atomic_flag live_lock = ATOMIC_FLAG_INIT;
bool tracking_live = false;
long live_blocks = 0;
long live_bytes = 0;
long live_lost = 0;
char* live_view = nullptr;  // FILE's shared mapping
constexpr std::size_t live_view_size = 4096;

// Holds live_lock for its scope.
struct LiveLock {
    LiveLock() {
        while (live_lock.test_and_set(std::memory_order_acquire)) {
        }
    }
    ~LiveLock() { live_lock.clear(std::memory_order_release); }
    LiveLock(const LiveLock&) = delete;
    LiveLock& operator=(const LiveLock&) = delete;
};

std::size_t live_slot(const void* block) {
    return (reinterpret_cast<std::uintptr_t>(block) >> 4) * 0x9E3779B97F4A7C15u % live_capacity;
}

void live_add(void* block, std::size_t size) {
    const LiveLock locked;
    std::size_t slot = live_slot(block);
    for (std::size_t probe = 0; probe < live_capacity; ++probe, slot = (slot + 1) % live_capacity) {
        if (live_table[slot].block == nullptr || live_table[slot].block == tombstone) {
            live_table[slot] = {block, size};
            ++live_blocks;
            live_bytes += static_cast<long>(size);
            return;
        }
    }
    ++live_lost;
}

void live_remove(void* block) {
    const LiveLock locked;
    if (live_blocks > 0) {
        std::size_t slot = live_slot(block);
        for (std::size_t probe = 0; probe < live_capacity && live_table[slot].block != nullptr;
             ++probe, slot = (slot + 1) % live_capacity) {
            if (live_table[slot].block == block) {
                live_table[slot].block = tombstone;
                --live_blocks;
                live_bytes -= static_cast<long>(live_table[slot].size);
                break;
            }
        }
    }
}

// A few library callers that allocated during steady frames, named in the report.
constexpr int max_callers = 16;
void* other_callers[max_callers];
int other_caller_count = 0;

bool in(const Range* ranges, int count, std::uintptr_t address) {
    for (int i = 0; i < count; ++i) {
        if (address >= ranges[i].from && address < ranges[i].to) return true;
    }
    return false;
}

bool is_allocator(const char* path) {
    const char* base = std::strrchr(path, '/');
    base = base != nullptr ? base + 1 : path;
    return std::strncmp(base, "libc.so", 7) == 0 || std::strncmp(base, "libstdc++", 9) == 0 ||
           std::strncmp(base, "libgcc_s", 8) == 0 || std::strstr(base, "alloc_counter") != nullptr;
}

int note_object(dl_phdr_info* info, std::size_t, void*) {
    const bool exe = info->dlpi_name == nullptr || info->dlpi_name[0] == '\0';
    if (!exe && !is_allocator(info->dlpi_name)) return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const auto& header = info->dlpi_phdr[i];
        if (header.p_type != PT_LOAD) continue;
        const Range range{info->dlpi_addr + header.p_vaddr,
                          info->dlpi_addr + header.p_vaddr + header.p_memsz};
        if (exe && exe_count < max_ranges) exe_ranges[exe_count++] = range;
        if (!exe && allocator_count < max_ranges) allocator_ranges[allocator_count++] = range;
    }
    return 0;
}

// The first caller outside the allocator, or null when the stack cannot be read.
void* first_caller() {
    void* stack[48];
    const int depth = backtrace(stack, 48);
    for (int i = 1; i < depth; ++i) {
        if (!in(allocator_ranges, allocator_count, reinterpret_cast<std::uintptr_t>(stack[i])))
            return stack[i];
    }
    return nullptr;
}

bool is_ours(void* caller) {
    return caller != nullptr && in(exe_ranges, exe_count, reinterpret_cast<std::uintptr_t>(caller));
}

// Counts one new block of size bytes asked for (called with `inside` clear).
void count_block(void* block, std::size_t size) {
    ++thread_blocks;
    // The stack is walked once a block, for the live heap and the frame attribution alike.
    void* caller = nullptr;
    if (tracking_live && main_thread) {
        inside = 1;
        caller = first_caller();
        if (is_ours(caller)) live_add(block, malloc_usable_size(block));
        inside = 0;
    }
    if (!following || phase == shutdown) return;
    const bool steady = phase != startup && frames >= warmup;
    if (!main_thread) {
        if (steady) steady_other_threads.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    if (phase == swap || phase == poll) {
        if (steady && phase == swap) ++steady_swap;
        if (steady && phase == poll) ++steady_poll;
        if (!steady) return;
    } else if (phase == draw && !steady) {
        return;
    }
    if (!tracking_live) {
        inside = 1;
        caller = first_caller();
        inside = 0;
    }
    const bool ours = is_ours(caller);
    if (phase == startup) {
        ++(ours ? startup_ours : startup_other);
        if (ours && first_frame) {
            ++first_frame_ours;
            first_frame_ours_bytes += size;
        }
    } else if (ours) {
        ++steady_ours;
    } else {
        if (phase == draw) ++steady_draw_other;
        if (other_caller_count < max_callers) other_callers[other_caller_count++] = caller;
    }
}

void write_report() {
    const int fd = open(report_path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    char text[4096];
    int used =
        std::snprintf(text, sizeof text,
                      "warmup=%ld\nframes=%ld\nsteady_frames=%ld\nstartup_ours=%ld\nstartup_other=%ld\n"
                      "first_frame_ours=%ld\nfirst_frame_ours_bytes=%lu\n"
                      "steady_ours=%ld\nsteady_draw_other=%ld\nsteady_swap=%ld\nsteady_poll=%ld\n"
                      "steady_other_threads=%ld\n",
                      warmup, frames, frames > warmup ? frames - warmup : 0, startup_ours, startup_other,
                      first_frame_ours, first_frame_ours_bytes, steady_ours, steady_draw_other, steady_swap,
                      steady_poll, steady_other_threads.load());
    for (int i = 0; i < other_caller_count && used > 0 && used < static_cast<int>(sizeof text) - 200; ++i) {
        Dl_info where{};
        const char* name = dladdr(other_callers[i], &where) != 0 && where.dli_fname ? where.dli_fname : "?";
        used += std::snprintf(text + used, sizeof text - static_cast<std::size_t>(used),
                              "steady_other_caller=%s\n", name);
    }
    if (used > 0) {
        const ssize_t written = write(fd, text, static_cast<std::size_t>(used));
        static_cast<void>(written);
    }
    close(fd);
}

// Rewrites FILE's line in place: the same width every time, so a reader never sees a shorter one.
void show_live() {
    if (live_view == nullptr) return;
    const LiveLock locked;
    std::snprintf(live_view, live_view_size, "%20ld %20ld %20ld %20ld\n", frames, live_blocks, live_bytes,
                  live_lost);
}

void map_live_view(const char* path) {
    const int fd = open(path, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    if (ftruncate(fd, static_cast<off_t>(live_view_size)) == 0) {
        void* view = mmap(nullptr, live_view_size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (view != MAP_FAILED) live_view = static_cast<char*>(view);
    }
    close(fd);
}

__attribute__((constructor)) void start_counting() {
    main_thread = 1;
    report_path = std::getenv("JAGGO_ALLOC_REPORT");
    const char* live_path = std::getenv("JAGGO_ALLOC_LIVE");
    const bool live = live_path != nullptr && *live_path != '\0';
    const bool report = report_path != nullptr && *report_path != '\0';
    if (!live && !report) return;
    inside = 1;
    void* stack[4];
    backtrace(stack, 4);  // loads the unwinder now, not in the middle of a frame
    dl_iterate_phdr(note_object, nullptr);
    if (live) map_live_view(live_path);
    inside = 0;
    tracking_live = live;
    if (!report) return;
    if (const char* text = std::getenv("JAGGO_ALLOC_WARMUP")) warmup = std::strtol(text, nullptr, 10);
    std::snprintf(ready_path, sizeof(ready_path), "%s.ready", report_path);
    following = true;
}

template <typename Fn>
Fn next(const char* name) {
    inside = 1;
    Fn fn = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
    inside = 0;
    return fn;
}

}  // namespace

extern "C" {

long jaggo_alloc_blocks() {
    return thread_blocks;
}
long jaggo_alloc_frees() {
    return thread_frees;
}

void* malloc(std::size_t size) noexcept {
    void* block = __libc_malloc(size);
    if (block != nullptr && !inside) count_block(block, size);
    return block;
}

void* calloc(std::size_t count, std::size_t size) noexcept {
    void* block = __libc_calloc(count, size);
    if (block != nullptr && !inside) count_block(block, count * size);
    return block;
}

void* realloc(void* old, std::size_t size) noexcept {
    void* block = __libc_realloc(old, size);
    if (old != nullptr && (block != nullptr || size == 0) && tracking_live) live_remove(old);
    if (block != nullptr && !inside) count_block(block, size);
    return block;
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
    void* block = __libc_memalign(alignment, size);
    if (block != nullptr && !inside) count_block(block, size);
    return block;
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    return memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) noexcept {
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
    void* block = memalign(alignment, size);
    if (block == nullptr) return ENOMEM;
    *result = block;
    return 0;
}

void free(void* block) noexcept {
    if (block != nullptr && !inside) ++thread_frees;
    if (block != nullptr && tracking_live) live_remove(block);
    __libc_free(block);
}

// The frame markers. GLFW's functions are looked up behind this library.
struct GLFWwindow;

void glfwSwapBuffers(GLFWwindow* window) {
    static auto real = next<void (*)(GLFWwindow*)>("glfwSwapBuffers");
    if (main_thread && phase != shutdown) {
        ++frames;
        phase = swap;
        if (frames == warmup + ready_after && ready_path[0] != '\0') {
            const int fd = open(ready_path, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);  // no heap block
            if (fd >= 0) close(fd);
        }
    }
    real(window);
    if (main_thread && phase != shutdown) phase = draw;
    if (main_thread && tracking_live) show_live();
}

void glfwGetFramebufferSize(GLFWwindow* window, int* width, int* height) {
    static auto real = next<void (*)(GLFWwindow*, int*, int*)>("glfwGetFramebufferSize");
    if (main_thread && phase == startup) first_frame = true;
    real(window, width, height);
}

void glfwPollEvents() {
    static auto real = next<void (*)()>("glfwPollEvents");
    if (main_thread && phase != shutdown && phase != startup) phase = poll;
    real();
    if (main_thread && phase != shutdown && phase != startup) phase = draw;
}

// The frame loop is over once the close flag reads true: what follows is shutdown.
void end_frames() {
    if (main_thread && following && phase != shutdown) {
        phase = shutdown;
        write_report();
    }
}

int glfwWindowShouldClose(GLFWwindow* window) {
    static auto real = next<int (*)(GLFWwindow*)>("glfwWindowShouldClose");
    const int close = real(window);
    if (close) end_frames();
    return close;
}

void glfwDestroyWindow(GLFWwindow* window) {
    static auto real = next<void (*)(GLFWwindow*)>("glfwDestroyWindow");
    end_frames();
    real(window);
}

}  // extern "C"
