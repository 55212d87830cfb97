#include "platform/WindowPointer.h"
#include <QApplication>
#include <QCursor>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace {
std::optional<QPoint> Override_Pos;
}

QPoint Pointer_Pos() { return Override_Pos ? *Override_Pos : QCursor::pos(); }

void Set_Pointer_Pos_Override(const QPoint *Pos)
{
    if (Pos)
        Override_Pos = *Pos;
    else
        Override_Pos.reset();
}

QWidget *Widget_At(QPoint Screen_Pos)
{
    if (QWidget *W = QApplication::widgetAt(Screen_Pos))
        return W;
    // Some platforms (offscreen among them) cannot name the window under a
    // point; then the visible top-level windows are searched, last shown first.
    const QWidgetList Tops = QApplication::topLevelWidgets();
    for (qsizetype I = Tops.size() - 1; I >= 0; --I) {
        QWidget *Top = Tops[I];
        // Windows that let the pointer through (a floating drag picture) are not "under" it.
        if (!Top->isVisible() || !Top->geometry().contains(Screen_Pos)
            || Top->testAttribute(Qt::WA_TransparentForMouseEvents)
            || Top->windowFlags().testFlag(Qt::WindowTransparentForInput))
            continue;
        const QPoint Local = Top->mapFromGlobal(Screen_Pos);
        QWidget *Child = Top->childAt(Local);
        return Child ? Child : Top;
    }
    return nullptr;
}

bool Start_Window_Move(QWidget *Window)
{
    if (!Window)
        return false;
    QWindow *Handle = Window->window()->windowHandle();
    return Handle && Handle->startSystemMove();
}

void Toggle_Maximised(QWidget *Window)
{
    if (!Window)
        return;
    QWidget *Top = Window->window();
    if (Top->windowState() == Qt::WindowNoState)
        Top->showMaximized();
    else
        Top->showNormal();
}
