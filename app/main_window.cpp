#include "app/main_window.h"

#include "about/version_info.h"
#include "platform/code_page.h"
#include "platform/errors.h"
#include "platform/path.h"
#include "res/messages.h"
#include "settings/autostart.h"
#include "settings/ini_file.h"
#include "settings/integer_text.h"
#include "settings/settings_files.h"
#include "ui/folder_dialog.h"

namespace qv {

TQuorvel* Quorvel = nullptr;
bool FirstRun = false;

namespace {

constexpr int kClientWidth = 670;
constexpr int kClientHeight = 365;
constexpr int kNoTabStop = -1;
// The start-up wait when it is off, and when it is 0: a timer of 0 never fires.
constexpr unsigned kNoWaitMs = 5;
constexpr int kProgressStepMs = 1000;
constexpr int kMaxBackupHours = 596;  // the most whose milliseconds fit in 32 bits
constexpr unsigned kMsPerHour = 3600000;

// Windows names the reason while the session waits for the pass.
class ShutdownBlock {
 public:
  explicit ShutdownBlock(ui::Form& form) : form_(form) {
    form.App().GetBackend().BlockShutdown(form, msg::kShutdownBlockReason);
  }
  ~ShutdownBlock() { form_.App().GetBackend().UnblockShutdown(form_); }
  ShutdownBlock(const ShutdownBlock&) = delete;
  ShutdownBlock& operator=(const ShutdownBlock&) = delete;

