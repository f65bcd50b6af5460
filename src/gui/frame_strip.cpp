#include "gui/frame_strip.h"

#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>

#include "gui/twips.h"

namespace glyphgrid {

namespace {

constexpr const char* FrameMimeType = "application/x-glyphgrid-frame";
constexpr int LampPitch = 7;  // pixels a thumbnail lamp takes
constexpr int Margin = 4;
constexpr int Thumbnail = LampPitch * LampsPerRow;

class FrameDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const auto* model = static_cast<const FrameListModel*>(index.model());
    const Frame& frame = model->Shown().At(index.row());
    painter->save();
    const bool chosen = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect,
                      option.palette.color(chosen ? QPalette::Highlight : QPalette::Base));
    const QPoint origin = option.rect.topLeft() + QPoint(Margin, Margin);
    painter->fillRect(QRect(origin, QSize(Thumbnail, Thumbnail)), Qt::black);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
      // Lamp 63 is the top left.
      const int row = LampsPerRow - 1 - LampRow(lamp);
      const int column = LampsPerRow - 1 - LampColumn(lamp);
      painter->setBrush(ToQColor(frame.Lamps().Colour(lamp)));
      painter->drawEllipse(QRectF(origin.x() + column * LampPitch + 1,
                                  origin.y() + row * LampPitch + 1, LampPitch - 2, LampPitch - 2));
    }
    painter->setPen(option.palette.color(chosen ? QPalette::HighlightedText : QPalette::Text));
    const QRect caption(option.rect.left(), origin.y() + Thumbnail + 2, option.rect.width(),
                        option.fontMetrics.height() * 2);
    painter->drawText(caption, Qt::AlignHCenter | Qt::AlignTop,
                      QString("%1\n%2 ms").arg(index.row() + 1).arg(frame.Delay()));
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {Thumbnail + 2 * Margin, Thumbnail + 2 * Margin + 2 * option.fontMetrics.height() + 2};
  }
};

}  // namespace

void FrameListModel::SetAnimation(const Animation& animation) {
  if (animation.FrameCount() != animation_.FrameCount()) {
    beginResetModel();
    animation_ = animation;
    endResetModel();
    return;
  }
  const Animation before = std::exchange(animation_, animation);
  for (int row = 0; row < animation.FrameCount(); ++row) {
    if (!(before.At(row) == animation.At(row))) {
      emit dataChanged(index(row), index(row));
    }
  }
}

int FrameListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : animation_.FrameCount();
}

QVariant FrameListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() ||
      (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)) {
    return {};
  }
  return QString("Frame %1 of %2, %3 ms")
      .arg(index.row() + 1)
      .arg(animation_.FrameCount())
      .arg(animation_.At(index.row()).Delay());
}

Qt::ItemFlags FrameListModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractListModel::flags(index);
  return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags | Qt::ItemIsDropEnabled;
}

QStringList FrameListModel::mimeTypes() const {
  return {FrameMimeType};
}

QMimeData* FrameListModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty()) {
    return nullptr;
  }
  auto* data = new QMimeData;
  data->setData(FrameMimeType, QByteArray::number(indexes.front().row()));
  return data;
}

// The move is left to the editor, which hands back the animation it made; so the view must not
// take the drop as done and remove the dragged row itself.
bool FrameListModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                  const QModelIndex& parent) {
  bool read = false;
  const int from = data->data(FrameMimeType).toInt(&read);
  if (!read || from < 0 || from >= animation_.FrameCount()) {
    return false;
  }
  int to = row >= 0 ? row : parent.isValid() ? parent.row() : animation_.FrameCount();
  if (to > from) {
    --to;  // the row counts the dragged frame, which leaves its place
  }
  emit MoveRequested(from, std::clamp(to, 0, animation_.FrameCount() - 1));
  return false;
}

FrameStrip::FrameStrip(QWidget* parent) : QListView(parent), model_(new FrameListModel(this)) {
  setObjectName("FrameStrip");
  setAccessibleName("Frames");
  setFocusPolicy(Qt::StrongFocus);
  setModel(model_);
  setItemDelegate(new FrameDelegate(this));
  setFlow(QListView::LeftToRight);
  setWrapping(false);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(model_, &FrameListModel::MoveRequested, this, &FrameStrip::MoveRequested);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid() && !showing_) {
              emit FrameChosen(current.row());
            }
          });
}

// A frame chosen from the menu or by a lamp edit moves no focus: a screen reader hears the frame
// only while the strip has the focus.
void FrameStrip::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (hasFocus()) {
    QListView::currentChanged(current, previous);
  } else {
    QAbstractItemView::currentChanged(current, previous);
  }
}

void FrameStrip::Show(const Animation& animation, int chosen) {
  model_->SetAnimation(animation);
  const QModelIndex index = model_->index(chosen);
  if (currentIndex() != index) {
    showing_ = true;
    setCurrentIndex(index);
    showing_ = false;
  }
  scrollTo(index);
}

}  // namespace glyphgrid
