#include "window_test_support.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QWidget>

namespace ombrix::testing {

namespace {

const QRegularExpression kStamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\t"));

}  // namespace

QStringList log_lines(const MainWindow& window) {
  const auto* box = static_cast<const QPlainTextEdit*>(window.control(Control::kLogBox));
  return box->toPlainText().split(u'\n');
}

QString without_stamp(const QString& line) {
  QString text = line;
  return text.remove(kStamp);
}

bool is_stamped(const QString& line) { return kStamp.match(line).hasMatch(); }

void post_click(QWidget* widget) {
  const QPointF middle = QRectF(widget->rect()).center();
  const QPointF global = widget->mapToGlobal(middle);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QCoreApplication::postEvent(widget, new QMouseEvent(type, middle, global, Qt::LeftButton, held, Qt::NoModifier));
  }
}

void post_typing(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(c)));
  }
}

}  // namespace ombrix::testing
