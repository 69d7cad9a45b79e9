// Angle conversion of the utility library: decimal degrees to whole degrees, minutes and seconds.
#pragma once

// Splits value (decimal degrees) into whole degrees, minutes (0-59) and seconds (0-59), rounded
// to the nearest second first, so that 59.9999 seconds carry into the next minute (and 59
// minutes into the next degree) instead of showing 60. All three parts take the sign of a
// negative value (-1.5 gives -1, -30, 0; -0.5 gives 0, -30, 0). A value that is not finite or
// whose degrees do not fit an int cannot be shown so: the answer is false and the three parts are
// left as they were (a caller that shows them would otherwise show 0:0:0 for an angle that is not 0).
bool ConvertDegToDegMintSec(double value, int& degrees, int& minutes, int& seconds);
