#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <optional>

#include "core/board_protocol.h"
#include "core/edit_session.h"
#include "core/error.h"
#include "core/lamp_matrix.h"
#include "core/wiring_profile.h"

class QAction;
class QActionGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QTimer;

namespace glyphgrid {

class BoardLink;
class Form2;
class FrameStrip;
class LampGrid;
class RecoveryStore;
class Toolkit;
class frmAbout;

// The main window and the whole editor: owns the lamps and every operation on the pattern.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(Toolkit& toolkit, QWidget* parent = nullptr);
  ~Form1() override;

  const LampMatrix& Lamps() const { return lamps_; }
  // Every change to the lamps comes through here, as one step to undo named `step` ("Shift
  // Left"); it repaints the lamps whose colour changed. A change to the same lamps is no step.
  void SetLamps(const LampMatrix& lamps, const QString& step);

  void Undo();
  void Redo();

  // The animation's frames (form1_frames.cpp). Choosing a frame is no step; every other action
  // here is one, on the chosen frame.
  const Animation& Frames() const { return history_.Current(); }
  int FrameIndex() const { return history_.FrameIndex(); }
  void ChooseFrame(int index);
  void AddFrame();
  void DuplicateFrame();
  void DeleteFrame();
  void MoveFrameBy(int places);
  void ReverseFrames();
  // Opens Text to Frames; its OK puts the text's frames after the current one as one step.
  void ShowTextFrames();
  // Reads the picture the user picks, then opens Import Picture on it; its OK puts the picture's
  // frames after the current one as one step (form1_import_picture.cpp).
  void ImportPicture();
  void AskDelay();
  void AskDefaultDelay();
  // Play shows each frame for its delay, one after another, and keeps the lamps from being
  // changed until Stop.
  void Play(bool playing);
  bool Playing() const;

  // The data viewer, created hidden at its first reference; null again once its close box
  // destroyed it.
  Form2& Viewer();
  Form2* ExistingViewer() const;
  frmAbout* ExistingAbout() const;

  void GenerateData();
  void ClearDisplay();
  void ExitProgram();
  void ShowAbout();

  void SavePattern();
  void SaveColourPattern();
  // Writes every frame, all four colours, the delays and the export's wiring profile.
  void SaveDocument();
  void NewDisplay();
  void LoadPattern();
  // Opens the named file as Open does after its dialog: a document, saved frames, a DATA line or
  // colour planes, told apart by what the file holds. A failure changes nothing and is shown.
  void OpenFile(const QString& name);

  // Export and import through wiring profiles (form1_export.cpp).
  void ShowExport();
  // File > Export Picture...: the frames drawn as lamps in a PNG or an animated GIF.
  void ShowExportPicture();
  void PastePattern();
  void ImportPatternFile();
  // Board > Find Wiring...: the wiring wizard, which saves the export profile it finds.
  void FindWiring();

  // Brings back the lamps of the ended session that changed them last (form1_recovery.cpp).
  void RecoverLastSession();

  // The board (form1_board.cpp): connected, it shows the chosen frame as the editor does, its
  // bytes in the export's wiring profile, read afresh for each frame.
  void ShowConnect();
  void ConnectBoard(const QString& port, qint32 baud, BoardProtocol protocol);
  void DisconnectBoard();
  const BoardLink& Board() const { return *board_link_; }
  // Shows any lamps in any profile on the connected board, as the wiring wizard's test patterns
  // do; the editor's next change replaces them. False when no board is connected.
  bool ShowOnBoard(const LampMatrix& lamps, const WiringProfile& profile);

  void Command1_Click();
  void Command3_Click();
  void Command5_Click();
  void Command10_Click();
  void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

