// TRCMFile: an RCM data file (settings, profiles, levels, catalogues) read into a tree of groups
// and entries, queried and changed by "::" paths such as "settings::fullscreen", written back as
// text. A file that failed to load answers every query with its default ("" and 0).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "textdata/rcm_entry.h"
#include "textdata/rcm_group.h"

class TRCMFile {
 public:
  std::shared_ptr<TRCMGroup> _grupa;
  std::string _path;
  std::string _realPath;
  std::string _txt;

  TRCMFile();
  virtual ~TRCMFile() = default;
  // Writes the top-level groups (entries directly in the root are not written), crash-safe;
  // 1 when written.
  virtual int save(const std::string& path);
  // Reads the file; every outcome returns 0 (failures print a "Napotkano problem : " line).
  virtual int Load(const std::string& path);
  // 1 when "{" and "}" outside double quotes balance, else 0 (with the diagnostic).
  virtual int checkGroups();
  // Appends a line break when the text ends with "}".
  virtual int checkTxt();
  virtual std::shared_ptr<TRCMGroup> readAll(const std::string& text, const std::string& name);
  virtual std::string myTrim(const std::string& text);
  virtual std::shared_ptr<TRCMEntry> readEntry(const std::string& line);
  // The groups named by all parts but the last (the entry's name), created where missing.
  virtual TRCMGroup* getGroupSet(const std::vector<std::string>& parts);
  virtual int setString(const std::string& path, const std::string& value, int index);
  virtual int setFloat(const std::string& path, float value, int index);
  virtual std::string getString(const std::string& path, int index);
  virtual float getFloat(const std::string& path, int index, int print = 0);
  // The group named by all parts but the last, or nullptr.
  virtual TRCMGroup* getGroup(const std::vector<std::string>& parts);
  virtual int printAll();
  virtual int errorMsg(const std::string& text);

  // The entry a path names, or nullptr.
  TRCMEntry* findEntry(const std::string& path);
  // The problems met while loading, as printed (without the "Napotkano problem : " prefix).
  const std::vector<std::string>& problems() const { return _problems; }
  // Groups nested deeper than this are refused: the file is then treated as empty.
  static constexpr int kMaxDepth = 64;

 private:
  std::shared_ptr<TRCMGroup> readGroup(const std::string& text, size_t& pos,
                                       const std::string& name, int depth);
  std::vector<std::string> _problems;
  bool _tooDeep = false;
};

// A new empty data file.
std::shared_ptr<TRCMFile> CreateRCM();
// A data file loaded from path; returned even when loading failed.
std::shared_ptr<TRCMFile> LoadRCM(const std::string& path);

// Trims characters of code 32 or below from both ends.
std::string TrimControl(const std::string& text);
