// A stand-in for the person at the desktop: answers the requesters as told and records what
// the window asked for.
#pragma once

#include <string>
#include <vector>

#include "app/desktop.h"

namespace ombrix::testing {

class FakeDesktop : public Desktop {
 public:
  std::vector<std::string> choose_input_files(const RequesterStart& start, std::string_view patterns) override {
    starts.push_back(start);
    last_patterns = std::string(patterns);
    return input_choice;
  }
  std::string choose_file_to_open(const std::string& title, const RequesterStart& start,
                                  std::string_view patterns) override {
    open_titles.push_back(title);
    starts.push_back(start);
    last_patterns = std::string(patterns);
    if (open_choices.empty()) return {};
    std::string chosen = open_choices.front();
    open_choices.erase(open_choices.begin());
    return chosen;
  }
  std::string choose_output_file(const RequesterStart& start, std::string_view patterns) override {
    starts.push_back(start);
    last_patterns = std::string(patterns);
    return output_choice;
  }
  std::string choose_folder(const std::string& folder) override {
    folder_starts.push_back(folder);
    return folder_choice;
  }
  void open_web_page(const std::string& address) override { opened_pages.push_back(address); }
  bool set_clipboard_text(const std::string& text) override {
    clipboard_texts.push_back(text);
    return clipboard_takes_text;
  }

  UnsavedChoice ask_about_unsaved(const std::string& question) override {
    questions.push_back(question);
    return unsaved_choice;
  }
  bool confirm(const std::string& question) override {
    questions.push_back(question);
    return confirm_answer;
  }

  // What the person chooses; empty: the requester is cancelled.
  std::vector<std::string> input_choice;
  std::vector<std::string> open_choices;  // one answer per single-file requester, in order
  std::string output_choice;
  std::string folder_choice;
  bool clipboard_takes_text = true;
  UnsavedChoice unsaved_choice = UnsavedChoice::kCancel;
  bool confirm_answer = false;

  // What the window asked for.
  std::vector<RequesterStart> starts;
  std::vector<std::string> folder_starts;
  std::vector<std::string> open_titles;
  std::string last_patterns;
  std::vector<std::string> opened_pages;
  std::vector<std::string> clipboard_texts;
  std::vector<std::string> questions;  // asked through ask_about_unsaved and confirm, in order
};

}  // namespace ombrix::testing
