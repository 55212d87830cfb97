#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The fake update program of the Update tests: Lanwick_Refresh.exe in
// Program_Dir, a shell script that records how it was started (seen_argc:
// its argument count), the job file it found (seen_job.xml), the size of
// every file the job names (seen_sizes, one line each, in job order) and a
// copy of each (seen_file_1, seen_file_2, ...), then ends with exit code 0.
void Write_Fake_Update_Program(const QString &Program_Dir);

// The files the recorded job named, in job order.
QStringList Seen_Job_Files(const QString &Program_Dir);
// The copy of the named file as the program saw it; empty when the job did
// not name a file ending with Name.
QByteArray Seen_File(const QString &Program_Dir, const QString &Name);
