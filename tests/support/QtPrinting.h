#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <ostream>

// Readable QString values in GoogleTest's failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QUrl& url, std::ostream* os) {
  *os << '<' << url.toString().toStdString() << '>';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '"' << list.join(QStringLiteral("\", \"")).toStdString() << '"';
}
