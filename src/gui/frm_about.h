#pragma once

#include <QDialog>

#include "core/sys_info_program.h"
#include "gui/toolkit.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace glyphgrid {

// The About window: the program's icon, title and version, OK and System Info. Modeless and
// hidden when built; OK and the close box destroy it.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  // Looks for the system-information tool in the running system.
  explicit frmAbout(Toolkit& toolkit, QWidget* parent = nullptr);
  frmAbout(Toolkit& toolkit, SysInfoSources sources, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Form_Load();
  void cmdOK_Click();
  void cmdSysInfo_Click();
  void StartSysInfo();

  Toolkit& toolkit_;
  SysInfoSources sources_;
  QLabel* picIcon_;
  QPushButton* cmdOK_;
  QPushButton* cmdSysInfo_;
  QLabel* lblTitle_;
  QLabel* lblVersion_;
};

}  // namespace glyphgrid
