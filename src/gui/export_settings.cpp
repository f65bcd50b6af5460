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

// A settings file is text anyone can edit: a value longer than any valid one (a name is the
// longest) is refused before it is converted, shown or exported.
std::optional<std::string> Bounded(const QSettings& settings, const char* option) {
  const QString value = settings.value(Key(option)).toString();
  if (value.size() > static_cast<qsizetype>(MaxNameLength)) {
    return std::nullopt;
  }
  return value.toStdString();
}

// False when the stored value is missing or names nothing.
template <typename T, std::size_t N>
bool Read(const QSettings& settings, const char* option, const OptionValue<T> (&values)[N],
          T& field) {
  const std::optional<std::string> text = Bounded(settings, option);
  const std::optional<T> value = text ? ValueNamed(values, *text) : std::nullopt;
  if (value) {
    field = *value;
  }
  return value.has_value();
}

// Settings written before these flags existed leave them off.
bool ReadFlag(const QSettings& settings, const char* option, bool& field) {
  return !settings.contains(Key(option)) || Read(settings, option, YesNoValues, field);
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
                     Read(settings, "zero", YesNoValues, profile.zero) &&
                     ReadFlag(settings, "header", profile.header) &&
                     ReadFlag(settings, "progmem", profile.progmem) &&
                     ReadFlag(settings, "delays", profile.delays);
  bool number = true;
  profile.offset = settings.value(Key("offset"), DefaultOffset).toInt(&number);
  const std::optional<std::string> name = Bounded(settings, "name");
  if (!whole || !number || !name) {
    return ProfilePresets().front().profile;
  }
  profile.name = *name;
  if (CheckProfile(profile)) {
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
  Store(settings, "header", YesNoValues, profile.header);
  Store(settings, "progmem", YesNoValues, profile.progmem);
  Store(settings, "delays", YesNoValues, profile.delays);
  settings.setValue(Key("offset"), profile.offset);
  settings.setValue(Key("name"), QString::fromStdString(profile.name));
}

}  // namespace glyphgrid
