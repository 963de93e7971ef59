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

// Errors of the settings and folder-list files, and of numbers typed as text.
inline constexpr char kNotAnInteger[] = "'%s' is not a valid integer value";
inline constexpr char kCannotWrite[] = "%s に書き込めません";
inline constexpr char kCannotOpenFile[] = "ファイル %s は開けません";
inline constexpr char kCannotCreateFile[] = "ファイル %s を作成できません";
// A text the ANSI code page of the files cannot hold is refused rather than changed.
inline constexpr char kNotInAnsiCodePage[] = "「%s」はこのシステムの文字コードで保存できません";
inline constexpr char kProgressRangeError[] = "プログレスバーの最大値が範囲外です (%d)";

// Start-up.
inline constexpr char kSettingsMissing[] = "Settings.iniがありません、起動に必須なファイルです";
inline constexpr char kFolderListCreated[] = "DAT消失 新規作成";
inline constexpr char kUpdateCheck[] = "アップデートチェック";
inline constexpr char kWaiting[] = "待機中...";
inline constexpr char kStarted[] = "Quorvel起動";
inline constexpr char kFirstStart[] = "初回起動 設定をしてください";
inline constexpr char kBackupPeriodOutOfRange[] = "定期バックアップの時間が範囲外です(0～596) 定期バックアップは行いません";

// Saving, the start with Windows, uninstalling, closing.
inline constexpr char kSettingsSaved[] = "全設定保存完了";
inline constexpr char kRegistryKeyNotOpened[] = "レジストリキーを開けません";
inline constexpr char kAlreadyRegistered[] = "すでに常駐登録済み";
inline constexpr char kRegistered[] = "レジストリ書き込み成功";
inline constexpr char kRegistryWriteFailed[] = "'%s' の設定に失敗しました";
inline constexpr char kUninstallQuestion[] = "本当にアンインストールしますか？\r\n(ここで削除されるのは常駐設定のみです)";
inline constexpr char kUnregistered[] = "常駐設定削除完了";
inline constexpr char kNotRegistered[] = "常駐設定はありませんでした";
inline constexpr char kNotUnregistered[] = "常駐設定を削除できませんでした";
inline constexpr char kFarewell[] = "ご利用ありがとうございました、終了します";
inline constexpr char kCloseQuestion[] = "本当に終了してよろしいですか？\r\n設定の再読み込みなどはWindowsの再起動のほうが無難です";
// Shown by Windows while the session waits for the backup at its end.
inline constexpr char kShutdownBlockReason[] = "RAMディスクの内容をバックアップしています。終わるまでお待ちください";

// Message boxes.
inline constexpr char kQuestionCaption[] = "情報";
inline constexpr char kButtonYes[] = "はい(&Y)";
inline constexpr char kButtonNo[] = "いいえ(&N)";
inline constexpr char kButtonOk[] = "OK";

// The folder-selection dialog.
inline constexpr char kFolderDialogCaption[] = "フォルダの選択";
inline constexpr char kFolderDialogName[] = "フォルダ名(&N):";
inline constexpr char kFolderDialogDrives[] = "ドライブ(&D):";
inline constexpr char kFolderDialogFolders[] = "フォルダ(&F):";
inline constexpr char kFolderDialogFiles[] = "ファイル:";
inline constexpr char kFolderDialogUp[] = "上へ(&U)";
inline constexpr char kFolderDialogNetwork[] = "ネットワークドライブ(&W)...";
inline constexpr char kFolderDialogCancel[] = "キャンセル";

// The main window.
inline constexpr char kMainCaption[] = "Quorvel";
inline constexpr char kSettingsGroup[] = "設定";
inline constexpr char kDriveLabel[] = "対象のRAMDiskのドライブ(フォルダなどを選択しないこと)";
inline constexpr char kBackupFolderLabel[] = "退避先のフォルダ(新規フォルダを使用してください)";
inline constexpr char kPickButton[] = "...";
inline constexpr char kUseWait[] = "コピー開始までのウェイト";
inline constexpr char kMilliseconds[] = "ミリ秒";
inline constexpr char kUseBackupTimer[] = "定期的にバックアップ";
inline constexpr char kEveryHours[] = "時間ごと";
inline constexpr char kShowAtStart[] = "起動時フォーム表示";
inline constexpr char kLogGroup[] = "ログ";
inline constexpr char kLogInitial[] = "log";
inline constexpr char kListGroup[] = "保持するファイル";
inline constexpr char kListLabel[] = "RAMDisk内の保持するフォルダ";
inline constexpr char kAdd[] = "Add";
inline constexpr char kRemove[] = "Remove";
inline constexpr char kRemoveAll[] = "RemoveAll";
inline constexpr char kSave[] = "SaveSetting";
inline constexpr char kUninstall[] = "UnInstall";
inline constexpr char kVersionInfo[] = "VersionInfo";
inline constexpr char kManualBackup[] = "バックアップ";

inline constexpr char kDriveLetterError[] = "ドライブレター入力に誤り";

// The about window.
inline constexpr char kVersionText[] = "v1.3.5";
inline constexpr char kHomeHeading[] = "HOME";
inline constexpr char kMailHeading[] = "MAIL";

}  // namespace qv::msg
