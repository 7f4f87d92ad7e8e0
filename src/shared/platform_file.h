// The few file operations each operating system does its own way: opening without blocking on a
// pipe, creating a file no one else has, writing through a handle and keeping a file's permissions.
// Everything else about files goes through std::filesystem.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ombrix::platform {

// An open file's handle; kNoHandle when none is open.
using FileHandle = int;
inline constexpr FileHandle kNoHandle = -1;

// The fault for a folder, a pipe, a device or anything else that is not a regular file.
inline constexpr const char* kNotARegularFile = "it is not a regular file";

// Opens the file at `path` (links followed) for reading when it is a regular file; a pipe or a
// device is refused without waiting for a writer. kNoHandle otherwise, with `fault` saying why:
// "there is no such file", kNotARegularFile or "the file cannot be opened".
FileHandle open_regular_file(const std::string& path, std::string& fault);

// Reads up to `size` bytes; the number read, 0 at the end of the file, -1 on an error.
long long read_some(FileHandle handle, char* buffer, std::size_t size);

// Creates a new empty file in `folder` (empty: the current folder) under a short name of its own
// that no file had, with the permissions a new file gets. kNoHandle when it cannot; `path` then
// stays empty and `fault` says why.
FileHandle create_unique_file(const std::string& folder, std::string& path, std::string& fault);

// Opens the pipe or character device at `path` for writing, waiting a few seconds at most for a
// pipe's reader. kNoHandle when it cannot, with `fault` saying why.
FileHandle open_stream_for_writing(const std::string& path, std::string& fault);

// Gives the file open at `handle` the permission bits (and owner, where allowed) of the file at
// `model_path`. False when they cannot be read or set.
bool copy_permissions(FileHandle handle, const std::string& model_path);

// Writes all of `bytes`; false, with `fault` set from the system, when not all could be written.
bool write_all(FileHandle handle, std::string_view bytes, std::string& fault);

// Closes `handle`; with `flush`, after moving what was written to the disk, where a full disk may
// show only now. False when either step fails.
bool close_file(FileHandle handle, bool flush = false);

// Whether the standard error stream is a terminal someone watches (not a file or a pipe).
bool standard_error_is_terminal();

}  // namespace ombrix::platform
