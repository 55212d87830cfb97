#pragma once
#include <QList>
#include <QString>
class QWidget;

// File dialogs go through this layer, so that tests answer them instead of
// a person. (Only the save dialog so far; an open dialog would join it here.)

struct TFileDialogRequest
{
    QString Title;       // empty: the platform's usual caption
    QString Initial_Dir; // folder the dialog opens on
    QString File_Name;   // proposed file name (no folder)
    // Filters as "description|pattern", several joined with "|", e.g.
    // "CSV (MS-DOS) (*.csv)|*.csv". A pattern may be a plain file name.
    QString Filter;
};

class IFileDialogs
{
public:
    virtual ~IFileDialogs() = default;
    // The chosen path, or empty when the user cancelled. The dialog asks
    // nothing about existing files: callers ask that themselves.
    virtual QString Save_File(QWidget *Parent, const TFileDialogRequest &Request) = 0;
};

IFileDialogs &File_Dialogs();
// Installs a file-dialog service (not owned); nullptr restores the real one.
void Set_File_Dialogs(IFileDialogs *Dialogs);

// "desc|pattern|desc|pattern" as a Qt name filter list ("desc (pattern);;...").
QString Qt_Name_Filters(const QString &Filter);

// Records every request and answers from a queue; an empty answer (or an
// empty queue) is Cancel.
class TFakeFileDialogs : public IFileDialogs
{
public:
    QList<TFileDialogRequest> Requests;
    QList<QString> Answers;

    QString Save_File(QWidget *Parent, const TFileDialogRequest &Request) override;
};

class TFileDialogGuard
{
public:
    explicit TFileDialogGuard(IFileDialogs *Dialogs) { Set_File_Dialogs(Dialogs); }
    ~TFileDialogGuard() { Set_File_Dialogs(nullptr); }
    TFileDialogGuard(const TFileDialogGuard &) = delete;
    TFileDialogGuard &operator=(const TFileDialogGuard &) = delete;
};
