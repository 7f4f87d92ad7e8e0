// The viewer's side panel: every sphere in a table (number, centre, radius, how far it reaches out
// of its hull), the selected one's values to type, and the editing buttons.
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "record/sphere.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace ombrix {

// One value of a sphere that can be typed.
enum class SphereValue { kX, kY, kZ, kRadius };

class SpherePanel : public QWidget {
  Q_OBJECT

 public:
  explicit SpherePanel(QWidget* parent = nullptr);

  // Lists `spheres` with their reach out of their hull (nothing: not measured) and selects
  // `selected` (-1: none), whose values fill the fields.
  void show_spheres(const std::vector<Sphere>& spheres, const std::vector<std::optional<double>>& reaches,
                    int selected);

  QTableWidget* table() const { return table_; }
  QLineEdit* field(SphereValue value) const { return fields_[static_cast<size_t>(value)]; }
  QPushButton* add_button() const { return add_; }
  QPushButton* duplicate_button() const { return duplicate_; }
  QPushButton* delete_button() const { return delete_; }
  QPushButton* mirror_button() const { return mirror_; }
  QPushButton* fill_button() const { return fill_; }

 signals:
  // The person picked row `index` (-1: no row).
  void row_selected(int index);
  // The person finished typing `text` into the field of `value`.
  void value_typed(SphereValue value, const QString& text);

 private:
  QTableWidget* table_ = nullptr;
  std::array<QLineEdit*, 4> fields_{};
  QPushButton* add_ = nullptr;
  QPushButton* duplicate_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* mirror_ = nullptr;
  QPushButton* fill_ = nullptr;
  bool showing_ = false;  // true while the panel itself changes the table's selection
};

}  // namespace ombrix
