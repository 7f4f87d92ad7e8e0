// The settings file "ombrix.ini": the field texts kept from one start of the tool to the next.
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

inline constexpr const char* kSettingsFileName = "ombrix.ini";

// The texts of the stored fields, as the fields show them (the system's 8-bit text); the
// defaults are a first start's.
struct FieldSettings {
  std::string files = "body.prm";
  std::string file_save = "hull.hul";
  std::string grid_resolution_val = "7.0";
  std::string sample_sphere_resolution_val = "21.0";
  std::string target_sphere_n = "11";
  std::string sphere_overshot_val = "0.0";
  bool update_clipboard = false;
  // The plane budget's field; a file without its key gives an empty field, and an empty field is
  // saved only over a file that has the key, so an older file stays as it was.
  std::string max_planes;
  // The hull procedure the user chose in the window, as the file holds it; empty when the file
  // has none. Saving an empty one leaves the file's key as it is.
  std::string hull_procedure;
  // How the window places the spheres, "greedy" or "refined", as the file holds it; empty when the
  // file has none. The greedy is saved only over a file that has the key, so an older file stays
  // as it was.
  std::string sphere_placement;
};

// The settings stored in the file at `path`; a missing or unreadable file gives the defaults.
//
// Keys are looked up in the part before the first "[group]" line only, ignoring case, the
// first match winning. A key present with an empty value gives an empty text, not the default.
// Values lose their surrounding blanks and TABs, and a value in the quoted form that
// save_settings_file writes is decoded (see settings_value.h); nothing else is checked or changed.
FieldSettings load_settings_file(const std::string& path);

// Stores `settings` in the file at `path`, keeping the file's other keys, groups and comments in
// their order: a stored key is replaced where it stands (keeping the case of its name), a new
// one is added before the first group line. Every line is rewritten as "key = value",
// "[group]" or "; comment", ended by CR LF; blank lines are dropped. A file that began with the
// UTF-8 byte order mark keeps it, followed by an empty first line; any other file never starts
// with the mark's bytes. A text that a plain line would not give back (a line break, blanks at
// its ends) is written quoted, so that the file reloads to exactly the texts saved.
//
// The new text is written through write_whole_file (shared/write_file.h). Returns false, leaving the
// file as it was, when it exists but cannot be read, or when it cannot be written.
bool save_settings_file(const std::string& path, const FieldSettings& settings);

// What load_settings_file gives for a file holding `text`.
FieldSettings settings_of_text(std::string_view text);

// What save_settings_file writes over a file holding `text`.
std::string text_with_settings(std::string_view text, const FieldSettings& settings);

}  // namespace ombrix
