#include "app/spin_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace ombrix {

namespace {

constexpr int kArrowWidth = 13;

}  // namespace

SpinField::SpinField(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), editor_(new QLineEdit(this)) {
  editor_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  editor_->installEventFilter(this);
  setFocusProxy(editor_);
  up_ = make_arrow(SpinArrow::kUp);
  down_ = make_arrow(SpinArrow::kDown);
}

QString SpinField::text() const { return editor_->text(); }

void SpinField::set_text(const QString& text) { editor_->setText(text); }

QToolButton* SpinField::make_arrow(SpinArrow arrow) {
  auto* button = new QToolButton(this);
  button->setArrowType(arrow == SpinArrow::kUp ? Qt::UpArrow : Qt::DownArrow);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRepeat(true);  // holding an arrow keeps stepping, as holding the key does
  connect(button, &QToolButton::clicked, this, [this, arrow] { emit arrow_pressed(arrow); });
  return button;
}

bool SpinField::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      emit arrow_pressed(key == Qt::Key_Up ? SpinArrow::kUp : SpinArrow::kDown);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SpinField::resizeEvent(QResizeEvent*) {
  const int arrows_left = width() - kArrowWidth;
  const int upper_height = height() / 2;
  editor_->setGeometry(0, 0, arrows_left, height());
  up_->setGeometry(arrows_left, 0, kArrowWidth, upper_height);
  down_->setGeometry(arrows_left, upper_height, kArrowWidth, height() - upper_height);
}

}  // namespace ombrix
