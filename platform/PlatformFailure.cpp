#include "PlatformFailure.h"

using namespace Qt::StringLiterals;

namespace tavelin::platform {

PlatformFailure::PlatformFailure(QString operation, QString file, QString reason)
    : std::runtime_error(QString(operation + u": "_s + file + u": "_s + reason).toStdString()),
      operation_(std::move(operation)),
      file_(std::move(file)),
      reason_(std::move(reason)) {}

QString PlatformFailure::describe() const {
  if (file_.isEmpty()) return u"Could not "_s + operation_ + u": "_s + reason_;
  return u"Could not "_s + operation_ + u" \u201C"_s + file_ + u"\u201D: "_s + reason_;
}

}  // namespace tavelin::platform
