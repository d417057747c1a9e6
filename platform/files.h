// jaggo platform: files written into a folder the user names: the folder made, a file opened, moved
// over another and removed, by the path as given. Paths are bytes on POSIX systems and UTF-8 on
// Windows, where they go through the wide-character API so that any name works.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace jaggo {

// The text of a command-line argument that names a file: arg points into argv[i] (an option's
// argument, alone or after its letters). On Windows, read from the wide-character command line and
// given in UTF-8, as argv holds it in the ANSI code page, which may not have its characters; as it
// is elsewhere.
std::string file_argument(int argc, char** argv, const char* arg);

// name within folder: joined with a separator unless folder ends with one.
std::string path_in_folder(const std::string& folder, const char* name);

// Makes the folder (not its parents), or finds one already there. Otherwise false, and why into
// why_not ("Permission denied", "Not a directory", ...).
bool make_folder(const std::string& path, char* why_not, std::size_t size);

// Opens the file for writing in binary, emptied or made anew; nullptr, and why into why_not, when
// it cannot be.
std::FILE* open_for_writing(const std::string& path, char* why_not, std::size_t size);

// Closes a file opened by open_for_writing: false, and why into why_not, when what it held back
// could not be written.
bool close_written(std::FILE* file, char* why_not, std::size_t size);

// Moves the file from over to, replacing a file there in one step (rename on POSIX systems,
// MoveFileExW on Windows, where rename does not replace). Otherwise false, and why into why_not.
bool replace_file(const std::string& from, const std::string& to, char* why_not, std::size_t size);

// The name to write the file at path under before moving it there: beside it, and this process's
// own, so that runs writing into one folder at once never write into each other's file.
std::string temporary_beside(const std::string& path);

// Removes the file, if it is there.
void remove_file(const std::string& path);

}  // namespace jaggo
