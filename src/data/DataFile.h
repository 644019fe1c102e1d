#pragma once
// Opening and writing the game's data files safely: a folder standing where a
// file should be is not an empty file, and a file is replaced only once its
// new contents are completely on disk.
#include <fstream>
#include <string>

// True when something (a file, a folder, ...) is found at `path`.
bool pathExists(const char* path);
// True when `path` names a folder.
bool isFolder(const char* path);

// Opens a data file for reading in byte mode. False, with `in` closed, when
// it cannot be opened or is a folder: both are the "cannot read" case of the
// caller's own message.
bool openDataFile(std::ifstream& in, const char* path);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// only then renames it over `path`. On any failure the old file is left as it
// was, the temporary is removed, `error` says what went wrong and the result
// is false.
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error);
