// Letter-case-blind path lookup. The game names its assets and user files with whatever case its
// data happens to use ("/data/settings.txt" for the folder created as "Data"); on a case-sensitive
// file system every component is matched against the folder's entries: the exact spelling when it
// exists, else the first entry, in sorted order, that equals it after upper-casing.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "media/files.h"
#include "media/text_encoding.h"

namespace {

struct Listing {
  struct timespec mtime {};
  ino_t inode = 0;
  // (upper-cased name, name) in sorted order of the names.
  std::vector<std::pair<std::string, std::string>> entries;
};

std::mutex g_cacheMutex;
std::map<std::string, Listing> g_listings;

bool SameTime(const struct timespec& a, const struct timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// A listing is reused while the folder's modification time and identity are unchanged, so files
// created behind our back are found too; our own changes also drop the cache explicitly.
const Listing* ListFolder(const std::string& folder) {
  struct stat st {};
  if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return nullptr;
  auto it = g_listings.find(folder);
  if (it != g_listings.end() && SameTime(it->second.mtime, st.st_mtim) &&
      it->second.inode == st.st_ino) {
    return &it->second;
  }
  Listing listing;
  listing.mtime = st.st_mtim;
  listing.inode = st.st_ino;
  if (DIR* dir = opendir(folder.c_str())) {
    std::vector<std::string> names;
    while (struct dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(std::move(name));
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    for (auto& name : names) listing.entries.emplace_back(ToUpperCase(name), std::move(name));
  }
  return &(g_listings[folder] = std::move(listing));
}

bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

}  // namespace

std::string ResolvePath(const std::string& path) {
  if (path.empty()) return path;
  std::lock_guard<std::mutex> lock(g_cacheMutex);
  const bool absolute = path[0] == '/';
  // `result` is the path as handed back (relative stays relative); `real` is what the OS is
  // asked, with the working folder spelt "." for relative paths.
  std::string result = absolute ? "/" : "";
  bool missing = false;
  size_t pos = absolute ? 1 : 0;
  while (pos <= path.size()) {
    size_t slash = path.find('/', pos);
    if (slash == std::string::npos) slash = path.size();
    std::string component = path.substr(pos, slash - pos);
    pos = slash + 1;
    if (component.empty()) continue;  // doubled or trailing "/"
    const std::string parent = result.empty() ? "." : result;
    std::string candidate =
        (result.empty() || result.back() == '/') ? result + component : result + "/" + component;
    if (!missing && component != "." && component != ".." && !Exists(candidate)) {
      const std::string key = ToUpperCase(component);
      const Listing* listing = ListFolder(parent);
      const std::string* match = nullptr;
      if (listing) {
        for (const auto& [upper, name] : listing->entries) {
          if (upper == key) {
            match = &name;
            break;
          }
        }
      }
      if (match) {
        candidate =
            (result.empty() || result.back() == '/') ? result + *match : result + "/" + *match;
      } else {
        missing = true;  // nothing below a missing folder can exist either
      }
    }
    result = std::move(candidate);
  }
  if (path.size() > 1 && path.back() == '/' && !result.empty() && result.back() != '/') {
    result += '/';
  }
  return result;
}

void InvalidatePathCache() {
  std::lock_guard<std::mutex> lock(g_cacheMutex);
  g_listings.clear();
}
