// jaggo matrix: orthographic projection, translation, rotation about Z and
// the matrix product, all computed in single precision.
#include "matrix/mat4.h"

#include <cmath>

namespace jaggo {

void mat4_translation(mat4 T, float x, float y, float z) {
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            T[c][r] = c == r ? 1.0f : 0.0f;
        }
    }
    T[3][0] = x;
    T[3][1] = y;
    T[3][2] = z;
}

void mat4_ortho(mat4 M, float l, float r, float b, float t, float n, float f) {
    for (int c = 0; c < 4; ++c) {
        for (int row = 0; row < 4; ++row) {
            M[c][row] = 0.0f;
        }
    }
    M[0][0] = 2.0f / (r - l);
    M[1][1] = 2.0f / (t - b);
    M[2][2] = -2.0f / (f - n);
    M[3][0] = -(r + l) / (r - l);
    M[3][1] = -(t + b) / (t - b);
    M[3][2] = -(f + n) / (f - n);
    M[3][3] = 1.0f;
}

void mat4_rotate_z(mat4 Q, const mat4 M, float angle) {
    const float s = std::sin(angle);
    const float c = std::cos(angle);
    const mat4 R = {
        {c, s, 0.0f, 0.0f},
        {-s, c, 0.0f, 0.0f},
        {0.0f, 0.0f, 1.0f, 0.0f},
        {0.0f, 0.0f, 0.0f, 1.0f},
    };
    mat4_multiply(Q, M, R);
}

void mat4_multiply(mat4 P, const mat4 A, const mat4 B) {
    // Every element goes to a temporary first, so P may alias A or B.
    mat4 tmp;
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += A[k][r] * B[c][k];
            }
            tmp[c][r] = sum;
        }
    }
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            P[c][r] = tmp[c][r];
        }
    }
}

}  // namespace jaggo
