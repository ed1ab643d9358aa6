#pragma once
// The main window: every control and component of the stored layout, the
// editor's state, and the handlers its events are bound to.
#include <memory>
#include <string>

#include "controls/actions.h"
#include "controls/button.h"
#include "controls/form.h"
#include "controls/gauge.h"
#include "controls/menu_bar.h"
#include "controls/scroll_bar.h"
#include "controls/skin_label.h"
#include "controls/status_bar.h"
#include "controls/std_label.h"
#include "controls/timer.h"
#include "edit/random.h"
#include "map/map_grid.h"
#include "render/dx_draw.h"
#include "render/dx_timer.h"
#include "render/image_list.h"

class TMain : public TForm {
 public:
  explicit TMain(TApplication& application);
  ~TMain() override;

  // The components of the stored layout, in their declared order. (The
  // layout also holds five components that only serve the skinned look; the
  // theme takes their place.)
  std::unique_ptr<TActionManager> ActionManager1;
  std::unique_ptr<TActionMainMenuBar> ActionMainMenuBar1;
  std::unique_ptr<TFileOpen> FileOpen1;
  std::unique_ptr<TFileSaveAs> FileSaveAs1;
  std::unique_ptr<TFileExit> FileExit1;
  std::unique_ptr<TDXDraw> DXDraw1;
  std::unique_ptr<TComponent> DXSpriteEngine1;  // nothing uses it
  std::unique_ptr<TDXTimer> DXTimer1;
  std::unique_ptr<TDXImageList> ImageList;
  std::unique_ptr<TAction> Action1;
  std::unique_ptr<TStatusBar> StatusBar1;
  std::unique_ptr<TDXDraw> GroundsDXDraw;
  std::unique_ptr<TTimer> tmrGenerate;
  std::unique_ptr<TbsSkinButton> Button1;
  std::unique_ptr<TbsSkinScrollBar> scrGorizontal;
  std::unique_ptr<TbsSkinScrollBar> scrVertical;
  std::unique_ptr<TbsSkinGauge> ProgressBar1;
  std::unique_ptr<TbsSkinLabel> lbProgress;
  std::unique_ptr<TbsSkinStdLabel> Label1;

  // The state; all zero until FormCreate.
  int MapW = 0;
  int MapH = 0;
  TMapCells Map{};
  int ScrollX = 0;
  int ScrollY = 0;
  int CellX = 0;
  int CellY = 0;
  int CursorX = 0;
  int CursorY = 0;
  int MouseMode = 0;  // 0 none, 1 probe, 2 paint
  std::string TileSetName;
  int CurrentGround = 0;
  int TileW = 0;
  int TileH = 0;
  // The generator's state: the same sequence on every run.
  TRandom Random;

  uint8_t GetCell(int x, int y) const { return ::GetCell(Map, x, y); }
  void SetCell(int x, int y, int code) { ::SetCell(Map, x, y, code); }
  void ResetMap(int W, int H, int SetIndex);

  // Handlers bound by name.
  void FormCreate(TComponent* Sender);
  void FormPaint(TComponent* Sender);
  void DXTimer1Timer(TComponent* Sender, int LagCount);
  void scrGorizontalChange(TComponent* Sender);
  void scrVerticalChange(TComponent* Sender);
  void DXDraw1MouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void DXDraw1MouseMove(TComponent* Sender, TShiftState Shift, int X, int Y);
  void DXDraw1MouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void GroundsDXDrawMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Button1Click(TComponent* Sender);
  void tmrGenerateTimer(TComponent* Sender);
  void Action1Execute(TComponent* Sender);
  void FileOpen1Accept(TComponent* Sender);
  void FileSaveAs1Accept(TComponent* Sender);
  void NewItemClick();

  void DrawMap();
  void DrawCursor();
  void DrawGrounds();

  bool IsShortCut(int key, TShiftState shift) override;

 private:
  // Shows `startText` in the progress label, runs `work`, and on every path
  // ends with "Готово!" and the gauge at 0.
  void RunWithProgress(const char* startText, const std::function<void()>& work);
  void CreateComponents();
  void CreateControls();
  void CreateMenu();
  void BindEvents();
};

// The one main window, assigned as soon as its memory exists.
extern TMain* Main;

// Makes the main window as the program starts: zero-filled memory, `Main`
// assigned before construction, the stored layout, then FormCreate.
std::unique_ptr<TMain> CreateMainWindow(TApplication& application);
