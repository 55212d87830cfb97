#include "FakeUpdateProgram.h"
#include "TestSupport.h"
#include "platform/XmlDoc.h"
#include <QDir>
#include <QFile>

void Write_Fake_Update_Program(const QString &Program_Dir)
{
    const QString Program = QDir(Program_Dir).filePath(QStringLiteral("Lanwick_Refresh.exe"));
    Write_File(Program, "#!/bin/sh\nd=$(dirname \"$0\")\necho \"$#\" > \"$d/seen_argc\"\n"
                        "cp \"$d/Lanwick_Refresh.xml\" \"$d/seen_job.xml\"\n"
                        "n=0\n"
                        "grep -o '<Ope_FileName>[^<]*' \"$d/Lanwick_Refresh.xml\" | sed 's/<Ope_FileName>//' | "
                        "while read -r f; do n=$((n+1)); wc -c < \"$f\" >> \"$d/seen_sizes\"; "
                        "cp \"$f\" \"$d/seen_file_$n\"; done\nexit 0\n");
    QFile::setPermissions(Program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList Seen_Job_Files(const QString &Program_Dir)
{
    QStringList Files;
    TXmlDocument Job;
    Job.Load_From_File(QDir(Program_Dir).filePath(QStringLiteral("seen_job.xml")));
    const TXmlNode *Root = Job.First_Node();
    const TXmlNode *Operations = Root ? Root->Find_Child(QStringLiteral("Operations")) : nullptr;
    for (int I = 0; Operations && I < Operations->Child_Count(); ++I)
        if (const TXmlNode *Name = Operations->Child(I)->Find_Child(QStringLiteral("Ope_FileName")))
            Files << Name->Text();
    return Files;
}

QByteArray Seen_File(const QString &Program_Dir, const QString &Name)
{
    const QStringList Files = Seen_Job_Files(Program_Dir);
    for (int I = 0; I < Files.size(); ++I)
        if (Files[I].endsWith(Name))
            return Read_File(QDir(Program_Dir).filePath(QStringLiteral("seen_file_%1").arg(I + 1)));
    return {};
}
