// Folders, deletion and the path helpers of the GUI and atlas loaders. Every operation that
// touches the file system goes through ResolvePath first.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include "media/files.h"

namespace {

std::string WithoutTrailingSlash(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return p;
}

}  // namespace

int PathKind(const std::string& path) {
  if (path.empty()) return 0;
  struct stat st {};
  if (stat(ResolvePath(WithoutTrailingSlash(path)).c_str(), &st) != 0) return 0;
  return S_ISDIR(st.st_mode) ? 2 : 1;
}

bool MakeFolder(const std::string& path) {
  const std::string target = ResolvePath(WithoutTrailingSlash(path));
  if (target.empty()) return false;
  if (mkdir(target.c_str(), 0777) != 0 && errno != EEXIST) return false;
  InvalidatePathCache();
  return PathKind(target) == 2;
}

bool MakeFolderTree(const std::string& path) {
  const std::string target = WithoutTrailingSlash(path);
  if (target.empty()) return false;
  size_t pos = target[0] == '/' ? 1 : 0;
  while (pos < target.size()) {
    size_t slash = target.find('/', pos);
    if (slash == std::string::npos) slash = target.size();
    if (slash > pos && !MakeFolder(target.substr(0, slash))) return false;
    pos = slash + 1;
  }
  return PathKind(target) == 2;
}

bool DeleteFile(const std::string& path) {
  const bool ok = unlink(ResolvePath(path).c_str()) == 0;
  InvalidatePathCache();
  return ok;
}

std::string CurrentFolder() {
  std::vector<char> buffer(PATH_MAX);
  for (;;) {
    if (getcwd(buffer.data(), buffer.size())) return buffer.data();
    if (errno != ERANGE || buffer.size() > (1u << 20)) return std::string();
    buffer.resize(buffer.size() * 2);
  }
}

bool ChangeFolder(const std::string& path) {
  return chdir(ResolvePath(path).c_str()) == 0;
}

// Absolute and lexically normalised ("." and ".." folded, doubled "/" removed); letter case is
// left to the operation that later uses the path.
std::string AbsolutePath(const std::string& path) {
  const std::string full = (!path.empty() && path[0] == '/') ? path : CurrentFolder() + "/" + path;
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos <= full.size()) {
    size_t slash = full.find('/', pos);
    if (slash == std::string::npos) slash = full.size();
    std::string part = full.substr(pos, slash - pos);
    pos = slash + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(std::move(part));
  }
  std::string out;
  for (const std::string& part : parts) out += "/" + part;
  return out.empty() ? "/" : out;
}

// The folder part without its final "/": "a/b/c.png" -> "a/b", "c.png" -> "", "/c.png" -> "/".
std::string FolderOfPath(const std::string& path) {
  const std::string p = WithoutTrailingSlash(path);
  const size_t slash = p.find_last_of('/');
  if (slash == std::string::npos) return std::string();
  if (slash == 0) return "/";
  return p.substr(0, slash);
}

// Drops the extension of the last component only: "gfx.v2/menu.png" -> "gfx.v2/menu".
std::string PathWithoutExtension(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
  return path.substr(0, dot);
}

std::string ProgramFolder() {
  std::vector<char> buffer(PATH_MAX);
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return CurrentFolder();
    if (static_cast<size_t>(n) < buffer.size()) {
      return FolderOfPath(std::string(buffer.data(), static_cast<size_t>(n)));
    }
    if (buffer.size() > (1u << 20)) return CurrentFolder();
    buffer.resize(buffer.size() * 2);
  }
}
