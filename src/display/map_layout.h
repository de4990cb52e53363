// Fitting the ground extent into the map box around (480, 350): one scale for
// both axes, the frame rectangle, and the thinning that keeps the drawn
// profiles fewer than the plot's pixel columns.
#pragma once

constexpr int kMapCenterX = 480;
constexpr int kMapCenterY = 350;

void computeMapLayout();
