// jaggo tests: what the entry-point loader takes from the heap, counted by the
// allocation counter linked into this test: only the temporary extension list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gl_loader/gl.h"
#include "unit/loader_fake.h"

extern "C" long jaggo_alloc_blocks();
extern "C" long jaggo_alloc_frees();

namespace jaggo::gl {
namespace {

struct Heap {
    long blocks;
    long frees;
};

// Blocks taken and freed by this thread during one full load on the fake context.
Heap load_counted() {
    fake::record = false;  // the fake's own log would allocate
    const long blocks = jaggo_alloc_blocks();
    const long frees = jaggo_alloc_frees();
    load_gl_with(fake::resolve, nullptr);
    const Heap heap{jaggo_alloc_blocks() - blocks, jaggo_alloc_frees() - frees};
    fake::record = true;
    return heap;
}

std::vector<std::string> names_with_wanted(int count) {
    std::vector<std::string> names;
    for (int i = 0; i + 3 < count; ++i) names.push_back("GL_FAKE_extension_" + std::to_string(i));
    names.insert(names.end(), {"GL_ARB_multisample", "GL_ARB_robustness", "GL_KHR_debug"});
    return names;
}

TEST(LoaderHeap, CounterSeesThisThreadsBlocks) {
    // Without this the zero counts below could pass with a counter that never ran.
    const long blocks = jaggo_alloc_blocks();
    const long frees = jaggo_alloc_frees();
    void* volatile block = std::malloc(24);
    std::free(block);
    EXPECT_EQ(jaggo_alloc_blocks() - blocks, 1);
    EXPECT_EQ(jaggo_alloc_frees() - frees, 1);
}

TEST(LoaderHeap, IndexedListTakesOneBlockPerNamePlusTheArrayAndFreesThemAll) {
    for (int count : {3, 302}) {
        SCOPED_TRACE(count);
        fake::reset();
        const std::vector<std::string> names = names_with_wanted(count);
        std::vector<const char*> pointers;
        for (const std::string& name : names) pointers.push_back(name.c_str());
        fake::use_indexed(pointers);
        const Heap heap = load_counted();
        EXPECT_EQ(heap.blocks, count + 1);
        EXPECT_EQ(heap.frees, count + 1);
        EXPECT_EQ(gl_arb_multisample + gl_arb_robustness + gl_khr_debug, 3);
        fake::reset();
    }
}

TEST(LoaderHeap, UnreadableNamesTakeNoBlock) {
    fake::reset();
    fake::use_indexed({"GL_KHR_debug", nullptr, "GL_ARB_multisample", nullptr});
    const Heap heap = load_counted();
    EXPECT_EQ(heap.blocks, 3);
    EXPECT_EQ(heap.frees, 3);
    EXPECT_EQ(gl_khr_debug, 1);
    fake::reset();
}

TEST(LoaderHeap, ContextsWithoutAnIndexedListTakeNothing) {
    struct Case {
        const char* version;
        const char* extensions;
        GLint reported;
    };
    const Case cases[] = {
        {"2.1 Mesa", "GL_ARB_multisample GL_KHR_debug", 0},  // one string, read in place
        {"2.1 Mesa", nullptr, 0},
        {"3.3.0 Fake", nullptr, 0},  // an empty indexed list
        {"1.1", "GL_ARB_multisample", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        fake::reset();
        fake::version = c.version;
        fake::extension_string = c.extensions;
        fake::reported_count = c.reported;
        const Heap heap = load_counted();
        EXPECT_EQ(heap.blocks, 0);
        EXPECT_EQ(heap.frees, 0);
    }
    fake::reset();
}

}  // namespace
}  // namespace jaggo::gl
