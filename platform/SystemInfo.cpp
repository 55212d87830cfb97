#include "platform/SystemInfo.h"
#include <QApplication>
#include <atomic>

namespace {
TSystemInfo Info;
std::atomic<int> Beeps{0};
} // namespace

TSystemInfo &System_Info() { return Info; }

TSystemInfoGuard::TSystemInfoGuard() : FSaved(Info) {}
TSystemInfoGuard::TSystemInfoGuard(const TSystemInfo &I) : FSaved(Info) { Info = I; }
TSystemInfoGuard::~TSystemInfoGuard() { Info = FSaved; }

void Message_Beep()
{
    ++Beeps;
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}

int Beep_Count() { return Beeps.load(); }
