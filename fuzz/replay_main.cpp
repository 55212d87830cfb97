// Replays saved inputs through a fuzz entry as an ordinary program (g++
// builds, CTest): every argument is a file or a folder whose files are run
// in name order. A crash or a sanitizer report fails the run; finding no
// input at all fails too (a misplaced corpus must not pass silently).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size);

int main(int Argc, char **Argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> Inputs;
    for (int I = 1; I < Argc; ++I) {
        const fs::path Arg(Argv[I]);
        if (fs::is_directory(Arg)) {
            for (const auto &E : fs::directory_iterator(Arg))
                if (E.is_regular_file())
                    Inputs.push_back(E.path());
        } else if (fs::is_regular_file(Arg)) {
            Inputs.push_back(Arg);
        } else {
            std::fprintf(stderr, "no such input: %s\n", Argv[I]);
            return 2;
        }
    }
    std::sort(Inputs.begin(), Inputs.end());
    if (Inputs.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 2;
    }
    for (const fs::path &P : Inputs) {
        std::ifstream In(P, std::ios::binary);
        const std::vector<char> Bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
        std::fprintf(stderr, "replaying %s (%zu bytes)\n", P.filename().c_str(), Bytes.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(Bytes.data()), Bytes.size());
    }
    std::printf("%zu inputs replayed\n", Inputs.size());
    return 0;
}
