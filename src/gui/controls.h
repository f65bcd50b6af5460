#pragma once

#include <QRect>
#include <QWidget>
#include <utility>

namespace glyphgrid {

// A control of the given kind in `parent`, named so that tests and automation find it, at a
// rectangle in logical pixels (see TwipsRect). `arguments` come before the parent, as Qt's
// constructors take them.
template <typename Control, typename... Arguments>
Control* MakeControl(QWidget* parent, const char* name, const QRect& geometry,
                     Arguments&&... arguments) {
  auto* control = new Control(std::forward<Arguments>(arguments)..., parent);
  control->setObjectName(name);
  control->setGeometry(geometry);
  return control;
}

}  // namespace glyphgrid
