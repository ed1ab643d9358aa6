#include "app/main_form.h"

#include <cstring>
#include <new>

#include "platform/image_io.h"
#include "render/embedded_assets.h"
#include "render/stored_images.h"

TMain* Main = nullptr;

namespace {
// The caption and client size of the stored layout.
constexpr const char* MainCaption = "Varnock 0.4";
constexpr int ClientWidth = 1006;
constexpr int ClientHeight = 651;
constexpr const char* FileCategory = "Файл";
constexpr const char* VnkmapFilter = "VNKMAP|*.vnkmap";
}  // namespace

std::unique_ptr<TMain> CreateMainWindow(TApplication& application) {
  void* storage = ::operator new(sizeof(TMain));
  std::memset(storage, 0, sizeof(TMain));
  Main = static_cast<TMain*>(storage);
  try {
    return std::unique_ptr<TMain>(new (storage) TMain(application));
  } catch (...) {
    ::operator delete(storage);
    Main = nullptr;
    throw;
  }
}

TMain::TMain(TApplication& application) : TForm(application, "Main", ClientWidth, ClientHeight) {
  SetCaption(MainCaption);
  std::span<const uint8_t> icon = EmbeddedAsset("icon_48.png");
  Icon = DecodePngArgb(std::vector<uint8_t>(icon.begin(), icon.end()));
  CreateComponents();
  CreateControls();
  CreateMenu();
  BindEvents();
  DXTimer1->Loaded();
  FormCreate(this);
}

TMain::~TMain() = default;

void TMain::CreateComponents() {
  ActionManager1 = std::make_unique<TActionManager>("ActionManager1");
  FileOpen1 = std::make_unique<TFileOpen>(App, "FileOpen1", "Открыть...", FileCategory);
  FileOpen1->ShortCut = {'O', ssCtrl};
  FileOpen1->Hint = "Open|Opens an existing file";
  FileOpen1->Dialog.Settings = {VnkmapFilter, 1, "", "", ""};
  FileSaveAs1 = std::make_unique<TFileSaveAs>(App, "FileSaveAs1", "Сохранить", FileCategory);
  FileSaveAs1->Hint = "Save As|Saves the active file with a new name";
  FileSaveAs1->Dialog.Settings = {VnkmapFilter, 1, ".vnkmap", "", ""};
  FileExit1 = std::make_unique<TFileExit>(App, "FileExit1", "Выход", FileCategory);
  FileExit1->Hint = "Exit|Quits the application";
  Action1 = std::make_unique<TAction>("Action1", "Создать", FileCategory);
  ActionManager1->Actions = {Action1.get(), FileOpen1.get(), FileSaveAs1.get(), FileExit1.get()};

  DXSpriteEngine1 = std::make_unique<TComponent>("DXSpriteEngine1");
  DXTimer1 = std::make_unique<TDXTimer>(App, "DXTimer1");
  DXTimer1->ActiveOnly = true;
  DXTimer1->SetInterval(0);
  ImageList = std::make_unique<TDXImageList>("ImageList");
  LoadStoredImages(*ImageList);
  tmrGenerate = std::make_unique<TTimer>(App.Manager, "tmrGenerate", 5000);
}

