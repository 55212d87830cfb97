#pragma once
class QFrame;
class VOdeCustomDropDown;

// The popup below a drop-down edit: a frame that never takes the focus from
// the edit (the keys stay there), with the edit's header and footer bars
// around the room the kind's content will take. The bars' buttons report
// through the edit's OnDropDownHeaderButtonClick and
// OnDropDownFooterButtonClick. The caller owns the frame (it has no parent,
// being a window of its own).
QFrame *Make_DropDown_Form(VOdeCustomDropDown *Edit);
