#include "textdata/rcm_group.h"

#include "media/media.h"
#include "textdata/numbers.h"

void TRCMGroup::setId(const std::string& id) {
  _id = id;
  _key = ToUpperCase(id);
}

TRCMGroup* TRCMGroup::addGroup(const std::string& name) {
  auto group = std::make_shared<TRCMGroup>();
  group->setId(name);
  TRCMGroup* raw = group.get();
  _listaGrup.AddLast(std::move(group));
  return raw;
}

void TRCMGroup::appendText(const std::string& indent, std::string& out) {
  const bool named = !_id.empty();
  if (named) {
    out += indent;
    out += _id;
    out += " {\n";
  }
  if (_listaWpisow.Count() == 0) out += '\n';
  _listaWpisow.ForEach([&](const std::shared_ptr<TRCMEntry>& entry) {
    out += indent;
    out += '\t';
    AppendEntryText(*entry, out);
    out += '\n';
  });
  const std::string inner = indent + "\t";
  _listaGrup.ForEach(
      [&](const std::shared_ptr<TRCMGroup>& group) { group->appendText(inner, out); });
  if (named) {
    out += indent;
    out += "}\n\n";
  }
}

std::string TRCMGroup::save(const std::string& indent) {
  std::string out;
  appendText(indent, out);
  return out;
}

int TRCMGroup::showGroup(const std::string& indent) {
  std::string text = save(indent);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    PrintLine(text.substr(start, end - start));
    start = end + 1;
  }
  return 0;
}

TRCMGroup* TRCMGroup::getGroup(const std::string& name) {
  const std::string wanted = ToUpperCase(name);
  TRCMGroup* found = nullptr;
  _listaGrup.ForEach([&](const std::shared_ptr<TRCMGroup>& group) {
    if (!found && group->_key == wanted) found = group.get();
  });
  return found;
}

TRCMEntry* TRCMGroup::getEntry(const std::string& name) {
  const std::string wanted = ToUpperCase(name);
  TRCMEntry* found = nullptr;
  _listaWpisow.ForEach([&](const std::shared_ptr<TRCMEntry>& entry) {
    if (!found && entry->key() == wanted) found = entry.get();
  });
  return found;
}

TRCMEntry* TRCMGroup::_addEntry(const std::string& name, const std::string& value, int index) {
  auto entry = std::make_shared<TRCMEntry>();
  entry->setId(name);
  entry->setValue(value, index);
  TRCMEntry* raw = entry.get();
  _listaWpisow.AddLast(std::move(entry));
  return raw;
}

int TRCMGroup::setStringEntry(const std::string& name, const std::string& value, int index) {
  if (TRCMEntry* entry = getEntry(name)) {
    entry->setValue(value, index);
  } else {
    _addEntry(name, value, index)->_type = 0;
  }
  return 0;
}

int TRCMGroup::setFloatEntry(const std::string& name, float value, int index) {
  const std::string text = FloatToText(value);
  if (TRCMEntry* entry = getEntry(name)) {
    entry->setValue(text, index);
  } else {
    _addEntry(name, text, index)->_type = 1;
  }
  return 0;
}
