#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace tavelin::testing {

// An environment variable set for as long as the object lives and put back as it was afterwards,
// so a test can move where the program looks (HOME, PATH) without leaking into the next test.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const QByteArray& value)
      : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name_, value);
  }
  ~ScopedEnvironment() {
    if (wasSet_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  bool wasSet_;
  QByteArray old_;
};

}  // namespace tavelin::testing
