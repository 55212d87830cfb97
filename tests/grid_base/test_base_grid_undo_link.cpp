#include "GridTestSupport.h"
#include "grid/base/GridUndoRedo.h"
#include <gtest/gtest.h>
#include <memory>

// The grid forgets its undo and redo component when that component goes away,
// however the two were linked.
TEST(BaseGridUndoLink, ForgottenWhenRemoved)
{
    struct TCase { const char *Name; bool LinkFromGrid; };
    const TCase Cases[] = {
        {"LinkedByTheComponent", false},
        {"SetOnTheGridOnly", true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TDemoGrid Grid;
        auto Undo = std::make_unique<VOdeGridUndoRedo>();
        if (C.LinkFromGrid)
            Grid.Set_UndoRedo(Undo.get());
        else
            Undo->Set_Grid(&Grid);
        EXPECT_EQ(Grid.UndoRedo(), Undo.get());
        // The component is linked back when its Set_Grid can be reached through its meta-object.
        const bool Invokable = Undo->metaObject()->indexOfMethod("Set_Grid(TBaseGrid*)") >= 0;
        EXPECT_EQ(Undo->Grid(), C.LinkFromGrid && !Invokable ? nullptr : &Grid);
        // Another component's removal changes nothing.
        QObject Other;
        Grid.Notification(&Other, TStringGrid::opRemove);
        EXPECT_EQ(Grid.UndoRedo(), Undo.get());
        Undo.reset();
        EXPECT_EQ(Grid.UndoRedo(), nullptr);
    }
}
