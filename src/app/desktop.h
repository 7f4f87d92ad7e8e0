// What the window asks of the desktop: the person choosing files, the web browser, the clipboard.
// Tests stand in for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/requester_paths.h"

namespace ombrix {

// What the person wants done with unsaved changes.
enum class UnsavedChoice { kSave, kDiscard, kCancel };

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Asks for model files, several at once, offering `patterns` ("description|patterns|..."),
  // the first one selected. Returns the full path of each chosen file in the requester's
  // order; nothing when cancelled. Modal; the current directory is left unchanged.
  virtual std::vector<std::string> choose_input_files(const RequesterStart& start, std::string_view patterns) = 0;

  // Asks for one existing file, the requester titled `title`. Returns its full path; empty when
  // cancelled. Modal; the current directory is left unchanged.
  virtual std::string choose_file_to_open(const std::string& title, const RequesterStart& start,
                                          std::string_view patterns) = 0;

  // Asks for the name of a file to write, without confirming an existing one and without
  // adding an extension. Returns its full path; empty when cancelled.
  virtual std::string choose_output_file(const RequesterStart& start, std::string_view patterns) = 0;

  // Asks for a folder, starting at `folder`. Returns it ending with the separator; empty when
  // cancelled.
  virtual std::string choose_folder(const std::string& folder) = 0;

  // Opens `address` with the system's default handler, without waiting; a failure is ignored.
  virtual void open_web_page(const std::string& address) = 0;

  // Asks what to do with unsaved changes, `question` saying which. Modal.
  virtual UnsavedChoice ask_about_unsaved(const std::string& question) = 0;

  // Asks a yes-or-no `question`; true for yes. Modal.
  virtual bool confirm(const std::string& question) = 0;

  // Replaces the clipboard's contents with plain `text`. Returns whether the clipboard holds
  // the text afterwards.
  virtual bool set_clipboard_text(const std::string& text) = 0;
};

}  // namespace ombrix
