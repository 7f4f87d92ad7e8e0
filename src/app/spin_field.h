// A spin field: a right-aligned text field with up and down arrows that never change the text
// themselves. Each arrow press, and each Up or Down key while the text has the focus, is
// reported as an event; the window's handler rewrites the text.
#pragma once

#include <QWidget>

#include "app/spin_step.h"

class QLineEdit;
class QToolButton;

namespace ombrix {

class SpinField : public QWidget {
  Q_OBJECT

 public:
  // `minimum` and `maximum` are stored for the handler; the field enforces nothing.
  SpinField(int minimum, int maximum, QWidget* parent);

  QString text() const;
  void set_text(const QString& text);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }

  QLineEdit* editor() const { return editor_; }
  QToolButton* arrow(SpinArrow which) const { return which == SpinArrow::kUp ? up_ : down_; }

 signals:
  void arrow_pressed(ombrix::SpinArrow arrow);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* make_arrow(SpinArrow arrow);

  int minimum_;
  int maximum_;
  QLineEdit* editor_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace ombrix
