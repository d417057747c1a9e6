// jaggo benchmarks: what jaggo-verdict -p adds to a run: one window's pictures (as read back, its
// corners magnified, as shown) encoded as PNG and written into a folder, at the window's size. The
// picture is the scene's as a 4-sample resolve gives it: two turned white squares on black, the right
// one's edges grey with the share of its samples each pixel covers.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/scene_layout.h"
#include "picture/squares.h"
#include "verdict/pictures.h"

namespace {

using namespace jaggo;

// The share of samples (1 at the pixel's centre, or 4 on a 2 x 2 grid) that a square of the scene
// turned by degrees covers in the pixel at (x, y).
std::uint8_t covered(int x, int y, double centre_x, double centre_y, double half_side, double degrees,
                     int samples) {
    const double a = degrees * 3.141592653589793 / 180.0;
    int in = 0;
    for (int s = 0; s < samples; ++s) {
        const double offset_x = samples == 1 ? 0.5 : 0.25 + 0.5 * (s % 2);
        const double offset_y = samples == 1 ? 0.5 : 0.25 + 0.5 * (s / 2);
        const double dx = x + offset_x - centre_x;
        const double dy = y + offset_y - centre_y;
        const double u = dx * std::cos(a) + dy * std::sin(a);
        const double v = -dx * std::sin(a) + dy * std::cos(a);
        in += std::fabs(u) <= half_side && std::fabs(v) <= half_side;
    }
    return static_cast<std::uint8_t>((255 * in + samples / 2) / samples);
}

void write_window_pictures(benchmark::State& state) {
    const int width = scene::window_width;
    const int height = scene::window_height;
    const double half_side = scene::square_half_side * height / 2.0;
    const double offset = scene::square_offset * height / 2.0;
    verdict::Pixels pixels(2 * verdict::picture_bytes(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const double centre_x = width / 2.0 + (right ? offset : -offset);
            const std::uint8_t level = covered(x, y, centre_x, height / 2.0, half_side, 30.0, right ? 4 : 1);
            std::uint8_t* p = pixels.data() + verdict::picture_bytes(width, y) + x * picture::bytes_per_pixel;
            p[0] = p[1] = p[2] = level;
            p[3] = 255;
        }
    }
    std::copy_n(pixels.data(), verdict::picture_bytes(width, height),
                pixels.data() + verdict::picture_bytes(width, height));  // shown as drawn

    verdict::WindowResult result;
    result.asked = 4;
    result.pictured = true;
    result.width = width;
    result.height = height;
    result.shown_read = true;
    result.judged.squares = picture::find_squares({pixels.data(), width, height});
    const char* temporary = std::getenv("TMPDIR");
    std::string folder =
        std::string(temporary != nullptr ? temporary : "/tmp") + "/jaggo-pictures-bench-XXXXXX";
    char* folder_name = folder.data();
    if (mkdtemp(folder_name) == nullptr) {
        state.SkipWithError("cannot make a folder to write into");
        return;
    }
    std::size_t files = 0;
    for (auto _ : state) {
        verdict::PictureFolder into;
        into.path = folder_name;
        result.pictures.reset();
        verdict::write_window_pictures(pixels, &into, &result);
        if (!into.error.empty()) {
            state.SkipWithError(into.error.c_str());
            break;
        }
        files += into.written.size();
    }
    for (const char* name : {"window-4.png", "window-4-edges.png", "window-4-shown.png"}) {
        std::remove((std::string(folder_name) + "/" + name).c_str());
    }
    std::remove(folder_name);
    state.counters["files"] =
        benchmark::Counter(static_cast<double>(files), benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(write_window_pictures)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
