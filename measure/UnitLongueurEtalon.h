#pragma once
// The lengths of the scale segment the program accepts, in metres, both ends
// included: what the length dialog lets through and what a work file may hold.

constexpr double LongueurMin = 0.001;
constexpr double LongueurMax = 1.5e13;
