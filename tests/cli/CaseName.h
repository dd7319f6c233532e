#pragma once

#include <string>

#include <gtest/gtest.h>

// Names a parameterised test after its case's `name`, so that a failing CTest
// line says which case broke. Names are letters, digits and underscores, and
// unique within an instantiation.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};
