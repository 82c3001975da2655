#pragma once
class FlexGridModel;

// One wheel message moves the grid's TopRow by one page: the rows shown whole below TopRow.
// Rotation > 0 (away from the user) moves up, otherwise down; MouseKeys, Xpos and Ypos are
// taken as the hook gives them and not used.
void ScrollGridPage(FlexGridModel* Grid, int MouseKeys, int Rotation, int Xpos, int Ypos);
