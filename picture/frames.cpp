// jaggo picture: the other frames' levels gathered, and the levels of all frames read as one.
#include "picture/frames.h"

namespace jaggo::picture {

void add_other_frame(const Image& image, const Geometry& geometry, OtherFrames* frames,
                     const Precision& precision) {
    if (frames->count >= other_frame_count) return;
    const Squares squares = find_squares(image, precision);
    if (frames->why_not_as_drawn == nullptr)
        frames->why_not_as_drawn = why_not_as_drawn(image, squares, geometry);
    Histogram levels;
    grey_levels(image, 0, image.width / 2, &levels, precision);
    frames->left[frames->count] = read_levels(levels, precision);
    grey_levels(image, image.width / 2, image.width, &levels, precision);
    frames->right[frames->count] = read_levels(levels, precision);
    ++frames->count;
}

Reading read_together(const Reading& judged, const Reading* others, int count, bool* disagree,
                      const Precision& precision) {
    *disagree = false;
    if (judged.spread) return judged;
    for (int i = 0; i < count; ++i) {
        if (others[i].spread) return others[i];
    }
    bool seen[256] = {};
    for (int i = 0; i < judged.level_count; ++i) seen[judged.levels[i]] = true;
    for (int f = 0; f < count; ++f) {
        for (int i = 0; i < others[f].level_count; ++i) seen[others[f].levels[i]] = true;
    }
    Reading together = judged;
    together.level_count = 0;
    for (int level = 1; level < 255; ++level) {
        if (seen[level]) together.levels[together.level_count++] = static_cast<std::uint8_t>(level);
    }
    fit_count(&together, precision);
    bool each_fits = judged.samples != 0;
    bool one_without_grey = judged.level_count == 0;
    for (int i = 0; i < count; ++i) {
        each_fits = each_fits && others[i].samples != 0;
        one_without_grey = one_without_grey || others[i].level_count == 0;
    }
    *disagree = together.samples == 0 ? each_fits : together.samples > 1 && one_without_grey;
    return together;
}

}  // namespace jaggo::picture
