// Feeds every file of a corpus directory once to a fuzz target, in name order: the ordinary
// test run replays the seeds and every input that once made a reader fail.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " CORPUS_DIRECTORY\n";
    return 2;
  }
  // The target makes its own data directory current: the corpus is found before it does.
  std::error_code error;
  const std::filesystem::path corpus = std::filesystem::absolute(argv[1], error);
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(corpus, error))
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  if (error || inputs.empty()) {
    std::cerr << "no inputs in " << argv[1] << "\n";
    return 1;
  }
  std::sort(inputs.begin(), inputs.end());
  for (const auto& path : inputs) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) {
      std::cerr << "cannot read " << path << "\n";
      return 1;
    }
    std::cout << path.filename().string() << "\n";
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::cout << inputs.size() << " inputs replayed\n";
  return 0;
}
