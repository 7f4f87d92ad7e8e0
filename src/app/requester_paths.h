// Where the file and folder requesters start, and how their answers become field texts.
#pragma once

#include <string>
#include <string_view>

#include "shared/paths.h"

namespace ombrix {

// The folder and preset name a file requester opens with.
struct RequesterStart {
  std::string folder;  // up to and including the last separator; empty: the platform chooses
  std::string name;    // preset file name; empty when there is none or it is not a valid name
};

// The process's current directory, ending with `separator`.
std::string current_directory_text(char separator = kNativeSeparator);

// The folder the requesters start from: the working directory field's text with a trailing
// separator, or `current_directory` when the field is empty.
std::string requester_folder(std::string_view working_dir_text, std::string_view current_directory,
                             char separator = kNativeSeparator);

// Splits a requester's initial path at its last separator. The name is dropped when it holds a
// character below code 32 or one of  " \ / : * ? < > |  (so a "*" in the input text gives no
// preset name).
RequesterStart requester_start(std::string_view initial_path, char separator = kNativeSeparator);

// `text` with every occurrence of `folder` removed, an exact and case-sensitive match anywhere
// in the text, so that chosen files inside the working directory come back relative to it.
std::string without_folder(std::string_view text, std::string_view folder);

// The working directory field's text for a folder chosen in the folder requester (ending with
// the separator): empty when it is the current directory, compared ignoring case only where
// the file system does.
std::string working_dir_from_choice(std::string_view chosen, std::string_view current_directory,
                                    bool ignore_case = kNativeSeparator == '\\');

}  // namespace ombrix
