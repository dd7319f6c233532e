#include "line/ComplexMatrix.h"

#include <cmath>
#include <utility>

CMat2 operator*(const CMat2& x, const CMat2& y)
{
    return {x.a * y.a + x.b * y.c, x.a * y.b + x.b * y.d, x.c * y.a + x.d * y.c, x.c * y.b + x.d * y.d};
}

CMat2 inverse(const CMat2& m)
{
    const Complex det = m.a * m.d - m.b * m.c;
    return {m.d / det, -m.b / det, -m.c / det, m.a / det};
}

CMat2 withImaginary(const Sym2& s, double w, const Sym2& t)
{
    return {{s.xx, w * t.xx}, {s.xy, w * t.xy}, {s.xy, w * t.xy}, {s.yy, w * t.yy}};
}

CMat2 diagonal(Complex x, Complex y)
{
    return {x, 0, 0, y};
}

Mat4 identity4()
{
    Mat4 m{};
    for (int i = 0; i < 4; ++i)
        m[i][i] = 1;
    return m;
}

Mat4 operator*(const Mat4& x, const Mat4& y)
{
    Mat4 m{};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k)
            for (int j = 0; j < 4; ++j)
                m[i][j] += x[i][k] * y[k][j];
    return m;
}

bool solve4(Mat4 x, Mat4& y)
{
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 4; ++row)
            if (std::abs(x[row][col]) > std::abs(x[pivot][col]))
                pivot = row;
        if (!(std::abs(x[pivot][col]) > 0))
            return false;
        std::swap(x[pivot], x[col]);
        std::swap(y[pivot], y[col]);
        for (int row = col + 1; row < 4; ++row) {
            const Complex factor = x[row][col] / x[col][col];
            for (int j = col; j < 4; ++j)
                x[row][j] -= factor * x[col][j];
            for (int j = 0; j < 4; ++j)
                y[row][j] -= factor * y[col][j];
        }
    }
    for (int col = 3; col >= 0; --col) {
        for (int j = 0; j < 4; ++j) {
            Complex sum = y[col][j];
            for (int k = col + 1; k < 4; ++k)
                sum -= x[col][k] * y[k][j];
            y[col][j] = sum / x[col][col];
        }
    }
    return true;
}
