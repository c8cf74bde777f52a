#pragma once
#include <string>

namespace dorv::test {

// The text of a PDF file as pdftotext reads it back, pages laid out; empty when it cannot.
std::string PdfText(const std::string& path);

}  // namespace dorv::test
