// The folder-selection dialog: choose a drive, walk the folders, see their files, connect a
// network drive, or type a path. OK returns the name field's text exactly as it stands.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "ui/form.h"

namespace qv::ui {

// Where the dialog stands and what it lists; no window involved.
class FolderBrowser {
 public:
  // Starts at the process's current folder.
  explicit FolderBrowser(FileSystem& files);

  const std::string& Current() const { return current_; }
  const std::vector<std::string>& Drives() const { return drives_; }
  const std::vector<std::string>& Folders() const { return folders_; }
  const std::vector<std::string>& Files() const { return files_; }

  // Each move replaces the name field with the new folder's full path.
  void Open(const std::string& folder);
  void OpenChild(const std::string& name);
  void GoUp();
  void RefreshDrives();

  const std::string& NameText() const { return nameText_; }
  void SetNameText(std::string text) { nameText_ = std::move(text); }

 private:
  FileSystem& fs_;
  std::string current_;
  std::string nameText_;
  std::vector<std::string> drives_, folders_, files_;
};

class FolderDialog : public Form {
 public:
  FolderDialog(Application& app, FileSystem& files, Form* owner);

  // The name field's text on OK; nothing on Cancel or close.
  std::optional<std::string> Execute();

  Label nameLabel, drivesLabel, foldersLabel, filesLabel;
  Edit nameField;
  ListBox driveList, folderList, fileList;
  Button upButton, networkButton, okButton, cancelButton;

 private:
  void ShowBrowser();

  FolderBrowser browser_;
};

}  // namespace qv::ui
