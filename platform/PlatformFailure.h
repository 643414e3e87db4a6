#pragma once

#include <QString>
#include <stdexcept>

namespace tavelin::platform {

// The one failure every platform binding raises. It carries what was being done, the file it was
// done to (empty when none) and the operating system's own reason, so the window can tell the user
// exactly what went wrong without knowing which binding failed.
class PlatformFailure : public std::runtime_error {
 public:
  PlatformFailure(QString operation, QString file, QString reason);

  const QString& operation() const { return operation_; }
  const QString& file() const { return file_; }
  const QString& reason() const { return reason_; }

  // "Could not <operation> “<file>”: <reason>" — one sentence for a message box.
  QString describe() const;

 private:
  QString operation_;
  QString file_;
  QString reason_;
};

}  // namespace tavelin::platform
