#pragma once
#include <stdexcept>

// Misuse of the string grid (a bad row or column, a cell that holds no number).
// The text is the message the user or the caller sees.
class EDarAzidError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
