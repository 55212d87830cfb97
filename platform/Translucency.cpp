#include "platform/Translucency.h"
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <optional>
#include <xcb/xcb.h>

namespace {
std::optional<bool> &Override()
{
    static std::optional<bool> Value;
    return Value;
}

// An X11 desktop composites when a manager owns the _NET_WM_CM_S<screen> selection.
bool X11_Compositor_Running()
{
    auto *X11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *Conn = X11 ? X11->connection() : nullptr;
    if (!Conn)
        return false;
    const QByteArray Name = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t *Atom =
        xcb_intern_atom_reply(Conn, xcb_intern_atom(Conn, 1, static_cast<uint16_t>(Name.size()), Name.constData()), nullptr);
    if (!Atom)
        return false;
    const xcb_atom_t A = Atom->atom;
    free(Atom);
    if (A == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *Owner =
        xcb_get_selection_owner_reply(Conn, xcb_get_selection_owner(Conn, A), nullptr);
    const bool Running = Owner && Owner->owner != XCB_WINDOW_NONE;
    free(Owner);
    return Running;
}
} // namespace

bool Translucent_Windows()
{
    if (Override())
        return *Override();
    const QString P = QGuiApplication::platformName();
    if (P == QLatin1String("xcb"))
        return X11_Compositor_Running();
    // Wayland, Windows and macOS always composite; offscreen, minimal,
    // framebuffer and VNC platforms never do.
    return P == QLatin1String("wayland") || P.startsWith(QLatin1String("wayland-")) || P == QLatin1String("windows")
           || P == QLatin1String("cocoa");
}

void Set_Translucent_Windows_Override(const bool *Value)
{
    if (Value)
        Override() = *Value;
    else
        Override().reset();
}
