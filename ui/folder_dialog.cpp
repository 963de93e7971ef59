#include "ui/folder_dialog.h"

#include <algorithm>

#include "platform/path.h"
#include "res/messages.h"
#include "ui/application.h"

namespace qv::ui {
namespace {

bool NameLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) < lower(y);
  });
}

// A drive root keeps its backslash, any other folder loses it.
std::string FolderForm(const std::string& path) {
  const std::string bare = ExcludeTrailingBackslash(path);
  return (bare.size() == 2 && bare[1] == ':') ? bare + "\\" : bare;
}

}  // namespace

FolderBrowser::FolderBrowser(FileSystem& files) : fs_(files) {
  RefreshDrives();
  Open(fs_.CurrentDirectory());
}

void FolderBrowser::RefreshDrives() { drives_ = fs_.Drives(); }

void FolderBrowser::Open(const std::string& folder) {
  current_ = FolderForm(folder);
  nameText_ = current_;
  folders_.clear();
  files_.clear();
  SearchStart start = fs_.FindFirst(IncludeTrailingBackslash(current_) + "*.*");
  if (!start.search) return;
  DirEntry entry;
  while (start.search->Next(entry)) {
    if (entry.name == "." || entry.name == "..") continue;
    (entry.isFolder ? folders_ : files_).push_back(entry.name);
  }
  std::sort(folders_.begin(), folders_.end(), NameLess);
  std::sort(files_.begin(), files_.end(), NameLess);
}

void FolderBrowser::OpenChild(const std::string& name) { Open(IncludeTrailingBackslash(current_) + name); }

void FolderBrowser::GoUp() { Open(ExtractFileDir(current_)); }

FolderDialog::FolderDialog(Application& app, FileSystem& files, Form* owner) : Form(app, owner), browser_(files) {
  SetupForm("FolderDialog", msg::kFolderDialogCaption, 480, 320);
  nameLabel.Setup(*this, "nameLabel", {8, 8, 200, 12});
  nameLabel.SetText(msg::kFolderDialogName);
  nameField.Setup(*this, "nameField", {8, 24, 464, 20}, 0);
  drivesLabel.Setup(*this, "drivesLabel", {8, 52, 100, 12});
  drivesLabel.SetText(msg::kFolderDialogDrives);
  driveList.Setup(*this, "driveList", {8, 68, 100, 180}, 1);
  foldersLabel.Setup(*this, "foldersLabel", {116, 52, 180, 12});
  foldersLabel.SetText(msg::kFolderDialogFolders);
  folderList.Setup(*this, "folderList", {116, 68, 180, 180}, 2);
  filesLabel.Setup(*this, "filesLabel", {304, 52, 168, 12});
  filesLabel.SetText(msg::kFolderDialogFiles);
  fileList.Setup(*this, "fileList", {304, 68, 168, 180}, 3);
  upButton.Setup(*this, "upButton", {116, 254, 80, 23}, 4);
  upButton.SetText(msg::kFolderDialogUp);
  networkButton.Setup(*this, "networkButton", {8, 288, 160, 23}, 5);
  networkButton.SetText(msg::kFolderDialogNetwork);
  okButton.Setup(*this, "okButton", {316, 288, 75, 23}, 6);
  okButton.SetText(msg::kButtonOk);
  cancelButton.Setup(*this, "cancelButton", {397, 288, 75, 23}, 7);
  cancelButton.SetText(msg::kFolderDialogCancel);
  ApplyTabOrder();

  driveList.OnSelect = [this] {
    browser_.Open(driveList.Item(driveList.ItemIndex()));
    ShowBrowser();
  };
  folderList.OnDoubleClick = [this] {
    browser_.OpenChild(folderList.Item(folderList.ItemIndex()));
    ShowBrowser();
  };
  upButton.OnClick = [this] {
    browser_.GoUp();
    ShowBrowser();
  };
  networkButton.OnClick = [this] {
    if (!App().GetBackend().ConnectNetworkDrive(this)) return;
    browser_.RefreshDrives();
    ShowBrowser();
  };
  okButton.OnClick = [this] { SetModalResult(ModalResult::Ok); };
  cancelButton.OnClick = [this] { SetModalResult(ModalResult::Cancel); };
  ShowBrowser();
}

void FolderDialog::ShowBrowser() {
  nameField.SetText(browser_.NameText());
  driveList.Clear();
  for (const std::string& d : browser_.Drives()) {
    driveList.Add(d);
    if (SamePathText(d.substr(0, 2), browser_.Current().substr(0, 2))) driveList.SetItemIndex(driveList.Count() - 1);
  }
  folderList.Clear();
  for (const std::string& f : browser_.Folders()) folderList.Add(f);
  fileList.Clear();
  for (const std::string& f : browser_.Files()) fileList.Add(f);
}

std::optional<std::string> FolderDialog::Execute() {
  if (ShowModal() != ModalResult::Ok) return std::nullopt;
  return nameField.Text();
}

}  // namespace qv::ui
