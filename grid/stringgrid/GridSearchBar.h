#pragma once

class RIraRevadiVizo;
class TSearchFooter;
class TSearchPanel;

// Keeps a grid's search panel in step with its search footer settings and
// hands the panel's controls to the grid's find actions.
class TGridSearchBar {
public:
    // Lets the panel's controls call the grid's find actions and makes every
    // change of the settings reach the panel.
    static void Connect(RIraRevadiVizo &Grid);
    // Copies the settings into the panel and shows or hides it. Highlights
    // go when the bar closes with Highlight down, or always with
    // AlwaysHighLight (the next search marks afresh).
    static void Update(RIraRevadiVizo &Grid);
    // Which buttons show, their captions and hints, the background's
    // gradient and the font. An empty caption keeps the English one, so a
    // button never shows blank.
    static void Apply(TSearchPanel &Panel, const TSearchFooter &Settings);
};
