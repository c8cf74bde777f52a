#pragma once
#include <string>
#include <vector>

#include "Builders.h"

namespace dorv::sampledb {

// The tables of the tables directory that are not there, as full paths.
std::vector<std::string> MissingTables(const std::string& tablesDir);

// Reads every table of the directory and builds every sample file; throws TableError.
FileImages BuildSampleDatabase(const std::string& tablesDir);

// Writes each image into the directory (made when missing), each through a temporary file
// renamed over the old one. False with a message on the first failure.
bool WriteImages(const FileImages& images, const std::string& outputDir, std::string& message);

}  // namespace dorv::sampledb
