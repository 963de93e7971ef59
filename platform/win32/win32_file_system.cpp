#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "platform/path.h"
#include "platform/win32/wide.h"

namespace qv {
namespace {

FileResult LastError() { return FromWin32Error(GetLastError()); }

// Owns one search handle.
class Win32Search : public FolderSearch {
 public:
  Win32Search(HANDLE handle, const WIN32_FIND_DATAW& first) : handle_(handle), data_(first) {}
  ~Win32Search() override { FindClose(handle_); }
  Win32Search(const Win32Search&) = delete;
  Win32Search& operator=(const Win32Search&) = delete;

  bool Next(DirEntry& entry) override {
    if (!pending_ && !FindNextFileW(handle_, &data_)) return false;
    pending_ = false;
    entry.name = Narrow(data_.cFileName, static_cast<int>(wcslen(data_.cFileName)));
    entry.isFolder = (data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return true;
  }

 private:
  HANDLE handle_;
  WIN32_FIND_DATAW data_;
  bool pending_ = true;  // the entry FindFirstFile delivered
};

DWORD Attributes(const std::string& path) { return GetFileAttributesW(LongPath(path).c_str()); }

// Owns one file handle.
class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() {
    if (valid()) CloseHandle(h_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

}  // namespace

FileResult FromWin32Error(unsigned long code) {
  switch (code) {
    case ERROR_SUCCESS: return FileResult::Ok();
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NO_MORE_FILES:
    case ERROR_NOT_READY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return FileResult::Fail(FileError::NotFound, code);
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return FileResult::Fail(FileError::AccessDenied, code);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return FileResult::Fail(FileError::SharingViolation, code);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileResult::Fail(FileError::DiskFull, code);
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
      return FileResult::Fail(FileError::PathTooLong, code);
    default:
      return FileResult::Fail(FileError::Other, code);
  }
}

SearchStart Win32FileSystem::FindFirst(const std::string& pattern) {
  SearchStart start;
  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileExW(LongPath(pattern).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                              FIND_FIRST_EX_LARGE_FETCH);
  if (h == INVALID_HANDLE_VALUE) {
    start.result = LastError();
    return start;
  }
  start.search = std::make_unique<Win32Search>(h, data);
  return start;
}

bool Win32FileSystem::DirectoryExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::FileExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

FileResult Win32FileSystem::ForceDirectories(const std::string& path) {
  const std::string folder = ExcludeTrailingBackslash(path);
  if (folder.empty()) return FileResult::Fail(FileError::NotFound, ERROR_PATH_NOT_FOUND);
  if (DirectoryExists(folder)) return FileResult::Ok();
  const std::string parent = ExtractFileDir(folder);
  if (!parent.empty() && parent != folder && ExcludeTrailingBackslash(parent) != folder) {
    if (FileResult r = ForceDirectories(parent); !r.ok()) return r;
  }
  if (CreateDirectoryW(LongPath(folder).c_str(), nullptr)) return FileResult::Ok();
  const DWORD code = GetLastError();
  if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS) {
    return DirectoryExists(folder) ? FileResult::Ok() : FileResult::Fail(FileError::FileInTheWay, code);
  }
  return FromWin32Error(code);
}

FileResult Win32FileSystem::CreateEmptyFile(const std::string& path) {
  FileHandle f(CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr));
  return f.valid() ? FileResult::Ok() : LastError();
}

FileResult Win32FileSystem::CopyOver(const std::string& source, const std::string& dest) {
  if (CopyFileExW(LongPath(source).c_str(), LongPath(dest).c_str(), nullptr, nullptr, nullptr, 0))
    return FileResult::Ok();
  return LastError();
}

FileResult Win32FileSystem::MoveReplace(const std::string& from, const std::string& to) {
  // Across volumes (a mounted folder below the backup folder) this falls back to a copy.
  if (MoveFileExW(LongPath(from).c_str(), LongPath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
    return FileResult::Ok();
  return LastError();
}

FileResult Win32FileSystem::ClearAttributes(const std::string& path) {
  return SetFileAttributesW(LongPath(path).c_str(), FILE_ATTRIBUTE_NORMAL) ? FileResult::Ok() : LastError();
}

FileResult Win32FileSystem::RemoveFile(const std::string& path) {
  return DeleteFileW(LongPath(path).c_str()) ? FileResult::Ok() : LastError();
}

FileResult Win32FileSystem::RemoveFolder(const std::string& path) {
  return RemoveDirectoryW(LongPath(path).c_str()) ? FileResult::Ok() : LastError();
}

FileResult Win32FileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
  FileHandle f(CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f.valid()) return LastError();
  bytes.clear();
  char buf[64 * 1024];
  DWORD got = 0;
  for (;;) {
    if (!ReadFile(f.get(), buf, sizeof buf, &got, nullptr)) return LastError();
    if (got == 0) return FileResult::Ok();
    bytes.append(buf, got);
  }
}

FileResult Win32FileSystem::WriteWholeFile(const std::string& path, const std::string& bytes) {
  FileHandle f(CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr));
  if (!f.valid()) return LastError();
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD wrote = 0;
    if (!WriteFile(f.get(), bytes.data() + done, chunk, &wrote, nullptr)) return LastError();
    done += wrote;
  }
  return FileResult::Ok();
}

bool SamePathText(const std::string& a, const std::string& b) {
  const std::wstring wa = Widen(a), wb = Widen(b);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.data(), static_cast<int>(wa.size()), wb.data(),
                        static_cast<int>(wb.size())) == CSTR_EQUAL;
}

std::vector<std::string> Win32FileSystem::Drives() {
  std::vector<std::string> roots;
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (mask & (1u << i)) roots.push_back(std::string(1, static_cast<char>('A' + i)) + ":\\");
  }
  return roots;
}

std::string Win32FileSystem::CurrentDirectory() {
  const DWORD needed = GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) return {};
  std::wstring buffer(needed, L'\0');
  const DWORD length = GetCurrentDirectoryW(needed, buffer.data());
  buffer.resize(length);
  return Narrow(buffer);
}

}  // namespace qv
