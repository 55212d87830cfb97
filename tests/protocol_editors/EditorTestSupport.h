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
#include <gtest/gtest.h>

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
