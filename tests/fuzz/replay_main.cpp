// jaggo fuzz target: replays saved inputs without a fuzzing engine, so any compiler runs the corpus.
// Usage: NAME_replay PATH...; each PATH is an input file or a folder of them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Runs one input; a fault in the target traps and ends the process.
void replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    const std::string program = std::filesystem::path(argv[0]).filename().string();
    const char* name = program.c_str();
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path = argv[i];
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                if (!entry.is_regular_file()) continue;
                replay(entry.path());
                ++inputs;
            }
        } else if (std::filesystem::is_regular_file(path, error)) {
            replay(path);
            ++inputs;
        } else {
            std::fprintf(stderr, "%s: no such input: %s\n", name, argv[i]);
            return 1;
        }
    }
    // A corpus that cannot be found must not pass as one that was replayed.
    if (inputs == 0) {
        std::fprintf(stderr, "%s: no inputs\n", name);
        return 1;
    }
    std::printf("%s: %d inputs replayed\n", name, inputs);
    return 0;
}
