#pragma once

#include <QDateTime>
#include <QString>

namespace tavelin::platform {

class CommonDialog;

// The system clipboard, plain text only.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual QString text() const = 0;  // empty when it holds no text
  virtual void setText(const QString& text) = 0;
};

// Modal message boxes.
class MessageBox {
 public:
  enum Answer { Yes, No };
  virtual ~MessageBox() = default;
  // Yes and No, Yes the default, no icon.
  virtual Answer askYesNo(const QString& text, const QString& title) = 0;
  // A failure the user must know of.
  virtual void reportFailure(const QString& text, const QString& title) = 0;
};

// Starts another program from a command line, detached, without waiting for it.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual void shell(const QString& commandLine) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;
};

// Everything outside the window that its commands talk to. Tests plug in scripted variants.
struct Services {
  CommonDialog& dialog;
  Clipboard& clipboard;
  MessageBox& messageBox;
  ProgramStarter& programStarter;
  Clock& clock;
};

}  // namespace tavelin::platform
