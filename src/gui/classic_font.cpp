#include "gui/classic_font.h"

#include <QStringList>

namespace glyphgrid {

QFont ClassicFont() {
  // Adds only the families not listed yet, so calling it again changes nothing.
  const QStringList stand_ins = {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Nimbus Sans",
                                 "DejaVu Sans Condensed"};
  QFont::insertSubstitutions("MS Sans Serif", stand_ins);
  QFont font("MS Sans Serif");
  font.setPointSizeF(8.25);
  return font;
}

}  // namespace glyphgrid
