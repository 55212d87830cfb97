#include "platform/FileDialog.h"
#include <QDir>
#include <QFileDialog>

namespace {
class TQtFileDialogs : public IFileDialogs
{
public:
    QString Save_File(QWidget *Parent, const TFileDialogRequest &Request) override
    {
        const QString Start = Request.File_Name.isEmpty() ? Request.Initial_Dir
                                                          : QDir(Request.Initial_Dir).filePath(Request.File_Name);
        // The callers ask their own overwrite question (with their own texts and buttons).
        return QFileDialog::getSaveFileName(Parent, Request.Title, Start, Qt_Name_Filters(Request.Filter), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
};

TQtFileDialogs Real_Dialogs;
IFileDialogs *Current = nullptr;
} // namespace

IFileDialogs &File_Dialogs() { return Current ? *Current : Real_Dialogs; }

void Set_File_Dialogs(IFileDialogs *Dialogs) { Current = Dialogs; }

QString Qt_Name_Filters(const QString &Filter)
{
    const QStringList Parts = Filter.split(QLatin1Char('|'));
    QStringList Out;
    for (qsizetype I = 0; I + 1 < Parts.size(); I += 2) {
        const QString Pattern = QString(Parts[I + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of each filter.
        Out << Parts[I] + QStringLiteral(" (") + Pattern + QLatin1Char(')');
    }
    if (Parts.size() % 2 == 1 && !Parts.last().isEmpty())
        Out << Parts.last();
    return Out.join(QStringLiteral(";;"));
}

QString TFakeFileDialogs::Save_File(QWidget *, const TFileDialogRequest &Request)
{
    Requests.append(Request);
    return Answers.isEmpty() ? QString() : Answers.takeFirst();
}
