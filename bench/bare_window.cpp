// The baseline of the start-up benchmark: the least a Qt 6 Widgets program does to show a window
// of the given size (width and height in pixels, the editor's size as window_startup measured it).
// With a third argument the window shows that text, which tells what drawing any text costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() != 3 && arguments.size() != 4) {
    qCritical("usage: bare_window WIDTH HEIGHT [TEXT]");
    return 2;
  }
  QWidget window;
  window.resize(arguments[1].toInt(), arguments[2].toInt());
  if (arguments.size() == 4) {
    new QLabel(arguments[3], &window);
  }
  window.show();
  return QApplication::exec();
}
