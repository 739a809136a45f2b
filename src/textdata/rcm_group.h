// TRCMGroup: a named group of an RCM data file, holding sub-groups and entries in file (or
// creation) order. Names are matched without regard to letter case; the first match wins.
#pragma once

#include <memory>
#include <string>

#include "media/tlist.h"
#include "textdata/rcm_entry.h"

class TRCMGroup {
 public:
  std::string _id;
  int _pos = 0;  // while reading: the position just after this group's closing "}"
  TList<TRCMGroup> _listaGrup;
  TList<TRCMEntry> _listaWpisow;

  virtual ~TRCMGroup() = default;
  // The group as file text (named groups only write their header and closing brace).
  virtual std::string save(const std::string& indent);
  // Prints the group to the standard output (diagnostics).
  virtual int showGroup(const std::string& indent);
  virtual TRCMGroup* getGroup(const std::string& name);
  virtual TRCMEntry* getEntry(const std::string& name);
  // Finds or creates the entry (a new one is a string entry) and sets value at index.
  virtual int setStringEntry(const std::string& name, const std::string& value, int index);
  // Finds or creates the entry (a new one is a number entry) and sets "%#.9g" of value at index.
  virtual int setFloatEntry(const std::string& name, float value, int index);
  virtual TRCMEntry* _addEntry(const std::string& name, const std::string& value, int index);

  void setId(const std::string& id);
  const std::string& key() const { return _key; }
  // A new sub-group appended to this group.
  TRCMGroup* addGroup(const std::string& name);
  // Appends the text of save(indent) to out.
  void appendText(const std::string& indent, std::string& out);

 private:
  std::string _key;
};
