#include "media/folder_list.h"

#include <filesystem>

std::vector<std::string> ListFilesBelow(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  if (ec) return files;
  for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    if (it->is_regular_file(ec)) {
      files.push_back(it->path().lexically_relative(folder).generic_string());
    }
  }
  return files;
}
