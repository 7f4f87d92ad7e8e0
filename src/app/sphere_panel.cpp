#include "app/sphere_panel.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ombrix {

namespace {

constexpr int kDecimals = 2;
constexpr int kPanelWidth = 380;

// A value that rounds to zero is shown without a sign: "-0.00" would read as a reach out.
QString number_text(double value) {
  const QString text = QString::number(value, 'f', kDecimals);
  return text == QStringLiteral("-0.00") ? QStringLiteral("0.00") : text;
}

// Exact enough to type back: the shortest text that reads as the same float.
QString exact_text(float value) { return QString::number(value, 'g', 9); }

// Sets the text of a cell, making the cell the first time: a drag updates every row many times a
// second, and new items cost more than new texts.
void set_cell(QTableWidget& table, int row, int column, const QString& text) {
  if (QTableWidgetItem* item = table.item(row, column)) {
    item->setText(text);
    return;
  }
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  table.setItem(row, column, item);
}

}  // namespace

SpherePanel::SpherePanel(QWidget* parent) : QWidget(parent) {
  table_ = new QTableWidget(0, 6, this);
  table_->setHorizontalHeaderLabels({"#", "x", "y", "z", "radius", "reach out"});
  table_->horizontalHeaderItem(5)->setToolTip(
      QStringLiteral("How far the sphere reaches out of its hull's planes, as inspect measures it."));
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table_->setFocusPolicy(Qt::NoFocus);  // the view keeps the keys
  connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
    if (showing_) return;
    const QList<QTableWidgetItem*> picked = table_->selectedItems();
    emit row_selected(picked.isEmpty() ? -1 : picked.front()->row());
  });

  auto* form = new QFormLayout;
  const char* names[] = {"x", "y", "z", "radius"};
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new QLineEdit(this);
    form->addRow(QString::fromLatin1(names[i]), fields_[i]);
    const auto value = static_cast<SphereValue>(i);
    connect(fields_[i], &QLineEdit::editingFinished, this, [this, value] {
      QLineEdit* edit = field(value);
      if (edit->isModified()) emit value_typed(value, edit->text());
      edit->setModified(false);
    });
  }

  add_ = new QPushButton(QStringLiteral("Add"), this);
  add_->setToolTip(QStringLiteral("A new sphere at the selected one's place, or at the hull's centre."));
  duplicate_ = new QPushButton(QStringLiteral("Duplicate"), this);
  delete_ = new QPushButton(QStringLiteral("Delete"), this);
  delete_->setToolTip(QStringLiteral("Delete the selected sphere (Delete key)."));
  mirror_ = new QPushButton(QStringLiteral("Mirror x"), this);
  mirror_->setToolTip(QStringLiteral("Add the selected sphere's mirror image across x = 0."));
  fill_ = new QPushButton(QStringLiteral("Fill again"), this);
  fill_->setToolTip(QStringLiteral("New spheres for every hull, from the main window's sphere fields."));
  auto* buttons = new QGridLayout;
  buttons->addWidget(add_, 0, 0);
  buttons->addWidget(duplicate_, 0, 1);
  buttons->addWidget(delete_, 0, 2);
  buttons->addWidget(mirror_, 1, 0);
  buttons->addWidget(fill_, 1, 1, 1, 2);
  for (QPushButton* button : {add_, duplicate_, delete_, mirror_, fill_}) button->setFocusPolicy(Qt::NoFocus);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(table_, 1);
  column->addLayout(form);
  column->addLayout(buttons);
  setFixedWidth(kPanelWidth);
}

void SpherePanel::show_spheres(const std::vector<Sphere>& spheres, const std::vector<std::optional<double>>& reaches,
                               int selected) {
  showing_ = true;
  table_->setRowCount(static_cast<int>(spheres.size()));
  for (size_t i = 0; i < spheres.size(); ++i) {
    const Sphere& s = spheres[i];
    const int row = static_cast<int>(i);
    set_cell(*table_, row, 0, QString::number(row + 1));
    set_cell(*table_, row, 1, number_text(s.x));
    set_cell(*table_, row, 2, number_text(s.y));
    set_cell(*table_, row, 3, number_text(s.z));
    set_cell(*table_, row, 4, number_text(s.radius));
    set_cell(*table_, row, 5, i < reaches.size() && reaches[i] ? number_text(*reaches[i]) : QStringLiteral("-"));
  }
  if (selected >= 0) {
    table_->selectRow(selected);
    table_->scrollToItem(table_->item(selected, 0));
  } else {
    table_->clearSelection();
  }
  showing_ = false;

  const bool has_selection = selected >= 0 && static_cast<size_t>(selected) < spheres.size();
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i]->setEnabled(has_selection);
    if (!has_selection) {
      fields_[i]->clear();
      continue;
    }
    const Sphere& s = spheres[static_cast<size_t>(selected)];
    const float values[] = {s.x, s.y, s.z, s.radius};
    fields_[i]->setText(exact_text(values[i]));
    fields_[i]->setModified(false);
  }
  duplicate_->setEnabled(has_selection);
  delete_->setEnabled(has_selection);
  mirror_->setEnabled(has_selection);
}

}  // namespace ombrix
