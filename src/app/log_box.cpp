#include "app/log_box.h"

#include <QScrollBar>
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
  // Back to the lines' start: after one long line the stamps of all later ones would be hidden.
  horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

}  // namespace ombrix
