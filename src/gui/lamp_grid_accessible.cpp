#include "gui/lamp_grid_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "core/lamp_geometry.h"
#include "core/lamp_names.h"
#include "gui/from_view.h"
#include "gui/lamp_grid.h"
#include "gui/twips.h"

namespace glyphgrid {

namespace {

LampIndex LampOfCell(int cell) {
  return LampCount - 1 - cell;
}

class LampCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  LampCell(LampGrid* grid, LampIndex lamp) : grid_(grid), lamp_(lamp) {}

  bool isValid() const override { return !grid_.isNull(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(grid_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text text) const override {
    const LampColour colour = grid_->Lamps().Colour(lamp_);
    switch (text) {
      case QAccessible::Name:
        return QString::fromStdString(LampName(lamp_));
      case QAccessible::Value:
        return FromView(ColourName(colour));
      case QAccessible::Description:
        return QString::fromStdString(LampDescription(lamp_, colour));
      default:
        return {};
    }
  }

  QRect rect() const override {
    const QRect client = TwipsRectF(LampBounds(lamp_)).toAlignedRect();
    return QRect(grid_->parentWidget()->mapToGlobal(client.topLeft()), client.size());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = grid_->hasFocus() && grid_->Mark() == lamp_;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return LampsPerRow - 1 - LampColumn(lamp_); }
  int rowIndex() const override { return LampsPerRow - 1 - LampRow(lamp_); }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<LampGrid> grid_;
  LampIndex lamp_;
};

// The grid as a table whose cells are the lamps. Nothing can be selected: a lamp is acted on by
// moving the keyboard mark to it.
class LampGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit LampGridAccessible(LampGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
  ~LampGridAccessible() override {
    for (const QAccessible::Id id : cells_) {
      if (id != 0) {
        QAccessible::deleteAccessibleInterface(id);
      }
    }
  }

  int childCount() const override { return LampCount; }
  QAccessibleInterface* child(int index) const override {
    return index >= 0 && index < LampCount ? Cell(LampOfCell(index)) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
      const QAccessible::Id id = cells_[static_cast<std::size_t>(lamp)];
      if (id != 0 && QAccessible::accessibleInterface(id) == child) {
        return LampGridCell(lamp);
      }
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPointF client = Grid()->parentWidget()->mapFromGlobal(QPointF(x, y)) * TwipsPerPixel;
    const std::optional<LampIndex> lamp = LampAtPress(client.x(), client.y());
    return lamp ? Cell(*lamp) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return Grid()->hasFocus() ? Cell(Grid()->Mark()) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    const bool inside = row >= 0 && row < LampsPerRow && column >= 0 && column < LampsPerRow;
    return inside ? child(LampsPerRow * row + column) : nullptr;
  }
  int columnCount() const override { return LampsPerRow; }
  int rowCount() const override { return LampsPerRow; }
  QString columnDescription(int column) const override {
    return QStringLiteral("Column %1").arg(column + 1);
  }
  QString rowDescription(int row) const override { return QStringLiteral("Row %1").arg(row + 1); }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  LampGrid* Grid() const { return static_cast<LampGrid*>(widget()); }

  // Made when first asked for and registered with Qt, as the interfaces of item views are.
  QAccessibleInterface* Cell(LampIndex lamp) const {
    QAccessible::Id& id = cells_[static_cast<std::size_t>(lamp)];
    if (id == 0) {
      id = QAccessible::registerAccessibleInterface(new LampCell(Grid(), lamp));
    }
    return QAccessible::accessibleInterface(id);
  }

  mutable std::array<QAccessible::Id, LampCount> cells_{};
};

QAccessibleInterface* LampGridFactory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(LampGrid::staticMetaObject.className())) {
    return new LampGridAccessible(static_cast<LampGrid*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallLampGridAccessibility() {
  [[maybe_unused]] static const bool installed = [] {
    QAccessible::installFactory(LampGridFactory);
    return true;
  }();
}

int LampGridCell(LampIndex lamp) {
  return LampCount - 1 - lamp;
}

}  // namespace glyphgrid
