// jaggo matrix: the 4x4 single-precision matrix helpers the scene uses.
// Plain functions on caller-owned storage; nothing is allocated.
#pragma once

namespace jaggo {

// Four columns of four floats, column after column: m[c][r] is column c,
// row r. &m[0][0] is what glUniformMatrix4fv takes with transpose off.
using mat4 = float[4][4];

// T = identity with (x, y, z) in rows 0..2 of column 3.
void mat4_translation(mat4 T, float x, float y, float z);
// M = orthographic projection of the box l..r, b..t, n..f. A degenerate box
// (r == l, t == b or f == n) is not guarded and gives non-finite elements.
void mat4_ortho(mat4 M, float l, float r, float b, float t, float n, float f);
// Q = M * rotation by angle radians about Z. Q may be M.
void mat4_rotate_z(mat4 Q, const mat4 M, float angle);
// P = A * B. P may be A, B or both.
void mat4_multiply(mat4 P, const mat4 A, const mat4 B);

}  // namespace jaggo
