// TRCMEntry: one named entry of an RCM data file, a list of string or number values (numbers
// are kept as their text).
#pragma once

#include <string>
#include <vector>

class TRCMEntry {
 public:
  std::string _id;
  std::vector<std::string> _value;
  int _type = 0;  // 0 string entry, 1 number entry

  virtual ~TRCMEntry() = default;
  // "name = v1, v2": strings quoted, whole numbers written as integers, empty numbers as 0.
  virtual std::string toTxt();
  // Grows the value list to index + 1 when needed (new slots empty).
  virtual int setValue(const std::string& value, int index);
  virtual std::vector<std::string> createArray(int n);

  // The value at index, or nullptr when there is none.
  const std::string* valueAt(int index) const;
  // The upper-cased name, used for every lookup.
  const std::string& key() const { return _key; }
  void setId(const std::string& id);

  // A list longer than this is refused: no file or caller of the game comes near it.
  static constexpr int kMaxValues = 1 << 20;

 private:
  std::string _key;
};

// Appends one entry's text (as toTxt gives it) to out.
void AppendEntryText(TRCMEntry& entry, std::string& out);
