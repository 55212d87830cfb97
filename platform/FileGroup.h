#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// Writes several files that belong together (the two configuration images)
// so that they are replaced as a group: either every file holds its new
// content or every file is as it was before, as far as the file system
// allows.
//
// All new contents go first to temporary files beside their targets; only
// when every one is complete on disk are they renamed over the targets, one
// by one. The old content of each target is kept under a second name until
// the whole group is in place; when one rename fails, the targets already
// replaced get their old content back (a target that did not exist is
// removed again). Parent folders are not created.

struct TFile_Content
{
    QString Path;
    QByteArray Data;
};

// True when every file was replaced. False when nothing changed, with Error
// (when given) naming the file and the reason; when even the restore failed
// (a crash or a full disk in the middle), Error says which file may hold its
// new content.
bool Write_File_Group(const QList<TFile_Content> &Files, QString *Error = nullptr);

// For tests: when set, the rename of the target with this path fails as if
// the file system refused it. Empty restores normal behaviour.
void Set_File_Group_Fault(const QString &Failing_Target);
