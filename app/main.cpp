#include "app/Forms.h"
#include "app/UBrindelcoreFirmWare.h"
#include <QApplication>
#include <memory>

int main(int argc, char **argv)
{
    QApplication App(argc, argv);
    App.setApplicationName(QStringLiteral("BrindelcoreFirmWare"));
    std::unique_ptr<TFBrindelcoreFirmWare> Main(Create_Forms());
    Main->show();
    return App.exec();
}
