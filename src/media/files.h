// Files and folders. Paths use "/"; relative paths resolve against the working folder; every
// component is matched without regard to letter case when the exact spelling does not exist.
#pragma once

#include <string>

enum class ReadStatus { Ok, NotFound, Error };

int PathKind(const std::string& path);     // 0 nothing, 1 file, 2 folder; a trailing "/" ignored
bool MakeFolder(const std::string& path);  // one level; true when it exists afterwards
bool MakeFolderTree(const std::string& path);  // with every missing parent
// Decodes by byte-order mark (UTF-8, UTF-16 LE/BE), else one byte per character (ISO 8859-1).
// A missing file gives "" and NotFound; it is never fatal.
std::string ReadWholeText(const std::string& path, ReadStatus* status = nullptr);
// One byte per character when every character is below 256, else FF FE and UTF-16LE. Written
// crash-safe: a temporary file in the same folder, flushed, synced and renamed over the target.
// False (with a diagnostic naming the path) on failure; the old file is then untouched.
bool WriteWholeText(const std::string& text, const std::string& path);
// The file's bytes, one character per byte (each byte becomes the character of that code).
std::string ReadBytesAsText(const std::string& path, ReadStatus* status = nullptr);
// Raw bytes, for decoders.
bool ReadFileBytes(const std::string& path, std::string& bytes);
// Crash-safe write of raw bytes.
bool WriteFileBytesAtomic(const std::string& path, const std::string& bytes);

// The existing path that the given one names, letter case resolved; the path unchanged when
// nothing matches (so a later creation uses the spelling given).
std::string ResolvePath(const std::string& path);
void InvalidatePathCache();
// Absolute and lexically normalised ("." and ".." folded); letter case is left alone.
std::string AbsolutePath(const std::string& path);
// The folder part without its final "/": "a/b/c.png" gives "a/b", "c.png" gives "".
std::string FolderOfPath(const std::string& path);
// Drops the extension of the last component only: "a.b/c.png" gives "a.b/c".
std::string PathWithoutExtension(const std::string& path);
std::string CurrentFolder();
bool ChangeFolder(const std::string& path);
bool DeleteFile(const std::string& path);
// The folder that holds the running program.
std::string ProgramFolder();
