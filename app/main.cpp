#include <QApplication>

#include "QtServices.h"
#include "QtWindow.h"
#include "frmM.h"

int main(int argc, char* argv[]) {
  QApplication::setApplicationName(QStringLiteral("Tavelin"));
  QApplication::setOrganizationName(QStringLiteral("Tavelin"));
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);

  tavelin::platform::QtServices services;
  tavelin::editor::frmM form(services.services());
  services.setOwner(&static_cast<tavelin::platform::QtWindow&>(form.window()).mainWindow());
  form.Show();
  return QApplication::exec();
}
