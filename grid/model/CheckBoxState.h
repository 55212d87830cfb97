#pragma once
// The three states of a cell's check box, shared by the cell graphics and the
// grid's check-box controls.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
