#include "textdata/rcm_entry.h"

#include "media/media.h"
#include "textdata/numbers.h"

namespace {

// Characters a string value cannot hold without breaking the file on the next read.
bool IsUnsafeInString(char c) {
  return c == '"' || c == '{' || c == '}' || c == '=' || c == '\r' || c == '\n';
}

void AppendNumber(const std::string& value, std::string& out) {
  if (value.empty()) {
    out += '0';
    return;
  }
  float asFloat = TextToFloat(value);
  int asInt = TextToInt(value);
  if (static_cast<double>(asInt) == static_cast<double>(asFloat)) {
    out += std::to_string(asInt);
  } else {
    out += value;
  }
}

}  // namespace

void TRCMEntry::setId(const std::string& id) {
  _id = id;
  _key = ToUpperCase(id);
}

const std::string* TRCMEntry::valueAt(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= _value.size()) return nullptr;
  return &_value[static_cast<size_t>(index)];
}

int TRCMEntry::setValue(const std::string& value, int index) {
  if (index < 0 || index >= kMaxValues) {
    PrintLine("Napotkano problem : Indeks poza zakresem (" + std::to_string(index) +
              ") we wpisie : " + _id);
    return 0;
  }
  if (static_cast<size_t>(index) >= _value.size()) _value.resize(static_cast<size_t>(index) + 1);
  _value[static_cast<size_t>(index)] = value;
  return 0;
}

std::vector<std::string> TRCMEntry::createArray(int n) {
  return std::vector<std::string>(n > 0 ? static_cast<size_t>(n) : 0);
}

std::string TRCMEntry::toTxt() {
  std::string out;
  AppendEntryText(*this, out);
  return out;
}

void AppendEntryText(TRCMEntry& entry, std::string& out) {
  out += entry._id;
  out += " = ";
  bool first = true;
  for (const std::string& value : entry._value) {
    if (!first) out += ", ";
    first = false;
    if (entry._type == 1) {
      AppendNumber(value, out);
      continue;
    }
    out += '"';
    bool dropped = false;
    for (char c : value) {
      if (IsUnsafeInString(c)) {
        dropped = true;
      } else {
        out += c;
      }
    }
    out += '"';
    if (dropped) {
      PrintLine("Napotkano problem : Usunieto znaki niedozwolone w wartosci wpisu : " + entry._id);
    }
  }
}
