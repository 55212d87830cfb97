#include "editors/EnOcean_List_Box.h"
#include <QEvent>
#include <QListWidget>

namespace {

// Watches the box's viewport for double clicks; lives as long as the box.
class TDouble_Click_Watch : public QObject
{
public:
    TDouble_Click_Watch(QListWidget *List, std::function<void()> Handler)
        : QObject(List), FHandler(std::move(Handler))
    {
        List->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override
    {
        if (Event->type() != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(Watched, Event);
        // The handler may open a modal dialog; the view gets nothing more of
        // this double click.
        FHandler();
        return true;
    }

private:
    std::function<void()> FHandler;
};

} // namespace

void Bind_List_Box_Clicks(QListWidget *List, std::function<void()> Click, std::function<void()> Double_Click)
{
    QObject::connect(List, &QListWidget::itemClicked, List, [Click] { Click(); });
    // Only a move to a selected line is the user's: refilling the box, or the
    // focus giving it a current line without a selection, clicks nothing.
    QObject::connect(List, &QListWidget::currentRowChanged, List, [List, Click](int Row) {
        if (Row >= 0 && List->item(Row) && List->item(Row)->isSelected())
            Click();
    });
    if (Double_Click)
        new TDouble_Click_Watch(List, std::move(Double_Click));
}
