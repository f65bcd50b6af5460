#pragma once

#include <QAbstractListModel>
#include <QListView>

#include "core/animation.h"

namespace glyphgrid {

// The frames as a list: one row a frame, named "Frame 3 of 12, 150 ms". It holds the animation it
// was last given and never changes it; a drag that reorders frames is asked of the editor.
class FrameListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  void SetAnimation(const Animation& animation);
  const Animation& Shown() const { return animation_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                    const QModelIndex& parent) override;

 signals:
  void MoveRequested(int from, int to);

 private:
  Animation animation_;
};

// The frame strip: a painted thumbnail of each frame with its number and delay, the chosen one
// marked. Left and Right choose; a drag moves a frame.
class FrameStrip : public QListView {
  Q_OBJECT

 public:
  explicit FrameStrip(QWidget* parent = nullptr);

  void Show(const Animation& animation, int chosen);

 signals:
  void FrameChosen(int index);
  void MoveRequested(int from, int to);

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  FrameListModel* model_;
  bool showing_ = false;  // the editor's own choice is not reported back to it
};

}  // namespace glyphgrid
