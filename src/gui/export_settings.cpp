#include "gui/export_settings.h"

#include <QSettings>

#include "core/profile_presets.h"
#include "gui/from_view.h"

namespace glyphgrid {

namespace {

QString Key(const char* option) {
  return QStringLiteral("export/%1").arg(option);
}

template <typename T, std::size_t N>
void Store(QSettings& settings, const char* option, const OptionValue<T> (&values)[N], T value) {
  settings.setValue(Key(option), FromView(NameOf(values, value)));
}

// False when the stored value is missing or names nothing.
template <typename T, std::size_t N>
bool Read(const QSettings& settings, const char* option, const OptionValue<T> (&values)[N],
          T& field) {
  const std::optional<T> value =
      ValueNamed(values, settings.value(Key(option)).toString().toStdString());
  if (value) {
    field = *value;
  }
  return value.has_value();
}

}  // namespace

WiringProfile LoadExportProfile() {
  const QSettings settings;
  WiringProfile profile;
  const bool whole = Read(settings, "scan", ScanValues, profile.scan) &&
                     Read(settings, "first", SideValues, profile.first) &&
                     Read(settings, "msb", SideValues, profile.msb) &&
                     Read(settings, "planes", PlanesValues, profile.planes) &&
                     Read(settings, "invert", YesNoValues, profile.invert) &&
                     Read(settings, "syntax", SyntaxValues, profile.syntax) &&
                     Read(settings, "zero", YesNoValues, profile.zero);
  profile.name = settings.value(Key("name")).toString().toStdString();
  if (!whole || CheckProfile(profile)) {
    return ProfilePresets().front().profile;
  }
  return profile;
}

void SaveExportProfile(const WiringProfile& profile) {
  QSettings settings;
  Store(settings, "scan", ScanValues, profile.scan);
  Store(settings, "first", SideValues, profile.first);
  Store(settings, "msb", SideValues, profile.msb);
  Store(settings, "planes", PlanesValues, profile.planes);
  Store(settings, "invert", YesNoValues, profile.invert);
  Store(settings, "syntax", SyntaxValues, profile.syntax);
  Store(settings, "zero", YesNoValues, profile.zero);
  settings.setValue(Key("name"), QString::fromStdString(profile.name));
}

}  // namespace glyphgrid
