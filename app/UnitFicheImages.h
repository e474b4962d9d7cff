#pragma once
// The frames of the marks between the view's measurement and the work file.

struct Travail;
class TMesure;

// The frame each mark was placed on, into `t`, when the measurement knows one
// for every mark (after loading a file without them it does not).
void LireImagesMesure(const TMesure& m, int nombreImages, Travail& t);

// The frames read from a work file, back into the measurement.
void AppliquerImagesMesure(const Travail& t, int nombreImages, TMesure& m);
