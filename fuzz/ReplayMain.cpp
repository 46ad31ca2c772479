// Feeds every file of the seed corpus to its fuzz entry point, so that inputs which once
// broke something keep being checked by the ordinary test run. A broken check aborts.

#include "FuzzTargets.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

struct Target
{
    const char* folder;
    int (*entry)(const std::uint8_t*, std::size_t);
};

constexpr Target kTargets[] = {
    {"view_reply", fuzzViewReply},
    {"acknowledgement", fuzzAcknowledgement},
    {"dial_string", fuzzDialString},
    {"profile_file", fuzzProfileFile},
};

std::vector<std::uint8_t> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    int failures = 0;
    for (const Target& target : kTargets) {
        const std::filesystem::path folder = root / target.folder;
        std::error_code error;
        int replayed = 0;
        for (const auto& file : std::filesystem::directory_iterator(folder, error)) {
            if (!file.is_regular_file())
                continue;
            const std::vector<std::uint8_t> input = readFile(file.path());
            target.entry(input.data(), input.size());
            ++replayed;
        }
        std::printf("%s: %d inputs replayed\n", target.folder, replayed);
        if (error || replayed == 0) {
            std::fprintf(stderr, "no corpus in %s\n", folder.string().c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
