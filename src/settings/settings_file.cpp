#include "settings/settings_file.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "settings/settings_value.h"
#include "shared/file_bytes.h"
#include "shared/text.h"
#include "shared/write_file.h"

namespace ombrix {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Entry {
  enum class Kind { kKey, kGroup, kComment };
  Kind kind = Kind::kKey;
  std::string name;   // the key, the group's name or the comment's text
  std::string value;  // keys only: as it stood after "=", trailing blanks included
};

struct SettingsDocument {
  bool utf8 = false;  // the file began with the byte order mark
  std::vector<Entry> entries;
};

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view skip_leading_blanks(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  return text;
}

// Values in a file with the byte order mark are UTF-8; the fields hold the system's 8-bit text,
// which is UTF-8 already everywhere but on Windows.
std::string field_text_from_file(std::string_view value, bool utf8) {
#if defined(_WIN32)
  if (utf8) return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())).toLocal8Bit().toStdString();
#else
  (void)utf8;
#endif
  return std::string(value);
}

std::string file_text_from_field(std::string_view text, bool utf8) {
#if defined(_WIN32)
  if (utf8) return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())).toUtf8().toStdString();
#else
  (void)utf8;
#endif
  return std::string(text);
}

Entry entry_of_line(std::string_view line) {
  if (line.front() == ';') {
    line.remove_prefix(1);
    if (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    return {Entry::Kind::kComment, std::string(line), {}};
  }
  if (line.front() == '[') {
    line.remove_prefix(1);
    return {Entry::Kind::kGroup, std::string(line.substr(0, line.find(']'))), {}};
  }
  const size_t equals = line.find('=');
  const std::string_view key = trim_blanks(line.substr(0, equals));
  const std::string_view value =
      equals == std::string_view::npos ? std::string_view() : skip_leading_blanks(line.substr(equals + 1));
  return {Entry::Kind::kKey, std::string(key), std::string(value)};
}

SettingsDocument parse_settings(std::string_view bytes) {
  SettingsDocument document;
  if (bytes.starts_with(kByteOrderMark)) {
    document.utf8 = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  while (!bytes.empty()) {
    const size_t end = std::min(bytes.find('\n'), bytes.find('\r'));
    const std::string_view line = skip_leading_blanks(bytes.substr(0, end));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!line.empty()) document.entries.push_back(entry_of_line(line));
  }
  return document;
}

std::string settings_text(const SettingsDocument& document) {
  std::string text;
  if (document.utf8) {
    text += kByteOrderMark;
    text += "\r\n";
  }
  for (const Entry& entry : document.entries) {
    switch (entry.kind) {
      case Entry::Kind::kKey:
        text += entry.name + " = " + entry.value;
        break;
      case Entry::Kind::kGroup:
        text += "[" + entry.name + "]";
        break;
      case Entry::Kind::kComment:
        text += "; " + entry.name;
        break;
    }
    text += "\r\n";
  }
  // Bytes of the mark that begin a line are part of that line, but at the very start of the
  // file they would read as the mark: an empty line keeps them where they were.
  if (!document.utf8 && text.starts_with(kByteOrderMark)) text.insert(0, "\r\n");
  return text;
}

// The top-level part ends at the first group line; keys under a group are never looked at.
std::vector<Entry>::iterator top_level_end(SettingsDocument& document) {
  return std::ranges::find(document.entries, Entry::Kind::kGroup, &Entry::kind);
}

Entry* find_key(SettingsDocument& document, std::string_view key) {
  const auto end = top_level_end(document);
  const auto found = std::find_if(document.entries.begin(), end, [&](const Entry& entry) {
    return entry.kind == Entry::Kind::kKey && equal_ignoring_case(entry.name, key);
  });
  return found == end ? nullptr : &*found;
}

std::optional<std::string> read_text(SettingsDocument& document, std::string_view key) {
  const Entry* entry = find_key(document, key);
  if (entry == nullptr) return std::nullopt;
  return field_text_from_file(field_text_of_value(trim_blanks(entry->value)), document.utf8);
}

// Only whether the leading signed decimal number is zero matters, so no value can overflow.
bool leading_integer_is_nonzero(std::string_view value) {
  if (!value.empty() && (value.front() == '+' || value.front() == '-')) value.remove_prefix(1);
  for (char c : value) {
    if (c < '0' || c > '9') return false;
    if (c != '0') return true;
  }
  return false;
}

void write_text(SettingsDocument& document, std::string_view key, std::string_view text) {
  const std::string value = stored_value(file_text_from_field(text, document.utf8));
  if (Entry* entry = find_key(document, key)) {
    entry->value = value;
    return;
  }
  document.entries.insert(top_level_end(document), {Entry::Kind::kKey, std::string(key), value});
}

// The text fields in the order they are read and written, with where each lives in FieldSettings.
struct TextKey {
  std::string_view key;
  std::string FieldSettings::*field;
};

constexpr TextKey kTextKeys[] = {
    {"files", &FieldSettings::files},
    {"file_save", &FieldSettings::file_save},
    {"grid_resolution_val", &FieldSettings::grid_resolution_val},
    {"sample_sphere_resolution_val", &FieldSettings::sample_sphere_resolution_val},
    {"target_sphere_n", &FieldSettings::target_sphere_n},
    {"sphere_overshot_val", &FieldSettings::sphere_overshot_val},
};

constexpr std::string_view kClipboardKey = "update_clipboard";
constexpr std::string_view kHullProcedureKey = "hull_procedure";
constexpr std::string_view kMaxPlanesKey = "max_planes";
constexpr std::string_view kSpherePlacementKey = "sphere_placement";
constexpr std::string_view kGreedyPlacement = "greedy";

constexpr std::size_t kMostSettingsBytes = std::size_t{1} << 20;  // a thousand times any real one

// The file's bytes; nullopt when it exists but cannot be read. A missing file reads as empty.
// Only a regular file is read: a pipe of that name would block the tool.
std::optional<std::string> read_settings_bytes(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return std::string();
  std::string fault;
  return read_file_bytes(path, fault, kMostSettingsBytes);
}

}  // namespace

