#include "Journal.h"

#include <cstdio>

namespace fakepal {

void Journal::Write(const std::string& line) const {
  if (Path.empty()) return;
  // Written by length: a line may hold a zero byte (the RTF of a send ends in one).
  const std::string record = line + "\n";
  if (FILE* f = std::fopen(Path.c_str(), "ab")) {
    std::fwrite(record.data(), 1, record.size(), f);
    std::fclose(f);
  }
}

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return text;
}

}  // namespace fakepal
