// The desktop as Qt offers it: its file dialogs, its URL handler and its clipboard.
#pragma once

#include <QString>

#include "app/desktop.h"

class QWidget;

namespace ombrix {

class QtDesktop : public Desktop {
 public:
  // Requesters are modal to `parent` (the main window once it exists).
  void set_parent(QWidget* parent) { parent_ = parent; }

  std::vector<std::string> choose_input_files(const RequesterStart& start, std::string_view patterns) override;
  std::string choose_file_to_open(const std::string& title, const RequesterStart& start,
                                  std::string_view patterns) override;
  std::string choose_output_file(const RequesterStart& start, std::string_view patterns) override;
  std::string choose_folder(const std::string& folder) override;
  void open_web_page(const std::string& address) override;
  bool set_clipboard_text(const std::string& text) override;
  UnsavedChoice ask_about_unsaved(const std::string& question) override;
  bool confirm(const std::string& question) override;

 private:
  QWidget* parent_ = nullptr;
};

// A pattern list "description|patterns|description|patterns..." (patterns separated by ";") as
// Qt's name filter: "description (patterns);;...", a description's own "(...)" replaced by the
// patterns. Where the file system has no drive-letter conventions, "*.*" becomes "*" so that
// files without a dot are still listed.
QString qt_name_filter(std::string_view patterns, bool windows_patterns = kNativeSeparator == '\\');

}  // namespace ombrix
