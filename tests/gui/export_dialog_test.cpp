#include "gui/export_dialog.h"

#include <gtest/gtest.h>

#include <QAccessible>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <functional>

#include "core/animation_export.h"
#include "core/profile_export.h"
#include "core/profile_presets.h"
#include "gui/export_lamp_grid.h"
#include "gui/export_settings.h"
#include "support/form1_fixture.h"
#include "support/profile_samples.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

class ExportDialogTest : public Form1Fixture {
 protected:
  ExportDialogTest() { QSettings().clear(); }

  std::unique_ptr<ExportDialog> NewDialog(
      const Animation& animation = Animation({Frame(FromGrid(Sample))})) {
    auto dialog = std::make_unique<ExportDialog>(toolkit_, animation, 0, nullptr);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    return dialog;
  }
  template <typename Control>
  static Control* Find(QWidget* dialog, const char* name) {
    auto* control = dialog->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  static void Choose(QWidget* dialog, const char* box, const char* value) {
    QComboBox* combo = Find<QComboBox>(dialog, box);
    combo->setCurrentIndex(combo->findText(value));
  }
  QString PathOf(const std::string& name) const {
    return QString::fromStdString(folder_.Path(name));
  }
  static QString Preview(QWidget* dialog) {
    return Find<QPlainTextEdit>(dialog, "preview")->toPlainText();
  }

  TemporaryFolder folder_;
};

// Each step changes the dialog as a user would; the preview, the profile and the preset list
// follow, and a new dialog starts with the last whole profile.
TEST_F(ExportDialogTest, PreviewFollowsTheOptions) {
  using Step = std::function<void(QWidget*)>;
  const auto preset = [](const char* name) {
    return [name](QWidget* dialog) {
      QListWidget* list = Find<QListWidget>(dialog, "presetList");
      list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
    };
  };
  const auto choose = [](const char* box, const char* value) {
    return [box, value](QWidget* dialog) { Choose(dialog, box, value); };
  };
  const auto check = [](const char* box, bool on) {
    return [box, on](QWidget* dialog) { Find<QCheckBox>(dialog, box)->setChecked(on); };
  };
  using enum Side;
  WiringProfile columns = Preset("ht16k33");
  columns.scan = Scan::Columns;
  columns.first = Left;
  columns.msb = Top;
  WiringProfile hex = columns;
  hex.syntax = Syntax::Hex;
  WiringProfile inverted = hex;
  inverted.invert = true;
  inverted.zero = true;
  WiringProfile renamed = Preset("c-rows");
  renamed.name = "heart";
  WiringProfile header = renamed;
  header.header = true;
  WiringProfile matrix = Preset("uno-r4");
  matrix.name = "heart";
  matrix.header = true;
  WiringProfile shifted = matrix;
  shifted.offset = 4;
  WiringProfile undelayed = header;
  undelayed.delays = false;
  const std::tuple<Step, WiringProfile, const char*> steps[] = {
      {[](QWidget*) {}, Preset("basic"), "basic"},
      {preset("ht16k33"), Preset("ht16k33"), "ht16k33"},
      {choose("scanBox", "columns"), columns, "Custom"},
      {choose("syntaxBox", "hex"), hex, "Custom"},
      {[&](QWidget* dialog) {
         check("invertBox", true)(dialog);
         check("zeroBox", true)(dialog);
       },
       inverted, "Custom"},
      {[&](QWidget* dialog) {
         choose("planesBox", "red")(dialog);
         choose("msbBox", "bottom")(dialog);
         choose("syntaxBox", "basic-binary")(dialog);
         check("invertBox", false)(dialog);
       },
       Preset("basic"), "basic"},
      {[&](QWidget* dialog) {
         preset("c-rows")(dialog);
         QTest::keyClicks(Find<QLineEdit>(dialog, "nameEdit"), "\b\b\b\b\b\b\bheart");
       },
       renamed, "c-rows"},
      {check("headerBox", true), header, "c-rows"},
      {preset("Custom"), header, "Custom"},
      {preset("uno-r4"), matrix, "uno-r4"},
      {[](QWidget* dialog) { Find<QSpinBox>(dialog, "offsetBox")->setValue(4); }, shifted,
       "uno-r4"},
      {[&](QWidget* dialog) {
         preset("c-rows")(dialog);
         check("delaysBox", false)(dialog);
       },
       undelayed, "c-rows"},
  };
  // The preview is the whole animation's.
  const Animation frames({Frame(FromGrid(Sample), 80), Frame(FromGrid(SampleRed), 400)});
  std::unique_ptr<ExportDialog> dialog = NewDialog(frames);
  for (const auto& [step, profile, listed] : steps) {
    step(dialog.get());
    EXPECT_EQ(Preview(dialog.get()).toStdString(), ExportAnimation(frames, profile));
    EXPECT_EQ(dialog->Profile(), profile) << Preview(dialog.get()).toStdString();
    EXPECT_EQ(Find<QListWidget>(dialog.get(), "presetList")->currentItem()->text(), listed);
    EXPECT_EQ(NewDialog()->Profile(), profile);
  }
  QTest::keyClicks(Find<QLineEdit>(dialog.get(), "nameEdit"), "-");
  EXPECT_TRUE(Preview(dialog.get()).startsWith("name 'heart-' is not an identifier"));
  EXPECT_FALSE(Find<QPushButton>(dialog.get(), "copyButton")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(dialog.get(), "saveButton")->isEnabled());
  EXPECT_EQ(NewDialog()->Profile(), undelayed);
}

// A settings file is text anyone can edit: a huge or invalid value gives the basic preset at
// once; settings from before the header option keep their profile. The notice follows.
TEST_F(ExportDialogTest, BadSettingsFallBackToBasicAndTheNoticeFollows) {
  WiringProfile header = Preset("c-rows");
  header.header = true;
  const std::tuple<const char*, QVariant, WiringProfile> cases[] = {
      {"name", QString(1000000, 'x'), Preset("basic")},
      {"name", "int", Preset("basic")},
      {"header", QVariant(), Preset("c-rows")},
  };
  for (const auto& [key, value, profile] : cases) {
    SaveExportProfile(header);
    QSettings settings;
    value.isValid() ? settings.setValue(QStringLiteral("export/") + key, value)
                    : settings.remove(QStringLiteral("export/") + key);
    std::unique_ptr<ExportDialog> dialog = NewDialog();
    EXPECT_EQ(dialog->Profile(), profile) << key;
    EXPECT_EQ(Find<QLabel>(dialog.get(), "notice")->text().toStdString(),
              "Note: " + ProfileLabel(profile) +
                  " writes the red plane only: the green of 4 lamps is left out.");
  }
}

// The pointed lamp's byte and bit, worked out by hand, and the digits marked in the preview.
TEST_F(ExportDialogTest, ReadoutTellsThePointedLampsByteAndBit) {
  enum Way { Hover, Click, Keys };
  const std::tuple<const char*, Way, LampIndex, QString, std::vector<int>> cases[] = {
      {"basic", Hover, 63, "byte 0, bit 0 = 0x01", {14}},
      {"c-rows", Click, 28, "byte 4, bit 4 = 0x10", {54}},
      {"ht16k33", Hover, 0, "green: byte 14, bit 7 = 0x80; red: byte 15, bit 7 = 0x80", {115, 121}},
      {"micropython", Keys, 54, "red: byte 1, bit 6 = 0x40; green: byte 9, bit 6 = 0x40", {25, 73}},
  };
  for (const auto& [name, way, lamp, readout, marked] : cases) {
    SaveExportProfile(Preset(name));
    std::unique_ptr<ExportDialog> dialog = NewDialog();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    auto* grid = Find<ExportLampGrid>(dialog.get(), "lampGrid");
    const QPoint centre = ExportLampGrid::LampRect(lamp).center();
    if (way == Hover) {
      QTest::mouseMove(grid, centre);
    } else if (way == Click) {
      QTest::mouseClick(grid, Qt::LeftButton, {}, centre);
      QTest::mouseMove(grid, QPoint(-5, -5));
    } else {
      grid->setFocus();
      QTest::keyClick(grid, Qt::Key_Right);  // the top-left lamp first, then one step
      QTest::keyClick(grid, Qt::Key_Down);
      QTest::keyClick(grid, Qt::Key_Right);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->PointedLamp() == lamp; })) << name;
    const QString shown = Find<QLabel>(dialog.get(), "bitReadout")->text();
    EXPECT_EQ(QString(shown).replace(QChar::Nbsp, ' '), readout) << name;
    // A line may break between two lamps' parts, never inside "= 0x80".
    EXPECT_EQ(shown.count(' '), shown.count("; ")) << name;
    if (way == Keys) {  // the same table as the main grid's, the selected lamp focused
      EXPECT_EQ(QAccessible::queryAccessibleInterface(grid)->focusChild()->text(QAccessible::Name),
                "Row 2, column 2: green");
    }
    std::vector<int> starts;
    for (const QTextEdit::ExtraSelection& mark :
         Find<QPlainTextEdit>(dialog.get(), "preview")->extraSelections()) {
      EXPECT_EQ(mark.cursor.selectedText().size(), 1) << name;
      starts.push_back(mark.cursor.selectionStart());
    }
    std::ranges::sort(starts);
    EXPECT_EQ(starts, marked) << name;
  }
}

