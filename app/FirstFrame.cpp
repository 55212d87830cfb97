// The other windows are built right after the main window's first frame.
#include "app/Forms.h"
#include "app/UBrindelcoreFirmWare.h"
#include <QEvent>
#include <QMetaObject>

namespace {
// Watches the main window until it paints for the first time, then has the
// event loop build the other windows once that frame is on the screen.
class TFirst_Frame_Watch : public QObject
{
public:
    explicit TFirst_Frame_Watch(TFBrindelcoreFirmWare *AMain) : QObject(AMain), Main(AMain) {}

    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Watched == Main && Event->type() == QEvent::Paint && !Seen) {
            Seen = true;
            // Queued on the main window: the frame is flushed first, and a
            // main window deleted meanwhile takes the call with it.
            QMetaObject::invokeMethod(
                Main, [M = Main] { Create_Other_Forms(M); }, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    TFBrindelcoreFirmWare *Main;
    bool Seen = false;
};
} // namespace

void Create_Other_Forms_After_First_Frame(TFBrindelcoreFirmWare *Main)
{
    Main->installEventFilter(new TFirst_Frame_Watch(Main));
}
