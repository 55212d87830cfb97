#pragma once
#include "app/UBrindelcoreFirmWare.h"
#include "platform/MessageBox.h"
#include "platform/OpenUrl.h"
#include "TestSupport.h"
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QList>
#include <QTcpServer>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

// A program folder in a temporary directory, the windows created as at
// start, message boxes answered by a fake and web pages recorded.
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates every window as the program does at start.
    void Start();
    // Closes and frees the windows (the main window's close writes the settings).
    void Stop(bool Close = true);
    QString Path(const QString &Rel) const { return Dir.filePath(Rel); }

    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    std::unique_ptr<TMessageBoxGuard> Boxes_Guard;
    TFakeUrlOpener Pages;
    std::unique_ptr<TUrlOpenerGuard> Pages_Guard;
    TFBrindelcoreFirmWare *Main = nullptr;
};

// Runs Inside once the next modal dialog is running, then Trigger (which
// opens the dialog); Inside must end the dialog.
void While_Modal(const std::function<void()> &Inside, const std::function<void()> &Trigger);


// An HTTP server on 127.0.0.1 that answers every request with Body, or
// never answers when Silent. Records the request lines.
class TLocalHttpServer : public QObject
{
public:
    TLocalHttpServer();
    QString Host() const; // "http://127.0.0.1:<port>"
    QByteArray Body;
    int Status = 200;
    bool Silent = false;
    // Answers with the headers, then one body byte every 50 ms, never ending.
    bool Trickle = false;
    // Answers without a Content-Length: the body ends where the connection does.
    bool Omit_Length = false;
    QList<QByteArray> Requests; // whole request heads
    QList<QByteArray> Request_Lines;

private:
    QTcpServer Server;
};

// Picture checks on a grabbed window: how many pixels of Area differ from
// Colour, and how many are darker than a lightness of 100 (text strokes).
int Pixels_Other_Than(const QImage &Shot, const QRect &Area, const QColor &Colour);
int Dark_Pixels(const QImage &Shot, const QRect &Area);
