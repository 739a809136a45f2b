#include "textdata/rcm_file.h"

#include "media/media.h"
#include "textdata/numbers.h"
#include "textdata/split_string.h"

namespace {

bool IsControlOrBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

// Drops the first `front` and the last `back` characters (UTF-8 sequences count as one); a
// text too short for that gives "".
std::string CutCharacters(const std::string& text, int front, int back) {
  auto isContinuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  size_t begin = 0;
  for (int k = 0; k < front; ++k) {
    if (begin >= text.size()) return "";
    ++begin;
    while (begin < text.size() && isContinuation(text[begin])) ++begin;
  }
  size_t end = text.size();
  for (int k = 0; k < back; ++k) {
    if (end <= begin) return "";
    --end;
    while (end > begin && isContinuation(text[end])) --end;
  }
  if (end <= begin) return "";
  return text.substr(begin, end - begin);
}

// The value part cut at every "," outside double quotes; pieces keep their blanks and quotes,
// an empty last piece is dropped.
std::vector<std::string> SplitValues(const std::string& part) {
  std::vector<std::string> pieces;
  std::string current;
  bool inside = false;
  for (char c : part) {
    if (c == '"') inside = !inside;
    if (c == ',' && !inside) {
      pieces.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) pieces.push_back(std::move(current));
  return pieces;
}

}  // namespace

std::string TrimControl(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsControlOrBlank(text[begin])) ++begin;
  while (end > begin && IsControlOrBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

TRCMFile::TRCMFile() : _grupa(std::make_shared<TRCMGroup>()) {}

std::shared_ptr<TRCMFile> CreateRCM() {
  return std::make_shared<TRCMFile>();
}

std::shared_ptr<TRCMFile> LoadRCM(const std::string& path) {
  auto file = std::make_shared<TRCMFile>();
  file->Load(path);
  return file;
}

int TRCMFile::errorMsg(const std::string& text) {
  _problems.push_back(text);
  PrintLine("Napotkano problem : " + text);
  return 0;
}

int TRCMFile::Load(const std::string& path) {
  _grupa = std::make_shared<TRCMGroup>();
  _txt.clear();
  _path = path;
  _realPath = AbsolutePath(path);
  if (PathKind(path) == 0) {
    errorMsg("Nie znaleziono pliku : " + path);
    return 0;
  }
  ReadStatus status = ReadStatus::Ok;
  _txt = ReadWholeText(path, &status);
  if (status != ReadStatus::Ok) {
    errorMsg("Nie mozna odczytac pliku : " + path);
    _txt.clear();
    return 0;
  }
  if (_txt.empty()) return 0;
  checkTxt();
  if (!checkGroups()) return 0;
  auto root = readAll(_txt, "MAINGROUP");
  if (_tooDeep) {
    errorMsg("Zbyt gleboko zagniezdzone grupy (ponad " + std::to_string(kMaxDepth) +
             ") w pliku : " + path);
    return 0;
  }
  _grupa = root;
  return 0;
}

int TRCMFile::checkTxt() {
  if (!_txt.empty() && _txt.back() == '}') _txt += '\n';
  return 0;
}

int TRCMFile::checkGroups() {
  long long opening = 0, closing = 0;
  bool inside = false;
  for (char c : _txt) {
    if (c == '"') {
      inside = !inside;
    } else if (!inside) {
      if (c == '{') ++opening;
      if (c == '}') ++closing;
    }
  }
  if (opening == closing) return 1;
  errorMsg("Blad nawiasow klamrowych! \"{\" - " + std::to_string(opening) + " \"}\" - " +
           std::to_string(closing));
  return 0;
}

std::shared_ptr<TRCMGroup> TRCMFile::readAll(const std::string& text, const std::string& name) {
  _tooDeep = false;
  size_t pos = 0;
  return readGroup(text, pos, name, 0);
}

std::shared_ptr<TRCMGroup> TRCMFile::readGroup(const std::string& text, size_t& pos,
                                               const std::string& name, int depth) {
  auto group = std::make_shared<TRCMGroup>();
  group->setId(name);
  std::string nameBuffer, lineBuffer;
  bool sawEquals = false;
  const size_t n = text.size();
  while (pos < n) {
    const char c = text[pos++];
    switch (c) {
      case '{': {
        if (depth + 1 > kMaxDepth) {
          _tooDeep = true;
          pos = n;
          return group;
        }
        auto sub = readGroup(text, pos, TrimControl(nameBuffer), depth + 1);
        if (_tooDeep) return group;
        group->_listaGrup.AddLast(std::move(sub));
        nameBuffer.clear();
        lineBuffer.clear();
        sawEquals = false;
        break;
      }
      case '}':
        group->_pos = static_cast<int>(pos);
        return group;
      case '\n':
        if (sawEquals) {
          group->_listaWpisow.AddLast(readEntry(TrimControl(lineBuffer)));
          nameBuffer.clear();
        }
        lineBuffer.clear();
        sawEquals = false;
        break;
      case '=':
        sawEquals = true;
        [[fallthrough]];
      default:
        nameBuffer += c;
        lineBuffer += c;
        break;
    }
  }
  group->_pos = static_cast<int>(pos);
  return group;
}

std::string TRCMFile::myTrim(const std::string& text) {
  return TrimControl(text);
}

std::shared_ptr<TRCMEntry> TRCMFile::readEntry(const std::string& line) {
  auto entry = std::make_shared<TRCMEntry>();
  std::vector<std::string> parts = SplitString(line, "=");
  entry->setId(parts.empty() ? std::string() : TrimControl(parts[0]));
  if (parts.size() < 2) return entry;  // a line that ends right after its "=": no values
  const std::string& valuePart = parts[1];
  const std::string trimmed = TrimControl(valuePart);
  const bool number =
      !trimmed.empty() && ((trimmed[0] >= '0' && trimmed[0] <= '9') || trimmed[0] == '-');
  entry->_type = number ? 1 : 0;
  std::vector<std::string> pieces = SplitValues(valuePart);
  entry->_value.reserve(pieces.size());
  for (std::string& piece : pieces) {
    entry->_value.push_back(number ? std::move(piece) : CutCharacters(piece, 2, 1));
  }
  return entry;
}

TRCMGroup* TRCMFile::getGroup(const std::vector<std::string>& parts) {
  TRCMGroup* group = _grupa.get();
  for (size_t i = 0; i + 1 < parts.size() && group; ++i) group = group->getGroup(parts[i]);
  return group;
}

TRCMGroup* TRCMFile::getGroupSet(const std::vector<std::string>& parts) {
  TRCMGroup* group = _grupa.get();
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    TRCMGroup* next = group->getGroup(parts[i]);
    group = next ? next : group->addGroup(parts[i]);
  }
  return group;
}

TRCMEntry* TRCMFile::findEntry(const std::string& path) {
  std::vector<std::string> parts = SplitString(path, "::");
  if (parts.empty()) return nullptr;
  TRCMGroup* group = getGroup(parts);
  return group ? group->getEntry(parts.back()) : nullptr;
}

int TRCMFile::setString(const std::string& path, const std::string& value, int index) {
  std::vector<std::string> parts = SplitString(path, "::");
  if (parts.empty()) return 0;
  getGroupSet(parts)->setStringEntry(parts.back(), value, index);
  return 0;
}

int TRCMFile::setFloat(const std::string& path, float value, int index) {
  std::vector<std::string> parts = SplitString(path, "::");
  if (parts.empty()) return 0;
  getGroupSet(parts)->setFloatEntry(parts.back(), value, index);
  return 0;
}

std::string TRCMFile::getString(const std::string& path, int index) {
  TRCMEntry* entry = findEntry(path);
  const std::string* value = entry ? entry->valueAt(index) : nullptr;
  return value ? *value : std::string();
}

float TRCMFile::getFloat(const std::string& path, int index, int print) {
  if (print != 0) {
    std::vector<std::string> parts = SplitString(path, "::");
    if (TRCMGroup* group = getGroup(parts)) group->showGroup("");
  }
  TRCMEntry* entry = findEntry(path);
  const std::string* value = entry ? entry->valueAt(index) : nullptr;
  return value ? TextToFloat(*value) : 0.0f;
}

int TRCMFile::save(const std::string& path) {
  std::string text;
  _grupa->_listaGrup.ForEach(
      [&](const std::shared_ptr<TRCMGroup>& group) { group->appendText("", text); });
  return WriteWholeText(text, path) ? 1 : 0;
}

int TRCMFile::printAll() {
  return _grupa->showGroup("");
}
