// A button that shows a picture instead of a caption, drawn at its top-left corner.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace ombrix {

class ImageButton : public QAbstractButton {
  Q_OBJECT

 public:
  ImageButton(const QPixmap& picture, QWidget* parent);

  const QPixmap& picture() const { return picture_; }
  QSize sizeHint() const override { return picture_.size(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace ombrix
