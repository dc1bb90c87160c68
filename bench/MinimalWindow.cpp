// The floor for start-up measurements: the least a Qt Widgets program does to put a window
// on screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("MinimalWindow"));
    window.resize(604, 294);
    window.show();
    return application.exec();
}
