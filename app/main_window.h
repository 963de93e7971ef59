// TQuorvel, the main window: the working settings live in its controls.
#pragma once

#include <optional>
#include <string>

#include "app/activity_log.h"
#include "engine/transfer_folders.h"
#include "engine/working_settings.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/profile_store.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace qv {

struct MainWindowServices {
  FileSystem& files;
  ProfileStore& profiles;
  Registry& registry;
  Shell& shell;
  Clock& clock;
  RegionalSettings& regional;
  std::string programFile;  // the full path of the running program
};

// True while the settings have never been saved.
extern bool FirstRun;

class TQuorvel : public ui::Form {
 public:
  // Its creation runs the first stage of start-up.
  TQuorvel(ui::Application& app, MainWindowServices services);

  ui::GroupBox GroupBox1;
  ui::Edit DriveLetter;
  ui::Label Label2;
  ui::Button btn_opendir;
  ui::Button btn_save;
  ui::CheckBox cb_visible;
  ui::Memo log;
  ui::Edit CopyTo;
  ui::Label Label1;
  ui::Button btn_opendir2;
  ui::Button btn_Version;
  ui::GroupBox GroupBox2;
  ui::GroupBox GroupBox3;
  ui::ListBox ListBox1;
  ui::Label Label3;
  ui::Button btn_add;
  ui::Button btn_remove;
  ui::Button btn_removeall;
  ui::Edit addDir;
  ui::Timer loadwait;
  ui::Timer progress;
  ui::ProgressBar ProgressBar1;
  ui::Edit wait_interval;
  ui::CheckBox cb_use_wait;
  ui::Label Label4;
  ui::CheckBox cb_backup_timer;
  ui::Edit int_backup_timer;
  ui::Label Label5;
  ui::Timer backup_timer;
  ui::Button BTN_manual_backup;
  ui::Button BTN_UnInst;

  void FormCreate();
  void btn_opendirClick();
  void btn_opendir2Click();
  void btn_saveClick();
  void btn_VersionClick();
  void btn_addClick();
  void btn_removeClick();
  void btn_removeallClick();
  void loadwaitTimer();
  void progressTimer();
  void OnChenge();
  void OnChenge2();
  void backup_timerTimer();
  void BTN_manual_backupClick();
  void BTN_UnInstClick();
  void FormCloseQuery(bool& CanClose);

  void WriteLog(const std::string& message);
  void TransferFolders(TTransferDirection Direction);
  void SetControlsEnabled(bool Enabled);

 private:
  // The log memo as the activity log's text.
  class MemoText : public LogText {
   public:
    explicit MemoText(ui::Memo& memo) : memo_(memo) {}
    std::string Text() const override { return memo_.Text(); }
    void SetText(const std::string& text) override { memo_.SetText(text); }

   private:
    ui::Memo& memo_;
  };

  // The settings a pass reads, straight from the controls at each read.
  class ControlSettings : public WorkingSettings {
   public:
    explicit ControlSettings(const TQuorvel& window) : w_(window) {}
    std::string RamDiskRoot() const override { return w_.DriveLetter.Text(); }
    std::string BackupFolder() const override { return w_.CopyTo.Text(); }
    int FolderCount() const override { return w_.ListBox1.Count(); }
    std::string Folder(int index) const override { return w_.ListBox1.Item(index); }

   private:
    const TQuorvel& w_;
  };

  void Layout();
  void SetInitialStates();
  void WireHandlers();
  // The window's close query: CanClose starts true and FormCloseQuery may clear it.
  bool CloseQuery();
  std::string ProgramFile(const char* name) const;
  void CheckFolderListFile();
  void StartUpdateCheck();
  void ReadFirstSettings();
  void ArmWait();
  void ReadRemainingSettings();
  void LoadFolderList();
  void RegisterAutostart();
  void WriteSettings();
  void RearmBackupTimer();
  // The period of `backup_timer` for an hour count, or nothing (with a log line) when the
  // milliseconds do not fit.
  std::optional<unsigned> BackupPeriod(int hours);

  bool ShutdownPending = false;

  MainWindowServices services_;
  MemoText logText_{log};
  ActivityLog activityLog_;
  ControlSettings settings_{*this};
};

// The one main window, reached program-wide.
extern TQuorvel* Quorvel;

}  // namespace qv