void TMain::CreateControls() {
  // Creation order is the stored order, which is also the order from bottom
  // to top: the scroll bars lie over the map view's last pixel row and column.
  Label1 = std::make_unique<TbsSkinStdLabel>(*this, "Label1", RectOfSize(248, 568, 33, 13));
  Label1->SetCaption("ХХ");
  ActionMainMenuBar1 = std::make_unique<TActionMainMenuBar>(*this, "ActionMainMenuBar1", RectOfSize(0, 0, 1006, 24));
  DXDraw1 = std::make_unique<TDXDraw>(
      *this, "DXDraw1", RectOfSize(288, 32, 697, 577),
      TDXDrawOptions{doAllowReboot, doWaitVBlank, doCenter, doDirectX7Mode, doHardware, doSelectDriver});
  StatusBar1 = std::make_unique<TStatusBar>(*this, "StatusBar1", RectOfSize(0, 632, 1006, 19));
  StatusBar1->Panels = {{"Cell X/Y:", 100}, {"Cursor X/Y:", 100}};
  GroundsDXDraw = std::make_unique<TDXDraw>(
      *this, "GroundsDXDraw", RectOfSize(8, 32, 268, 268),
      TDXDrawOptions{doAllowReboot, doWaitVBlank, doCenter, doRetainedMode, doHardware, doSelectDriver});
  Button1 = std::make_unique<TbsSkinButton>(*this, "Button1", RectOfSize(8, 312, 265, 25));
  Button1->SetCaption("Генерировать ландшафт");
  scrGorizontal = std::make_unique<TbsSkinScrollBar>(*this, "scrGorizontal", RectOfSize(288, 608, 697, 19),
                                                     TScrollBarKind::sbHorizontal);
  scrVertical = std::make_unique<TbsSkinScrollBar>(*this, "scrVertical", RectOfSize(984, 32, 19, 577),
                                                   TScrollBarKind::sbVertical);
  for (TbsSkinScrollBar* bar : {scrGorizontal.get(), scrVertical.get()}) {
    bar->SetMin(0);
    bar->SetMax(100);
    bar->SetPosition(0);
    bar->SetSmallChange(1);
    bar->SetLargeChange(1);
    bar->SetPageSize(0);
  }
  ProgressBar1 = std::make_unique<TbsSkinGauge>(*this, "ProgressBar1", RectOfSize(8, 608, 273, 20));
  lbProgress = std::make_unique<TbsSkinLabel>(*this, "lbProgress", RectOfSize(8, 584, 273, 21));
  ImageList->SetDXDraw(DXDraw1.get());
}

void TMain::CreateMenu() {
  ActionMainMenuBar1->Menus = {{FileCategory, ActionManager1->Actions}};
}

void TMain::BindEvents() {
  using namespace std::placeholders;
  OnCreate = [this](TComponent* s) { FormCreate(s); };
  OnPaint = [this](TComponent* s) { FormPaint(s); };
  DXTimer1->OnTimer = [this](TComponent* s, int lag) { DXTimer1Timer(s, lag); };
  scrGorizontal->OnChange = [this](TComponent* s) { scrGorizontalChange(s); };
  scrVertical->OnChange = [this](TComponent* s) { scrVerticalChange(s); };
  DXDraw1->OnMouseDown = std::bind(&TMain::DXDraw1MouseDown, this, _1, _2, _3, _4, _5);
  DXDraw1->OnMouseMove = std::bind(&TMain::DXDraw1MouseMove, this, _1, _2, _3, _4);
  DXDraw1->OnMouseUp = std::bind(&TMain::DXDraw1MouseUp, this, _1, _2, _3, _4, _5);
  GroundsDXDraw->OnMouseUp = std::bind(&TMain::GroundsDXDrawMouseUp, this, _1, _2, _3, _4, _5);
  Button1->OnClick = [this](TComponent* s) { Button1Click(s); };
  tmrGenerate->OnTimer = [this](TComponent* s) { tmrGenerateTimer(s); };
  Action1->OnExecute = [this](TComponent* s) { Action1Execute(s); };
  FileOpen1->OnAccept = [this](TComponent* s) { FileOpen1Accept(s); };
  FileSaveAs1->OnAccept = [this](TComponent* s) { FileSaveAs1Accept(s); };
}

bool TMain::IsShortCut(int key, TShiftState shift) {
  if (key == VK_F10 && !ActionMainMenuBar1->MenuOpen()) {
    ActionMainMenuBar1->OpenMenu(0, true);
    return true;
  }
  TAction* action = ActionManager1->FindShortCut({key, shift});
  if (!action) return false;
  action->Execute();
  return true;
}

void TMain::FormCreate(TComponent* Sender) { ResetMap(98, 98, 1); }
