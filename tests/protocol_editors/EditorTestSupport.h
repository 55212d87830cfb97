#pragma once
#include "platform/MessageBox.h"
#include "protocols/Grid_Row_Ops.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

// The table file with its first row element repeated Times times in its place.
inline QByteArray Repeat_First_Row(const QByteArray &File, int Times)
{
    const qsizetype Start = File.indexOf("<row ");
    const qsizetype End = File.indexOf("/>", Start) + 2;
    return File.left(Start) + File.mid(Start, End - Start).repeated(Times) + File.mid(End);
}

// Files that the tables can hold only in part, made from a whole one.
struct TPartly_Read_Case
{
    const char *Name;
    QByteArray Content;
};
inline std::vector<TPartly_Read_Case> Partly_Read_Cases(const QByteArray &Whole, int Table_Rows)
{
    QByteArray Broken = Whole;
    Broken.replace("<row ", "<row <");
    return {
        {"TruncatedFile", Whole.left(Whole.size() / 2)},
        {"NotWellFormedFile", Broken},
        {"RowsBeyondTheTable", Repeat_First_Row(Whole, Table_Rows + 1)},
    };
}

// A project folder of its own, the built-in texts, recorded message boxes.
class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Fill_Default_Texts();
        SW_Code = QStringLiteral("CFTK410");
        ASSERT_TRUE(Dir.isValid());
        Project_Dir = Dir.path();
        File_ParGen = Dir.filePath(QStringLiteral("ParGen.xml"));
        File_MQTT_Set_Topic = Dir.filePath(QStringLiteral("MQTT_Set_Topic.xml"));
        File_BACnet_Slave = Dir.filePath(QStringLiteral("BACnet_Slave.xml"));
        Row_Clipboard.clear();
    }
    void TearDown() override
    {
        Row_Clipboard.clear();
        Reset_Workspace();
    }
    // Runs Open (which shows a modal dialog) and, once the dialog runs, Inside.
    static void While_Modal(const std::function<void()> &Inside, const std::function<void()> &Open)
    {
        QTimer::singleShot(0, Inside);
        Open();
    }
    QStringList Box_Texts() const { return Boxes.Texts(); }

    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};
};
