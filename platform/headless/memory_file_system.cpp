#include "platform/headless/memory_file_system.h"

#include <algorithm>
#include <cctype>

#include "platform/headless/case_fold.h"
#include "platform/path.h"

namespace qv {

struct MemoryFileSystem::Node {
  std::string name;
  bool folder = false;
  Attributes attributes;
  std::string data;
  bool locked = false;
  bool unreadable = false;
  std::vector<std::unique_ptr<Node>> children;

  Node* Child(const std::string& childName) const {
    const std::string key = FoldCase(childName);
    for (const auto& c : children)
      if (FoldCase(c->name) == key) return c.get();
    return nullptr;
  }
  std::unique_ptr<Node> Detach(const Node* child) {
    auto it = std::find_if(children.begin(), children.end(), [&](const auto& c) { return c.get() == child; });
    std::unique_ptr<Node> taken = std::move(*it);
    children.erase(it);
    return taken;
  }
  std::uint64_t Bytes() const {
    std::uint64_t n = data.size();
    for (const auto& c : children) n += c->Bytes();
    return n;
  }
};

struct MemoryFileSystem::Drive {
  Node root;
  std::optional<std::uint64_t> capacity;
};

namespace {

class MemorySearch : public FolderSearch {
 public:
  explicit MemorySearch(std::vector<DirEntry> entries) : entries_(std::move(entries)) {}
  bool Next(DirEntry& entry) override {
    if (next_ >= entries_.size()) return false;
    entry = entries_[next_++];
    return true;
  }

