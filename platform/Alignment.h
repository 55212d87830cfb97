#pragma once

// Horizontal and vertical text alignment as the styled controls store them
// (the push button's Alignment, the tab strip's caption alignment). Shared here
// so that every control that includes it names the same type.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