TEST_F(ExportDialogTest, CopyAndSaveTheText) {
  const std::tuple<const char*, QString, std::string, QString> cases[] = {
      {"c-rows", PathOf("heart.h"), "\n", "save|C Files (*.c *.h *.ino);;All Files (*)|"},
      {"basic-hex", PathOf("heart.bas"), "\r\n", "save|BASIC Files (*.bas);;All Files (*)|"},
      {"micropython", PathOf("no/such/folder.py"), "", "save|Python Files (*.py);;All Files (*)|"},
  };
  const Animation frames({Frame(FromGrid(Sample)), Frame(FromGrid(SampleRed))});
  for (const auto& [name, file, line_break, save] : cases) {
    SaveExportProfile(Preset(name));
    std::unique_ptr<ExportDialog> dialog = NewDialog(frames);
    const std::string text = ExportAnimation(frames, Preset(name));
    Find<QPushButton>(dialog.get(), "copyButton")->click();
    EXPECT_EQ(ClipboardText().toStdString(), text);
    toolkit_.calls.clear();
    toolkit_.file_names = {file};
    Find<QPushButton>(dialog.get(), "saveButton")->click();
    ASSERT_FALSE(toolkit_.calls.isEmpty());
    EXPECT_EQ(toolkit_.calls[0], save);
    if (line_break.empty()) {
      ASSERT_EQ(toolkit_.calls.size(), 2);
      EXPECT_TRUE(toolkit_.calls[1].startsWith("error|Cannot save \"" + file + "\": "));
      EXPECT_TRUE(toolkit_.calls[1].endsWith("|Kestrova"));
    } else {
      EXPECT_EQ(toolkit_.calls.size(), 1);
      // Every line ends in the file's line break.
      std::string lines;
      for (const char c : text + "\n") {
        lines += c == '\n' ? line_break : std::string(1, c);
      }
      EXPECT_EQ(folder_.Read(QFileInfo(file).fileName().toStdString()), lines);
    }
  }
}

