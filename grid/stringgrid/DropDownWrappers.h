#pragma once
// The grid's wrappers of the drop-down editors (track bar, memo, calculator,
// time picker, detail list, multi-column list, grid, colour and image picker):
// each derives from its drop-down class, knows its grid and applies the
// editor contract to it: Escape cancels, Enter, Up and Down commit and
// validate, Tab commits and moves on, focus loss commits.
//
// A wrapper is a template over its drop-down class, which must offer (the
// drop-down family's base):
//   TBase(QWidget *Owner);
//   QString Text() const;                      the value without prefix and suffix
//   void SetTextDirect(const QString &);      the edit text, unformatted
//   void Set_Text(const QString &);           the formatting setter
//   bool DroppedDown() const;
//   virtual void KeyDown(TKey &, TShiftState); Alt+Up/Alt+Down open and close
//   virtual void KeyPress(QChar &);
//   virtual void Change();                    the edit's change
//   virtual void DoExit();
//   the line edit's selectAll(), setCursorPosition(), update()
// and, for the calculator, CalcResult() (completes the pending operation).
#include "grid/stringgrid/GridEditorControls.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCursor>
#include <QKeyEvent>
#include <QPointer>

enum class TGridDropDownKind { TrackBar, Memo, Calculator, TimePicker, DetailPicker, Grid, DarAzid, Color, Image };

template <class TBase, TGridDropDownKind Kind>
class TGridDropDownWrapper : public TBase, public IGridDropDownEditor {
public:
    explicit TGridDropDownWrapper(QWidget *Owner) : TBase(Owner), FGrid(Editor_Grid_Of(Owner))
    {
        if constexpr (Kind == TGridDropDownKind::TimePicker)
            this->FFocusDraw = false;
        this->hide();
        this->setEnabled(false);
    }
    RIraRevadiVizo *Grid() const { return FGrid; }

    // The track bar's change has nothing to add.
    void DoChange() {}

    // The value the wrapper commits: the memo's lines (one line break
    // between them), every other kind's text.
    QString Value_Text() const
    {
        if constexpr (Kind == TGridDropDownKind::Memo && requires(TBase &B) { B.MemoText(); })
            return const_cast<TGridDropDownWrapper *>(this)->MemoText().join(QStringLiteral("\r\n"));
        else
            return this->Text();
    }
    QString Editor_Text() const override { return Value_Text(); }
    void Set_Editor_Text(const QString &Value) override { Write(Value); }

