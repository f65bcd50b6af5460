#include "gui/form1.h"
#include "gui/recovery_store.h"
#include "gui/toolkit.h"

namespace glyphgrid {

void Form1::RecoverLastSession() {
  const std::optional<QString> file = recovery_->LastSessionFile();
  if (!file) {
    toolkit_.ShowMessage(this, "There is no earlier session to recover.", MessageTitle);
    return;
  }
  const std::variant<LampMatrix, Error> lamps = RecoveryStore::Read(*file);
  if (const auto* failure = std::get_if<Error>(&lamps)) {
    ShowFailure(*failure);
    return;
  }
  SetLamps(std::get<LampMatrix>(lamps), "Recover Last Session");
}

}  // namespace glyphgrid
