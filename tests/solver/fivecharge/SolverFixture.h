#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fivecharge/Qol_math2.h"

// Records what the solver shows, as a window would.
struct RecordingView : StatusLabel, RepaintTarget {
    std::vector<std::string> captions;
    int repaints = 0;
    void setCaption(const std::string& text) override { captions.push_back(text); }
    void repaintNow() override { ++repaints; }
};

class SolverTest : public testing::Test {
protected:
    RecordingView view;
    TQol_COAXMath2 calc{&view, &view, 0};
    std::filesystem::path traceDir;

    void SetUp() override
    {
        std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');  // parameterised names carry "/N"
        traceDir = std::filesystem::temp_directory_path() / ("duvane-test-" + name);
        std::filesystem::remove_all(traceDir);
        std::filesystem::create_directories(traceDir);
    }
    void TearDown() override { std::filesystem::remove_all(traceDir); }

    void solve(double ze, double zo, double er)
    {
        calc.mZe = ze;
        calc.mZo = zo;
        calc.mEr = er;
        calc.zCalcSDDd();
    }

    std::string traceTo(const char* name)
    {
        const std::string path = (traceDir / name).string();
        calc.zSetTraceFileName(path.c_str());
        calc.mTraceOn = 1;
        return path;
    }

    static std::string readFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};
