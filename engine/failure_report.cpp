#include "engine/failure_report.h"

#include "platform/errors.h"
#include "res/messages.h"

namespace qv {
namespace {

const char* StageText(CopyFailure::Stage stage) {
  switch (stage) {
    case CopyFailure::Stage::CopyFile: return msg::kCopyFailed;
    case CopyFailure::Stage::CreateFolder: return msg::kCreateFolderFailed;
    case CopyFailure::Stage::ReadFolder: return msg::kReadFolderFailed;
    case CopyFailure::Stage::ListFolders: return msg::kListFolderFailed;
  }
  return msg::kCopyFailed;
}

std::string ReasonText(const CopyFailure& failure) {
  if (!failure.detail.empty()) return failure.detail;
  if (failure.result.error == FileError::Other && failure.result.systemCode == 0) return msg::kReasonUnknown;
  switch (failure.result.error) {
    case FileError::NotFound: return msg::kReasonNotFound;
    case FileError::AccessDenied: return msg::kReasonAccessDenied;
    case FileError::SharingViolation: return msg::kReasonInUse;
    case FileError::DiskFull: return msg::kReasonDiskFull;
    case FileError::FileInTheWay: return msg::kReasonFileInTheWay;
    case FileError::FolderInTheWay: return msg::kReasonFolderInTheWay;
    case FileError::PathTooLong: return msg::kReasonPathTooLong;
    case FileError::None:
    case FileError::Other: break;
  }
  return Format(msg::kReasonSystemError, static_cast<unsigned>(failure.result.systemCode));
}

}  // namespace

std::string DescribeFailure(const CopyFailure& failure) {
  return std::string(StageText(failure.stage)) + "(" + ReasonText(failure) + ")";
}

void FailureReport::Add(const CopyFailure& failure) {
  const std::string cause = DescribeFailure(failure);
  if (++perCause_[cause] <= kNamedPerCause) writeLog_(cause + " " + failure.path);
}

void FailureReport::Finish() {
  for (const auto& [cause, count] : perCause_)
    if (count > kNamedPerCause) writeLog_(cause + " " + Format(msg::kMoreFailures, count - kNamedPerCause));
  perCause_.clear();
}

}  // namespace qv
