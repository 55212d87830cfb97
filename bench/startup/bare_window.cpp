// The yardstick for start-up: a plain Qt window of the main window's client
// size (694 x 396, fixed), shown and left running. Nothing else happens.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication App(argc, argv);
    QWidget Window;
    Window.setWindowTitle(QStringLiteral("Bare start-up window"));
    Window.setFixedSize(694, 396);
    Window.show();
    return App.exec();
}
