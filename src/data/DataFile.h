#pragma once
// Opening and writing the game's data files safely: a folder standing where a
// file should be is not an empty file, and a file is replaced only once its
// new contents are completely on disk.
#include <cstdio>
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
// was, the temporary is removed, `error` gives the system's reason and the
// result is false. Every file the game writes whole goes through here.
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// Appends `bytes` to `file` (an append-only log) wholly or not at all: a write
// that fails part-way is cut off again, so the file keeps its old bytes. False
// with the system's reason in `error`.
bool appendWhole(FILE* file, const std::string& bytes, std::string& error);

// For tests: while armed with an errno value (ENOSPC: a full disk), every
// write of the two helpers above writes half of its bytes and then fails with
// it. 0 disarms.
void failWritesWith(int error);
