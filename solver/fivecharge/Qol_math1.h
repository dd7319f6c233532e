#pragma once

#include <memory>
#include <string>

#include "fivecharge/Gausscalc.h"

// Forward calculator: even- and odd-mode impedance of two round inner
// conductors in a round shield, for air (Er = 1), by charge simulation.
//
// Geometry, normalised to the inner conductor radius r = 1, origin at the
// shield centre:
//   shield radius R = D/d, conductor centres at (+a, 0) and (-a, 0), a = R * S/D.
//
// Failures are reported only as text in mErrMsg; an empty text is success.
class TQol_COAXMath1 {
public:
    TQol_COAXMath1();
    ~TQol_COAXMath1();
    TQol_COAXMath1(const TQol_COAXMath1&) = delete;
    TQol_COAXMath1& operator=(const TQol_COAXMath1&) = delete;

    // Derived geometry.
    double mInRadius = 0;
    double mOutRadius = 0;
    double mInOffset = 0;

    std::unique_ptr<TGaussCalc> mGauss;

    // Inputs.
    double mShapeSD = 0;
    double mShapeDd = 0;
    int mQnum;

    // Results for Er = 1: capacitance per unit length (F/m) and impedance (ohm).
    double mCapO = 0;
    double mCapE = 0;
    double mZo = 0;
    double mZe = 0;

    // Stored for the callers; the calculation itself is for air.
    double mEr = 0;

    std::string mErrMsg;

    // From mShapeSD and mShapeDd; each clears mErrMsg first.
    void zCalcZo();
    void zCalcZe();

    // From the given ratios; do nothing while mErrMsg is set, never clear it,
    // and write the out-parameter only on success.
    void zCalcZoAt(double sd, double dd, double& zo);
    void zCalcZeAt(double sd, double dd, double& ze);

    // One mode's capacitance and impedance on the geometry already set.
    void zCalcOddModeZC();
    void zCalcEvenModeZC();

private:
    // The tests reach the charge placement and the potential matrix directly.
    friend struct PotentialMatrixProbe;

    // After the geometry is set: its checks, then one mode's impedance.
    void mCalcOnGeometry(void (TQol_COAXMath1::*modeZC)());

    void mSetGeometry();
    void mSetGeometryAt(double sd, double dd);
    void mCheckGeometry();

    // Charge placement and potential matrix.
    void mCalcQEven(double* q);
    void mCalcQOdd(double* q);
    void mCalcQ(double* q, unsigned char mode);
    void mCalcG(double& g, unsigned char mode, double s, double y, double x);
};