  // Paint by Dragging (form1_painting.cpp): while it is on, a press gives the lamp under it the
  // pen's colour, or grey when it has it already, and the drag gives every lamp it crosses the
  // same colour; the stroke is one step when the button is let go. While it is off, a press
  // toggles one lamp.
  void PaintDrag(float x, float y);
  void EndStroke();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Unload();
  void CreateControls();
  void CreateMenus();
  void CreateBoardMenu();
  // Sends the lamps shown to the board, when one is connected.
  void SendFrame();
  void ShowStatusMessage(const QString& message, int shown_ms);
  // Why the connected board would refuse `profile`'s frames; empty when it takes them.
  QString BoardMismatch(const WiringProfile& profile) const;
  void SaveText(const std::string& bytes, const QString& filter);
  void ShowFailure(const Error& error);
  // A file the user picked and its bytes; nothing when the dialog was cancelled or the file
  // could not be read, which has been said.
  struct ChosenFile {
    QString name;
    std::string bytes;
  };
  std::optional<ChosenFile> OpenChosenFile(const QString& filter);
  // The file's bytes, or nothing when it cannot be read, which has been said.
  std::optional<std::string> ReadFileNamed(const QString& name, const TextLimit& limit);
  // Frames read from the file `name`, shown as one step.
  void OpenedFrames(const QString& name, Animation frames);
  bool ReadExport(const std::string& text, const QString& failure, const QString& step);
  // Shows the lamps, as they are after a step or an undo, and brings the menus and the status
  // bar up to date.
  void ShowLamps(const LampMatrix& lamps);
  // Shows what the history holds now: the chosen frame's lamps, the frame strip, the menus.
  void ShowSession();
  // One step to `next`, with frame `frame` chosen in it.
  void EditFrames(const QString& step, Animation next, int frame);
  void CreateFrameMenu();
  // `frames` after the current frame as the step `step`, unless the animation would grow past
  // MaxFrames, which is said instead; `whose` names them in that message ("the text's").
  void InsertFrames(const QString& step, const std::vector<Frame>& frames, const QString& whose);
  void ShowNextFrame();
  void ShowPointed(std::optional<LampIndex> lamp);
  void CreatePaintMenu(QMenu* edit);
  void ShowOnionSkin();

  template <typename Change>
  void ChangeLamps(const QString& step, Change change) {
    LampMatrix lamps = lamps_;
    change(lamps);
    SetLamps(lamps, step);
  }
  // A whole-pattern operation: on the chosen frame, or on every frame as one step when Apply to
  // All Frames is checked.
  void ApplyOperation(const QString& step, void (*apply)(LampMatrix&));

  Toolkit& toolkit_;
  LampMatrix lamps_;
  EditSession history_;
  std::optional<LampIndex> pointed_;
  QWidget* client_area_;
  LampGrid* lamp_grid_;
  QLabel* lamp_status_;
  RecoveryStore* recovery_;
  BoardLink* board_link_;
  QLabel* board_status_ = nullptr;
  QAction* disconnect_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* apply_to_all_ = nullptr;
  QAction* play_ = nullptr;
  QAction* ping_pong_ = nullptr;
  QAction* delete_frame_ = nullptr;
  QAction* onion_skin_ = nullptr;
  QAction* paint_by_dragging_ = nullptr;
  QActionGroup* pen_colours_ = nullptr;
  // The stroke being painted: the lamps as it has left them so far, its colour, and where the
  // pointer was last.
  struct Stroke {
    LampMatrix lamps;
    LampColour colour;
    float x;
    float y;
  };
  std::optional<Stroke> stroke_;
  // What changes the lamps, the frames or the history: off while the animation plays.
  QList<QAction*> editing_actions_;
  FrameStrip* frame_strip_;
  QDockWidget* frames_dock_;
  QTimer* playback_;
  int play_direction_ = 1;
  QPointer<Form2> form2_;
  QPointer<frmAbout> frm_about_;
};

// The title of every question and message the editor asks or shows about the pattern.
inline constexpr const char* MessageTitle = "Kestrova";

// The main window's caption after a file operation on `name`.
QString FileCaption(const QString& name);

}  // namespace glyphgrid
