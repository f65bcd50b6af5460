#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace glyphgrid {

class Toolkit;

// The toolkit's file dialogs, each starting in the folder of the last file picked in either,
// remembered in the settings from one run to the next. The name picked is given back as the
// dialog gave it; nothing when the user cancels.
std::optional<QString> ChooseFileToSave(Toolkit& toolkit, QWidget* parent, const QString& filter);
std::optional<QString> ChooseFileToOpen(Toolkit& toolkit, QWidget* parent, const QString& filter);

}  // namespace glyphgrid
