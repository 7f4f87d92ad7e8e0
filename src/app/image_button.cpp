#include "app/image_button.h"

#include <QPainter>

namespace ombrix {

ImageButton::ImageButton(const QPixmap& picture, QWidget* parent) : QAbstractButton(parent), picture_(picture) {
  setCursor(Qt::PointingHandCursor);
}

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace ombrix
