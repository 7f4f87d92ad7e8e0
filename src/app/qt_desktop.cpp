#include "app/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

#include "app/qt_text.h"

namespace ombrix {

namespace {

QString initial_path(const RequesterStart& start) { return to_qstring(start.folder + start.name); }

std::string native_path(const QString& path) { return to_field_text(QDir::toNativeSeparators(path)); }

}  // namespace

std::vector<std::string> QtDesktop::choose_input_files(const RequesterStart& start, std::string_view patterns) {
  const QStringList chosen =
      QFileDialog::getOpenFileNames(parent_, QString(), initial_path(start), qt_name_filter(patterns));
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(native_path(path));
  return paths;
}

std::string QtDesktop::choose_file_to_open(const std::string& title, const RequesterStart& start,
                                           std::string_view patterns) {
  const QString chosen =
      QFileDialog::getOpenFileName(parent_, to_qstring(title), initial_path(start), qt_name_filter(patterns));
  return chosen.isEmpty() ? std::string() : native_path(chosen);
}

std::string QtDesktop::choose_output_file(const RequesterStart& start, std::string_view patterns) {
  const QString chosen = QFileDialog::getSaveFileName(parent_, QString(), initial_path(start), qt_name_filter(patterns),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
  return native_path(chosen);
}

std::string QtDesktop::choose_folder(const std::string& folder) {
  const QString chosen = QFileDialog::getExistingDirectory(parent_, QString(), to_qstring(folder));
  return with_trailing_separator(native_path(chosen));
}

void QtDesktop::open_web_page(const std::string& address) { QDesktopServices::openUrl(QUrl(to_qstring(address))); }

bool QtDesktop::set_clipboard_text(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QString table = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  clipboard->setText(table);
  return clipboard->text() == table;
}

UnsavedChoice QtDesktop::ask_about_unsaved(const std::string& question) {
  const QMessageBox::StandardButton answer =
      QMessageBox::question(QApplication::activeWindow(), QStringLiteral("ombrix"), to_qstring(question),
                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return UnsavedChoice::kSave;
  return answer == QMessageBox::Discard ? UnsavedChoice::kDiscard : UnsavedChoice::kCancel;
}

bool QtDesktop::confirm(const std::string& question) {
  return QMessageBox::question(QApplication::activeWindow(), QStringLiteral("ombrix"), to_qstring(question)) ==
         QMessageBox::Yes;
}

QString qt_name_filter(std::string_view patterns, bool windows_patterns) {
  const QStringList parts = to_qstring(patterns).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const qsizetype own_patterns = description.lastIndexOf(u'(');
    if (own_patterns >= 0 && description.endsWith(u')')) description = description.left(own_patterns).trimmed();
    QString list = parts[i + 1];
    list.replace(u';', u' ');
    if (!windows_patterns) list.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    filters.append(description + QStringLiteral(" (") + list + u')');
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace ombrix