 private:
  ui::Form& form_;
};

// A drive root such as R:\ takes exactly 3 bytes in the ANSI code page.
bool IsDriveRootLength(const std::string& path) { return AnsiByteLength(path) == std::size_t{3}; }

}  // namespace

TQuorvel::TQuorvel(ui::Application& app, MainWindowServices services)
    : ui::Form(app), services_(services), activityLog_(services.clock, services.regional, logText_) {
  Layout();
  SetInitialStates();
  WireHandlers();
  App().Dispatch([this] { FormCreate(); });
}

void TQuorvel::Layout() {
  SetupForm("Quorvel", msg::kMainCaption, kClientWidth, kClientHeight);
  struct Placement {
    ui::Control& control;
    ui::Control& parent;
    const char* name;
    ui::Bounds bounds;
    int tabOrder;
    const char* caption;
  };
  // Parents come before their children.
  const Placement placements[] = {
      {GroupBox2, *this, "GroupBox2", {8, 8, 321, 217}, 4, msg::kSettingsGroup},
      {Label2, GroupBox2, "Label2", {13, 16, 292, 12}, kNoTabStop, msg::kDriveLabel},
      {DriveLetter, GroupBox2, "DriveLetter", {16, 32, 121, 20}, 0, ""},
      {btn_opendir, *this, "btn_opendir", {152, 42, 25, 17}, 1, msg::kPickButton},
      {Label1, GroupBox2, "Label1", {16, 72, 258, 12}, kNoTabStop, msg::kBackupFolderLabel},
      {CopyTo, GroupBox2, "CopyTo", {16, 88, 257, 20}, 1, ""},
      {btn_opendir2, GroupBox2, "btn_opendir2", {280, 90, 25, 17}, 2, msg::kPickButton},
      {cb_use_wait, GroupBox2, "cb_use_wait", {16, 122, 145, 17}, 5, msg::kUseWait},
      {wait_interval, GroupBox2, "wait_interval", {168, 120, 73, 20}, 4, ""},
      {Label4, GroupBox2, "Label4", {248, 123, 29, 12}, kNoTabStop, msg::kMilliseconds},
      {cb_backup_timer, GroupBox2, "cb_backup_timer", {16, 152, 137, 17}, 6, msg::kUseBackupTimer},
      {int_backup_timer, GroupBox2, "int_backup_timer", {168, 152, 73, 20}, 7, ""},
      {Label5, GroupBox2, "Label5", {248, 155, 44, 12}, kNoTabStop, msg::kEveryHours},
      {cb_visible, GroupBox2, "cb_visible", {16, 184, 153, 17}, 3, msg::kShowAtStart},
      {GroupBox1, *this, "GroupBox1", {8, 224, 321, 105}, 0, msg::kLogGroup},
      {log, GroupBox1, "log", {8, 16, 305, 81}, 0, msg::kLogInitial},
      {GroupBox3, *this, "GroupBox3", {336, 8, 329, 321}, 5, msg::kListGroup},
      {Label3, GroupBox3, "Label3", {8, 16, 161, 12}, kNoTabStop, msg::kListLabel},
      {ListBox1, GroupBox3, "ListBox1", {8, 32, 313, 265}, 0, ""},
      {addDir, GroupBox3, "addDir", {8, 296, 89, 20}, 4, ""},
      {btn_add, GroupBox3, "btn_add", {98, 297, 67, 19}, 1, msg::kAdd},
      {btn_remove, GroupBox3, "btn_remove", {166, 297, 75, 19}, 2, msg::kRemove},
      {btn_removeall, GroupBox3, "btn_removeall", {248, 297, 75, 19}, 3, msg::kRemoveAll},
      {btn_save, *this, "btn_save", {8, 336, 77, 25}, 2, msg::kSave},
      {BTN_UnInst, *this, "BTN_UnInst", {96, 336, 75, 25}, 8, msg::kUninstall},
      {btn_Version, *this, "btn_Version", {184, 336, 77, 25}, 3, msg::kVersionInfo},
      {BTN_manual_backup, *this, "BTN_manual_backup", {272, 336, 75, 25}, 7, msg::kManualBackup},
      {ProgressBar1, *this, "ProgressBar1", {512, 336, 150, 25}, 6, ""},
  };
  // The two path fields use the fixed-pitch face.
  DriveLetter.SetFont(ui::FontFace::FixedPitch);
  CopyTo.SetFont(ui::FontFace::FixedPitch);
  for (const Placement& p : placements) {
    p.control.Setup(p.parent, p.name, p.bounds, p.tabOrder);
    p.control.SetText(p.caption);
  }
  ApplyTabOrder();
  loadwait.Setup(App(), "loadwait");
  progress.Setup(App(), "progress");
  backup_timer.Setup(App(), "backup_timer");
}

void TQuorvel::SetInitialStates() {
  wait_interval.SetEnabled(false);
  int_backup_timer.SetEnabled(false);
  cb_visible.SetChecked(true);
  ProgressBar1.SetRange(0, 100);
  ProgressBar1.SetPosition(0);
}

void TQuorvel::WireHandlers() {
  btn_opendir.OnClick = [this] { btn_opendirClick(); };
  btn_opendir2.OnClick = [this] { btn_opendir2Click(); };
  btn_add.OnClick = [this] { btn_addClick(); };
  btn_remove.OnClick = [this] { btn_removeClick(); };
  btn_removeall.OnClick = [this] { btn_removeallClick(); };
  cb_use_wait.OnClick = [this] { OnChenge(); };
  cb_backup_timer.OnClick = [this] { OnChenge2(); };
  BTN_manual_backup.OnClick = [this] { BTN_manual_backupClick(); };
  btn_save.OnClick = [this] { btn_saveClick(); };
  btn_Version.OnClick = [this] { btn_VersionClick(); };
  BTN_UnInst.OnClick = [this] { BTN_UnInstClick(); };
  OnCloseQuery = [this] { return CloseQuery(); };
  // Any of shutdown, restart, log-off or close-app, which the flags tell apart, is handled alike.
  OnQueryEndSession = [this](unsigned) {
    ShutdownPending = true;
    return CloseQuery();
  };
  OnEndSession = [this](bool ending, unsigned) {
    if (ending) App().Terminate();  // called off: run on as before
  };
  loadwait.OnTimer = [this] { loadwaitTimer(); };
  progress.OnTimer = [this] { progressTimer(); };
  backup_timer.OnTimer = [this] { backup_timerTimer(); };
  OnSettingChange = [this](const std::string& area) { services_.regional.OnSettingChange(area); };
}

std::string TQuorvel::ProgramFile(const char* name) const {
  return ExtractFilePath(services_.programFile) + name;
}

void TQuorvel::FormCreate() {
  log.SetText("");
  if (!services_.files.FileExists(ProgramFile(kSettingsFileName))) {
    App().ShowNotice(msg::kSettingsMissing);
    App().Terminate();  // the rest still runs; the loop then ends at once
  }
  CheckFolderListFile();
  StartUpdateCheck();
  SetControlsEnabled(false);
  ReadFirstSettings();
  ArmWait();
}

void TQuorvel::CheckFolderListFile() {
  const std::string path = ProgramFile(kFolderListFileName);
  if (services_.files.FileExists(path)) return;
  WriteLog(msg::kFolderListCreated);
  if (!services_.files.CreateEmptyFile(path).ok()) throw AppError(Format(msg::kCannotCreateFile, path.c_str()));
}

void TQuorvel::StartUpdateCheck() {
  const std::string tool = ProgramFile(kUpdateToolFileName);
  if (!services_.files.FileExists(tool)) return;
  services_.shell.Execute(NativeHandle(), tool);
  WriteLog(msg::kUpdateCheck);
}

void TQuorvel::ReadFirstSettings() {
  TIniFile SettingsIni(services_.profiles, ProgramFile(kSettingsFileName));
  FirstRun = SettingsIni.ReadBool(keys::kOptions, keys::kFirst, defaults::kFirst);
  cb_use_wait.SetChecked(SettingsIni.ReadBool(keys::kOptions, keys::kUseWait, defaults::kUseWait));
  if (cb_use_wait.Checked()) WriteLog(msg::kWaiting);
  wait_interval.SetText(SettingsIni.ReadString(keys::kOptions, keys::kInterval, defaults::kInterval));
  if (!FirstRun) {
    cb_visible.SetChecked(SettingsIni.ReadBool(keys::kOptions, keys::kFormVisible, defaults::kFormVisible));
    if (!cb_visible.Checked()) App().SetShowMainForm(false);
  }
}

void TQuorvel::ArmWait() {
  if (!cb_use_wait.Checked()) {
    loadwait.SetInterval(kNoWaitMs);
    loadwait.SetEnabled(true);
    return;
  }
  const int wait = StrToInt(wait_interval.Text());
  loadwait.SetInterval(wait == 0 ? kNoWaitMs : static_cast<unsigned>(wait));
  ProgressBar1.SetMax(StrToInt(wait_interval.Text()));  // refuses a negative wait
  progress.SetEnabled(true);
  loadwait.SetEnabled(true);
  wait_interval.SetEnabled(false);
}

void TQuorvel::loadwaitTimer() {
  loadwait.SetEnabled(false);  // first, so that the stage never runs inside itself
  ReadRemainingSettings();
  LoadFolderList();
  WriteLog(msg::kStarted);
  if (FirstRun) {
    BTN_UnInst.SetEnabled(false);
    BTN_manual_backup.SetEnabled(false);
    WriteLog(msg::kFirstStart);
  } else {
    TransferFolders(tdRestore);
  }
}

void TQuorvel::ReadRemainingSettings() {
  TIniFile SettingsIni(services_.profiles, ProgramFile(kSettingsFileName));
  SetControlsEnabled(true);
  cb_backup_timer.SetChecked(
      SettingsIni.ReadBool(keys::kOptions, keys::kUseBackupTimer, defaults::kUseBackupTimer));
  int_backup_timer.SetText(SettingsIni.ReadString(keys::kOptions, keys::kBackupHours, defaults::kBackupHours));
  const auto period = BackupPeriod(StrToInt(int_backup_timer.Text()));
  if (period) backup_timer.SetInterval(*period);
  DriveLetter.SetText(SettingsIni.ReadString(keys::kOptions, keys::kDriveLetter, defaults::kDriveLetter));
  CopyTo.SetText(SettingsIni.ReadString(keys::kOptions, keys::kCopyTo, defaults::kCopyTo));
  if (cb_use_wait.Checked()) wait_interval.SetEnabled(true);
  if (cb_backup_timer.Checked()) {
    int_backup_timer.SetEnabled(true);
    if (period) backup_timer.SetEnabled(true);
  }
}

void TQuorvel::LoadFolderList() {
  const auto entries = qv::LoadFolderList(services_.files, ProgramFile(kFolderListFileName));
  ListBox1.Clear();
  for (const std::string& entry : entries) ListBox1.Add(entry);
}

std::optional<unsigned> TQuorvel::BackupPeriod(int hours) {
  if (hours >= 0 && hours <= kMaxBackupHours) return static_cast<unsigned>(hours) * kMsPerHour;
  WriteLog(msg::kBackupPeriodOutOfRange);
  return std::nullopt;
}

void TQuorvel::progressTimer() {
  if (ProgressBar1.Position() == ProgressBar1.Max()) {
    progress.SetEnabled(false);
  } else {
    ProgressBar1.SetPosition(ProgressBar1.Position() + kProgressStepMs);
  }
}

void TQuorvel::SetControlsEnabled(bool Enabled) {
  for (ui::Control* c : std::initializer_list<ui::Control*>{&GroupBox1, &GroupBox2, &GroupBox3, &btn_save,
                                                            &BTN_UnInst, &BTN_manual_backup}) {
    c->SetEnabled(Enabled);
  }
}

void TQuorvel::btn_opendirClick() {
  ui::FolderDialog dialog(App(), services_.files, this);
  const auto path = dialog.Execute();
  if (!path) return;
  if (IsDriveRootLength(*path)) {
    DriveLetter.SetText(*path);
    DriveLetter.SetColour(ui::Colour::Window);
  } else {
    DriveLetter.SetColour(ui::Colour::Red);
    WriteLog(msg::kDriveLetterError);
  }
}

void TQuorvel::btn_opendir2Click() {
  ui::FolderDialog dialog(App(), services_.files, this);
  if (const auto path = dialog.Execute()) CopyTo.SetText(*path);
}

void TQuorvel::btn_addClick() {
  const std::string text = addDir.Text();
  if (text.empty()) return;
  ListBox1.Add(text);
  addDir.SetText("");
}

void TQuorvel::btn_removeClick() {
  const int selected = ListBox1.ItemIndex();
  if (selected >= 0) ListBox1.Delete(selected);
}

void TQuorvel::btn_removeallClick() { ListBox1.Clear(); }

void TQuorvel::OnChenge() { wait_interval.SetEnabled(cb_use_wait.Checked()); }

void TQuorvel::OnChenge2() { int_backup_timer.SetEnabled(cb_backup_timer.Checked()); }

void TQuorvel::btn_saveClick() {
  if (!IsDriveRootLength(DriveLetter.Text())) {
    DriveLetter.SetColour(ui::Colour::Red);  // only an accepted pick clears it again
    WriteLog(msg::kDriveLetterError);
    return;
  }
  RegisterAutostart();
  SaveFolderList(services_.files, ProgramFile(kFolderListFileName), ListBox1.Items());
  WriteSettings();
  WriteLog(msg::kSettingsSaved);
  RearmBackupTimer();
  BTN_manual_backup.SetEnabled(true);
}

void TQuorvel::RegisterAutostart() {
  switch (qv::RegisterAutostart(services_.registry, services_.programFile)) {
    case RegisterOutcome::KeyNotOpened:
      return WriteLog(msg::kRegistryKeyNotOpened);
    case RegisterOutcome::AlreadyRegistered:
      return WriteLog(msg::kAlreadyRegistered);
    case RegisterOutcome::Registered:
      return WriteLog(msg::kRegistered);
  }
}

void TQuorvel::WriteSettings() {
  TIniFile SettingsIni(services_.profiles, ProgramFile(kSettingsFileName));
  FirstRun = false;  // before the first key, so that it holds even when a write fails
  SettingsIni.WriteBool(keys::kOptions, keys::kFirst, FirstRun);
  SettingsIni.WriteBool(keys::kOptions, keys::kFormVisible, cb_visible.Checked());
  SettingsIni.WriteBool(keys::kOptions, keys::kUseWait, cb_use_wait.Checked());
  SettingsIni.WriteBool(keys::kOptions, keys::kUseBackupTimer, cb_backup_timer.Checked());
  SettingsIni.WriteString(keys::kOptions, keys::kDriveLetter, DriveLetter.Text());
  SettingsIni.WriteString(keys::kOptions, keys::kCopyTo, CopyTo.Text());
  SettingsIni.WriteString(keys::kOptions, keys::kInterval, wait_interval.Text());
  SettingsIni.WriteString(keys::kOptions, keys::kBackupHours, int_backup_timer.Text());
}

// The same period and an already running timer change nothing, so a countdown goes on.
void TQuorvel::RearmBackupTimer() {
  if (!cb_backup_timer.Checked()) return backup_timer.SetEnabled(false);
  const auto period = BackupPeriod(StrToInt(int_backup_timer.Text()));
  if (!period) return backup_timer.SetEnabled(false);
  backup_timer.SetInterval(*period);
  backup_timer.SetEnabled(true);
}

void TQuorvel::BTN_UnInstClick() {
  if (App().AskQuestion(msg::kUninstallQuestion) == ui::BoxAnswer::No) return;
  switch (UnregisterAutostart(services_.registry)) {
    case UnregisterOutcome::KeyNotOpened:
      WriteLog(msg::kRegistryKeyNotOpened);
      break;
    case UnregisterOutcome::Removed:
      WriteLog(msg::kUnregistered);
      break;
    case UnregisterOutcome::NotRegistered:
      WriteLog(msg::kNotRegistered);
      break;
    case UnregisterOutcome::NotRemoved:
      WriteLog(msg::kNotUnregistered);
      break;
  }
  App().ShowNotice(msg::kFarewell);
  App().Terminate();  // no close question, no pass
}

bool TQuorvel::CloseQuery() {
  bool CanClose = true;
  FormCloseQuery(CanClose);
  return CanClose;
}

void TQuorvel::FormCloseQuery(bool& CanClose) {
  if (ShutdownPending) {
    ShutdownPending = false;
    if (FirstRun) App().Terminate();
    const ShutdownBlock block(*this);
    TransferFolders(tdBackup);
    return;
  }
  if (FirstRun) App().Terminate();
  if (App().AskQuestion(msg::kCloseQuestion) == ui::BoxAnswer::No) CanClose = false;
}

// Not modal: both windows stay usable.
void TQuorvel::btn_VersionClick() {
  if (!VersionInfo) return;
  VersionInfo->Show();
  VersionInfo->BringToFront();
}

void TQuorvel::backup_timerTimer() { TransferFolders(tdBackup); }

void TQuorvel::BTN_manual_backupClick() { TransferFolders(tdBackup); }

void TQuorvel::WriteLog(const std::string& message) { activityLog_.WriteLog(message); }

void TQuorvel::TransferFolders(TTransferDirection Direction) {
  const PassEnvironment env{services_.files, settings_, [this](const std::string& line) { WriteLog(line); },
                            [this] { App().ProcessMessages(); }};
  qv::TransferFolders(Direction, env);
}

}  // namespace qv
