#pragma once

// Modal results: what a button gives its dialog on click and what the
// dialog's exec() then returns (QDialog::done(Result)). 0 means "none" and
// does not end a dialog. Note QDialog::Rejected is 0, not mrCancel.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 12;
