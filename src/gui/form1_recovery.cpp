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
  std::variant<Animation, Error> animation = RecoveryStore::Read(*file);
  if (const auto* failure = std::get_if<Error>(&animation)) {
    ShowFailure(*failure);
    return;
  }
  EditFrames("Recover Last Session", std::get<Animation>(std::move(animation)), 0);
}

}  // namespace glyphgrid
