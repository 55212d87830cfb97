#pragma once
#include "dropdowns/DropDownEdit.h"

// A position chosen on a track bar (Min 0, Max 10, Position 0); the text
// cannot be typed.
class VOdeTrackBarDropDown : public VOdeCustomDropDown {
    Q_OBJECT
public:
    explicit VOdeTrackBarDropDown(QWidget *Owner = nullptr);
    int Min() const { return FMin; }
    void Set_Min(int Value) { FMin = Value; }
    int Max() const { return FMax; }
    void Set_Max(int Value) { FMax = Value; }
    int Position() const { return FPosition; }
    // Stores the position, kept between Min and Max, and shows it.
    void SetPosition(int Value);
    // The base change, then Position := the text read as an integer.
    void Change() override;
    // Stored settings left out when unchanged: a pick-only edit showing 0.
    TDropDownProperties Default_Properties() const override
    {
        TDropDownProperties P;
        P.EditorEnabled = false;
        P.Text = QStringLiteral("0");
        return P;
    }

private:
    int FMin = 0, FMax = 10, FPosition = 0;
};
