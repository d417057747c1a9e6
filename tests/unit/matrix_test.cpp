// jaggo tests: the matrix helpers (projection, translation, rotation and
// the product, including a product written over its own inputs).
#include "matrix/mat4.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using jaggo::mat4;

// Applies M to the column vector v.
void apply(const mat4 M, const float v[4], float out[4]) {
    for (int r = 0; r < 4; ++r) {
        out[r] = M[0][r] * v[0] + M[1][r] * v[1] + M[2][r] * v[2] + M[3][r] * v[3];
    }
}

TEST(Mat4, OrthoMapsBoxToClipSpace) {
    mat4 M;
    jaggo::mat4_ortho(M, -2.0f, 2.0f, -1.0f, 1.0f, 0.0f, 1.0f);
    const mat4 expected = {{0.5f, 0, 0, 0}, {0, 1.0f, 0, 0}, {0, 0, -2.0f, 0}, {0, 0, -1.0f, 1.0f}};
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            EXPECT_FLOAT_EQ(M[c][r], expected[c][r]) << "column " << c << " row " << r;
        }
    }
    // The flat storage is column after column, as glUniformMatrix4fv reads it.
    const float* flat = &M[0][0];
    EXPECT_FLOAT_EQ(flat[12], 0.0f);
    EXPECT_FLOAT_EQ(flat[14], -1.0f);
    EXPECT_FLOAT_EQ(flat[15], 1.0f);
}

TEST(Mat4, DegenerateOrthoGivesNonFiniteElements) {
    mat4 M;
    jaggo::mat4_ortho(M, 1.0f, 1.0f, -1.0f, 1.0f, 0.0f, 1.0f);
    EXPECT_FALSE(std::isfinite(M[0][0]));
    EXPECT_FALSE(std::isfinite(M[3][0]));
    EXPECT_TRUE(std::isfinite(M[1][1]));
    jaggo::mat4_ortho(M, -1.0f, 1.0f, 2.0f, 2.0f, 3.0f, 3.0f);
    EXPECT_FALSE(std::isfinite(M[1][1]));
    EXPECT_FALSE(std::isfinite(M[2][2]));
}

TEST(Mat4, TranslateThenRotate) {
    mat4 M;
    jaggo::mat4_translation(M, 0.0f, 0.0f, 0.0f);
    mat4 Q;
    jaggo::mat4_rotate_z(Q, M, 0.0f);
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            EXPECT_EQ(Q[c][r], c == r ? 1.0f : 0.0f);
        }
    }

    // A quarter turn, computed in place, maps x onto y.
    jaggo::mat4_rotate_z(M, M, 1.5707963267948966f);
    const float x[4] = {1, 0, 0, 1};
    float out[4];
    apply(M, x, out);
    EXPECT_NEAR(out[0], 0.0f, 1e-6f);
    EXPECT_NEAR(out[1], 1.0f, 1e-6f);
    EXPECT_NEAR(out[2], 0.0f, 1e-6f);
    EXPECT_NEAR(out[3], 1.0f, 1e-6f);

    // The square's corner turned about its own centre, then moved left.
    jaggo::mat4_translation(M, -1.0f, 0.0f, 0.0f);
    jaggo::mat4_rotate_z(M, M, 1.5707963267948966f);
    const float corner[4] = {0.6f, -0.6f, 0, 1};
    apply(M, corner, out);
    EXPECT_NEAR(out[0], -0.4f, 1e-6f);
    EXPECT_NEAR(out[1], 0.6f, 1e-6f);
}

void expect_matrix(const mat4 M, const mat4 expected) {
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            EXPECT_EQ(M[c][r], expected[c][r]) << "column " << c << " row " << r;
        }
    }
}

// The right factor acts first: a scale then a move is not a move then a scale, and either
// factor may also be the result.
TEST(Mat4, MultiplyAppliesTheRightFactorFirst) {
    const mat4 scale = {{2, 0, 0, 0}, {0, 3, 0, 0}, {0, 0, 4, 0}, {0, 0, 0, 1}};
    const mat4 scale_then_move = {{2, 0, 0, 0}, {0, 3, 0, 0}, {0, 0, 4, 0}, {1, 2, 3, 1}};
    const mat4 move_then_scale = {{2, 0, 0, 0}, {0, 3, 0, 0}, {0, 0, 4, 0}, {2, 6, 12, 1}};
    mat4 move;
    jaggo::mat4_translation(move, 1.0f, 2.0f, 3.0f);
    mat4 P;
    jaggo::mat4_multiply(P, move, scale);
    expect_matrix(P, scale_then_move);
    jaggo::mat4_multiply(P, scale, move);
    expect_matrix(P, move_then_scale);
    jaggo::mat4_multiply(move, move, scale);
    expect_matrix(move, scale_then_move);
    mat4 S = {{2, 0, 0, 0}, {0, 3, 0, 0}, {0, 0, 4, 0}, {0, 0, 0, 1}};
    jaggo::mat4_translation(move, 1.0f, 2.0f, 3.0f);
    jaggo::mat4_multiply(S, move, S);
    expect_matrix(S, scale_then_move);
}

// A written over both its inputs: each element of A * A worked out by hand, e.g. column 1,
// row 0: row 0 of A (1, 5, 9, 13) times column 1 (5, 6, 7, 8) = 5 + 30 + 63 + 104 = 202.
TEST(Mat4, MultiplySquaresInPlace) {
    mat4 A = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}};
    const mat4 squared = {
        {90, 100, 110, 120}, {202, 228, 254, 280}, {314, 356, 398, 440}, {426, 484, 542, 600}};
    jaggo::mat4_multiply(A, A, A);
    expect_matrix(A, squared);
}

}  // namespace
