// The two files beside the program: their names, the keys of Settings.ini with their
// defaults, and RAMDiskDirs.dat, the folder list.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace qv {

inline constexpr char kSettingsFileName[] = "Settings.ini";
inline constexpr char kFolderListFileName[] = "RAMDiskDirs.dat";
inline constexpr char kUpdateToolFileName[] = "lumsett.exe";

namespace keys {
inline constexpr char kOptions[] = "Options";
inline constexpr char kFirst[] = "First";
inline constexpr char kUseWait[] = "use_wait";
inline constexpr char kInterval[] = "Interval";
inline constexpr char kFormVisible[] = "FormVisible";
inline constexpr char kUseBackupTimer[] = "use_backup_timer";
inline constexpr char kBackupHours[] = "int_backup_timer";
inline constexpr char kDriveLetter[] = "DriveLetter";
inline constexpr char kCopyTo[] = "CopyTo";
}  // namespace keys

namespace defaults {
inline constexpr bool kFirst = true;
inline constexpr bool kUseWait = false;
inline constexpr char kInterval[] = "2000";
inline constexpr bool kFormVisible = true;
inline constexpr bool kUseBackupTimer = false;
inline constexpr char kBackupHours[] = "1";
inline constexpr char kDriveLetter[] = "";
inline constexpr char kCopyTo[] = "";
}  // namespace defaults

// The bytes of the folder list: each entry in the ANSI code page followed by CR LF. Refuses
// an entry the code page cannot hold rather than change it.
std::string FolderListBytes(const std::vector<std::string>& entries);
// Lines end at CR LF, a lone CR or a lone LF; a zero byte ends the content.
std::vector<std::string> ParseFolderList(const std::string& bytes, const std::string& path);

// Replaces the whole file; raises "ファイル %s を作成できません" when it cannot be made.
void SaveFolderList(FileSystem& files, const std::string& path, const std::vector<std::string>& entries);
// Raises "ファイル %s は開けません" when it cannot be read.
std::vector<std::string> LoadFolderList(FileSystem& files, const std::string& path);

}  // namespace qv
