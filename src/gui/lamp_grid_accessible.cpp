#include "gui/lamp_grid_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "core/lamp_names.h"
#include "gui/from_view.h"

namespace glyphgrid {

namespace {

LampIndex LampOfCell(int cell) {
  return LampCount - 1 - cell;
}

const LampTable& TableOf(const QWidget* widget) {
  return *dynamic_cast<const LampTable*>(widget);
}

// The colour is in the name: Qt's AT-SPI bridge forwards a cell's name changes, and drops value
// changes from anything without a value interface.
QString CellName(LampIndex lamp, LampColour colour) {
  return QString::fromStdString(LampName(lamp)) + ": " + FromView(ColourName(colour));
}

class LampCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  LampCell(QWidget* widget, LampIndex lamp) : widget_(widget), lamp_(lamp) {}

  bool isValid() const override { return !widget_.isNull(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(widget_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text text) const override {
    const LampColour colour = TableOf(widget_).ShownLamps().Colour(lamp_);
    switch (text) {
      case QAccessible::Name:
        return CellName(lamp_, colour);
      case QAccessible::Value:
        return FromView(ColourName(colour));
      case QAccessible::Description:
        return QString::fromStdString(LampDescription(lamp_, colour));
      default:
        return {};
    }
  }

  QRect rect() const override {
    const QRect cell = TableOf(widget_).CellRect(lamp_);
    return QRect(widget_->mapToGlobal(cell.topLeft()), cell.size());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = TableOf(widget_).FocusedLamp() == lamp_;
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
  QPointer<QWidget> widget_;
  LampIndex lamp_;
};

// The widget as a table whose cells are the lamps. Nothing can be selected: a lamp is acted on by
// moving the keyboard focus to it.
class LampTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit LampTableAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Table) {}
  ~LampTableAccessible() override {
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
    const QPoint point = widget()->mapFromGlobal(QPoint(x, y));
    for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
      if (TableOf(widget()).CellRect(lamp).contains(point)) {
        return Cell(lamp);
      }
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const std::optional<LampIndex> lamp = TableOf(widget()).FocusedLamp();
    return lamp ? Cell(*lamp) : nullptr;
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
  // Made when first asked for and registered with Qt, as the interfaces of item views are.
  QAccessibleInterface* Cell(LampIndex lamp) const {
    QAccessible::Id& id = cells_[static_cast<std::size_t>(lamp)];
    if (id == 0) {
      id = QAccessible::registerAccessibleInterface(new LampCell(widget(), lamp));
    }
    return QAccessible::accessibleInterface(id);
  }

  mutable std::array<QAccessible::Id, LampCount> cells_{};
};

QAccessibleInterface* LampTableFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget != nullptr && dynamic_cast<LampTable*>(widget) != nullptr
             ? new LampTableAccessible(widget)
             : nullptr;
}

void Announce(QWidget* widget, QAccessible::Event type, LampIndex lamp) {
  QAccessibleEvent event(widget, type);
  event.setChild(LampGridCell(lamp));
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallLampTableAccessibility() {
  [[maybe_unused]] static const bool installed = [] {
    QAccessible::installFactory(LampTableFactory);
    return true;
  }();
}

void AnnounceLampFocus(QWidget* widget, LampIndex lamp) {
  Announce(widget, QAccessible::Focus, lamp);
}

void AnnounceFocusedLampSoon(QWidget* widget) {
  QTimer::singleShot(0, widget, [widget] {
    if (const std::optional<LampIndex> lamp = TableOf(widget).FocusedLamp()) {
      AnnounceLampFocus(widget, *lamp);
    }
  });
}

void AnnounceLampColour(QWidget* widget, LampIndex lamp) {
  Announce(widget, QAccessible::NameChanged, lamp);
}

int LampGridCell(LampIndex lamp) {
  return LampCount - 1 - lamp;
}

}  // namespace glyphgrid