    void KeyDown(TKey &Key, TShiftState Shift) override
    {
        const bool Is_Open = this->DroppedDown();
        bool Special = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT
                       || Key == VK_END || Key == VK_UP || Key == VK_DOWN;
        if constexpr (Kind == TGridDropDownKind::Color) {
            Special = Is_Open ? (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) : (Special || Key == VK_HOME);
        }
        // Alt+Down opens the popup through the drop-down itself.
        if (Key == VK_DOWN && Shift.Contains(ssAlt))
            Special = false;
        if (!Special) {
            TBase::KeyDown(Key, Shift);
            return;
        }
        if (Key == VK_ESCAPE) {
            Write(FGrid->CurrentCell());
            FGrid->Cancel_DropDown_Value();
            FGrid->HideInplaceEdit();
            FGrid->setFocus();
            Key = 0;
            return;
        }
        bool Commit = Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN;
        if constexpr (Kind == TGridDropDownKind::Color)
            Commit = Key == VK_RETURN;
        if (Commit) {
            if constexpr (Kind == TGridDropDownKind::Calculator) {
                if (Key == VK_RETURN)
                    this->CalcResult();
            }
            const QString V = Value_Text();
            FGrid->Set_CurrentCell(V);
            if (!FGrid->ValidateCell(V)) {
                Write(FGrid->NewCellText());
                this->selectAll();
                this->update();
                FGrid->Set_NoAutoAdvance(true);
                Key = 0;
                return;
            }
            Write(FGrid->CurrentCell());
        }
        if (Key == VK_TAB && FGrid->EditorHandlesTab()) {
            const QString V = Value_Text();
            FGrid->Set_CurrentCell(V);
            if (!FGrid->ValidateCell(V)) {
                Write(FGrid->NewCellText());
                this->setCursorPosition(FGrid->NewCellText().size());
                this->update();
                Key = 0;
                return;
            }
            if (Editor_Tab_Step(FGrid, Key, Shift.Contains(ssShift)))
                return;
        }
        if (Kind == TGridDropDownKind::Color && Is_Open && (Key == VK_UP || Key == VK_DOWN)) {
            TBase::KeyDown(Key, Shift);   // the picker's own list keys
            return;
        }
        if (Is_Open) {
            FGrid->HideInplaceEdit();
            if (Key == VK_LEFT || Key == VK_RIGHT)
                FGrid->KeyDown(Key, Shift);
            if (Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN))
                Key = 0;
        } else if (Key == VK_END) {
            TBase::KeyDown(Key, Shift);
            return;
        }
        QPointer<RIraRevadiVizo> G(FGrid);
        FGrid->DoneInplaceEdit(Key, Shift);
        if (G && G->Navigation().AdvanceOnEnter() && G->Navigation().AdvanceAutoEdit())
            G->ShowInplaceEdit();
        Key = 0;
        TBase::KeyDown(Key, Shift);
    }

    void KeyPress(QChar &Key) override
    {
        if (FGrid->OnKeyPress)
            FGrid->OnKeyPress(FGrid, Key);
        if (Key == QChar(27) || Key == QChar(13) || Key == QChar(9))
            Key = QChar();
        TBase::KeyPress(Key);
    }

    void Change() override
    {
        TBase::Change();
        if (FGrid->OnEditChange)
            FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), this->Text());
    }

    void DoExit() override
    {
        Editor_Focus_Lost(FGrid);
        TBase::DoExit();
    }

protected:
    // Opened by a click into the cell: the caret goes to the character under
    // the pointer instead of selecting the text (track bar, memo, calculator).
    void DoEnter(bool ByMouse) override
    {
        TBase::DoEnter(ByMouse);
        if constexpr (Kind == TGridDropDownKind::TrackBar || Kind == TGridDropDownKind::Memo
                      || Kind == TGridDropDownKind::Calculator) {
            if (!FGrid->LButFlg())
                return;
            const QPoint P = this->mapFromGlobal(QCursor::pos());
            if (P.x() < 0 || P.y() < 0 || P.x() > this->width() || P.y() > this->height())
                return;
            const int At = this->cursorPositionAt(P);
            if (At >= 0) {
                this->deselect();
                this->setCursorPosition(At);
                FGrid->Set_LButFlg(false);
            }
        }
    }

    bool event(QEvent *E) override
    {
        // Tab (and, for the track bar and colour picker, Enter and Escape)
        // belongs to the editor, never to the window's dialog keys.
        if (Take_Tab_Key(E, FGrid, TEditorTabRule::EditorHandlesTab,
                         [this](QKeyEvent *K) { this->keyPressEvent(K); }))
            return true;
        if (E->type() == QEvent::ShortcutOverride
            && (Kind == TGridDropDownKind::TrackBar || Kind == TGridDropDownKind::Color)) {
            auto *K = static_cast<QKeyEvent *>(E);
            if (K->key() == Qt::Key_Return || K->key() == Qt::Key_Enter || K->key() == Qt::Key_Escape) {
                E->accept();
                return true;
            }
        }
        return TBase::event(E);
    }

private:
    // The track bar's text goes through the drop-down's formatting setter.
    void Write(const QString &V)
    {
        if constexpr (Kind == TGridDropDownKind::TrackBar)
            this->Set_Text(V);
        else
            this->SetTextDirect(V);
    }
    RIraRevadiVizo *FGrid;
};
