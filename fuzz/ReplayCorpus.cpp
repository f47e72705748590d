// Runs every file of the given corpus folders through a fuzz target's entry,
// so the ordinary test suite replays the seeds with the ordinary compiler.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i)
        for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    std::cout << replayed << " inputs replayed\n";
    // An empty corpus would make this test pass without testing anything.
    return replayed > 0 ? 0 : 1;
}
