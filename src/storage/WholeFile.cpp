#include "storage/WholeFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorvel {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::stringstream content;
  content << in.rdbuf();
  // An empty file leaves the stream failed but not bad; only a read error is one.
  if (in.bad()) return std::nullopt;
  return content.str();
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;
  const std::string temp = path + ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << bytes;
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, path, ec);
  if (ec) {
    // Some systems will not rename over an existing file; the new list is
    // complete in the temporary file by now, so the old one may go first.
    ec.clear();
    fs::remove(path, ec);
    ec.clear();
    fs::rename(temp, path, ec);
  }
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  if (!out) return false;
  out << bytes;
  return static_cast<bool>(out.flush());
}

}  // namespace quorvel
