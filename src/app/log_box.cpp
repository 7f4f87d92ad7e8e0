#include "app/log_box.h"

#include <QTextCursor>

namespace ombrix {

LogBox::LogBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void LogBox::append_line(const QString& line) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  if (has_lines_) cursor.insertBlock();
  cursor.insertText(line);
  has_lines_ = true;
  setTextCursor(cursor);
  ensureCursorVisible();
}

}  // namespace ombrix
