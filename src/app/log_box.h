// The log box: read-only lines, only ever appended, the newest one always in view.
#pragma once

#include <QPlainTextEdit>

namespace ombrix {

class LogBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit LogBox(QWidget* parent);

  // Appends `line` as the box's last line (a line break before it unless it is the very first
  // line, so an empty first line still counts) and leaves the caret at its end. The box then
  // shows the newest line from its start, wherever the user had scrolled to.
  void append_line(const QString& line);

 private:
  bool has_lines_ = false;
};

}  // namespace ombrix
