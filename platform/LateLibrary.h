#pragma once
#include <QFunctionPointer>
#include <QString>

// Modules loaded on first use. A few parts of the program need large
// libraries that most runs never touch (the network stack, for the version
// check). The program gets those parts as modules beside its file and loads
// each on its first use, so that starting the program does not load the
// libraries; tests and tools link the same parts directly (see
// platform/late_library.cmake).

// The entry Symbol of the module named Module (lib<Module>.so beside the
// program, or in the folder set below), loading the module on the first call;
// it stays loaded for the rest of the run. Null when the module or the entry
// is missing, with the reason in Error.
QFunctionPointer Late_Library_Symbol(const char *Module, const char *Symbol, QString *Error = nullptr);

// The folder the modules are loaded from: the program's own folder unless one
// is set (tests); an empty Folder restores the program's folder.
QString Late_Library_Folder();
void Set_Late_Library_Folder(const QString &Folder);
