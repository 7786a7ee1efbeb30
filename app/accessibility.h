#pragma once

class ZelMain;

// Makes the window readable by screen readers: every shown control with a name
// and its state, the table picture's element cells as children, and the data
// sheet's lines as text. Hidden controls are left out. Call once per window,
// before it is shown.
void installAccessibility(ZelMain &window);
