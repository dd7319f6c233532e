#pragma once

#include <cstdio>
#include <string>

#include "fivecharge/Qol_math1.h"
#include "SolverTexts.h"
#include "SolverView.h"

// Inverse solver: finds S/D and D/d for wanted Ze and Zo (in the dielectric Er)
// by a damped Newton iteration over the forward calculator.
//
// Inputs: mZe, mZo (wanted, for Er), mEr and the settings below. On success
// mErrMsg is empty and mShapeSD, mShapeDd hold the result; otherwise mErrMsg
// holds the reason and the shape is unchanged. During the solve mZe and mZo are
// overwritten by the forward evaluations.
class TQol_COAXMath2 : public TQol_COAXMath1 {
public:
    // mainForm and msgLabel may be null. english == 1 selects the English
    // texts, any other value the Japanese ones.
    TQol_COAXMath2(RepaintTarget* mainForm, StatusLabel* msgLabel, unsigned char english);
    ~TQol_COAXMath2();

    RepaintTarget* mMainForm;
    StatusLabel* mMsgLabel;
    std::FILE* mTraceFile = nullptr;
    std::string mTraceFileName;
    unsigned char mTraceOn = 0;
    // The last solve's trace file was opened but not written in full: a write
    // or the close failed (a full disk). The solve's result stands.
    bool mTraceFailed = false;
    unsigned char mEnglish;
    int mCountLimit = 1000;
    double mConvWidth = 0.01;
    // The calculation count of the last solve as it stood at the end (the
    // number the status line shows); 0 when the solve stopped before counting.
    // 64 bits, so that a limit of INT_MAX can still be exceeded.
    long long mCount = 0;

    // Working values, named as in the trace file.
    double mZeE = 0, mZoE = 0;
    double mZeS = 0, mZoS = 0;
    double mZetmp = 0, mZotmp = 0;
    double mSD = 0, mDd = 0;
    double mDeltaSD = 0, mDelatDd = 0;
    double mGradZeSD = 0, mGradZeDd = 0, mGradZoSD = 0, mGradZoDd = 0;
    double mDeltaZe = 0, mDeltaZo = 0;

    void zSetTraceFileName(const char* name);
    void zCalcSDDd();

private:
    void mCalcInitialValue();
    void mCalcGradient();
    void mCalcGradZeSD(double sd, double dd);
    void mCalcGradZeDd(double sd, double dd);
    void mCalcGradZoSD(double sd, double dd);
    void mCalcGradZoDd(double sd, double dd);
    using TImpedanceAt = void (TQol_COAXMath1::*)(double sd, double dd, double& z);
    void mForwardDifference(TImpedanceAt impedanceAt, double sd, double dd, double perturbedSD, double perturbedDd,
                            double step, double& gradient);
    void mCalcDeltaSDDd();
    int mIsImproved();

    // Trace file.
    void mOpenTrace();
    void mCloseTrace();
    void mWriteTraceHeader();
    void mWriteTraceLine(double k);

    // Progress text and repaint request.
    void mShowStatus(const std::string& text);
    std::string mText(const Bilingual& text) const;
};