 private:
  std::vector<DirEntry> entries_;
  std::size_t next_ = 0;
};

// Windows drops trailing dots and blanks from a name.
std::string TrimName(std::string name) {
  if (name == "." || name == "..") return name;
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  return name;
}

bool IsDriveLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

}  // namespace

MemoryFileSystem::MemoryFileSystem() {
  AddDrive('C');
  current_ = Location{'C', {}};
}

MemoryFileSystem::~MemoryFileSystem() = default;

void MemoryFileSystem::AddDrive(char letter) {
  const char d = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  if (!drives_.count(d)) drives_[d] = std::make_unique<Drive>();
}

void MemoryFileSystem::RemoveDrive(char letter) {
  drives_.erase(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
}

void MemoryFileSystem::SetCurrentDirectory(const std::string& path) {
  if (auto at = Resolve(path)) current_ = *at;
}

std::optional<MemoryFileSystem::Location> MemoryFileSystem::Resolve(const std::string& path) const {
  if (path.empty() || path.rfind("\\\\", 0) == 0) return std::nullopt;  // no network paths here
  Location at;
  std::string rest;
  if (path.size() >= 2 && path[1] == ':' && IsDriveLetter(path[0])) {
    at.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    rest = path.substr(2);
    // "R:work" is relative to the drive's current folder, which is its root here
    // unless it is the current drive.
    if (!EndsWithBackslash(rest.substr(0, 1)) && at.drive == current_.drive) at.parts = current_.parts;
  } else if (path[0] == '\\') {
    at.drive = current_.drive;
    rest = path;
  } else {
    at = current_;
    rest = path;
  }
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find('\\', start);
    if (end == std::string::npos) end = rest.size();
    const std::string part = TrimName(rest.substr(start, end - start));
    if (part == "..") {
      if (!at.parts.empty()) at.parts.pop_back();
    } else if (!part.empty() && part != ".") {
      at.parts.push_back(part);
    }
    start = end + 1;
  }
  return at;
}

MemoryFileSystem::Node* MemoryFileSystem::Find(const Location& at) const {
  auto d = drives_.find(at.drive);
  if (d == drives_.end()) return nullptr;
  Node* n = &d->second->root;
  for (const auto& part : at.parts) {
    if (!n->folder && n != &d->second->root) return nullptr;
    n = n->Child(part);
    if (!n) return nullptr;
  }
  return n;
}

MemoryFileSystem::Node* MemoryFileSystem::FindParent(const Location& at) const {
  if (at.parts.empty()) return nullptr;
  Location up = at;
  up.parts.pop_back();
  Node* p = Find(up);
  return p && (p->folder || up.parts.empty()) ? p : nullptr;
}

MemoryFileSystem::Node* MemoryFileSystem::Find(const std::string& path) const {
  auto at = Resolve(path);
  return at ? Find(*at) : nullptr;
}

std::string MemoryFileSystem::Display(const Location& at) const {
  std::string s(1, at.drive);
  s += ":\\";
  Node* n = &drives_.at(at.drive)->root;
  for (std::size_t i = 0; i < at.parts.size(); ++i) {
    Node* c = n ? n->Child(at.parts[i]) : nullptr;
    s += c ? c->name : at.parts[i];
    if (i + 1 < at.parts.size()) s += '\\';
    n = c;
  }
  return s;
}

MemoryFileSystem::Node* MemoryFileSystem::MakeFolders(const Location& at, FileResult* result) {
  auto d = drives_.find(at.drive);
  if (d == drives_.end()) {
    *result = FileResult::Fail(FileError::NotFound, 3);
    return nullptr;
  }
  Node* n = &d->second->root;
  Location so_far{at.drive, {}};
  for (const auto& part : at.parts) {
    so_far.parts.push_back(part);
    Node* c = n->Child(part);
    if (c && !c->folder) {
      *result = FileResult::Fail(FileError::FileInTheWay, 183);
      return nullptr;
    }
    if (!c) {
      auto made = std::make_unique<Node>();
      made->name = part;
      made->folder = true;
      c = made.get();
      n->children.push_back(std::move(made));
      journal_.push_back("mkdir " + Display(so_far));
    }
    n = c;
  }
  *result = FileResult::Ok();
  return n;
}

void MemoryFileSystem::AddFolder(const std::string& path) {
  FileResult r;
  auto at = Resolve(path);
  if (at) MakeFolders(*at, &r);
  journal_.clear();
}

void MemoryFileSystem::AddFile(const std::string& path, const std::string& content, Attributes attributes) {
  auto at = Resolve(path);
  if (!at || at->parts.empty()) return;
  Location up = *at;
  up.parts.pop_back();
  FileResult r;
  Node* parent = MakeFolders(up, &r);
  if (!parent) return;
  Node* n = parent->Child(at->parts.back());
  if (!n) {
    auto made = std::make_unique<Node>();
    made->name = at->parts.back();
    n = made.get();
    parent->children.push_back(std::move(made));
  }
  n->folder = false;
  n->data = content;
  n->attributes = attributes;
  journal_.clear();
}

void MemoryFileSystem::SetAttributes(const std::string& path, Attributes attributes) {
  if (Node* n = Find(path)) n->attributes = attributes;
}

void MemoryFileSystem::Lock(const std::string& path) {
  if (Node* n = Find(path)) n->locked = true;
}

void MemoryFileSystem::SetUnreadable(const std::string& path) {
  if (Node* n = Find(path)) n->unreadable = true;
}

void MemoryFileSystem::SetCapacity(char drive, std::uint64_t bytes) {
  auto d = drives_.find(static_cast<char>(std::toupper(static_cast<unsigned char>(drive))));
  if (d != drives_.end()) d->second->capacity = bytes;
}

std::optional<std::string> MemoryFileSystem::Content(const std::string& path) const {
  const Node* n = Find(path);
  if (!n || n->folder) return std::nullopt;
  return n->data;
}

std::optional<MemoryFileSystem::Attributes> MemoryFileSystem::AttributesOf(const std::string& path) const {
  const Node* n = Find(path);
  if (!n) return std::nullopt;
  return n->attributes;
}

bool MemoryFileSystem::Exists(const std::string& path) const { return Find(path) != nullptr; }

std::vector<std::string> MemoryFileSystem::Tree(const std::string& folder) const {
  std::vector<std::string> out;
  const Node* top = Find(folder);
  if (!top) return out;
  std::function<void(const Node*, const std::string&)> walk = [&](const Node* n, const std::string& prefix) {
    for (const auto& c : n->children) {
      out.push_back(prefix + c->name + (c->folder ? "\\" : ""));
      if (c->folder) walk(c.get(), prefix + c->name + "\\");
    }
  };
  walk(top, IncludeTrailingBackslash(Display(*Resolve(folder))));
  return out;
}

SearchStart MemoryFileSystem::FindFirst(const std::string& pattern) {
  SearchStart start;
  const std::string folder = pattern.substr(0, pattern.rfind('\\') + 1);
  auto at = Resolve(folder.empty() ? "." : folder);
  Node* n = at ? Find(*at) : nullptr;
  const bool isRoot = at && at->parts.empty() && n;
  if (!n || (!n->folder && !isRoot)) {
    start.result = FileResult::Fail(FileError::NotFound, 3);
    return start;
  }
  if (n->unreadable) {
    start.result = FileResult::Fail(FileError::AccessDenied, 5);
    return start;
  }
  std::vector<DirEntry> entries;
  if (!isRoot) {  // like Windows, a drive root lists no dot entries
    entries.push_back({".", true});
    entries.push_back({"..", true});
  }
  for (const auto& c : n->children) entries.push_back({c->name, c->folder});
  if (entries.empty()) {
    start.result = FileResult::Fail(FileError::NotFound, 2);
    return start;
  }
  start.search = std::make_unique<MemorySearch>(std::move(entries));
  return start;
}

bool MemoryFileSystem::DirectoryExists(const std::string& path) {
  auto at = Resolve(path);
  Node* n = at ? Find(*at) : nullptr;
  return n && (n->folder || at->parts.empty());
}

bool MemoryFileSystem::FileExists(const std::string& path) {
  auto at = Resolve(path);
  Node* n = at ? Find(*at) : nullptr;
  return n && !n->folder && !at->parts.empty();
}

FileResult MemoryFileSystem::ForceDirectories(const std::string& path) {
  auto at = Resolve(path);
  if (!at) return FileResult::Fail(FileError::NotFound, 3);
  FileResult r;
  MakeFolders(*at, &r);
  return r;
}

FileResult MemoryFileSystem::CheckWritable(const Node* target) const {
  if (!target) return FileResult::Ok();
  if (target->folder) return FileResult::Fail(FileError::FolderInTheWay, 5);
  if (target->locked) return FileResult::Fail(FileError::SharingViolation, 32);
  if (target->attributes.readOnly) return FileResult::Fail(FileError::AccessDenied, 5);
  return FileResult::Ok();
}

FileResult MemoryFileSystem::CheckSpace(char drive, std::uint64_t adding, std::uint64_t freeing) const {
  const Drive& d = *drives_.at(drive);
  if (!d.capacity) return FileResult::Ok();
  const std::uint64_t used = d.root.Bytes() - freeing;
  return used + adding > *d.capacity ? FileResult::Fail(FileError::DiskFull, 112) : FileResult::Ok();
}

FileResult MemoryFileSystem::WriteFile(const Location& at, const std::string& bytes, Attributes attributes) {
  Node* parent = FindParent(at);
  if (!parent) return FileResult::Fail(FileError::NotFound, 3);
  Node* n = parent->Child(at.parts.back());
  if (FileResult r = CheckWritable(n); !r.ok()) return r;
  if (FileResult r = CheckSpace(at.drive, bytes.size(), n ? n->data.size() : 0); !r.ok()) return r;
  if (!n) {
    auto made = std::make_unique<Node>();
    made->name = at.parts.back();
    n = made.get();
    parent->children.push_back(std::move(made));
  }
  n->data = bytes;
  n->attributes = attributes;
  return FileResult::Ok();
}

FileResult MemoryFileSystem::CreateEmptyFile(const std::string& path) {
  auto at = Resolve(path);
  if (!at || at->parts.empty()) return FileResult::Fail(FileError::NotFound, 3);
  return WriteFile(*at, {}, {});
}

FileResult MemoryFileSystem::CopyOver(const std::string& source, const std::string& dest) {
  auto from = Resolve(source);
  auto to = Resolve(dest);
  Node* s = from ? Find(*from) : nullptr;
  if (!s) return FileResult::Fail(FileError::NotFound, 2);
  if (s->folder) return FileResult::Fail(FileError::AccessDenied, 5);
  if (s->locked) return FileResult::Fail(FileError::SharingViolation, 32);
  if (!to || to->parts.empty()) return FileResult::Fail(FileError::NotFound, 3);
  Node* parent = FindParent(*to);
  if (!parent) return FileResult::Fail(FileError::NotFound, 3);
  Node* d = parent->Child(to->parts.back());
  if (FileResult r = CheckWritable(d); !r.ok()) return r;
  if (d && d->attributes.hidden) return FileResult::Fail(FileError::AccessDenied, 5);
  const std::string data = s->data;
  const Attributes attributes = s->attributes;
  journal_.push_back("copy " + Display(*from) + " -> " + Display(*to));
  // The system truncates the destination first and removes it when the copy fails.
  const bool fits = CheckSpace(to->drive, data.size(), d ? d->data.size() : 0).ok();
  if (!d) {
    auto made = std::make_unique<Node>();
    made->name = to->parts.back();
    d = made.get();
    parent->children.push_back(std::move(made));
  }
  d->attributes = {};
  d->data = data.substr(0, data.size() / 2);
  if (!fits) {
    parent->Detach(d);
    return FileResult::Fail(FileError::DiskFull, 112);
  }
  if (duringCopy) duringCopy(source, dest);
  d->data = data;
  d->attributes = attributes;
  return FileResult::Ok();
}

FileResult MemoryFileSystem::MoveReplace(const std::string& from, const std::string& to) {
  auto a = Resolve(from);
  auto b = Resolve(to);
  Node* s = a ? Find(*a) : nullptr;
  if (!s || s->folder) return FileResult::Fail(FileError::NotFound, 2);
  if (s->locked) return FileResult::Fail(FileError::SharingViolation, 32);
  Node* target_parent = b ? FindParent(*b) : nullptr;
  if (!target_parent) return FileResult::Fail(FileError::NotFound, 3);
  Node* t = target_parent->Child(b->parts.back());
  if (t == s) return FileResult::Ok();
  if (t && t->folder) return FileResult::Fail(FileError::AccessDenied, 5);
  if (FileResult r = CheckWritable(t); !r.ok()) return r;
  if (a->drive != b->drive) {
    if (FileResult r = CheckSpace(b->drive, s->data.size(), t ? t->data.size() : 0); !r.ok()) return r;
  }
  journal_.push_back("move " + Display(*a) + " -> " + Display(*b));
  std::unique_ptr<Node> moving = FindParent(*a)->Detach(s);
  moving->name = b->parts.back();
  if (t) {
    auto it = std::find_if(target_parent->children.begin(), target_parent->children.end(),
                           [&](const auto& c) { return c.get() == t; });
    *it = std::move(moving);  // keeps the replaced file's place in the folder
  } else {
    target_parent->children.push_back(std::move(moving));
  }
  return FileResult::Ok();
}

FileResult MemoryFileSystem::ClearAttributes(const std::string& path) {
  Node* n = Find(path);
  if (!n) return FileResult::Fail(FileError::NotFound, 2);
  n->attributes = {};
  return FileResult::Ok();
}

FileResult MemoryFileSystem::RemoveFile(const std::string& path) {
  auto at = Resolve(path);
  Node* n = at ? Find(*at) : nullptr;
  if (!n || n->folder || at->parts.empty()) return FileResult::Fail(FileError::NotFound, 2);
  if (n->locked) return FileResult::Fail(FileError::SharingViolation, 32);
  if (n->attributes.readOnly) return FileResult::Fail(FileError::AccessDenied, 5);
  journal_.push_back("delete " + Display(*at));
  FindParent(*at)->Detach(n);
  return FileResult::Ok();
}

FileResult MemoryFileSystem::RemoveFolder(const std::string& path) {
  auto at = Resolve(path);
  Node* n = at ? Find(*at) : nullptr;
  if (!n || !n->folder || at->parts.empty()) return FileResult::Fail(FileError::NotFound, 3);
  if (!n->children.empty()) return FileResult::Fail(FileError::Other, 145);
  journal_.push_back("rmdir " + Display(*at));
  FindParent(*at)->Detach(n);
  return FileResult::Ok();
}

FileResult MemoryFileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
  Node* n = Find(path);
  if (!n || n->folder) return FileResult::Fail(FileError::NotFound, 2);
  if (n->locked) return FileResult::Fail(FileError::SharingViolation, 32);
  bytes = n->data;
  return FileResult::Ok();
}

FileResult MemoryFileSystem::WriteWholeFile(const std::string& path, const std::string& bytes) {
  auto at = Resolve(path);
  if (!at || at->parts.empty()) return FileResult::Fail(FileError::NotFound, 3);
  Node* n = Find(*at);
  return WriteFile(*at, bytes, n ? n->attributes : Attributes{});
}

}  // namespace qv

namespace qv {

std::vector<std::string> MemoryFileSystem::Drives() {
  std::vector<std::string> roots;
  for (const auto& [letter, drive] : drives_) roots.push_back(std::string(1, letter) + ":\\");
  return roots;
}

std::string MemoryFileSystem::CurrentDirectory() { return Display(current_); }

}  // namespace qv
