#pragma once
#include <QString>
#include <QTemporaryDir>
#include <functional>
class QWidget;

// Folder for screenshots and other artefacts a person may look at after a run.
QString Test_Output_Dir();
// Grabs a widget to <Test_Output_Dir()>/<Name>.png and returns the path.
QString Save_Screenshot(QWidget *Widget, const QString &Name);
// Reads a whole file; empty when missing.
QByteArray Read_File(const QString &Path);
// Writes a whole file, creating parent folders.
void Write_File(const QString &Path, const QByteArray &Data);
// Processes events until Done() or a generous upper bound (a minute);
// returns Done(). For work that ends on the event loop, never for timing.
bool Wait_Until(const std::function<bool()> &Done);
