// Builds the shipped sample database from the text tables:
//   dorv_sampledb <tables directory> <output directory>
#include <iostream>

#include "Generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: dorv_sampledb <tables directory> <output directory>\n";
    return 2;
  }
  auto missing = dorv::sampledb::MissingTables(argv[1]);
  for (const std::string& path : missing) std::cerr << "dorv_sampledb: missing table " << path << "\n";
  if (!missing.empty()) return 1;
  try {
    auto images = dorv::sampledb::BuildSampleDatabase(argv[1]);
    std::string message;
    if (!dorv::sampledb::WriteImages(images, argv[2], message)) {
      std::cerr << "dorv_sampledb: " << message << "\n";
      return 1;
    }
  } catch (const dorv::sampledb::TableError& error) {
    std::cerr << "dorv_sampledb: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