FieldSettings settings_of_text(std::string_view text) {
  SettingsDocument document = parse_settings(text);
  FieldSettings settings;
  for (const TextKey& text_key : kTextKeys) {
    if (auto text = read_text(document, text_key.key)) settings.*text_key.field = std::move(*text);
  }
  if (const Entry* entry = find_key(document, kClipboardKey)) {
    settings.update_clipboard = leading_integer_is_nonzero(trim_blanks(entry->value));
  }
  if (auto text = read_text(document, kHullProcedureKey)) settings.hull_procedure = std::move(*text);
  if (auto text = read_text(document, kMaxPlanesKey)) settings.max_planes = std::move(*text);
  if (auto text = read_text(document, kSpherePlacementKey)) settings.sphere_placement = std::move(*text);
  return settings;
}

std::string text_with_settings(std::string_view text, const FieldSettings& settings) {
  SettingsDocument document = parse_settings(text);
  for (const TextKey& text_key : kTextKeys) write_text(document, text_key.key, settings.*text_key.field);
  write_text(document, kClipboardKey, settings.update_clipboard ? "1" : "0");
  if (!settings.hull_procedure.empty()) write_text(document, kHullProcedureKey, settings.hull_procedure);
  if (!settings.max_planes.empty() || find_key(document, kMaxPlanesKey) != nullptr) {
    write_text(document, kMaxPlanesKey, settings.max_planes);
  }
  const bool placement_chosen = !settings.sphere_placement.empty() && settings.sphere_placement != kGreedyPlacement;
  if (placement_chosen || find_key(document, kSpherePlacementKey) != nullptr) {
    write_text(document, kSpherePlacementKey, settings.sphere_placement);
  }
  return settings_text(document);
}

FieldSettings load_settings_file(const std::string& path) {
  return settings_of_text(read_settings_bytes(path).value_or(std::string()));
}

bool save_settings_file(const std::string& path, const FieldSettings& settings) {
  // A file that exists but cannot be read is left alone rather than replaced by our keys alone.
  const std::optional<std::string> bytes = read_settings_bytes(path);
  if (!bytes) return false;
  return write_whole_file(path, text_with_settings(*bytes, settings)).outcome == WriteOutcome::kWritten;
}

}  // namespace ombrix
