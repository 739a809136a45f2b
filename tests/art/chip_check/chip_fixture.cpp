// The fixture format, one kind after another:
//   kind ID
//   luma FULL DEUTERANOPIA PROTANOPIA TRITANOPIA
//   mask32, then 32 rows of '#' (covered) and '.' (clear)
//   mask24, then 24 such rows
// Lines starting with '#' before a kind are comments.
#include "chip_fixture.h"

#include <fstream>
#include <sstream>

namespace chipcheck {

namespace {

void WriteMask(std::ostream& out, const Mask& m) {
  for (int y = 0; y < m.size; ++y) {
    for (int x = 0; x < m.size; ++x) out << (m.at(x, y) ? '#' : '.');
    out << '\n';
  }
}

class Reader {
 public:
  explicit Reader(std::istream& in) : in_(in) {}
  bool Next(std::string& line) {
    while (std::getline(in_, line)) {
      ++number_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      return true;
    }
    return false;
  }
  std::string Where() const { return "line " + std::to_string(number_) + ": "; }

 private:
  std::istream& in_;
  int number_ = 0;
};

bool ReadMask(Reader& r, const std::string& title, int size, Mask& m, std::string& error) {
  std::string line;
  if (!r.Next(line) || line != title) {
    error = r.Where() + "expected \"" + title + "\"";
    return false;
  }
  m.size = size;
  m.on.clear();
  for (int y = 0; y < size; ++y) {
    if (!r.Next(line) || static_cast<int>(line.size()) != size ||
        line.find_first_not_of("#.") != std::string::npos) {
      error = r.Where() + "expected a row of " + std::to_string(size) + " '#' or '.'";
      return false;
    }
    for (char c : line) m.on.push_back(c == '#');
  }
  return true;
}

}  // namespace

bool WriteFixture(const std::string& path, const std::vector<KindMeasure>& kinds) {
  std::ofstream out(path);
  out << "# Chip silhouettes (alpha above 128) and mean luminance per view.\n";
  out.precision(6);
  for (const KindMeasure& k : kinds) {
    out << "kind " << k.id << "\nluma";
    for (double l : k.luma) out << ' ' << l;
    out << "\nmask32\n";
    WriteMask(out, k.mask32);
    out << "mask24\n";
    WriteMask(out, k.mask24);
  }
  return static_cast<bool>(out);
}

bool ReadFixture(const std::string& path, std::vector<KindMeasure>& kinds, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = path + ": cannot open the fixture";
    return false;
  }
  Reader r(in);
  std::string line;
  while (r.Next(line)) {
    if (line[0] == '#') continue;
    KindMeasure k;
    std::istringstream head(line);
    std::string word;
    if (!(head >> word >> k.id) || word != "kind") {
      error = path + ": " + r.Where() + "expected \"kind ID\"";
      return false;
    }
    if (!r.Next(line)) line.clear();
    std::istringstream luma(line);
    luma >> word;
    for (double& l : k.luma) luma >> l;
    if (word != "luma" || !luma) {
      error = path + ": " + r.Where() + "expected \"luma\" and four numbers";
      return false;
    }
    if (!ReadMask(r, "mask32", 32, k.mask32, error) ||
        !ReadMask(r, "mask24", 24, k.mask24, error)) {
      error = path + ": " + error;
      return false;
    }
    kinds.push_back(k);
  }
  if (kinds.size() < 2) {
    error = path + ": a fixture needs at least two kinds";
    return false;
  }
  return true;
}

}  // namespace chipcheck