// Paste and Import read with the last profile, or the only preset that reads the text; on
// failure they show why and change nothing.
TEST_F(ExportDialogTest, PasteAndImportReadAnyExport) {
  const LampMatrix sample = FromGrid(Sample);
  const std::string ht16k33 = ExportText(sample, Preset("ht16k33"));
  const QString ambiguous = "reads as c-rows and as c-columns, which give different patterns.";
  const std::tuple<const char*, std::string, const char*, QString> cases[] = {
      {"c-rows", ExportText(sample, Preset("c-rows")), SampleRed, ""},
      {"c-rows", ExportText(sample, Preset("basic")), SampleRed, ""},
      {"ht16k33", ht16k33, Sample, ""},
      {"basic", ht16k33, Sample, ""},
      {"basic", ExportText(sample, Preset("c-rows")), nullptr, ambiguous},
      {"basic", "DATA 1, 2", nullptr,
       "does not read as basic (expected 9 values for basic, found 2) "
       "nor as any preset."},
      {"basic", "", nullptr, "holds no text."},
  };
  const LampMatrix before =
      FromGrid("........\n...GG...\n........\n........\n........\n........\n........\n........");
  for (const bool import : {false, true}) {
    for (const auto& [last, text, lamps, error] : cases) {
      if (import && text.empty()) {
        continue;
      }
      SaveExportProfile(Preset(last));
      form1_->SetLamps(before, "Set");
      form1_->setWindowTitle("before");
      toolkit_.calls.clear();
      const QString path = QString::fromStdString(folder_.Write("export.txt", text));
      if (import) {
        toolkit_.file_names = {path};
        form1_->findChild<QAction*>("actionImport")->trigger();
      } else {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        form1_->findChild<QAction*>("actionPastePattern")->trigger();
      }
      const QString failure = import ? "Cannot import \"" + path + "\": the file "
                                     : "Cannot paste the pattern: the clipboard " +
                                           QString(text.empty() ? "" : "text ");
      QStringList calls;
      if (import) {
        calls << "open|Pattern Exports (*.bas *.c *.h *.ino *.py *.txt);;All Files (*)|";
      }
      if (!lamps) {
        const QString hint =
            text.empty() ? "" : "\n\nThe profile chosen in File > Export... is tried first.";
        calls << "error|" + failure + error + hint + "|Kestrova";
      }
      EXPECT_EQ(toolkit_.calls, calls) << text;
      EXPECT_EQ(form1_->Lamps(), lamps ? FromGrid(lamps) : before) << text;
      if (import) {
        EXPECT_EQ(form1_->windowTitle() == "Kestrova -" + path, lamps != nullptr) << text;
      }
    }
  }
  // Frames pasted replace the animation, as one step.
  const Animation frames({Frame(FromGrid(SampleRed), 80), Frame(LampMatrix(), 400)});
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(ExportAnimation(frames, Preset("uno-r4"))));
  form1_->findChild<QAction*>("actionPastePattern")->trigger();
  EXPECT_EQ(form1_->Frames(), frames);
  form1_->findChild<QAction*>("actionUndo")->trigger();
  EXPECT_EQ(form1_->Frames().FrameCount(), 1);
}

}  // namespace
}  // namespace glyphgrid
