// What the window tests share: reading the log box and clicking through the event queue.
#pragma once

#include <QStringList>

#include "app/main_window.h"

class QWidget;

namespace ombrix::testing {

// The log box's lines, in order.
QStringList log_lines(const MainWindow& window);

// `line` without its time stamp ("HH:MM:SS." and a TAB); a line without one is returned as it is.
QString without_stamp(const QString& line);

// Whether `line` starts with a time stamp.
bool is_stamped(const QString& line);

// Queues a left click in the middle of `widget`: it happens when the queue is next drained.
void post_click(QWidget* widget);

// Queues typing `text` into `widget`, which need not have the focus.
void post_typing(QWidget* widget, const QString& text);

}  // namespace ombrix::testing
