#pragma once

#include <QString>

struct FiveChargeDeviation;

// What the main window says of a result's accuracy against the converged
// solution: nothing where the five-charge figure is within 0.1 %; a caution
// where it is not; that the accuracy is unknown where the converged solver
// cannot reach the shape. The results shown stay the five-charge ones.
struct AccuracyNote {
    QString word;     // "精度注意", "精度不明", or empty: nothing to say
    QString detail;   // what impedance mode adds after the word
    QString toolTip;  // the deviations and the converged Ze, Zo; or why unknown

    // The status line of impedance mode, which otherwise stays empty.
    QString impedanceStatus() const;
    // The status line of shape mode: the count text, the word appended.
    QString shapeStatus(const QString& countText) const;
};

// A deviation as the notes give it, "−0.63 %": a true minus sign, as
// typeset, and always a sign.
QString percent(double ratio);

// The note for a result in the dielectric `er`, the converged values shown
// with `decimals` digits as the results are.
AccuracyNote accuracyNote(const FiveChargeDeviation& deviation, double sd, double dd, double er, int decimals);
