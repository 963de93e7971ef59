// Every text the program shows, in UTF-8, written once.
#pragma once

namespace qv::msg {

// Backup and restore passes.
inline constexpr char kBackupStart[] = "RAMDiskのバックアップ中です...";
inline constexpr char kBackupDone[] = "RAMDiskのバックアップ完了";
inline constexpr char kRestoreStart[] = "RAMDiskへ移動中です...";
inline constexpr char kRestoreDone[] = "RAMDiskへ移動完了";
inline constexpr char kSkipNoRamFolder[] = "スキップ(RAM側フォルダ無し)";
inline constexpr char kSkipNoDisk[] = "スキップ(ディスクが無い)";
inline constexpr char kSkipNoHddFolder[] = "スキップ(HDD側フォルダ無し)";
inline constexpr char kSkipNoRamDisk[] = "スキップ(RAMDISKが無い)";

// What went wrong with one file or folder of a copy: "<what>(<reason>) <path>".
inline constexpr char kCopyFailed[] = "コピー失敗";
inline constexpr char kCreateFolderFailed[] = "フォルダ作成失敗";
inline constexpr char kReadFolderFailed[] = "フォルダ読込失敗";
inline constexpr char kListFolderFailed[] = "フォルダ一覧作成失敗";
// Said once for the failures of one cause beyond the first few: "<what>(<reason>) 他N件".
inline constexpr char kMoreFailures[] = "他%d件";

inline constexpr char kReasonNotFound[] = "ファイル無し";
inline constexpr char kReasonAccessDenied[] = "アクセス拒否";
inline constexpr char kReasonInUse[] = "使用中";
inline constexpr char kReasonDiskFull[] = "ディスク容量不足";
inline constexpr char kReasonFileInTheWay[] = "同名のファイルが有る";
inline constexpr char kReasonFolderInTheWay[] = "同名のフォルダが有る";
inline constexpr char kReasonPathTooLong[] = "パスが長すぎる";
inline constexpr char kReasonSystemError[] = "エラー%u";
inline constexpr char kReasonUnknown[] = "原因不明";

// Raised when a list is read past its end.
inline constexpr char kListIndexError[] = "リストのインデックスが範囲を超えています (%d)";

}  // namespace qv::msg
