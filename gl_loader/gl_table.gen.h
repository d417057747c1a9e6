// jaggo gl_loader: OpenGL types, enums and entry-point lists for the table.
// Generated from the Khronos registry gl.xml; do not edit. Regenerate with:
//   python3 gl_loader/gen_gl_table.py /usr/share/khronos-api/gl.xml gl_loader/gl_table.gen.h
// or the build target regenerate_gl_table. Included by gl_loader/gl.h inside
// namespace jaggo::gl; needs <cstddef>, <cstdint> and JAGGO_APIENTRY.
// Versions: OpenGL 1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 2.0, 2.1, 3.0, 3.1, 3.2, 3.3 (compatibility profile).
// Extensions: GL_ARB_multisample, GL_ARB_robustness, GL_KHR_debug, GL_ARB_internalformat_query.
// Lookups with every group loaded: 761; distinct entry points: 756.
// clang-format off

// Types (khronos_* types mapped to their standard equivalents).
typedef unsigned int GLenum;
typedef unsigned char GLboolean;
typedef unsigned int GLbitfield;
typedef std::int8_t GLbyte;
typedef std::uint8_t GLubyte;
typedef std::int16_t GLshort;
typedef std::uint16_t GLushort;
typedef int GLint;
typedef unsigned int GLuint;
typedef int GLsizei;
typedef float GLfloat;
typedef double GLdouble;
typedef char GLchar;
typedef std::intptr_t GLintptr;
typedef std::ptrdiff_t GLsizeiptr;
typedef std::int64_t GLint64;
typedef std::uint64_t GLuint64;
typedef struct __GLsync *GLsync;
typedef void (JAGGO_APIENTRY *GLDEBUGPROC)(GLenum source,GLenum type,GLuint id,GLenum severity,GLsizei length,const GLchar *message,const void *userParam);

// Enums of OpenGL 1.0.
constexpr GLbitfield GL_DEPTH_BUFFER_BIT = 0x00000100;
constexpr GLbitfield GL_STENCIL_BUFFER_BIT = 0x00000400;
constexpr GLbitfield GL_COLOR_BUFFER_BIT = 0x00004000;
constexpr GLboolean GL_FALSE = 0;
constexpr GLboolean GL_TRUE = 1;
constexpr GLenum GL_POINTS = 0x0000;
constexpr GLenum GL_LINES = 0x0001;
constexpr GLenum GL_LINE_LOOP = 0x0002;
constexpr GLenum GL_LINE_STRIP = 0x0003;
constexpr GLenum GL_TRIANGLES = 0x0004;
constexpr GLenum GL_TRIANGLE_STRIP = 0x0005;
constexpr GLenum GL_TRIANGLE_FAN = 0x0006;
constexpr GLenum GL_QUADS = 0x0007;
constexpr GLenum GL_NEVER = 0x0200;
constexpr GLenum GL_LESS = 0x0201;
constexpr GLenum GL_EQUAL = 0x0202;
constexpr GLenum GL_LEQUAL = 0x0203;
constexpr GLenum GL_GREATER = 0x0204;
constexpr GLenum GL_NOTEQUAL = 0x0205;
constexpr GLenum GL_GEQUAL = 0x0206;
constexpr GLenum GL_ALWAYS = 0x0207;
constexpr GLenum GL_ZERO = 0;
constexpr GLenum GL_ONE = 1;
constexpr GLenum GL_SRC_COLOR = 0x0300;
constexpr GLenum GL_ONE_MINUS_SRC_COLOR = 0x0301;
constexpr GLenum GL_SRC_ALPHA = 0x0302;
constexpr GLenum GL_ONE_MINUS_SRC_ALPHA = 0x0303;
constexpr GLenum GL_DST_ALPHA = 0x0304;
constexpr GLenum GL_ONE_MINUS_DST_ALPHA = 0x0305;
constexpr GLenum GL_DST_COLOR = 0x0306;
constexpr GLenum GL_ONE_MINUS_DST_COLOR = 0x0307;
constexpr GLenum GL_SRC_ALPHA_SATURATE = 0x0308;
constexpr GLenum GL_NONE = 0;
constexpr GLenum GL_FRONT_LEFT = 0x0400;
constexpr GLenum GL_FRONT_RIGHT = 0x0401;
constexpr GLenum GL_BACK_LEFT = 0x0402;
constexpr GLenum GL_BACK_RIGHT = 0x0403;
constexpr GLenum GL_FRONT = 0x0404;
constexpr GLenum GL_BACK = 0x0405;
constexpr GLenum GL_LEFT = 0x0406;
constexpr GLenum GL_RIGHT = 0x0407;
constexpr GLenum GL_FRONT_AND_BACK = 0x0408;
constexpr GLenum GL_NO_ERROR = 0;
constexpr GLenum GL_INVALID_ENUM = 0x0500;
constexpr GLenum GL_INVALID_VALUE = 0x0501;
constexpr GLenum GL_INVALID_OPERATION = 0x0502;
constexpr GLenum GL_OUT_OF_MEMORY = 0x0505;
constexpr GLenum GL_CW = 0x0900;
constexpr GLenum GL_CCW = 0x0901;
constexpr GLenum GL_POINT_SIZE = 0x0B11;
constexpr GLenum GL_POINT_SIZE_RANGE = 0x0B12;
constexpr GLenum GL_POINT_SIZE_GRANULARITY = 0x0B13;
constexpr GLenum GL_LINE_SMOOTH = 0x0B20;
constexpr GLenum GL_LINE_WIDTH = 0x0B21;
constexpr GLenum GL_LINE_WIDTH_RANGE = 0x0B22;
constexpr GLenum GL_LINE_WIDTH_GRANULARITY = 0x0B23;
constexpr GLenum GL_POLYGON_MODE = 0x0B40;
constexpr GLenum GL_POLYGON_SMOOTH = 0x0B41;
constexpr GLenum GL_CULL_FACE = 0x0B44;
constexpr GLenum GL_CULL_FACE_MODE = 0x0B45;
constexpr GLenum GL_FRONT_FACE = 0x0B46;
constexpr GLenum GL_DEPTH_RANGE = 0x0B70;
constexpr GLenum GL_DEPTH_TEST = 0x0B71;
constexpr GLenum GL_DEPTH_WRITEMASK = 0x0B72;
constexpr GLenum GL_DEPTH_CLEAR_VALUE = 0x0B73;
constexpr GLenum GL_DEPTH_FUNC = 0x0B74;
constexpr GLenum GL_STENCIL_TEST = 0x0B90;
constexpr GLenum GL_STENCIL_CLEAR_VALUE = 0x0B91;
constexpr GLenum GL_STENCIL_FUNC = 0x0B92;
constexpr GLenum GL_STENCIL_VALUE_MASK = 0x0B93;
constexpr GLenum GL_STENCIL_FAIL = 0x0B94;
constexpr GLenum GL_STENCIL_PASS_DEPTH_FAIL = 0x0B95;
constexpr GLenum GL_STENCIL_PASS_DEPTH_PASS = 0x0B96;
constexpr GLenum GL_STENCIL_REF = 0x0B97;
constexpr GLenum GL_STENCIL_WRITEMASK = 0x0B98;
constexpr GLenum GL_VIEWPORT = 0x0BA2;
constexpr GLenum GL_DITHER = 0x0BD0;
constexpr GLenum GL_BLEND_DST = 0x0BE0;
constexpr GLenum GL_BLEND_SRC = 0x0BE1;
constexpr GLenum GL_BLEND = 0x0BE2;
constexpr GLenum GL_LOGIC_OP_MODE = 0x0BF0;
constexpr GLenum GL_DRAW_BUFFER = 0x0C01;
constexpr GLenum GL_READ_BUFFER = 0x0C02;
constexpr GLenum GL_SCISSOR_BOX = 0x0C10;
constexpr GLenum GL_SCISSOR_TEST = 0x0C11;
constexpr GLenum GL_COLOR_CLEAR_VALUE = 0x0C22;
constexpr GLenum GL_COLOR_WRITEMASK = 0x0C23;
constexpr GLenum GL_DOUBLEBUFFER = 0x0C32;
constexpr GLenum GL_STEREO = 0x0C33;
constexpr GLenum GL_LINE_SMOOTH_HINT = 0x0C52;
constexpr GLenum GL_POLYGON_SMOOTH_HINT = 0x0C53;
constexpr GLenum GL_UNPACK_SWAP_BYTES = 0x0CF0;
constexpr GLenum GL_UNPACK_LSB_FIRST = 0x0CF1;
constexpr GLenum GL_UNPACK_ROW_LENGTH = 0x0CF2;
constexpr GLenum GL_UNPACK_SKIP_ROWS = 0x0CF3;
constexpr GLenum GL_UNPACK_SKIP_PIXELS = 0x0CF4;
constexpr GLenum GL_UNPACK_ALIGNMENT = 0x0CF5;
constexpr GLenum GL_PACK_SWAP_BYTES = 0x0D00;
constexpr GLenum GL_PACK_LSB_FIRST = 0x0D01;
constexpr GLenum GL_PACK_ROW_LENGTH = 0x0D02;
constexpr GLenum GL_PACK_SKIP_ROWS = 0x0D03;
constexpr GLenum GL_PACK_SKIP_PIXELS = 0x0D04;
constexpr GLenum GL_PACK_ALIGNMENT = 0x0D05;
constexpr GLenum GL_MAX_TEXTURE_SIZE = 0x0D33;
constexpr GLenum GL_MAX_VIEWPORT_DIMS = 0x0D3A;
constexpr GLenum GL_SUBPIXEL_BITS = 0x0D50;
constexpr GLenum GL_TEXTURE_1D = 0x0DE0;
constexpr GLenum GL_TEXTURE_2D = 0x0DE1;
constexpr GLenum GL_TEXTURE_WIDTH = 0x1000;
constexpr GLenum GL_TEXTURE_HEIGHT = 0x1001;
constexpr GLenum GL_TEXTURE_BORDER_COLOR = 0x1004;
constexpr GLenum GL_DONT_CARE = 0x1100;
constexpr GLenum GL_FASTEST = 0x1101;
constexpr GLenum GL_NICEST = 0x1102;
constexpr GLenum GL_BYTE = 0x1400;
constexpr GLenum GL_UNSIGNED_BYTE = 0x1401;
constexpr GLenum GL_SHORT = 0x1402;
constexpr GLenum GL_UNSIGNED_SHORT = 0x1403;
constexpr GLenum GL_INT = 0x1404;
constexpr GLenum GL_UNSIGNED_INT = 0x1405;
constexpr GLenum GL_FLOAT = 0x1406;
constexpr GLenum GL_STACK_OVERFLOW = 0x0503;
constexpr GLenum GL_STACK_UNDERFLOW = 0x0504;
constexpr GLenum GL_CLEAR = 0x1500;
constexpr GLenum GL_AND = 0x1501;
constexpr GLenum GL_AND_REVERSE = 0x1502;
constexpr GLenum GL_COPY = 0x1503;
constexpr GLenum GL_AND_INVERTED = 0x1504;
constexpr GLenum GL_NOOP = 0x1505;
constexpr GLenum GL_XOR = 0x1506;
constexpr GLenum GL_OR = 0x1507;
constexpr GLenum GL_NOR = 0x1508;
constexpr GLenum GL_EQUIV = 0x1509;
constexpr GLenum GL_INVERT = 0x150A;
constexpr GLenum GL_OR_REVERSE = 0x150B;
constexpr GLenum GL_COPY_INVERTED = 0x150C;
constexpr GLenum GL_OR_INVERTED = 0x150D;
constexpr GLenum GL_NAND = 0x150E;
constexpr GLenum GL_SET = 0x150F;
constexpr GLenum GL_TEXTURE = 0x1702;
constexpr GLenum GL_COLOR = 0x1800;
constexpr GLenum GL_DEPTH = 0x1801;
constexpr GLenum GL_STENCIL = 0x1802;
constexpr GLenum GL_STENCIL_INDEX = 0x1901;
constexpr GLenum GL_DEPTH_COMPONENT = 0x1902;
constexpr GLenum GL_RED = 0x1903;
constexpr GLenum GL_GREEN = 0x1904;
constexpr GLenum GL_BLUE = 0x1905;
constexpr GLenum GL_ALPHA = 0x1906;
constexpr GLenum GL_RGB = 0x1907;
constexpr GLenum GL_RGBA = 0x1908;
constexpr GLenum GL_POINT = 0x1B00;
constexpr GLenum GL_LINE = 0x1B01;
constexpr GLenum GL_FILL = 0x1B02;
constexpr GLenum GL_KEEP = 0x1E00;
constexpr GLenum GL_REPLACE = 0x1E01;
constexpr GLenum GL_INCR = 0x1E02;
constexpr GLenum GL_DECR = 0x1E03;
constexpr GLenum GL_VENDOR = 0x1F00;
constexpr GLenum GL_RENDERER = 0x1F01;
constexpr GLenum GL_VERSION = 0x1F02;
constexpr GLenum GL_EXTENSIONS = 0x1F03;
constexpr GLenum GL_NEAREST = 0x2600;
constexpr GLenum GL_LINEAR = 0x2601;
constexpr GLenum GL_NEAREST_MIPMAP_NEAREST = 0x2700;
constexpr GLenum GL_LINEAR_MIPMAP_NEAREST = 0x2701;
constexpr GLenum GL_NEAREST_MIPMAP_LINEAR = 0x2702;
constexpr GLenum GL_LINEAR_MIPMAP_LINEAR = 0x2703;
constexpr GLenum GL_TEXTURE_MAG_FILTER = 0x2800;
constexpr GLenum GL_TEXTURE_MIN_FILTER = 0x2801;
constexpr GLenum GL_TEXTURE_WRAP_S = 0x2802;
constexpr GLenum GL_TEXTURE_WRAP_T = 0x2803;
constexpr GLenum GL_REPEAT = 0x2901;
constexpr GLbitfield GL_CURRENT_BIT = 0x00000001;
constexpr GLbitfield GL_POINT_BIT = 0x00000002;
constexpr GLbitfield GL_LINE_BIT = 0x00000004;
constexpr GLbitfield GL_POLYGON_BIT = 0x00000008;
constexpr GLbitfield GL_POLYGON_STIPPLE_BIT = 0x00000010;
constexpr GLbitfield GL_PIXEL_MODE_BIT = 0x00000020;
constexpr GLbitfield GL_LIGHTING_BIT = 0x00000040;
constexpr GLbitfield GL_FOG_BIT = 0x00000080;
constexpr GLbitfield GL_ACCUM_BUFFER_BIT = 0x00000200;
constexpr GLbitfield GL_VIEWPORT_BIT = 0x00000800;
constexpr GLbitfield GL_TRANSFORM_BIT = 0x00001000;
constexpr GLbitfield GL_ENABLE_BIT = 0x00002000;
constexpr GLbitfield GL_HINT_BIT = 0x00008000;
constexpr GLbitfield GL_EVAL_BIT = 0x00010000;
constexpr GLbitfield GL_LIST_BIT = 0x00020000;
constexpr GLbitfield GL_TEXTURE_BIT = 0x00040000;
constexpr GLbitfield GL_SCISSOR_BIT = 0x00080000;
constexpr GLbitfield GL_ALL_ATTRIB_BITS = 0xFFFFFFFF;
constexpr GLenum GL_QUAD_STRIP = 0x0008;
constexpr GLenum GL_POLYGON = 0x0009;
constexpr GLenum GL_ACCUM = 0x0100;
constexpr GLenum GL_LOAD = 0x0101;
constexpr GLenum GL_RETURN = 0x0102;
constexpr GLenum GL_MULT = 0x0103;
constexpr GLenum GL_ADD = 0x0104;
constexpr GLenum GL_AUX0 = 0x0409;
constexpr GLenum GL_AUX1 = 0x040A;
constexpr GLenum GL_AUX2 = 0x040B;
constexpr GLenum GL_AUX3 = 0x040C;
constexpr GLenum GL_2D = 0x0600;
constexpr GLenum GL_3D = 0x0601;
constexpr GLenum GL_3D_COLOR = 0x0602;
constexpr GLenum GL_3D_COLOR_TEXTURE = 0x0603;
constexpr GLenum GL_4D_COLOR_TEXTURE = 0x0604;
constexpr GLenum GL_PASS_THROUGH_TOKEN = 0x0700;
constexpr GLenum GL_POINT_TOKEN = 0x0701;
constexpr GLenum GL_LINE_TOKEN = 0x0702;
constexpr GLenum GL_POLYGON_TOKEN = 0x0703;
constexpr GLenum GL_BITMAP_TOKEN = 0x0704;
constexpr GLenum GL_DRAW_PIXEL_TOKEN = 0x0705;
constexpr GLenum GL_COPY_PIXEL_TOKEN = 0x0706;
constexpr GLenum GL_LINE_RESET_TOKEN = 0x0707;
constexpr GLenum GL_EXP = 0x0800;
constexpr GLenum GL_EXP2 = 0x0801;
constexpr GLenum GL_COEFF = 0x0A00;
constexpr GLenum GL_ORDER = 0x0A01;
constexpr GLenum GL_DOMAIN = 0x0A02;
constexpr GLenum GL_PIXEL_MAP_I_TO_I = 0x0C70;
constexpr GLenum GL_PIXEL_MAP_S_TO_S = 0x0C71;
constexpr GLenum GL_PIXEL_MAP_I_TO_R = 0x0C72;
constexpr GLenum GL_PIXEL_MAP_I_TO_G = 0x0C73;
constexpr GLenum GL_PIXEL_MAP_I_TO_B = 0x0C74;
constexpr GLenum GL_PIXEL_MAP_I_TO_A = 0x0C75;
constexpr GLenum GL_PIXEL_MAP_R_TO_R = 0x0C76;
constexpr GLenum GL_PIXEL_MAP_G_TO_G = 0x0C77;
constexpr GLenum GL_PIXEL_MAP_B_TO_B = 0x0C78;
constexpr GLenum GL_PIXEL_MAP_A_TO_A = 0x0C79;
constexpr GLenum GL_CURRENT_COLOR = 0x0B00;
constexpr GLenum GL_CURRENT_INDEX = 0x0B01;
constexpr GLenum GL_CURRENT_NORMAL = 0x0B02;
constexpr GLenum GL_CURRENT_TEXTURE_COORDS = 0x0B03;
constexpr GLenum GL_CURRENT_RASTER_COLOR = 0x0B04;
constexpr GLenum GL_CURRENT_RASTER_INDEX = 0x0B05;
constexpr GLenum GL_CURRENT_RASTER_TEXTURE_COORDS = 0x0B06;
constexpr GLenum GL_CURRENT_RASTER_POSITION = 0x0B07;
constexpr GLenum GL_CURRENT_RASTER_POSITION_VALID = 0x0B08;
constexpr GLenum GL_CURRENT_RASTER_DISTANCE = 0x0B09;
constexpr GLenum GL_POINT_SMOOTH = 0x0B10;
constexpr GLenum GL_LINE_STIPPLE = 0x0B24;
constexpr GLenum GL_LINE_STIPPLE_PATTERN = 0x0B25;
constexpr GLenum GL_LINE_STIPPLE_REPEAT = 0x0B26;
constexpr GLenum GL_LIST_MODE = 0x0B30;
constexpr GLenum GL_MAX_LIST_NESTING = 0x0B31;
constexpr GLenum GL_LIST_BASE = 0x0B32;
constexpr GLenum GL_LIST_INDEX = 0x0B33;
constexpr GLenum GL_POLYGON_STIPPLE = 0x0B42;
constexpr GLenum GL_EDGE_FLAG = 0x0B43;
constexpr GLenum GL_LIGHTING = 0x0B50;
constexpr GLenum GL_LIGHT_MODEL_LOCAL_VIEWER = 0x0B51;
constexpr GLenum GL_LIGHT_MODEL_TWO_SIDE = 0x0B52;
constexpr GLenum GL_LIGHT_MODEL_AMBIENT = 0x0B53;
constexpr GLenum GL_SHADE_MODEL = 0x0B54;
constexpr GLenum GL_COLOR_MATERIAL_FACE = 0x0B55;
constexpr GLenum GL_COLOR_MATERIAL_PARAMETER = 0x0B56;
constexpr GLenum GL_COLOR_MATERIAL = 0x0B57;
constexpr GLenum GL_FOG = 0x0B60;
constexpr GLenum GL_FOG_INDEX = 0x0B61;
constexpr GLenum GL_FOG_DENSITY = 0x0B62;
constexpr GLenum GL_FOG_START = 0x0B63;
constexpr GLenum GL_FOG_END = 0x0B64;
constexpr GLenum GL_FOG_MODE = 0x0B65;
constexpr GLenum GL_FOG_COLOR = 0x0B66;
constexpr GLenum GL_ACCUM_CLEAR_VALUE = 0x0B80;
constexpr GLenum GL_MATRIX_MODE = 0x0BA0;
constexpr GLenum GL_NORMALIZE = 0x0BA1;
constexpr GLenum GL_MODELVIEW_STACK_DEPTH = 0x0BA3;
constexpr GLenum GL_PROJECTION_STACK_DEPTH = 0x0BA4;
constexpr GLenum GL_TEXTURE_STACK_DEPTH = 0x0BA5;
constexpr GLenum GL_MODELVIEW_MATRIX = 0x0BA6;
constexpr GLenum GL_PROJECTION_MATRIX = 0x0BA7;
constexpr GLenum GL_TEXTURE_MATRIX = 0x0BA8;
constexpr GLenum GL_ATTRIB_STACK_DEPTH = 0x0BB0;
constexpr GLenum GL_ALPHA_TEST = 0x0BC0;
constexpr GLenum GL_ALPHA_TEST_FUNC = 0x0BC1;
constexpr GLenum GL_ALPHA_TEST_REF = 0x0BC2;
constexpr GLenum GL_LOGIC_OP = 0x0BF1;
constexpr GLenum GL_AUX_BUFFERS = 0x0C00;
constexpr GLenum GL_INDEX_CLEAR_VALUE = 0x0C20;
constexpr GLenum GL_INDEX_WRITEMASK = 0x0C21;
constexpr GLenum GL_INDEX_MODE = 0x0C30;
constexpr GLenum GL_RGBA_MODE = 0x0C31;
constexpr GLenum GL_RENDER_MODE = 0x0C40;
constexpr GLenum GL_PERSPECTIVE_CORRECTION_HINT = 0x0C50;
constexpr GLenum GL_POINT_SMOOTH_HINT = 0x0C51;
constexpr GLenum GL_FOG_HINT = 0x0C54;
constexpr GLenum GL_TEXTURE_GEN_S = 0x0C60;
constexpr GLenum GL_TEXTURE_GEN_T = 0x0C61;
constexpr GLenum GL_TEXTURE_GEN_R = 0x0C62;
constexpr GLenum GL_TEXTURE_GEN_Q = 0x0C63;
constexpr GLenum GL_PIXEL_MAP_I_TO_I_SIZE = 0x0CB0;
constexpr GLenum GL_PIXEL_MAP_S_TO_S_SIZE = 0x0CB1;
constexpr GLenum GL_PIXEL_MAP_I_TO_R_SIZE = 0x0CB2;
constexpr GLenum GL_PIXEL_MAP_I_TO_G_SIZE = 0x0CB3;
constexpr GLenum GL_PIXEL_MAP_I_TO_B_SIZE = 0x0CB4;
constexpr GLenum GL_PIXEL_MAP_I_TO_A_SIZE = 0x0CB5;
constexpr GLenum GL_PIXEL_MAP_R_TO_R_SIZE = 0x0CB6;
constexpr GLenum GL_PIXEL_MAP_G_TO_G_SIZE = 0x0CB7;
constexpr GLenum GL_PIXEL_MAP_B_TO_B_SIZE = 0x0CB8;
constexpr GLenum GL_PIXEL_MAP_A_TO_A_SIZE = 0x0CB9;
constexpr GLenum GL_MAP_COLOR = 0x0D10;
constexpr GLenum GL_MAP_STENCIL = 0x0D11;
constexpr GLenum GL_INDEX_SHIFT = 0x0D12;
constexpr GLenum GL_INDEX_OFFSET = 0x0D13;
constexpr GLenum GL_RED_SCALE = 0x0D14;
constexpr GLenum GL_RED_BIAS = 0x0D15;
constexpr GLenum GL_ZOOM_X = 0x0D16;
constexpr GLenum GL_ZOOM_Y = 0x0D17;
constexpr GLenum GL_GREEN_SCALE = 0x0D18;
constexpr GLenum GL_GREEN_BIAS = 0x0D19;
constexpr GLenum GL_BLUE_SCALE = 0x0D1A;
constexpr GLenum GL_BLUE_BIAS = 0x0D1B;
constexpr GLenum GL_ALPHA_SCALE = 0x0D1C;
constexpr GLenum GL_ALPHA_BIAS = 0x0D1D;
constexpr GLenum GL_DEPTH_SCALE = 0x0D1E;
constexpr GLenum GL_DEPTH_BIAS = 0x0D1F;
constexpr GLenum GL_MAX_EVAL_ORDER = 0x0D30;
constexpr GLenum GL_MAX_LIGHTS = 0x0D31;
constexpr GLenum GL_MAX_CLIP_PLANES = 0x0D32;
constexpr GLenum GL_MAX_PIXEL_MAP_TABLE = 0x0D34;
constexpr GLenum GL_MAX_ATTRIB_STACK_DEPTH = 0x0D35;
constexpr GLenum GL_MAX_MODELVIEW_STACK_DEPTH = 0x0D36;
constexpr GLenum GL_MAX_NAME_STACK_DEPTH = 0x0D37;
constexpr GLenum GL_MAX_PROJECTION_STACK_DEPTH = 0x0D38;
constexpr GLenum GL_MAX_TEXTURE_STACK_DEPTH = 0x0D39;
constexpr GLenum GL_INDEX_BITS = 0x0D51;
constexpr GLenum GL_RED_BITS = 0x0D52;
constexpr GLenum GL_GREEN_BITS = 0x0D53;
constexpr GLenum GL_BLUE_BITS = 0x0D54;
constexpr GLenum GL_ALPHA_BITS = 0x0D55;
constexpr GLenum GL_DEPTH_BITS = 0x0D56;
constexpr GLenum GL_STENCIL_BITS = 0x0D57;
constexpr GLenum GL_ACCUM_RED_BITS = 0x0D58;
constexpr GLenum GL_ACCUM_GREEN_BITS = 0x0D59;
constexpr GLenum GL_ACCUM_BLUE_BITS = 0x0D5A;
constexpr GLenum GL_ACCUM_ALPHA_BITS = 0x0D5B;
constexpr GLenum GL_NAME_STACK_DEPTH = 0x0D70;
constexpr GLenum GL_AUTO_NORMAL = 0x0D80;
constexpr GLenum GL_MAP1_COLOR_4 = 0x0D90;
constexpr GLenum GL_MAP1_INDEX = 0x0D91;
constexpr GLenum GL_MAP1_NORMAL = 0x0D92;
constexpr GLenum GL_MAP1_TEXTURE_COORD_1 = 0x0D93;
constexpr GLenum GL_MAP1_TEXTURE_COORD_2 = 0x0D94;
constexpr GLenum GL_MAP1_TEXTURE_COORD_3 = 0x0D95;
constexpr GLenum GL_MAP1_TEXTURE_COORD_4 = 0x0D96;
constexpr GLenum GL_MAP1_VERTEX_3 = 0x0D97;
constexpr GLenum GL_MAP1_VERTEX_4 = 0x0D98;
constexpr GLenum GL_MAP2_COLOR_4 = 0x0DB0;
constexpr GLenum GL_MAP2_INDEX = 0x0DB1;
constexpr GLenum GL_MAP2_NORMAL = 0x0DB2;
constexpr GLenum GL_MAP2_TEXTURE_COORD_1 = 0x0DB3;
constexpr GLenum GL_MAP2_TEXTURE_COORD_2 = 0x0DB4;
constexpr GLenum GL_MAP2_TEXTURE_COORD_3 = 0x0DB5;
constexpr GLenum GL_MAP2_TEXTURE_COORD_4 = 0x0DB6;
constexpr GLenum GL_MAP2_VERTEX_3 = 0x0DB7;
constexpr GLenum GL_MAP2_VERTEX_4 = 0x0DB8;
constexpr GLenum GL_MAP1_GRID_DOMAIN = 0x0DD0;
constexpr GLenum GL_MAP1_GRID_SEGMENTS = 0x0DD1;
constexpr GLenum GL_MAP2_GRID_DOMAIN = 0x0DD2;
constexpr GLenum GL_MAP2_GRID_SEGMENTS = 0x0DD3;
constexpr GLenum GL_TEXTURE_COMPONENTS = 0x1003;
constexpr GLenum GL_TEXTURE_BORDER = 0x1005;
constexpr GLenum GL_AMBIENT = 0x1200;
constexpr GLenum GL_DIFFUSE = 0x1201;
constexpr GLenum GL_SPECULAR = 0x1202;
constexpr GLenum GL_POSITION = 0x1203;
constexpr GLenum GL_SPOT_DIRECTION = 0x1204;
constexpr GLenum GL_SPOT_EXPONENT = 0x1205;
constexpr GLenum GL_SPOT_CUTOFF = 0x1206;
constexpr GLenum GL_CONSTANT_ATTENUATION = 0x1207;
constexpr GLenum GL_LINEAR_ATTENUATION = 0x1208;
constexpr GLenum GL_QUADRATIC_ATTENUATION = 0x1209;
constexpr GLenum GL_COMPILE = 0x1300;
constexpr GLenum GL_COMPILE_AND_EXECUTE = 0x1301;
constexpr GLenum GL_2_BYTES = 0x1407;
constexpr GLenum GL_3_BYTES = 0x1408;
constexpr GLenum GL_4_BYTES = 0x1409;
constexpr GLenum GL_EMISSION = 0x1600;
constexpr GLenum GL_SHININESS = 0x1601;
constexpr GLenum GL_AMBIENT_AND_DIFFUSE = 0x1602;
constexpr GLenum GL_COLOR_INDEXES = 0x1603;
constexpr GLenum GL_MODELVIEW = 0x1700;
constexpr GLenum GL_PROJECTION = 0x1701;
constexpr GLenum GL_COLOR_INDEX = 0x1900;
constexpr GLenum GL_LUMINANCE = 0x1909;
constexpr GLenum GL_LUMINANCE_ALPHA = 0x190A;
constexpr GLenum GL_BITMAP = 0x1A00;
constexpr GLenum GL_RENDER = 0x1C00;
constexpr GLenum GL_FEEDBACK = 0x1C01;
constexpr GLenum GL_SELECT = 0x1C02;
constexpr GLenum GL_FLAT = 0x1D00;
constexpr GLenum GL_SMOOTH = 0x1D01;
constexpr GLenum GL_S = 0x2000;
constexpr GLenum GL_T = 0x2001;
constexpr GLenum GL_R = 0x2002;
constexpr GLenum GL_Q = 0x2003;
constexpr GLenum GL_MODULATE = 0x2100;
constexpr GLenum GL_DECAL = 0x2101;
constexpr GLenum GL_TEXTURE_ENV_MODE = 0x2200;
constexpr GLenum GL_TEXTURE_ENV_COLOR = 0x2201;
constexpr GLenum GL_TEXTURE_ENV = 0x2300;
constexpr GLenum GL_EYE_LINEAR = 0x2400;
constexpr GLenum GL_OBJECT_LINEAR = 0x2401;
constexpr GLenum GL_SPHERE_MAP = 0x2402;
constexpr GLenum GL_TEXTURE_GEN_MODE = 0x2500;
constexpr GLenum GL_OBJECT_PLANE = 0x2501;
constexpr GLenum GL_EYE_PLANE = 0x2502;
constexpr GLenum GL_CLAMP = 0x2900;
constexpr GLenum GL_CLIP_PLANE0 = 0x3000;
constexpr GLenum GL_CLIP_PLANE1 = 0x3001;
constexpr GLenum GL_CLIP_PLANE2 = 0x3002;
constexpr GLenum GL_CLIP_PLANE3 = 0x3003;
constexpr GLenum GL_CLIP_PLANE4 = 0x3004;
constexpr GLenum GL_CLIP_PLANE5 = 0x3005;
constexpr GLenum GL_LIGHT0 = 0x4000;
constexpr GLenum GL_LIGHT1 = 0x4001;
constexpr GLenum GL_LIGHT2 = 0x4002;
constexpr GLenum GL_LIGHT3 = 0x4003;
constexpr GLenum GL_LIGHT4 = 0x4004;
constexpr GLenum GL_LIGHT5 = 0x4005;
constexpr GLenum GL_LIGHT6 = 0x4006;
constexpr GLenum GL_LIGHT7 = 0x4007;

// Enums of OpenGL 1.1.
constexpr GLenum GL_COLOR_LOGIC_OP = 0x0BF2;
constexpr GLenum GL_POLYGON_OFFSET_UNITS = 0x2A00;
constexpr GLenum GL_POLYGON_OFFSET_POINT = 0x2A01;
constexpr GLenum GL_POLYGON_OFFSET_LINE = 0x2A02;
constexpr GLenum GL_POLYGON_OFFSET_FILL = 0x8037;
constexpr GLenum GL_POLYGON_OFFSET_FACTOR = 0x8038;
constexpr GLenum GL_TEXTURE_BINDING_1D = 0x8068;
constexpr GLenum GL_TEXTURE_BINDING_2D = 0x8069;
constexpr GLenum GL_TEXTURE_INTERNAL_FORMAT = 0x1003;
constexpr GLenum GL_TEXTURE_RED_SIZE = 0x805C;
constexpr GLenum GL_TEXTURE_GREEN_SIZE = 0x805D;
constexpr GLenum GL_TEXTURE_BLUE_SIZE = 0x805E;
constexpr GLenum GL_TEXTURE_ALPHA_SIZE = 0x805F;
constexpr GLenum GL_DOUBLE = 0x140A;
constexpr GLenum GL_PROXY_TEXTURE_1D = 0x8063;
constexpr GLenum GL_PROXY_TEXTURE_2D = 0x8064;
constexpr GLenum GL_R3_G3_B2 = 0x2A10;
constexpr GLenum GL_RGB4 = 0x804F;
constexpr GLenum GL_RGB5 = 0x8050;
constexpr GLenum GL_RGB8 = 0x8051;
constexpr GLenum GL_RGB10 = 0x8052;
constexpr GLenum GL_RGB12 = 0x8053;
constexpr GLenum GL_RGB16 = 0x8054;
constexpr GLenum GL_RGBA2 = 0x8055;
constexpr GLenum GL_RGBA4 = 0x8056;
constexpr GLenum GL_RGB5_A1 = 0x8057;
constexpr GLenum GL_RGBA8 = 0x8058;
constexpr GLenum GL_RGB10_A2 = 0x8059;
constexpr GLenum GL_RGBA12 = 0x805A;
constexpr GLenum GL_RGBA16 = 0x805B;
constexpr GLbitfield GL_CLIENT_PIXEL_STORE_BIT = 0x00000001;
constexpr GLbitfield GL_CLIENT_VERTEX_ARRAY_BIT = 0x00000002;
constexpr GLbitfield GL_CLIENT_ALL_ATTRIB_BITS = 0xFFFFFFFF;
constexpr GLenum GL_VERTEX_ARRAY_POINTER = 0x808E;
constexpr GLenum GL_NORMAL_ARRAY_POINTER = 0x808F;
constexpr GLenum GL_COLOR_ARRAY_POINTER = 0x8090;
constexpr GLenum GL_INDEX_ARRAY_POINTER = 0x8091;
constexpr GLenum GL_TEXTURE_COORD_ARRAY_POINTER = 0x8092;
constexpr GLenum GL_EDGE_FLAG_ARRAY_POINTER = 0x8093;
constexpr GLenum GL_FEEDBACK_BUFFER_POINTER = 0x0DF0;
constexpr GLenum GL_SELECTION_BUFFER_POINTER = 0x0DF3;
constexpr GLenum GL_CLIENT_ATTRIB_STACK_DEPTH = 0x0BB1;
constexpr GLenum GL_INDEX_LOGIC_OP = 0x0BF1;
constexpr GLenum GL_MAX_CLIENT_ATTRIB_STACK_DEPTH = 0x0D3B;
constexpr GLenum GL_FEEDBACK_BUFFER_SIZE = 0x0DF1;
constexpr GLenum GL_FEEDBACK_BUFFER_TYPE = 0x0DF2;
constexpr GLenum GL_SELECTION_BUFFER_SIZE = 0x0DF4;
constexpr GLenum GL_VERTEX_ARRAY = 0x8074;
constexpr GLenum GL_NORMAL_ARRAY = 0x8075;
constexpr GLenum GL_COLOR_ARRAY = 0x8076;
constexpr GLenum GL_INDEX_ARRAY = 0x8077;
constexpr GLenum GL_TEXTURE_COORD_ARRAY = 0x8078;
constexpr GLenum GL_EDGE_FLAG_ARRAY = 0x8079;
constexpr GLenum GL_VERTEX_ARRAY_SIZE = 0x807A;
constexpr GLenum GL_VERTEX_ARRAY_TYPE = 0x807B;
constexpr GLenum GL_VERTEX_ARRAY_STRIDE = 0x807C;
constexpr GLenum GL_NORMAL_ARRAY_TYPE = 0x807E;
constexpr GLenum GL_NORMAL_ARRAY_STRIDE = 0x807F;
constexpr GLenum GL_COLOR_ARRAY_SIZE = 0x8081;
constexpr GLenum GL_COLOR_ARRAY_TYPE = 0x8082;
constexpr GLenum GL_COLOR_ARRAY_STRIDE = 0x8083;
constexpr GLenum GL_INDEX_ARRAY_TYPE = 0x8085;
constexpr GLenum GL_INDEX_ARRAY_STRIDE = 0x8086;
constexpr GLenum GL_TEXTURE_COORD_ARRAY_SIZE = 0x8088;
constexpr GLenum GL_TEXTURE_COORD_ARRAY_TYPE = 0x8089;
constexpr GLenum GL_TEXTURE_COORD_ARRAY_STRIDE = 0x808A;
constexpr GLenum GL_EDGE_FLAG_ARRAY_STRIDE = 0x808C;
constexpr GLenum GL_TEXTURE_LUMINANCE_SIZE = 0x8060;
constexpr GLenum GL_TEXTURE_INTENSITY_SIZE = 0x8061;
constexpr GLenum GL_TEXTURE_PRIORITY = 0x8066;
constexpr GLenum GL_TEXTURE_RESIDENT = 0x8067;
constexpr GLenum GL_ALPHA4 = 0x803B;
constexpr GLenum GL_ALPHA8 = 0x803C;
constexpr GLenum GL_ALPHA12 = 0x803D;
constexpr GLenum GL_ALPHA16 = 0x803E;
constexpr GLenum GL_LUMINANCE4 = 0x803F;
constexpr GLenum GL_LUMINANCE8 = 0x8040;
constexpr GLenum GL_LUMINANCE12 = 0x8041;
constexpr GLenum GL_LUMINANCE16 = 0x8042;
constexpr GLenum GL_LUMINANCE4_ALPHA4 = 0x8043;
constexpr GLenum GL_LUMINANCE6_ALPHA2 = 0x8044;
constexpr GLenum GL_LUMINANCE8_ALPHA8 = 0x8045;
constexpr GLenum GL_LUMINANCE12_ALPHA4 = 0x8046;
constexpr GLenum GL_LUMINANCE12_ALPHA12 = 0x8047;
constexpr GLenum GL_LUMINANCE16_ALPHA16 = 0x8048;
constexpr GLenum GL_INTENSITY = 0x8049;
constexpr GLenum GL_INTENSITY4 = 0x804A;
constexpr GLenum GL_INTENSITY8 = 0x804B;
constexpr GLenum GL_INTENSITY12 = 0x804C;
constexpr GLenum GL_INTENSITY16 = 0x804D;
constexpr GLenum GL_V2F = 0x2A20;
constexpr GLenum GL_V3F = 0x2A21;
constexpr GLenum GL_C4UB_V2F = 0x2A22;
constexpr GLenum GL_C4UB_V3F = 0x2A23;
constexpr GLenum GL_C3F_V3F = 0x2A24;
constexpr GLenum GL_N3F_V3F = 0x2A25;
constexpr GLenum GL_C4F_N3F_V3F = 0x2A26;
constexpr GLenum GL_T2F_V3F = 0x2A27;
constexpr GLenum GL_T4F_V4F = 0x2A28;
constexpr GLenum GL_T2F_C4UB_V3F = 0x2A29;
constexpr GLenum GL_T2F_C3F_V3F = 0x2A2A;
constexpr GLenum GL_T2F_N3F_V3F = 0x2A2B;
constexpr GLenum GL_T2F_C4F_N3F_V3F = 0x2A2C;
constexpr GLenum GL_T4F_C4F_N3F_V4F = 0x2A2D;

// Enums of OpenGL 1.2.
constexpr GLenum GL_UNSIGNED_BYTE_3_3_2 = 0x8032;
constexpr GLenum GL_UNSIGNED_SHORT_4_4_4_4 = 0x8033;
constexpr GLenum GL_UNSIGNED_SHORT_5_5_5_1 = 0x8034;
constexpr GLenum GL_UNSIGNED_INT_8_8_8_8 = 0x8035;
constexpr GLenum GL_UNSIGNED_INT_10_10_10_2 = 0x8036;
constexpr GLenum GL_TEXTURE_BINDING_3D = 0x806A;
constexpr GLenum GL_PACK_SKIP_IMAGES = 0x806B;
constexpr GLenum GL_PACK_IMAGE_HEIGHT = 0x806C;
constexpr GLenum GL_UNPACK_SKIP_IMAGES = 0x806D;
constexpr GLenum GL_UNPACK_IMAGE_HEIGHT = 0x806E;
constexpr GLenum GL_TEXTURE_3D = 0x806F;
constexpr GLenum GL_PROXY_TEXTURE_3D = 0x8070;
constexpr GLenum GL_TEXTURE_DEPTH = 0x8071;
constexpr GLenum GL_TEXTURE_WRAP_R = 0x8072;
constexpr GLenum GL_MAX_3D_TEXTURE_SIZE = 0x8073;
constexpr GLenum GL_UNSIGNED_BYTE_2_3_3_REV = 0x8362;
constexpr GLenum GL_UNSIGNED_SHORT_5_6_5 = 0x8363;
constexpr GLenum GL_UNSIGNED_SHORT_5_6_5_REV = 0x8364;
constexpr GLenum GL_UNSIGNED_SHORT_4_4_4_4_REV = 0x8365;
constexpr GLenum GL_UNSIGNED_SHORT_1_5_5_5_REV = 0x8366;
constexpr GLenum GL_UNSIGNED_INT_8_8_8_8_REV = 0x8367;
constexpr GLenum GL_UNSIGNED_INT_2_10_10_10_REV = 0x8368;
constexpr GLenum GL_BGR = 0x80E0;
constexpr GLenum GL_BGRA = 0x80E1;
constexpr GLenum GL_MAX_ELEMENTS_VERTICES = 0x80E8;
constexpr GLenum GL_MAX_ELEMENTS_INDICES = 0x80E9;
constexpr GLenum GL_CLAMP_TO_EDGE = 0x812F;
constexpr GLenum GL_TEXTURE_MIN_LOD = 0x813A;
constexpr GLenum GL_TEXTURE_MAX_LOD = 0x813B;
constexpr GLenum GL_TEXTURE_BASE_LEVEL = 0x813C;
constexpr GLenum GL_TEXTURE_MAX_LEVEL = 0x813D;
constexpr GLenum GL_SMOOTH_POINT_SIZE_RANGE = 0x0B12;
constexpr GLenum GL_SMOOTH_POINT_SIZE_GRANULARITY = 0x0B13;
constexpr GLenum GL_SMOOTH_LINE_WIDTH_RANGE = 0x0B22;
constexpr GLenum GL_SMOOTH_LINE_WIDTH_GRANULARITY = 0x0B23;
constexpr GLenum GL_ALIASED_LINE_WIDTH_RANGE = 0x846E;
constexpr GLenum GL_RESCALE_NORMAL = 0x803A;
constexpr GLenum GL_LIGHT_MODEL_COLOR_CONTROL = 0x81F8;
constexpr GLenum GL_SINGLE_COLOR = 0x81F9;
constexpr GLenum GL_SEPARATE_SPECULAR_COLOR = 0x81FA;
constexpr GLenum GL_ALIASED_POINT_SIZE_RANGE = 0x846D;

// Enums of OpenGL 1.3.
constexpr GLenum GL_TEXTURE0 = 0x84C0;
constexpr GLenum GL_TEXTURE1 = 0x84C1;
constexpr GLenum GL_TEXTURE2 = 0x84C2;
constexpr GLenum GL_TEXTURE3 = 0x84C3;
constexpr GLenum GL_TEXTURE4 = 0x84C4;
constexpr GLenum GL_TEXTURE5 = 0x84C5;
constexpr GLenum GL_TEXTURE6 = 0x84C6;
constexpr GLenum GL_TEXTURE7 = 0x84C7;
constexpr GLenum GL_TEXTURE8 = 0x84C8;
constexpr GLenum GL_TEXTURE9 = 0x84C9;
constexpr GLenum GL_TEXTURE10 = 0x84CA;
constexpr GLenum GL_TEXTURE11 = 0x84CB;
constexpr GLenum GL_TEXTURE12 = 0x84CC;
constexpr GLenum GL_TEXTURE13 = 0x84CD;
constexpr GLenum GL_TEXTURE14 = 0x84CE;
constexpr GLenum GL_TEXTURE15 = 0x84CF;
constexpr GLenum GL_TEXTURE16 = 0x84D0;
constexpr GLenum GL_TEXTURE17 = 0x84D1;
constexpr GLenum GL_TEXTURE18 = 0x84D2;
constexpr GLenum GL_TEXTURE19 = 0x84D3;
constexpr GLenum GL_TEXTURE20 = 0x84D4;
constexpr GLenum GL_TEXTURE21 = 0x84D5;
constexpr GLenum GL_TEXTURE22 = 0x84D6;
constexpr GLenum GL_TEXTURE23 = 0x84D7;
constexpr GLenum GL_TEXTURE24 = 0x84D8;
constexpr GLenum GL_TEXTURE25 = 0x84D9;
constexpr GLenum GL_TEXTURE26 = 0x84DA;
constexpr GLenum GL_TEXTURE27 = 0x84DB;
constexpr GLenum GL_TEXTURE28 = 0x84DC;
constexpr GLenum GL_TEXTURE29 = 0x84DD;
constexpr GLenum GL_TEXTURE30 = 0x84DE;
constexpr GLenum GL_TEXTURE31 = 0x84DF;
constexpr GLenum GL_ACTIVE_TEXTURE = 0x84E0;
constexpr GLenum GL_MULTISAMPLE = 0x809D;
constexpr GLenum GL_SAMPLE_ALPHA_TO_COVERAGE = 0x809E;
constexpr GLenum GL_SAMPLE_ALPHA_TO_ONE = 0x809F;
constexpr GLenum GL_SAMPLE_COVERAGE = 0x80A0;
constexpr GLenum GL_SAMPLE_BUFFERS = 0x80A8;
constexpr GLenum GL_SAMPLES = 0x80A9;
constexpr GLenum GL_SAMPLE_COVERAGE_VALUE = 0x80AA;
constexpr GLenum GL_SAMPLE_COVERAGE_INVERT = 0x80AB;
constexpr GLenum GL_TEXTURE_CUBE_MAP = 0x8513;
constexpr GLenum GL_TEXTURE_BINDING_CUBE_MAP = 0x8514;
constexpr GLenum GL_TEXTURE_CUBE_MAP_POSITIVE_X = 0x8515;
constexpr GLenum GL_TEXTURE_CUBE_MAP_NEGATIVE_X = 0x8516;
constexpr GLenum GL_TEXTURE_CUBE_MAP_POSITIVE_Y = 0x8517;
constexpr GLenum GL_TEXTURE_CUBE_MAP_NEGATIVE_Y = 0x8518;
constexpr GLenum GL_TEXTURE_CUBE_MAP_POSITIVE_Z = 0x8519;
constexpr GLenum GL_TEXTURE_CUBE_MAP_NEGATIVE_Z = 0x851A;
constexpr GLenum GL_PROXY_TEXTURE_CUBE_MAP = 0x851B;
constexpr GLenum GL_MAX_CUBE_MAP_TEXTURE_SIZE = 0x851C;
constexpr GLenum GL_COMPRESSED_RGB = 0x84ED;
constexpr GLenum GL_COMPRESSED_RGBA = 0x84EE;
constexpr GLenum GL_TEXTURE_COMPRESSION_HINT = 0x84EF;
constexpr GLenum GL_TEXTURE_COMPRESSED_IMAGE_SIZE = 0x86A0;
constexpr GLenum GL_TEXTURE_COMPRESSED = 0x86A1;
constexpr GLenum GL_NUM_COMPRESSED_TEXTURE_FORMATS = 0x86A2;
constexpr GLenum GL_COMPRESSED_TEXTURE_FORMATS = 0x86A3;
constexpr GLenum GL_CLAMP_TO_BORDER = 0x812D;
constexpr GLenum GL_CLIENT_ACTIVE_TEXTURE = 0x84E1;
constexpr GLenum GL_MAX_TEXTURE_UNITS = 0x84E2;
constexpr GLenum GL_TRANSPOSE_MODELVIEW_MATRIX = 0x84E3;
constexpr GLenum GL_TRANSPOSE_PROJECTION_MATRIX = 0x84E4;
constexpr GLenum GL_TRANSPOSE_TEXTURE_MATRIX = 0x84E5;
constexpr GLenum GL_TRANSPOSE_COLOR_MATRIX = 0x84E6;
constexpr GLbitfield GL_MULTISAMPLE_BIT = 0x20000000;
constexpr GLenum GL_NORMAL_MAP = 0x8511;
constexpr GLenum GL_REFLECTION_MAP = 0x8512;
constexpr GLenum GL_COMPRESSED_ALPHA = 0x84E9;
constexpr GLenum GL_COMPRESSED_LUMINANCE = 0x84EA;
constexpr GLenum GL_COMPRESSED_LUMINANCE_ALPHA = 0x84EB;
constexpr GLenum GL_COMPRESSED_INTENSITY = 0x84EC;
constexpr GLenum GL_COMBINE = 0x8570;
constexpr GLenum GL_COMBINE_RGB = 0x8571;
constexpr GLenum GL_COMBINE_ALPHA = 0x8572;
constexpr GLenum GL_SOURCE0_RGB = 0x8580;
constexpr GLenum GL_SOURCE1_RGB = 0x8581;
constexpr GLenum GL_SOURCE2_RGB = 0x8582;
constexpr GLenum GL_SOURCE0_ALPHA = 0x8588;
constexpr GLenum GL_SOURCE1_ALPHA = 0x8589;
constexpr GLenum GL_SOURCE2_ALPHA = 0x858A;
constexpr GLenum GL_OPERAND0_RGB = 0x8590;
constexpr GLenum GL_OPERAND1_RGB = 0x8591;
constexpr GLenum GL_OPERAND2_RGB = 0x8592;
constexpr GLenum GL_OPERAND0_ALPHA = 0x8598;
constexpr GLenum GL_OPERAND1_ALPHA = 0x8599;
constexpr GLenum GL_OPERAND2_ALPHA = 0x859A;
constexpr GLenum GL_RGB_SCALE = 0x8573;
constexpr GLenum GL_ADD_SIGNED = 0x8574;
constexpr GLenum GL_INTERPOLATE = 0x8575;
constexpr GLenum GL_SUBTRACT = 0x84E7;
constexpr GLenum GL_CONSTANT = 0x8576;
constexpr GLenum GL_PRIMARY_COLOR = 0x8577;
constexpr GLenum GL_PREVIOUS = 0x8578;
constexpr GLenum GL_DOT3_RGB = 0x86AE;
constexpr GLenum GL_DOT3_RGBA = 0x86AF;

// Enums of OpenGL 1.4.
constexpr GLenum GL_BLEND_DST_RGB = 0x80C8;
constexpr GLenum GL_BLEND_SRC_RGB = 0x80C9;
constexpr GLenum GL_BLEND_DST_ALPHA = 0x80CA;
constexpr GLenum GL_BLEND_SRC_ALPHA = 0x80CB;
constexpr GLenum GL_POINT_FADE_THRESHOLD_SIZE = 0x8128;
constexpr GLenum GL_DEPTH_COMPONENT16 = 0x81A5;
constexpr GLenum GL_DEPTH_COMPONENT24 = 0x81A6;
constexpr GLenum GL_DEPTH_COMPONENT32 = 0x81A7;
constexpr GLenum GL_MIRRORED_REPEAT = 0x8370;
constexpr GLenum GL_MAX_TEXTURE_LOD_BIAS = 0x84FD;
constexpr GLenum GL_TEXTURE_LOD_BIAS = 0x8501;
constexpr GLenum GL_INCR_WRAP = 0x8507;
constexpr GLenum GL_DECR_WRAP = 0x8508;
constexpr GLenum GL_TEXTURE_DEPTH_SIZE = 0x884A;
constexpr GLenum GL_TEXTURE_COMPARE_MODE = 0x884C;
constexpr GLenum GL_TEXTURE_COMPARE_FUNC = 0x884D;
constexpr GLenum GL_POINT_SIZE_MIN = 0x8126;
constexpr GLenum GL_POINT_SIZE_MAX = 0x8127;
constexpr GLenum GL_POINT_DISTANCE_ATTENUATION = 0x8129;
constexpr GLenum GL_GENERATE_MIPMAP = 0x8191;
constexpr GLenum GL_GENERATE_MIPMAP_HINT = 0x8192;
constexpr GLenum GL_FOG_COORDINATE_SOURCE = 0x8450;
constexpr GLenum GL_FOG_COORDINATE = 0x8451;
constexpr GLenum GL_FRAGMENT_DEPTH = 0x8452;
constexpr GLenum GL_CURRENT_FOG_COORDINATE = 0x8453;
constexpr GLenum GL_FOG_COORDINATE_ARRAY_TYPE = 0x8454;
constexpr GLenum GL_FOG_COORDINATE_ARRAY_STRIDE = 0x8455;
constexpr GLenum GL_FOG_COORDINATE_ARRAY_POINTER = 0x8456;
constexpr GLenum GL_FOG_COORDINATE_ARRAY = 0x8457;
constexpr GLenum GL_COLOR_SUM = 0x8458;
constexpr GLenum GL_CURRENT_SECONDARY_COLOR = 0x8459;
constexpr GLenum GL_SECONDARY_COLOR_ARRAY_SIZE = 0x845A;
constexpr GLenum GL_SECONDARY_COLOR_ARRAY_TYPE = 0x845B;
constexpr GLenum GL_SECONDARY_COLOR_ARRAY_STRIDE = 0x845C;
constexpr GLenum GL_SECONDARY_COLOR_ARRAY_POINTER = 0x845D;
constexpr GLenum GL_SECONDARY_COLOR_ARRAY = 0x845E;
constexpr GLenum GL_TEXTURE_FILTER_CONTROL = 0x8500;
constexpr GLenum GL_DEPTH_TEXTURE_MODE = 0x884B;
constexpr GLenum GL_COMPARE_R_TO_TEXTURE = 0x884E;
constexpr GLenum GL_BLEND_COLOR = 0x8005;
constexpr GLenum GL_BLEND_EQUATION = 0x8009;
constexpr GLenum GL_CONSTANT_COLOR = 0x8001;
constexpr GLenum GL_ONE_MINUS_CONSTANT_COLOR = 0x8002;
constexpr GLenum GL_CONSTANT_ALPHA = 0x8003;
constexpr GLenum GL_ONE_MINUS_CONSTANT_ALPHA = 0x8004;
constexpr GLenum GL_FUNC_ADD = 0x8006;
constexpr GLenum GL_FUNC_REVERSE_SUBTRACT = 0x800B;
constexpr GLenum GL_FUNC_SUBTRACT = 0x800A;
constexpr GLenum GL_MIN = 0x8007;
constexpr GLenum GL_MAX = 0x8008;

// Enums of OpenGL 1.5.
constexpr GLenum GL_BUFFER_SIZE = 0x8764;
constexpr GLenum GL_BUFFER_USAGE = 0x8765;
constexpr GLenum GL_QUERY_COUNTER_BITS = 0x8864;
constexpr GLenum GL_CURRENT_QUERY = 0x8865;
constexpr GLenum GL_QUERY_RESULT = 0x8866;
constexpr GLenum GL_QUERY_RESULT_AVAILABLE = 0x8867;
constexpr GLenum GL_ARRAY_BUFFER = 0x8892;
constexpr GLenum GL_ELEMENT_ARRAY_BUFFER = 0x8893;
constexpr GLenum GL_ARRAY_BUFFER_BINDING = 0x8894;
constexpr GLenum GL_ELEMENT_ARRAY_BUFFER_BINDING = 0x8895;
constexpr GLenum GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING = 0x889F;
constexpr GLenum GL_READ_ONLY = 0x88B8;
constexpr GLenum GL_WRITE_ONLY = 0x88B9;
constexpr GLenum GL_READ_WRITE = 0x88BA;
constexpr GLenum GL_BUFFER_ACCESS = 0x88BB;
constexpr GLenum GL_BUFFER_MAPPED = 0x88BC;
constexpr GLenum GL_BUFFER_MAP_POINTER = 0x88BD;
constexpr GLenum GL_STREAM_DRAW = 0x88E0;
constexpr GLenum GL_STREAM_READ = 0x88E1;
constexpr GLenum GL_STREAM_COPY = 0x88E2;
constexpr GLenum GL_STATIC_DRAW = 0x88E4;
constexpr GLenum GL_STATIC_READ = 0x88E5;
constexpr GLenum GL_STATIC_COPY = 0x88E6;
constexpr GLenum GL_DYNAMIC_DRAW = 0x88E8;
constexpr GLenum GL_DYNAMIC_READ = 0x88E9;
constexpr GLenum GL_DYNAMIC_COPY = 0x88EA;
constexpr GLenum GL_SAMPLES_PASSED = 0x8914;
constexpr GLenum GL_SRC1_ALPHA = 0x8589;
constexpr GLenum GL_VERTEX_ARRAY_BUFFER_BINDING = 0x8896;
constexpr GLenum GL_NORMAL_ARRAY_BUFFER_BINDING = 0x8897;
constexpr GLenum GL_COLOR_ARRAY_BUFFER_BINDING = 0x8898;
constexpr GLenum GL_INDEX_ARRAY_BUFFER_BINDING = 0x8899;
constexpr GLenum GL_TEXTURE_COORD_ARRAY_BUFFER_BINDING = 0x889A;
constexpr GLenum GL_EDGE_FLAG_ARRAY_BUFFER_BINDING = 0x889B;
constexpr GLenum GL_SECONDARY_COLOR_ARRAY_BUFFER_BINDING = 0x889C;
constexpr GLenum GL_FOG_COORDINATE_ARRAY_BUFFER_BINDING = 0x889D;
constexpr GLenum GL_WEIGHT_ARRAY_BUFFER_BINDING = 0x889E;
constexpr GLenum GL_FOG_COORD_SRC = 0x8450;
constexpr GLenum GL_FOG_COORD = 0x8451;
constexpr GLenum GL_CURRENT_FOG_COORD = 0x8453;
constexpr GLenum GL_FOG_COORD_ARRAY_TYPE = 0x8454;
constexpr GLenum GL_FOG_COORD_ARRAY_STRIDE = 0x8455;
constexpr GLenum GL_FOG_COORD_ARRAY_POINTER = 0x8456;
constexpr GLenum GL_FOG_COORD_ARRAY = 0x8457;
constexpr GLenum GL_FOG_COORD_ARRAY_BUFFER_BINDING = 0x889D;
constexpr GLenum GL_SRC0_RGB = 0x8580;
constexpr GLenum GL_SRC1_RGB = 0x8581;
constexpr GLenum GL_SRC2_RGB = 0x8582;
constexpr GLenum GL_SRC0_ALPHA = 0x8588;
constexpr GLenum GL_SRC2_ALPHA = 0x858A;

// Enums of OpenGL 2.0.
constexpr GLenum GL_BLEND_EQUATION_RGB = 0x8009;
constexpr GLenum GL_VERTEX_ATTRIB_ARRAY_ENABLED = 0x8622;
constexpr GLenum GL_VERTEX_ATTRIB_ARRAY_SIZE = 0x8623;
constexpr GLenum GL_VERTEX_ATTRIB_ARRAY_STRIDE = 0x8624;
constexpr GLenum GL_VERTEX_ATTRIB_ARRAY_TYPE = 0x8625;
constexpr GLenum GL_CURRENT_VERTEX_ATTRIB = 0x8626;
constexpr GLenum GL_VERTEX_PROGRAM_POINT_SIZE = 0x8642;
constexpr GLenum GL_VERTEX_ATTRIB_ARRAY_POINTER = 0x8645;
constexpr GLenum GL_STENCIL_BACK_FUNC = 0x8800;
constexpr GLenum GL_STENCIL_BACK_FAIL = 0x8801;
constexpr GLenum GL_STENCIL_BACK_PASS_DEPTH_FAIL = 0x8802;
constexpr GLenum GL_STENCIL_BACK_PASS_DEPTH_PASS = 0x8803;
constexpr GLenum GL_MAX_DRAW_BUFFERS = 0x8824;
constexpr GLenum GL_DRAW_BUFFER0 = 0x8825;
constexpr GLenum GL_DRAW_BUFFER1 = 0x8826;
constexpr GLenum GL_DRAW_BUFFER2 = 0x8827;
constexpr GLenum GL_DRAW_BUFFER3 = 0x8828;
constexpr GLenum GL_DRAW_BUFFER4 = 0x8829;
constexpr GLenum GL_DRAW_BUFFER5 = 0x882A;
constexpr GLenum GL_DRAW_BUFFER6 = 0x882B;
constexpr GLenum GL_DRAW_BUFFER7 = 0x882C;
constexpr GLenum GL_DRAW_BUFFER8 = 0x882D;
constexpr GLenum GL_DRAW_BUFFER9 = 0x882E;
constexpr GLenum GL_DRAW_BUFFER10 = 0x882F;
constexpr GLenum GL_DRAW_BUFFER11 = 0x8830;
constexpr GLenum GL_DRAW_BUFFER12 = 0x8831;
constexpr GLenum GL_DRAW_BUFFER13 = 0x8832;
constexpr GLenum GL_DRAW_BUFFER14 = 0x8833;
constexpr GLenum GL_DRAW_BUFFER15 = 0x8834;
constexpr GLenum GL_BLEND_EQUATION_ALPHA = 0x883D;
constexpr GLenum GL_MAX_VERTEX_ATTRIBS = 0x8869;
constexpr GLenum GL_VERTEX_ATTRIB_ARRAY_NORMALIZED = 0x886A;
constexpr GLenum GL_MAX_TEXTURE_IMAGE_UNITS = 0x8872;
constexpr GLenum GL_FRAGMENT_SHADER = 0x8B30;
constexpr GLenum GL_VERTEX_SHADER = 0x8B31;
constexpr GLenum GL_MAX_FRAGMENT_UNIFORM_COMPONENTS = 0x8B49;
constexpr GLenum GL_MAX_VERTEX_UNIFORM_COMPONENTS = 0x8B4A;
constexpr GLenum GL_MAX_VARYING_FLOATS = 0x8B4B;
constexpr GLenum GL_MAX_VERTEX_TEXTURE_IMAGE_UNITS = 0x8B4C;
constexpr GLenum GL_MAX_COMBINED_TEXTURE_IMAGE_UNITS = 0x8B4D;
constexpr GLenum GL_SHADER_TYPE = 0x8B4F;
constexpr GLenum GL_FLOAT_VEC2 = 0x8B50;
constexpr GLenum GL_FLOAT_VEC3 = 0x8B51;
constexpr GLenum GL_FLOAT_VEC4 = 0x8B52;
constexpr GLenum GL_INT_VEC2 = 0x8B53;
constexpr GLenum GL_INT_VEC3 = 0x8B54;
constexpr GLenum GL_INT_VEC4 = 0x8B55;
constexpr GLenum GL_BOOL = 0x8B56;
constexpr GLenum GL_BOOL_VEC2 = 0x8B57;
constexpr GLenum GL_BOOL_VEC3 = 0x8B58;
constexpr GLenum GL_BOOL_VEC4 = 0x8B59;
constexpr GLenum GL_FLOAT_MAT2 = 0x8B5A;
constexpr GLenum GL_FLOAT_MAT3 = 0x8B5B;
constexpr GLenum GL_FLOAT_MAT4 = 0x8B5C;
constexpr GLenum GL_SAMPLER_1D = 0x8B5D;
constexpr GLenum GL_SAMPLER_2D = 0x8B5E;
constexpr GLenum GL_SAMPLER_3D = 0x8B5F;
constexpr GLenum GL_SAMPLER_CUBE = 0x8B60;
constexpr GLenum GL_SAMPLER_1D_SHADOW = 0x8B61;
constexpr GLenum GL_SAMPLER_2D_SHADOW = 0x8B62;
constexpr GLenum GL_DELETE_STATUS = 0x8B80;
constexpr GLenum GL_COMPILE_STATUS = 0x8B81;
constexpr GLenum GL_LINK_STATUS = 0x8B82;
constexpr GLenum GL_VALIDATE_STATUS = 0x8B83;
constexpr GLenum GL_INFO_LOG_LENGTH = 0x8B84;
constexpr GLenum GL_ATTACHED_SHADERS = 0x8B85;
constexpr GLenum GL_ACTIVE_UNIFORMS = 0x8B86;
constexpr GLenum GL_ACTIVE_UNIFORM_MAX_LENGTH = 0x8B87;
constexpr GLenum GL_SHADER_SOURCE_LENGTH = 0x8B88;
constexpr GLenum GL_ACTIVE_ATTRIBUTES = 0x8B89;
constexpr GLenum GL_ACTIVE_ATTRIBUTE_MAX_LENGTH = 0x8B8A;
constexpr GLenum GL_FRAGMENT_SHADER_DERIVATIVE_HINT = 0x8B8B;
constexpr GLenum GL_SHADING_LANGUAGE_VERSION = 0x8B8C;
constexpr GLenum GL_CURRENT_PROGRAM = 0x8B8D;
constexpr GLenum GL_POINT_SPRITE_COORD_ORIGIN = 0x8CA0;
constexpr GLenum GL_LOWER_LEFT = 0x8CA1;
constexpr GLenum GL_UPPER_LEFT = 0x8CA2;
constexpr GLenum GL_STENCIL_BACK_REF = 0x8CA3;
constexpr GLenum GL_STENCIL_BACK_VALUE_MASK = 0x8CA4;
constexpr GLenum GL_STENCIL_BACK_WRITEMASK = 0x8CA5;
constexpr GLenum GL_VERTEX_PROGRAM_TWO_SIDE = 0x8643;
constexpr GLenum GL_POINT_SPRITE = 0x8861;
constexpr GLenum GL_COORD_REPLACE = 0x8862;
constexpr GLenum GL_MAX_TEXTURE_COORDS = 0x8871;

// Enums of OpenGL 2.1.
constexpr GLenum GL_PIXEL_PACK_BUFFER = 0x88EB;
constexpr GLenum GL_PIXEL_UNPACK_BUFFER = 0x88EC;
constexpr GLenum GL_PIXEL_PACK_BUFFER_BINDING = 0x88ED;
constexpr GLenum GL_PIXEL_UNPACK_BUFFER_BINDING = 0x88EF;
constexpr GLenum GL_FLOAT_MAT2x3 = 0x8B65;
constexpr GLenum GL_FLOAT_MAT2x4 = 0x8B66;
constexpr GLenum GL_FLOAT_MAT3x2 = 0x8B67;
constexpr GLenum GL_FLOAT_MAT3x4 = 0x8B68;
constexpr GLenum GL_FLOAT_MAT4x2 = 0x8B69;
constexpr GLenum GL_FLOAT_MAT4x3 = 0x8B6A;
constexpr GLenum GL_SRGB = 0x8C40;
constexpr GLenum GL_SRGB8 = 0x8C41;
constexpr GLenum GL_SRGB_ALPHA = 0x8C42;
constexpr GLenum GL_SRGB8_ALPHA8 = 0x8C43;
constexpr GLenum GL_COMPRESSED_SRGB = 0x8C48;
constexpr GLenum GL_COMPRESSED_SRGB_ALPHA = 0x8C49;
constexpr GLenum GL_CURRENT_RASTER_SECONDARY_COLOR = 0x845F;
constexpr GLenum GL_SLUMINANCE_ALPHA = 0x8C44;
constexpr GLenum GL_SLUMINANCE8_ALPHA8 = 0x8C45;
constexpr GLenum GL_SLUMINANCE = 0x8C46;
constexpr GLenum GL_SLUMINANCE8 = 0x8C47;
constexpr GLenum GL_COMPRESSED_SLUMINANCE = 0x8C4A;
constexpr GLenum GL_COMPRESSED_SLUMINANCE_ALPHA = 0x8C4B;

// Enums of OpenGL 3.0.
constexpr GLenum GL_COMPARE_REF_TO_TEXTURE = 0x884E;
constexpr GLenum GL_CLIP_DISTANCE0 = 0x3000;
constexpr GLenum GL_CLIP_DISTANCE1 = 0x3001;
constexpr GLenum GL_CLIP_DISTANCE2 = 0x3002;
constexpr GLenum GL_CLIP_DISTANCE3 = 0x3003;
constexpr GLenum GL_CLIP_DISTANCE4 = 0x3004;
constexpr GLenum GL_CLIP_DISTANCE5 = 0x3005;
constexpr GLenum GL_CLIP_DISTANCE6 = 0x3006;
constexpr GLenum GL_CLIP_DISTANCE7 = 0x3007;
constexpr GLenum GL_MAX_CLIP_DISTANCES = 0x0D32;
constexpr GLenum GL_MAJOR_VERSION = 0x821B;
constexpr GLenum GL_MINOR_VERSION = 0x821C;
constexpr GLenum GL_NUM_EXTENSIONS = 0x821D;
constexpr GLenum GL_CONTEXT_FLAGS = 0x821E;
constexpr GLenum GL_COMPRESSED_RED = 0x8225;
constexpr GLenum GL_COMPRESSED_RG = 0x8226;
constexpr GLbitfield GL_CONTEXT_FLAG_FORWARD_COMPATIBLE_BIT = 0x00000001;
constexpr GLenum GL_RGBA32F = 0x8814;
constexpr GLenum GL_RGB32F = 0x8815;
constexpr GLenum GL_RGBA16F = 0x881A;
constexpr GLenum GL_RGB16F = 0x881B;
constexpr GLenum GL_VERTEX_ATTRIB_ARRAY_INTEGER = 0x88FD;
constexpr GLenum GL_MAX_ARRAY_TEXTURE_LAYERS = 0x88FF;
constexpr GLenum GL_MIN_PROGRAM_TEXEL_OFFSET = 0x8904;
constexpr GLenum GL_MAX_PROGRAM_TEXEL_OFFSET = 0x8905;
constexpr GLenum GL_CLAMP_READ_COLOR = 0x891C;
constexpr GLenum GL_FIXED_ONLY = 0x891D;
constexpr GLenum GL_MAX_VARYING_COMPONENTS = 0x8B4B;
constexpr GLenum GL_TEXTURE_1D_ARRAY = 0x8C18;
constexpr GLenum GL_PROXY_TEXTURE_1D_ARRAY = 0x8C19;
constexpr GLenum GL_TEXTURE_2D_ARRAY = 0x8C1A;
constexpr GLenum GL_PROXY_TEXTURE_2D_ARRAY = 0x8C1B;
constexpr GLenum GL_TEXTURE_BINDING_1D_ARRAY = 0x8C1C;
constexpr GLenum GL_TEXTURE_BINDING_2D_ARRAY = 0x8C1D;
constexpr GLenum GL_R11F_G11F_B10F = 0x8C3A;
constexpr GLenum GL_UNSIGNED_INT_10F_11F_11F_REV = 0x8C3B;
constexpr GLenum GL_RGB9_E5 = 0x8C3D;
constexpr GLenum GL_UNSIGNED_INT_5_9_9_9_REV = 0x8C3E;
constexpr GLenum GL_TEXTURE_SHARED_SIZE = 0x8C3F;
constexpr GLenum GL_TRANSFORM_FEEDBACK_VARYING_MAX_LENGTH = 0x8C76;
constexpr GLenum GL_TRANSFORM_FEEDBACK_BUFFER_MODE = 0x8C7F;
constexpr GLenum GL_MAX_TRANSFORM_FEEDBACK_SEPARATE_COMPONENTS = 0x8C80;
constexpr GLenum GL_TRANSFORM_FEEDBACK_VARYINGS = 0x8C83;
constexpr GLenum GL_TRANSFORM_FEEDBACK_BUFFER_START = 0x8C84;
constexpr GLenum GL_TRANSFORM_FEEDBACK_BUFFER_SIZE = 0x8C85;
constexpr GLenum GL_PRIMITIVES_GENERATED = 0x8C87;
constexpr GLenum GL_TRANSFORM_FEEDBACK_PRIMITIVES_WRITTEN = 0x8C88;
constexpr GLenum GL_RASTERIZER_DISCARD = 0x8C89;
constexpr GLenum GL_MAX_TRANSFORM_FEEDBACK_INTERLEAVED_COMPONENTS = 0x8C8A;
constexpr GLenum GL_MAX_TRANSFORM_FEEDBACK_SEPARATE_ATTRIBS = 0x8C8B;
constexpr GLenum GL_INTERLEAVED_ATTRIBS = 0x8C8C;
constexpr GLenum GL_SEPARATE_ATTRIBS = 0x8C8D;
constexpr GLenum GL_TRANSFORM_FEEDBACK_BUFFER = 0x8C8E;
constexpr GLenum GL_TRANSFORM_FEEDBACK_BUFFER_BINDING = 0x8C8F;
constexpr GLenum GL_RGBA32UI = 0x8D70;
constexpr GLenum GL_RGB32UI = 0x8D71;
constexpr GLenum GL_RGBA16UI = 0x8D76;
constexpr GLenum GL_RGB16UI = 0x8D77;
constexpr GLenum GL_RGBA8UI = 0x8D7C;
constexpr GLenum GL_RGB8UI = 0x8D7D;
constexpr GLenum GL_RGBA32I = 0x8D82;
constexpr GLenum GL_RGB32I = 0x8D83;
constexpr GLenum GL_RGBA16I = 0x8D88;
constexpr GLenum GL_RGB16I = 0x8D89;
constexpr GLenum GL_RGBA8I = 0x8D8E;
constexpr GLenum GL_RGB8I = 0x8D8F;
constexpr GLenum GL_RED_INTEGER = 0x8D94;
constexpr GLenum GL_GREEN_INTEGER = 0x8D95;
constexpr GLenum GL_BLUE_INTEGER = 0x8D96;
constexpr GLenum GL_RGB_INTEGER = 0x8D98;
constexpr GLenum GL_RGBA_INTEGER = 0x8D99;
constexpr GLenum GL_BGR_INTEGER = 0x8D9A;
constexpr GLenum GL_BGRA_INTEGER = 0x8D9B;
constexpr GLenum GL_SAMPLER_1D_ARRAY = 0x8DC0;
constexpr GLenum GL_SAMPLER_2D_ARRAY = 0x8DC1;
constexpr GLenum GL_SAMPLER_1D_ARRAY_SHADOW = 0x8DC3;
constexpr GLenum GL_SAMPLER_2D_ARRAY_SHADOW = 0x8DC4;
constexpr GLenum GL_SAMPLER_CUBE_SHADOW = 0x8DC5;
constexpr GLenum GL_UNSIGNED_INT_VEC2 = 0x8DC6;
constexpr GLenum GL_UNSIGNED_INT_VEC3 = 0x8DC7;
constexpr GLenum GL_UNSIGNED_INT_VEC4 = 0x8DC8;
constexpr GLenum GL_INT_SAMPLER_1D = 0x8DC9;
constexpr GLenum GL_INT_SAMPLER_2D = 0x8DCA;
constexpr GLenum GL_INT_SAMPLER_3D = 0x8DCB;
constexpr GLenum GL_INT_SAMPLER_CUBE = 0x8DCC;
constexpr GLenum GL_INT_SAMPLER_1D_ARRAY = 0x8DCE;
constexpr GLenum GL_INT_SAMPLER_2D_ARRAY = 0x8DCF;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_1D = 0x8DD1;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_2D = 0x8DD2;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_3D = 0x8DD3;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_CUBE = 0x8DD4;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_1D_ARRAY = 0x8DD6;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_2D_ARRAY = 0x8DD7;
constexpr GLenum GL_QUERY_WAIT = 0x8E13;
constexpr GLenum GL_QUERY_NO_WAIT = 0x8E14;
constexpr GLenum GL_QUERY_BY_REGION_WAIT = 0x8E15;
constexpr GLenum GL_QUERY_BY_REGION_NO_WAIT = 0x8E16;
constexpr GLenum GL_BUFFER_ACCESS_FLAGS = 0x911F;
constexpr GLenum GL_BUFFER_MAP_LENGTH = 0x9120;
constexpr GLenum GL_BUFFER_MAP_OFFSET = 0x9121;
constexpr GLenum GL_DEPTH_COMPONENT32F = 0x8CAC;
constexpr GLenum GL_DEPTH32F_STENCIL8 = 0x8CAD;
constexpr GLenum GL_FLOAT_32_UNSIGNED_INT_24_8_REV = 0x8DAD;
constexpr GLenum GL_INVALID_FRAMEBUFFER_OPERATION = 0x0506;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_COLOR_ENCODING = 0x8210;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_COMPONENT_TYPE = 0x8211;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_RED_SIZE = 0x8212;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_GREEN_SIZE = 0x8213;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_BLUE_SIZE = 0x8214;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_ALPHA_SIZE = 0x8215;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE = 0x8216;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE = 0x8217;
constexpr GLenum GL_FRAMEBUFFER_DEFAULT = 0x8218;
constexpr GLenum GL_FRAMEBUFFER_UNDEFINED = 0x8219;
constexpr GLenum GL_DEPTH_STENCIL_ATTACHMENT = 0x821A;
constexpr GLenum GL_MAX_RENDERBUFFER_SIZE = 0x84E8;
constexpr GLenum GL_DEPTH_STENCIL = 0x84F9;
constexpr GLenum GL_UNSIGNED_INT_24_8 = 0x84FA;
constexpr GLenum GL_DEPTH24_STENCIL8 = 0x88F0;
constexpr GLenum GL_TEXTURE_STENCIL_SIZE = 0x88F1;
constexpr GLenum GL_TEXTURE_RED_TYPE = 0x8C10;
constexpr GLenum GL_TEXTURE_GREEN_TYPE = 0x8C11;
constexpr GLenum GL_TEXTURE_BLUE_TYPE = 0x8C12;
constexpr GLenum GL_TEXTURE_ALPHA_TYPE = 0x8C13;
constexpr GLenum GL_TEXTURE_DEPTH_TYPE = 0x8C16;
constexpr GLenum GL_UNSIGNED_NORMALIZED = 0x8C17;
constexpr GLenum GL_FRAMEBUFFER_BINDING = 0x8CA6;
constexpr GLenum GL_DRAW_FRAMEBUFFER_BINDING = 0x8CA6;
constexpr GLenum GL_RENDERBUFFER_BINDING = 0x8CA7;
constexpr GLenum GL_READ_FRAMEBUFFER = 0x8CA8;
constexpr GLenum GL_DRAW_FRAMEBUFFER = 0x8CA9;
constexpr GLenum GL_READ_FRAMEBUFFER_BINDING = 0x8CAA;
constexpr GLenum GL_RENDERBUFFER_SAMPLES = 0x8CAB;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE = 0x8CD0;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME = 0x8CD1;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_TEXTURE_LEVEL = 0x8CD2;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_TEXTURE_CUBE_MAP_FACE = 0x8CD3;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_TEXTURE_LAYER = 0x8CD4;
constexpr GLenum GL_FRAMEBUFFER_COMPLETE = 0x8CD5;
constexpr GLenum GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT = 0x8CD6;
constexpr GLenum GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT = 0x8CD7;
constexpr GLenum GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER = 0x8CDB;
constexpr GLenum GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER = 0x8CDC;
constexpr GLenum GL_FRAMEBUFFER_UNSUPPORTED = 0x8CDD;
constexpr GLenum GL_MAX_COLOR_ATTACHMENTS = 0x8CDF;
constexpr GLenum GL_COLOR_ATTACHMENT0 = 0x8CE0;
constexpr GLenum GL_COLOR_ATTACHMENT1 = 0x8CE1;
constexpr GLenum GL_COLOR_ATTACHMENT2 = 0x8CE2;
constexpr GLenum GL_COLOR_ATTACHMENT3 = 0x8CE3;
constexpr GLenum GL_COLOR_ATTACHMENT4 = 0x8CE4;
constexpr GLenum GL_COLOR_ATTACHMENT5 = 0x8CE5;
constexpr GLenum GL_COLOR_ATTACHMENT6 = 0x8CE6;
constexpr GLenum GL_COLOR_ATTACHMENT7 = 0x8CE7;
constexpr GLenum GL_COLOR_ATTACHMENT8 = 0x8CE8;
constexpr GLenum GL_COLOR_ATTACHMENT9 = 0x8CE9;
constexpr GLenum GL_COLOR_ATTACHMENT10 = 0x8CEA;
constexpr GLenum GL_COLOR_ATTACHMENT11 = 0x8CEB;
constexpr GLenum GL_COLOR_ATTACHMENT12 = 0x8CEC;
constexpr GLenum GL_COLOR_ATTACHMENT13 = 0x8CED;
constexpr GLenum GL_COLOR_ATTACHMENT14 = 0x8CEE;
constexpr GLenum GL_COLOR_ATTACHMENT15 = 0x8CEF;
constexpr GLenum GL_COLOR_ATTACHMENT16 = 0x8CF0;
constexpr GLenum GL_COLOR_ATTACHMENT17 = 0x8CF1;
constexpr GLenum GL_COLOR_ATTACHMENT18 = 0x8CF2;
constexpr GLenum GL_COLOR_ATTACHMENT19 = 0x8CF3;
constexpr GLenum GL_COLOR_ATTACHMENT20 = 0x8CF4;
constexpr GLenum GL_COLOR_ATTACHMENT21 = 0x8CF5;
constexpr GLenum GL_COLOR_ATTACHMENT22 = 0x8CF6;
constexpr GLenum GL_COLOR_ATTACHMENT23 = 0x8CF7;
constexpr GLenum GL_COLOR_ATTACHMENT24 = 0x8CF8;
constexpr GLenum GL_COLOR_ATTACHMENT25 = 0x8CF9;
constexpr GLenum GL_COLOR_ATTACHMENT26 = 0x8CFA;
constexpr GLenum GL_COLOR_ATTACHMENT27 = 0x8CFB;
constexpr GLenum GL_COLOR_ATTACHMENT28 = 0x8CFC;
constexpr GLenum GL_COLOR_ATTACHMENT29 = 0x8CFD;
constexpr GLenum GL_COLOR_ATTACHMENT30 = 0x8CFE;
constexpr GLenum GL_COLOR_ATTACHMENT31 = 0x8CFF;
constexpr GLenum GL_DEPTH_ATTACHMENT = 0x8D00;
constexpr GLenum GL_STENCIL_ATTACHMENT = 0x8D20;
constexpr GLenum GL_FRAMEBUFFER = 0x8D40;
constexpr GLenum GL_RENDERBUFFER = 0x8D41;
constexpr GLenum GL_RENDERBUFFER_WIDTH = 0x8D42;
constexpr GLenum GL_RENDERBUFFER_HEIGHT = 0x8D43;
constexpr GLenum GL_RENDERBUFFER_INTERNAL_FORMAT = 0x8D44;
constexpr GLenum GL_STENCIL_INDEX1 = 0x8D46;
constexpr GLenum GL_STENCIL_INDEX4 = 0x8D47;
constexpr GLenum GL_STENCIL_INDEX8 = 0x8D48;
constexpr GLenum GL_STENCIL_INDEX16 = 0x8D49;
constexpr GLenum GL_RENDERBUFFER_RED_SIZE = 0x8D50;
constexpr GLenum GL_RENDERBUFFER_GREEN_SIZE = 0x8D51;
constexpr GLenum GL_RENDERBUFFER_BLUE_SIZE = 0x8D52;
constexpr GLenum GL_RENDERBUFFER_ALPHA_SIZE = 0x8D53;
constexpr GLenum GL_RENDERBUFFER_DEPTH_SIZE = 0x8D54;
constexpr GLenum GL_RENDERBUFFER_STENCIL_SIZE = 0x8D55;
constexpr GLenum GL_FRAMEBUFFER_INCOMPLETE_MULTISAMPLE = 0x8D56;
constexpr GLenum GL_MAX_SAMPLES = 0x8D57;
constexpr GLenum GL_INDEX = 0x8222;
constexpr GLenum GL_TEXTURE_LUMINANCE_TYPE = 0x8C14;
constexpr GLenum GL_TEXTURE_INTENSITY_TYPE = 0x8C15;
constexpr GLenum GL_FRAMEBUFFER_SRGB = 0x8DB9;
constexpr GLenum GL_HALF_FLOAT = 0x140B;
constexpr GLbitfield GL_MAP_READ_BIT = 0x0001;
constexpr GLbitfield GL_MAP_WRITE_BIT = 0x0002;
constexpr GLbitfield GL_MAP_INVALIDATE_RANGE_BIT = 0x0004;
constexpr GLbitfield GL_MAP_INVALIDATE_BUFFER_BIT = 0x0008;
constexpr GLbitfield GL_MAP_FLUSH_EXPLICIT_BIT = 0x0010;
constexpr GLbitfield GL_MAP_UNSYNCHRONIZED_BIT = 0x0020;
constexpr GLenum GL_COMPRESSED_RED_RGTC1 = 0x8DBB;
constexpr GLenum GL_COMPRESSED_SIGNED_RED_RGTC1 = 0x8DBC;
constexpr GLenum GL_COMPRESSED_RG_RGTC2 = 0x8DBD;
constexpr GLenum GL_COMPRESSED_SIGNED_RG_RGTC2 = 0x8DBE;
constexpr GLenum GL_RG = 0x8227;
constexpr GLenum GL_RG_INTEGER = 0x8228;
constexpr GLenum GL_R8 = 0x8229;
constexpr GLenum GL_R16 = 0x822A;
constexpr GLenum GL_RG8 = 0x822B;
constexpr GLenum GL_RG16 = 0x822C;
constexpr GLenum GL_R16F = 0x822D;
constexpr GLenum GL_R32F = 0x822E;
constexpr GLenum GL_RG16F = 0x822F;
constexpr GLenum GL_RG32F = 0x8230;
constexpr GLenum GL_R8I = 0x8231;
constexpr GLenum GL_R8UI = 0x8232;
constexpr GLenum GL_R16I = 0x8233;
constexpr GLenum GL_R16UI = 0x8234;
constexpr GLenum GL_R32I = 0x8235;
constexpr GLenum GL_R32UI = 0x8236;
constexpr GLenum GL_RG8I = 0x8237;
constexpr GLenum GL_RG8UI = 0x8238;
constexpr GLenum GL_RG16I = 0x8239;
constexpr GLenum GL_RG16UI = 0x823A;
constexpr GLenum GL_RG32I = 0x823B;
constexpr GLenum GL_RG32UI = 0x823C;
constexpr GLenum GL_VERTEX_ARRAY_BINDING = 0x85B5;
constexpr GLenum GL_CLAMP_VERTEX_COLOR = 0x891A;
constexpr GLenum GL_CLAMP_FRAGMENT_COLOR = 0x891B;
constexpr GLenum GL_ALPHA_INTEGER = 0x8D97;

// Enums of OpenGL 3.1.
constexpr GLenum GL_SAMPLER_2D_RECT = 0x8B63;
constexpr GLenum GL_SAMPLER_2D_RECT_SHADOW = 0x8B64;
constexpr GLenum GL_SAMPLER_BUFFER = 0x8DC2;
constexpr GLenum GL_INT_SAMPLER_2D_RECT = 0x8DCD;
constexpr GLenum GL_INT_SAMPLER_BUFFER = 0x8DD0;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_2D_RECT = 0x8DD5;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_BUFFER = 0x8DD8;
constexpr GLenum GL_TEXTURE_BUFFER = 0x8C2A;
constexpr GLenum GL_MAX_TEXTURE_BUFFER_SIZE = 0x8C2B;
constexpr GLenum GL_TEXTURE_BINDING_BUFFER = 0x8C2C;
constexpr GLenum GL_TEXTURE_BUFFER_DATA_STORE_BINDING = 0x8C2D;
constexpr GLenum GL_TEXTURE_RECTANGLE = 0x84F5;
constexpr GLenum GL_TEXTURE_BINDING_RECTANGLE = 0x84F6;
constexpr GLenum GL_PROXY_TEXTURE_RECTANGLE = 0x84F7;
constexpr GLenum GL_MAX_RECTANGLE_TEXTURE_SIZE = 0x84F8;
constexpr GLenum GL_R8_SNORM = 0x8F94;
constexpr GLenum GL_RG8_SNORM = 0x8F95;
constexpr GLenum GL_RGB8_SNORM = 0x8F96;
constexpr GLenum GL_RGBA8_SNORM = 0x8F97;
constexpr GLenum GL_R16_SNORM = 0x8F98;
constexpr GLenum GL_RG16_SNORM = 0x8F99;
constexpr GLenum GL_RGB16_SNORM = 0x8F9A;
constexpr GLenum GL_RGBA16_SNORM = 0x8F9B;
constexpr GLenum GL_SIGNED_NORMALIZED = 0x8F9C;
constexpr GLenum GL_PRIMITIVE_RESTART = 0x8F9D;
constexpr GLenum GL_PRIMITIVE_RESTART_INDEX = 0x8F9E;
constexpr GLenum GL_COPY_READ_BUFFER = 0x8F36;
constexpr GLenum GL_COPY_WRITE_BUFFER = 0x8F37;
constexpr GLenum GL_UNIFORM_BUFFER = 0x8A11;
constexpr GLenum GL_UNIFORM_BUFFER_BINDING = 0x8A28;
constexpr GLenum GL_UNIFORM_BUFFER_START = 0x8A29;
constexpr GLenum GL_UNIFORM_BUFFER_SIZE = 0x8A2A;
constexpr GLenum GL_MAX_VERTEX_UNIFORM_BLOCKS = 0x8A2B;
constexpr GLenum GL_MAX_GEOMETRY_UNIFORM_BLOCKS = 0x8A2C;
constexpr GLenum GL_MAX_FRAGMENT_UNIFORM_BLOCKS = 0x8A2D;
constexpr GLenum GL_MAX_COMBINED_UNIFORM_BLOCKS = 0x8A2E;
constexpr GLenum GL_MAX_UNIFORM_BUFFER_BINDINGS = 0x8A2F;
constexpr GLenum GL_MAX_UNIFORM_BLOCK_SIZE = 0x8A30;
constexpr GLenum GL_MAX_COMBINED_VERTEX_UNIFORM_COMPONENTS = 0x8A31;
constexpr GLenum GL_MAX_COMBINED_GEOMETRY_UNIFORM_COMPONENTS = 0x8A32;
constexpr GLenum GL_MAX_COMBINED_FRAGMENT_UNIFORM_COMPONENTS = 0x8A33;
constexpr GLenum GL_UNIFORM_BUFFER_OFFSET_ALIGNMENT = 0x8A34;
constexpr GLenum GL_ACTIVE_UNIFORM_BLOCK_MAX_NAME_LENGTH = 0x8A35;
constexpr GLenum GL_ACTIVE_UNIFORM_BLOCKS = 0x8A36;
constexpr GLenum GL_UNIFORM_TYPE = 0x8A37;
constexpr GLenum GL_UNIFORM_SIZE = 0x8A38;
constexpr GLenum GL_UNIFORM_NAME_LENGTH = 0x8A39;
constexpr GLenum GL_UNIFORM_BLOCK_INDEX = 0x8A3A;
constexpr GLenum GL_UNIFORM_OFFSET = 0x8A3B;
constexpr GLenum GL_UNIFORM_ARRAY_STRIDE = 0x8A3C;
constexpr GLenum GL_UNIFORM_MATRIX_STRIDE = 0x8A3D;
constexpr GLenum GL_UNIFORM_IS_ROW_MAJOR = 0x8A3E;
constexpr GLenum GL_UNIFORM_BLOCK_BINDING = 0x8A3F;
constexpr GLenum GL_UNIFORM_BLOCK_DATA_SIZE = 0x8A40;
constexpr GLenum GL_UNIFORM_BLOCK_NAME_LENGTH = 0x8A41;
constexpr GLenum GL_UNIFORM_BLOCK_ACTIVE_UNIFORMS = 0x8A42;
constexpr GLenum GL_UNIFORM_BLOCK_ACTIVE_UNIFORM_INDICES = 0x8A43;
constexpr GLenum GL_UNIFORM_BLOCK_REFERENCED_BY_VERTEX_SHADER = 0x8A44;
constexpr GLenum GL_UNIFORM_BLOCK_REFERENCED_BY_GEOMETRY_SHADER = 0x8A45;
constexpr GLenum GL_UNIFORM_BLOCK_REFERENCED_BY_FRAGMENT_SHADER = 0x8A46;
constexpr GLuint GL_INVALID_INDEX = 0xFFFFFFFF;

// Enums of OpenGL 3.2.
constexpr GLbitfield GL_CONTEXT_CORE_PROFILE_BIT = 0x00000001;
constexpr GLbitfield GL_CONTEXT_COMPATIBILITY_PROFILE_BIT = 0x00000002;
constexpr GLenum GL_LINES_ADJACENCY = 0x000A;
constexpr GLenum GL_LINE_STRIP_ADJACENCY = 0x000B;
constexpr GLenum GL_TRIANGLES_ADJACENCY = 0x000C;
constexpr GLenum GL_TRIANGLE_STRIP_ADJACENCY = 0x000D;
constexpr GLenum GL_PROGRAM_POINT_SIZE = 0x8642;
constexpr GLenum GL_MAX_GEOMETRY_TEXTURE_IMAGE_UNITS = 0x8C29;
constexpr GLenum GL_FRAMEBUFFER_ATTACHMENT_LAYERED = 0x8DA7;
constexpr GLenum GL_FRAMEBUFFER_INCOMPLETE_LAYER_TARGETS = 0x8DA8;
constexpr GLenum GL_GEOMETRY_SHADER = 0x8DD9;
constexpr GLenum GL_GEOMETRY_VERTICES_OUT = 0x8916;
constexpr GLenum GL_GEOMETRY_INPUT_TYPE = 0x8917;
constexpr GLenum GL_GEOMETRY_OUTPUT_TYPE = 0x8918;
constexpr GLenum GL_MAX_GEOMETRY_UNIFORM_COMPONENTS = 0x8DDF;
constexpr GLenum GL_MAX_GEOMETRY_OUTPUT_VERTICES = 0x8DE0;
constexpr GLenum GL_MAX_GEOMETRY_TOTAL_OUTPUT_COMPONENTS = 0x8DE1;
constexpr GLenum GL_MAX_VERTEX_OUTPUT_COMPONENTS = 0x9122;
constexpr GLenum GL_MAX_GEOMETRY_INPUT_COMPONENTS = 0x9123;
constexpr GLenum GL_MAX_GEOMETRY_OUTPUT_COMPONENTS = 0x9124;
constexpr GLenum GL_MAX_FRAGMENT_INPUT_COMPONENTS = 0x9125;
constexpr GLenum GL_CONTEXT_PROFILE_MASK = 0x9126;
constexpr GLenum GL_DEPTH_CLAMP = 0x864F;
constexpr GLenum GL_QUADS_FOLLOW_PROVOKING_VERTEX_CONVENTION = 0x8E4C;
constexpr GLenum GL_FIRST_VERTEX_CONVENTION = 0x8E4D;
constexpr GLenum GL_LAST_VERTEX_CONVENTION = 0x8E4E;
constexpr GLenum GL_PROVOKING_VERTEX = 0x8E4F;
constexpr GLenum GL_TEXTURE_CUBE_MAP_SEAMLESS = 0x884F;
constexpr GLenum GL_MAX_SERVER_WAIT_TIMEOUT = 0x9111;
constexpr GLenum GL_OBJECT_TYPE = 0x9112;
constexpr GLenum GL_SYNC_CONDITION = 0x9113;
constexpr GLenum GL_SYNC_STATUS = 0x9114;
constexpr GLenum GL_SYNC_FLAGS = 0x9115;
constexpr GLenum GL_SYNC_FENCE = 0x9116;
constexpr GLenum GL_SYNC_GPU_COMMANDS_COMPLETE = 0x9117;
constexpr GLenum GL_UNSIGNALED = 0x9118;
constexpr GLenum GL_SIGNALED = 0x9119;
constexpr GLenum GL_ALREADY_SIGNALED = 0x911A;
constexpr GLenum GL_TIMEOUT_EXPIRED = 0x911B;
constexpr GLenum GL_CONDITION_SATISFIED = 0x911C;
constexpr GLenum GL_WAIT_FAILED = 0x911D;
constexpr GLuint64 GL_TIMEOUT_IGNORED = 0xFFFFFFFFFFFFFFFF;
constexpr GLbitfield GL_SYNC_FLUSH_COMMANDS_BIT = 0x00000001;
constexpr GLenum GL_SAMPLE_POSITION = 0x8E50;
constexpr GLenum GL_SAMPLE_MASK = 0x8E51;
constexpr GLenum GL_SAMPLE_MASK_VALUE = 0x8E52;
constexpr GLenum GL_MAX_SAMPLE_MASK_WORDS = 0x8E59;
constexpr GLenum GL_TEXTURE_2D_MULTISAMPLE = 0x9100;
constexpr GLenum GL_PROXY_TEXTURE_2D_MULTISAMPLE = 0x9101;
constexpr GLenum GL_TEXTURE_2D_MULTISAMPLE_ARRAY = 0x9102;
constexpr GLenum GL_PROXY_TEXTURE_2D_MULTISAMPLE_ARRAY = 0x9103;
constexpr GLenum GL_TEXTURE_BINDING_2D_MULTISAMPLE = 0x9104;
constexpr GLenum GL_TEXTURE_BINDING_2D_MULTISAMPLE_ARRAY = 0x9105;
constexpr GLenum GL_TEXTURE_SAMPLES = 0x9106;
constexpr GLenum GL_TEXTURE_FIXED_SAMPLE_LOCATIONS = 0x9107;
constexpr GLenum GL_SAMPLER_2D_MULTISAMPLE = 0x9108;
constexpr GLenum GL_INT_SAMPLER_2D_MULTISAMPLE = 0x9109;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_2D_MULTISAMPLE = 0x910A;
constexpr GLenum GL_SAMPLER_2D_MULTISAMPLE_ARRAY = 0x910B;
constexpr GLenum GL_INT_SAMPLER_2D_MULTISAMPLE_ARRAY = 0x910C;
constexpr GLenum GL_UNSIGNED_INT_SAMPLER_2D_MULTISAMPLE_ARRAY = 0x910D;
constexpr GLenum GL_MAX_COLOR_TEXTURE_SAMPLES = 0x910E;
constexpr GLenum GL_MAX_DEPTH_TEXTURE_SAMPLES = 0x910F;
constexpr GLenum GL_MAX_INTEGER_SAMPLES = 0x9110;

// Enums of OpenGL 3.3.
constexpr GLenum GL_VERTEX_ATTRIB_ARRAY_DIVISOR = 0x88FE;
constexpr GLenum GL_SRC1_COLOR = 0x88F9;
constexpr GLenum GL_ONE_MINUS_SRC1_COLOR = 0x88FA;
constexpr GLenum GL_ONE_MINUS_SRC1_ALPHA = 0x88FB;
constexpr GLenum GL_MAX_DUAL_SOURCE_DRAW_BUFFERS = 0x88FC;
constexpr GLenum GL_ANY_SAMPLES_PASSED = 0x8C2F;
constexpr GLenum GL_SAMPLER_BINDING = 0x8919;
constexpr GLenum GL_RGB10_A2UI = 0x906F;
constexpr GLenum GL_TEXTURE_SWIZZLE_R = 0x8E42;
constexpr GLenum GL_TEXTURE_SWIZZLE_G = 0x8E43;
constexpr GLenum GL_TEXTURE_SWIZZLE_B = 0x8E44;
constexpr GLenum GL_TEXTURE_SWIZZLE_A = 0x8E45;
constexpr GLenum GL_TEXTURE_SWIZZLE_RGBA = 0x8E46;
constexpr GLenum GL_TIME_ELAPSED = 0x88BF;
constexpr GLenum GL_TIMESTAMP = 0x8E28;
constexpr GLenum GL_INT_2_10_10_10_REV = 0x8D9F;

// Enums of GL_ARB_multisample.
constexpr GLenum GL_MULTISAMPLE_ARB = 0x809D;
constexpr GLenum GL_SAMPLE_ALPHA_TO_COVERAGE_ARB = 0x809E;
constexpr GLenum GL_SAMPLE_ALPHA_TO_ONE_ARB = 0x809F;
constexpr GLenum GL_SAMPLE_COVERAGE_ARB = 0x80A0;
constexpr GLenum GL_SAMPLE_BUFFERS_ARB = 0x80A8;
constexpr GLenum GL_SAMPLES_ARB = 0x80A9;
constexpr GLenum GL_SAMPLE_COVERAGE_VALUE_ARB = 0x80AA;
constexpr GLenum GL_SAMPLE_COVERAGE_INVERT_ARB = 0x80AB;
constexpr GLbitfield GL_MULTISAMPLE_BIT_ARB = 0x20000000;

// Enums of GL_ARB_robustness.
constexpr GLbitfield GL_CONTEXT_FLAG_ROBUST_ACCESS_BIT_ARB = 0x00000004;
constexpr GLenum GL_LOSE_CONTEXT_ON_RESET_ARB = 0x8252;
constexpr GLenum GL_GUILTY_CONTEXT_RESET_ARB = 0x8253;
constexpr GLenum GL_INNOCENT_CONTEXT_RESET_ARB = 0x8254;
constexpr GLenum GL_UNKNOWN_CONTEXT_RESET_ARB = 0x8255;
constexpr GLenum GL_RESET_NOTIFICATION_STRATEGY_ARB = 0x8256;
constexpr GLenum GL_NO_RESET_NOTIFICATION_ARB = 0x8261;

// Enums of GL_KHR_debug.
constexpr GLenum GL_DEBUG_OUTPUT_SYNCHRONOUS = 0x8242;
constexpr GLenum GL_DEBUG_NEXT_LOGGED_MESSAGE_LENGTH = 0x8243;
constexpr GLenum GL_DEBUG_CALLBACK_FUNCTION = 0x8244;
constexpr GLenum GL_DEBUG_CALLBACK_USER_PARAM = 0x8245;
constexpr GLenum GL_DEBUG_SOURCE_API = 0x8246;
constexpr GLenum GL_DEBUG_SOURCE_WINDOW_SYSTEM = 0x8247;
constexpr GLenum GL_DEBUG_SOURCE_SHADER_COMPILER = 0x8248;
constexpr GLenum GL_DEBUG_SOURCE_THIRD_PARTY = 0x8249;
constexpr GLenum GL_DEBUG_SOURCE_APPLICATION = 0x824A;
constexpr GLenum GL_DEBUG_SOURCE_OTHER = 0x824B;
constexpr GLenum GL_DEBUG_TYPE_ERROR = 0x824C;
constexpr GLenum GL_DEBUG_TYPE_DEPRECATED_BEHAVIOR = 0x824D;
constexpr GLenum GL_DEBUG_TYPE_UNDEFINED_BEHAVIOR = 0x824E;
constexpr GLenum GL_DEBUG_TYPE_PORTABILITY = 0x824F;
constexpr GLenum GL_DEBUG_TYPE_PERFORMANCE = 0x8250;
constexpr GLenum GL_DEBUG_TYPE_OTHER = 0x8251;
constexpr GLenum GL_DEBUG_TYPE_MARKER = 0x8268;
constexpr GLenum GL_DEBUG_TYPE_PUSH_GROUP = 0x8269;
constexpr GLenum GL_DEBUG_TYPE_POP_GROUP = 0x826A;
constexpr GLenum GL_DEBUG_SEVERITY_NOTIFICATION = 0x826B;
constexpr GLenum GL_MAX_DEBUG_GROUP_STACK_DEPTH = 0x826C;
constexpr GLenum GL_DEBUG_GROUP_STACK_DEPTH = 0x826D;
constexpr GLenum GL_BUFFER = 0x82E0;
constexpr GLenum GL_SHADER = 0x82E1;
constexpr GLenum GL_PROGRAM = 0x82E2;
constexpr GLenum GL_QUERY = 0x82E3;
constexpr GLenum GL_PROGRAM_PIPELINE = 0x82E4;
constexpr GLenum GL_SAMPLER = 0x82E6;
constexpr GLenum GL_MAX_LABEL_LENGTH = 0x82E8;
constexpr GLenum GL_MAX_DEBUG_MESSAGE_LENGTH = 0x9143;
constexpr GLenum GL_MAX_DEBUG_LOGGED_MESSAGES = 0x9144;
constexpr GLenum GL_DEBUG_LOGGED_MESSAGES = 0x9145;
constexpr GLenum GL_DEBUG_SEVERITY_HIGH = 0x9146;
constexpr GLenum GL_DEBUG_SEVERITY_MEDIUM = 0x9147;
constexpr GLenum GL_DEBUG_SEVERITY_LOW = 0x9148;
constexpr GLenum GL_DEBUG_OUTPUT = 0x92E0;
constexpr GLbitfield GL_CONTEXT_FLAG_DEBUG_BIT = 0x00000002;
constexpr GLenum GL_DISPLAY_LIST = 0x82E7;

// Enums of GL_ARB_internalformat_query.
constexpr GLenum GL_NUM_SAMPLE_COUNTS = 0x9380;

// Every entry point once, in byte order: X(return type, name, parameters).
#define JAGGO_GL_COMMANDS(X) \
  X(void, glAccum, (GLenum op, GLfloat value)) \
  X(void, glActiveTexture, (GLenum texture)) \
  X(void, glAlphaFunc, (GLenum func, GLfloat ref)) \
  X(GLboolean, glAreTexturesResident, (GLsizei n, const GLuint* textures, GLboolean* residences)) \
  X(void, glArrayElement, (GLint i)) \
  X(void, glAttachShader, (GLuint program, GLuint shader)) \
  X(void, glBegin, (GLenum mode)) \
  X(void, glBeginConditionalRender, (GLuint id, GLenum mode)) \
  X(void, glBeginQuery, (GLenum target, GLuint id)) \
  X(void, glBeginTransformFeedback, (GLenum primitiveMode)) \
  X(void, glBindAttribLocation, (GLuint program, GLuint index, const GLchar* name)) \
  X(void, glBindBuffer, (GLenum target, GLuint buffer)) \
  X(void, glBindBufferBase, (GLenum target, GLuint index, GLuint buffer)) \
  X(void, glBindBufferRange, (GLenum target, GLuint index, GLuint buffer, GLintptr offset, GLsizeiptr size)) \
  X(void, glBindFragDataLocation, (GLuint program, GLuint color, const GLchar* name)) \
  X(void, glBindFragDataLocationIndexed, (GLuint program, GLuint colorNumber, GLuint index, const GLchar* name)) \
  X(void, glBindFramebuffer, (GLenum target, GLuint framebuffer)) \
  X(void, glBindRenderbuffer, (GLenum target, GLuint renderbuffer)) \
  X(void, glBindSampler, (GLuint unit, GLuint sampler)) \
  X(void, glBindTexture, (GLenum target, GLuint texture)) \
  X(void, glBindVertexArray, (GLuint array)) \
  X(void, glBitmap, (GLsizei width, GLsizei height, GLfloat xorig, GLfloat yorig, GLfloat xmove, GLfloat ymove, const GLubyte* bitmap)) \
  X(void, glBlendColor, (GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha)) \
  X(void, glBlendEquation, (GLenum mode)) \
  X(void, glBlendEquationSeparate, (GLenum modeRGB, GLenum modeAlpha)) \
  X(void, glBlendFunc, (GLenum sfactor, GLenum dfactor)) \
  X(void, glBlendFuncSeparate, (GLenum sfactorRGB, GLenum dfactorRGB, GLenum sfactorAlpha, GLenum dfactorAlpha)) \
  X(void, glBlitFramebuffer, (GLint srcX0, GLint srcY0, GLint srcX1, GLint srcY1, GLint dstX0, GLint dstY0, GLint dstX1, GLint dstY1, GLbitfield mask, GLenum filter)) \
  X(void, glBufferData, (GLenum target, GLsizeiptr size, const void* data, GLenum usage)) \
  X(void, glBufferSubData, (GLenum target, GLintptr offset, GLsizeiptr size, const void* data)) \
  X(void, glCallList, (GLuint list)) \
  X(void, glCallLists, (GLsizei n, GLenum type, const void* lists)) \
  X(GLenum, glCheckFramebufferStatus, (GLenum target)) \
  X(void, glClampColor, (GLenum target, GLenum clamp)) \
  X(void, glClear, (GLbitfield mask)) \
  X(void, glClearAccum, (GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha)) \
  X(void, glClearBufferfi, (GLenum buffer, GLint drawbuffer, GLfloat depth, GLint stencil)) \
  X(void, glClearBufferfv, (GLenum buffer, GLint drawbuffer, const GLfloat* value)) \
  X(void, glClearBufferiv, (GLenum buffer, GLint drawbuffer, const GLint* value)) \
  X(void, glClearBufferuiv, (GLenum buffer, GLint drawbuffer, const GLuint* value)) \
  X(void, glClearColor, (GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha)) \
  X(void, glClearDepth, (GLdouble depth)) \
  X(void, glClearIndex, (GLfloat c)) \
  X(void, glClearStencil, (GLint s)) \
  X(void, glClientActiveTexture, (GLenum texture)) \
  X(GLenum, glClientWaitSync, (GLsync sync, GLbitfield flags, GLuint64 timeout)) \
  X(void, glClipPlane, (GLenum plane, const GLdouble* equation)) \
  X(void, glColor3b, (GLbyte red, GLbyte green, GLbyte blue)) \
  X(void, glColor3bv, (const GLbyte* v)) \
  X(void, glColor3d, (GLdouble red, GLdouble green, GLdouble blue)) \
  X(void, glColor3dv, (const GLdouble* v)) \
  X(void, glColor3f, (GLfloat red, GLfloat green, GLfloat blue)) \
  X(void, glColor3fv, (const GLfloat* v)) \
  X(void, glColor3i, (GLint red, GLint green, GLint blue)) \
  X(void, glColor3iv, (const GLint* v)) \
  X(void, glColor3s, (GLshort red, GLshort green, GLshort blue)) \
  X(void, glColor3sv, (const GLshort* v)) \
  X(void, glColor3ub, (GLubyte red, GLubyte green, GLubyte blue)) \
  X(void, glColor3ubv, (const GLubyte* v)) \
  X(void, glColor3ui, (GLuint red, GLuint green, GLuint blue)) \
  X(void, glColor3uiv, (const GLuint* v)) \
  X(void, glColor3us, (GLushort red, GLushort green, GLushort blue)) \
  X(void, glColor3usv, (const GLushort* v)) \
  X(void, glColor4b, (GLbyte red, GLbyte green, GLbyte blue, GLbyte alpha)) \
  X(void, glColor4bv, (const GLbyte* v)) \
  X(void, glColor4d, (GLdouble red, GLdouble green, GLdouble blue, GLdouble alpha)) \
  X(void, glColor4dv, (const GLdouble* v)) \
  X(void, glColor4f, (GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha)) \
  X(void, glColor4fv, (const GLfloat* v)) \
  X(void, glColor4i, (GLint red, GLint green, GLint blue, GLint alpha)) \
  X(void, glColor4iv, (const GLint* v)) \
  X(void, glColor4s, (GLshort red, GLshort green, GLshort blue, GLshort alpha)) \
  X(void, glColor4sv, (const GLshort* v)) \
  X(void, glColor4ub, (GLubyte red, GLubyte green, GLubyte blue, GLubyte alpha)) \
  X(void, glColor4ubv, (const GLubyte* v)) \
  X(void, glColor4ui, (GLuint red, GLuint green, GLuint blue, GLuint alpha)) \
  X(void, glColor4uiv, (const GLuint* v)) \
  X(void, glColor4us, (GLushort red, GLushort green, GLushort blue, GLushort alpha)) \
  X(void, glColor4usv, (const GLushort* v)) \
  X(void, glColorMask, (GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha)) \
  X(void, glColorMaski, (GLuint index, GLboolean r, GLboolean g, GLboolean b, GLboolean a)) \
  X(void, glColorMaterial, (GLenum face, GLenum mode)) \
  X(void, glColorP3ui, (GLenum type, GLuint color)) \
  X(void, glColorP3uiv, (GLenum type, const GLuint* color)) \
  X(void, glColorP4ui, (GLenum type, GLuint color)) \
  X(void, glColorP4uiv, (GLenum type, const GLuint* color)) \
  X(void, glColorPointer, (GLint size, GLenum type, GLsizei stride, const void* pointer)) \
  X(void, glCompileShader, (GLuint shader)) \
  X(void, glCompressedTexImage1D, (GLenum target, GLint level, GLenum internalformat, GLsizei width, GLint border, GLsizei imageSize, const void* data)) \
  X(void, glCompressedTexImage2D, (GLenum target, GLint level, GLenum internalformat, GLsizei width, GLsizei height, GLint border, GLsizei imageSize, const void* data)) \
  X(void, glCompressedTexImage3D, (GLenum target, GLint level, GLenum internalformat, GLsizei width, GLsizei height, GLsizei depth, GLint border, GLsizei imageSize, const void* data)) \
  X(void, glCompressedTexSubImage1D, (GLenum target, GLint level, GLint xoffset, GLsizei width, GLenum format, GLsizei imageSize, const void* data)) \
  X(void, glCompressedTexSubImage2D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLsizei width, GLsizei height, GLenum format, GLsizei imageSize, const void* data)) \
  X(void, glCompressedTexSubImage3D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint zoffset, GLsizei width, GLsizei height, GLsizei depth, GLenum format, GLsizei imageSize, const void* data)) \
  X(void, glCopyBufferSubData, (GLenum readTarget, GLenum writeTarget, GLintptr readOffset, GLintptr writeOffset, GLsizeiptr size)) \
  X(void, glCopyPixels, (GLint x, GLint y, GLsizei width, GLsizei height, GLenum type)) \
  X(void, glCopyTexImage1D, (GLenum target, GLint level, GLenum internalformat, GLint x, GLint y, GLsizei width, GLint border)) \
  X(void, glCopyTexImage2D, (GLenum target, GLint level, GLenum internalformat, GLint x, GLint y, GLsizei width, GLsizei height, GLint border)) \
  X(void, glCopyTexSubImage1D, (GLenum target, GLint level, GLint xoffset, GLint x, GLint y, GLsizei width)) \
  X(void, glCopyTexSubImage2D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint x, GLint y, GLsizei width, GLsizei height)) \
  X(void, glCopyTexSubImage3D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint zoffset, GLint x, GLint y, GLsizei width, GLsizei height)) \
  X(GLuint, glCreateProgram, ()) \
  X(GLuint, glCreateShader, (GLenum type)) \
  X(void, glCullFace, (GLenum mode)) \
  X(void, glDebugMessageCallback, (GLDEBUGPROC callback, const void* userParam)) \
  X(void, glDebugMessageControl, (GLenum source, GLenum type, GLenum severity, GLsizei count, const GLuint* ids, GLboolean enabled)) \
  X(void, glDebugMessageInsert, (GLenum source, GLenum type, GLuint id, GLenum severity, GLsizei length, const GLchar* buf)) \
  X(void, glDeleteBuffers, (GLsizei n, const GLuint* buffers)) \
  X(void, glDeleteFramebuffers, (GLsizei n, const GLuint* framebuffers)) \
  X(void, glDeleteLists, (GLuint list, GLsizei range)) \
  X(void, glDeleteProgram, (GLuint program)) \
  X(void, glDeleteQueries, (GLsizei n, const GLuint* ids)) \
  X(void, glDeleteRenderbuffers, (GLsizei n, const GLuint* renderbuffers)) \
  X(void, glDeleteSamplers, (GLsizei count, const GLuint* samplers)) \
  X(void, glDeleteShader, (GLuint shader)) \
  X(void, glDeleteSync, (GLsync sync)) \
  X(void, glDeleteTextures, (GLsizei n, const GLuint* textures)) \
  X(void, glDeleteVertexArrays, (GLsizei n, const GLuint* arrays)) \
  X(void, glDepthFunc, (GLenum func)) \
  X(void, glDepthMask, (GLboolean flag)) \
  X(void, glDepthRange, (GLdouble n, GLdouble f)) \
  X(void, glDetachShader, (GLuint program, GLuint shader)) \
  X(void, glDisable, (GLenum cap)) \
  X(void, glDisableClientState, (GLenum array)) \
  X(void, glDisableVertexAttribArray, (GLuint index)) \
  X(void, glDisablei, (GLenum target, GLuint index)) \
  X(void, glDrawArrays, (GLenum mode, GLint first, GLsizei count)) \
  X(void, glDrawArraysInstanced, (GLenum mode, GLint first, GLsizei count, GLsizei instancecount)) \
  X(void, glDrawBuffer, (GLenum buf)) \
  X(void, glDrawBuffers, (GLsizei n, const GLenum* bufs)) \
  X(void, glDrawElements, (GLenum mode, GLsizei count, GLenum type, const void* indices)) \
  X(void, glDrawElementsBaseVertex, (GLenum mode, GLsizei count, GLenum type, const void* indices, GLint basevertex)) \
  X(void, glDrawElementsInstanced, (GLenum mode, GLsizei count, GLenum type, const void* indices, GLsizei instancecount)) \
  X(void, glDrawElementsInstancedBaseVertex, (GLenum mode, GLsizei count, GLenum type, const void* indices, GLsizei instancecount, GLint basevertex)) \
  X(void, glDrawPixels, (GLsizei width, GLsizei height, GLenum format, GLenum type, const void* pixels)) \
  X(void, glDrawRangeElements, (GLenum mode, GLuint start, GLuint end, GLsizei count, GLenum type, const void* indices)) \
  X(void, glDrawRangeElementsBaseVertex, (GLenum mode, GLuint start, GLuint end, GLsizei count, GLenum type, const void* indices, GLint basevertex)) \
  X(void, glEdgeFlag, (GLboolean flag)) \
  X(void, glEdgeFlagPointer, (GLsizei stride, const void* pointer)) \
  X(void, glEdgeFlagv, (const GLboolean* flag)) \
  X(void, glEnable, (GLenum cap)) \
  X(void, glEnableClientState, (GLenum array)) \
  X(void, glEnableVertexAttribArray, (GLuint index)) \
  X(void, glEnablei, (GLenum target, GLuint index)) \
  X(void, glEnd, ()) \
  X(void, glEndConditionalRender, ()) \
  X(void, glEndList, ()) \
  X(void, glEndQuery, (GLenum target)) \
  X(void, glEndTransformFeedback, ()) \
  X(void, glEvalCoord1d, (GLdouble u)) \
  X(void, glEvalCoord1dv, (const GLdouble* u)) \
  X(void, glEvalCoord1f, (GLfloat u)) \
  X(void, glEvalCoord1fv, (const GLfloat* u)) \
  X(void, glEvalCoord2d, (GLdouble u, GLdouble v)) \
  X(void, glEvalCoord2dv, (const GLdouble* u)) \
  X(void, glEvalCoord2f, (GLfloat u, GLfloat v)) \
  X(void, glEvalCoord2fv, (const GLfloat* u)) \
  X(void, glEvalMesh1, (GLenum mode, GLint i1, GLint i2)) \
  X(void, glEvalMesh2, (GLenum mode, GLint i1, GLint i2, GLint j1, GLint j2)) \
  X(void, glEvalPoint1, (GLint i)) \
  X(void, glEvalPoint2, (GLint i, GLint j)) \
  X(void, glFeedbackBuffer, (GLsizei size, GLenum type, GLfloat* buffer)) \
  X(GLsync, glFenceSync, (GLenum condition, GLbitfield flags)) \
  X(void, glFinish, ()) \
  X(void, glFlush, ()) \
  X(void, glFlushMappedBufferRange, (GLenum target, GLintptr offset, GLsizeiptr length)) \
  X(void, glFogCoordPointer, (GLenum type, GLsizei stride, const void* pointer)) \
  X(void, glFogCoordd, (GLdouble coord)) \
  X(void, glFogCoorddv, (const GLdouble* coord)) \
  X(void, glFogCoordf, (GLfloat coord)) \
  X(void, glFogCoordfv, (const GLfloat* coord)) \
  X(void, glFogf, (GLenum pname, GLfloat param)) \
  X(void, glFogfv, (GLenum pname, const GLfloat* params)) \
  X(void, glFogi, (GLenum pname, GLint param)) \
  X(void, glFogiv, (GLenum pname, const GLint* params)) \
  X(void, glFramebufferRenderbuffer, (GLenum target, GLenum attachment, GLenum renderbuffertarget, GLuint renderbuffer)) \
  X(void, glFramebufferTexture, (GLenum target, GLenum attachment, GLuint texture, GLint level)) \
  X(void, glFramebufferTexture1D, (GLenum target, GLenum attachment, GLenum textarget, GLuint texture, GLint level)) \
  X(void, glFramebufferTexture2D, (GLenum target, GLenum attachment, GLenum textarget, GLuint texture, GLint level)) \
  X(void, glFramebufferTexture3D, (GLenum target, GLenum attachment, GLenum textarget, GLuint texture, GLint level, GLint zoffset)) \
  X(void, glFramebufferTextureLayer, (GLenum target, GLenum attachment, GLuint texture, GLint level, GLint layer)) \
  X(void, glFrontFace, (GLenum mode)) \
  X(void, glFrustum, (GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar)) \
  X(void, glGenBuffers, (GLsizei n, GLuint* buffers)) \
  X(void, glGenFramebuffers, (GLsizei n, GLuint* framebuffers)) \
  X(GLuint, glGenLists, (GLsizei range)) \
  X(void, glGenQueries, (GLsizei n, GLuint* ids)) \
  X(void, glGenRenderbuffers, (GLsizei n, GLuint* renderbuffers)) \
  X(void, glGenSamplers, (GLsizei count, GLuint* samplers)) \
  X(void, glGenTextures, (GLsizei n, GLuint* textures)) \
  X(void, glGenVertexArrays, (GLsizei n, GLuint* arrays)) \
  X(void, glGenerateMipmap, (GLenum target)) \
  X(void, glGetActiveAttrib, (GLuint program, GLuint index, GLsizei bufSize, GLsizei* length, GLint* size, GLenum* type, GLchar* name)) \
  X(void, glGetActiveUniform, (GLuint program, GLuint index, GLsizei bufSize, GLsizei* length, GLint* size, GLenum* type, GLchar* name)) \
  X(void, glGetActiveUniformBlockName, (GLuint program, GLuint uniformBlockIndex, GLsizei bufSize, GLsizei* length, GLchar* uniformBlockName)) \
  X(void, glGetActiveUniformBlockiv, (GLuint program, GLuint uniformBlockIndex, GLenum pname, GLint* params)) \
  X(void, glGetActiveUniformName, (GLuint program, GLuint uniformIndex, GLsizei bufSize, GLsizei* length, GLchar* uniformName)) \
  X(void, glGetActiveUniformsiv, (GLuint program, GLsizei uniformCount, const GLuint* uniformIndices, GLenum pname, GLint* params)) \
  X(void, glGetAttachedShaders, (GLuint program, GLsizei maxCount, GLsizei* count, GLuint* shaders)) \
  X(GLint, glGetAttribLocation, (GLuint program, const GLchar* name)) \
  X(void, glGetBooleani_v, (GLenum target, GLuint index, GLboolean* data)) \
  X(void, glGetBooleanv, (GLenum pname, GLboolean* data)) \
  X(void, glGetBufferParameteri64v, (GLenum target, GLenum pname, GLint64* params)) \
  X(void, glGetBufferParameteriv, (GLenum target, GLenum pname, GLint* params)) \
  X(void, glGetBufferPointerv, (GLenum target, GLenum pname, void* * params)) \
  X(void, glGetBufferSubData, (GLenum target, GLintptr offset, GLsizeiptr size, void* data)) \
  X(void, glGetClipPlane, (GLenum plane, GLdouble* equation)) \
  X(void, glGetCompressedTexImage, (GLenum target, GLint level, void* img)) \
  X(GLuint, glGetDebugMessageLog, (GLuint count, GLsizei bufSize, GLenum* sources, GLenum* types, GLuint* ids, GLenum* severities, GLsizei* lengths, GLchar* messageLog)) \
  X(void, glGetDoublev, (GLenum pname, GLdouble* data)) \
  X(GLenum, glGetError, ()) \
  X(void, glGetFloatv, (GLenum pname, GLfloat* data)) \
  X(GLint, glGetFragDataIndex, (GLuint program, const GLchar* name)) \
  X(GLint, glGetFragDataLocation, (GLuint program, const GLchar* name)) \
  X(void, glGetFramebufferAttachmentParameteriv, (GLenum target, GLenum attachment, GLenum pname, GLint* params)) \
  X(GLenum, glGetGraphicsResetStatusARB, ()) \
  X(void, glGetInteger64i_v, (GLenum target, GLuint index, GLint64* data)) \
  X(void, glGetInteger64v, (GLenum pname, GLint64* data)) \
  X(void, glGetIntegeri_v, (GLenum target, GLuint index, GLint* data)) \
  X(void, glGetIntegerv, (GLenum pname, GLint* data)) \
  X(void, glGetInternalformativ, (GLenum target, GLenum internalformat, GLenum pname, GLsizei count, GLint* params)) \
  X(void, glGetLightfv, (GLenum light, GLenum pname, GLfloat* params)) \
  X(void, glGetLightiv, (GLenum light, GLenum pname, GLint* params)) \
  X(void, glGetMapdv, (GLenum target, GLenum query, GLdouble* v)) \
  X(void, glGetMapfv, (GLenum target, GLenum query, GLfloat* v)) \
  X(void, glGetMapiv, (GLenum target, GLenum query, GLint* v)) \
  X(void, glGetMaterialfv, (GLenum face, GLenum pname, GLfloat* params)) \
  X(void, glGetMaterialiv, (GLenum face, GLenum pname, GLint* params)) \
  X(void, glGetMultisamplefv, (GLenum pname, GLuint index, GLfloat* val)) \
  X(void, glGetObjectLabel, (GLenum identifier, GLuint name, GLsizei bufSize, GLsizei* length, GLchar* label)) \
  X(void, glGetObjectPtrLabel, (const void* ptr, GLsizei bufSize, GLsizei* length, GLchar* label)) \
  X(void, glGetPixelMapfv, (GLenum map, GLfloat* values)) \
  X(void, glGetPixelMapuiv, (GLenum map, GLuint* values)) \
  X(void, glGetPixelMapusv, (GLenum map, GLushort* values)) \
  X(void, glGetPointerv, (GLenum pname, void* * params)) \
  X(void, glGetPolygonStipple, (GLubyte* mask)) \
  X(void, glGetProgramInfoLog, (GLuint program, GLsizei bufSize, GLsizei* length, GLchar* infoLog)) \
  X(void, glGetProgramiv, (GLuint program, GLenum pname, GLint* params)) \
  X(void, glGetQueryObjecti64v, (GLuint id, GLenum pname, GLint64* params)) \
  X(void, glGetQueryObjectiv, (GLuint id, GLenum pname, GLint* params)) \
  X(void, glGetQueryObjectui64v, (GLuint id, GLenum pname, GLuint64* params)) \
  X(void, glGetQueryObjectuiv, (GLuint id, GLenum pname, GLuint* params)) \
  X(void, glGetQueryiv, (GLenum target, GLenum pname, GLint* params)) \
  X(void, glGetRenderbufferParameteriv, (GLenum target, GLenum pname, GLint* params)) \
  X(void, glGetSamplerParameterIiv, (GLuint sampler, GLenum pname, GLint* params)) \
  X(void, glGetSamplerParameterIuiv, (GLuint sampler, GLenum pname, GLuint* params)) \
  X(void, glGetSamplerParameterfv, (GLuint sampler, GLenum pname, GLfloat* params)) \
  X(void, glGetSamplerParameteriv, (GLuint sampler, GLenum pname, GLint* params)) \
  X(void, glGetShaderInfoLog, (GLuint shader, GLsizei bufSize, GLsizei* length, GLchar* infoLog)) \
  X(void, glGetShaderSource, (GLuint shader, GLsizei bufSize, GLsizei* length, GLchar* source)) \
  X(void, glGetShaderiv, (GLuint shader, GLenum pname, GLint* params)) \
  X(const GLubyte*, glGetString, (GLenum name)) \
  X(const GLubyte*, glGetStringi, (GLenum name, GLuint index)) \
  X(void, glGetSynciv, (GLsync sync, GLenum pname, GLsizei count, GLsizei* length, GLint* values)) \
  X(void, glGetTexEnvfv, (GLenum target, GLenum pname, GLfloat* params)) \
  X(void, glGetTexEnviv, (GLenum target, GLenum pname, GLint* params)) \
  X(void, glGetTexGendv, (GLenum coord, GLenum pname, GLdouble* params)) \
  X(void, glGetTexGenfv, (GLenum coord, GLenum pname, GLfloat* params)) \
  X(void, glGetTexGeniv, (GLenum coord, GLenum pname, GLint* params)) \
  X(void, glGetTexImage, (GLenum target, GLint level, GLenum format, GLenum type, void* pixels)) \
  X(void, glGetTexLevelParameterfv, (GLenum target, GLint level, GLenum pname, GLfloat* params)) \
  X(void, glGetTexLevelParameteriv, (GLenum target, GLint level, GLenum pname, GLint* params)) \
  X(void, glGetTexParameterIiv, (GLenum target, GLenum pname, GLint* params)) \
  X(void, glGetTexParameterIuiv, (GLenum target, GLenum pname, GLuint* params)) \
  X(void, glGetTexParameterfv, (GLenum target, GLenum pname, GLfloat* params)) \
  X(void, glGetTexParameteriv, (GLenum target, GLenum pname, GLint* params)) \
  X(void, glGetTransformFeedbackVarying, (GLuint program, GLuint index, GLsizei bufSize, GLsizei* length, GLsizei* size, GLenum* type, GLchar* name)) \
  X(GLuint, glGetUniformBlockIndex, (GLuint program, const GLchar* uniformBlockName)) \
  X(void, glGetUniformIndices, (GLuint program, GLsizei uniformCount, const GLchar* const* uniformNames, GLuint* uniformIndices)) \
  X(GLint, glGetUniformLocation, (GLuint program, const GLchar* name)) \
  X(void, glGetUniformfv, (GLuint program, GLint location, GLfloat* params)) \
  X(void, glGetUniformiv, (GLuint program, GLint location, GLint* params)) \
  X(void, glGetUniformuiv, (GLuint program, GLint location, GLuint* params)) \
  X(void, glGetVertexAttribIiv, (GLuint index, GLenum pname, GLint* params)) \
  X(void, glGetVertexAttribIuiv, (GLuint index, GLenum pname, GLuint* params)) \
  X(void, glGetVertexAttribPointerv, (GLuint index, GLenum pname, void* * pointer)) \
  X(void, glGetVertexAttribdv, (GLuint index, GLenum pname, GLdouble* params)) \
  X(void, glGetVertexAttribfv, (GLuint index, GLenum pname, GLfloat* params)) \
  X(void, glGetVertexAttribiv, (GLuint index, GLenum pname, GLint* params)) \
  X(void, glGetnColorTableARB, (GLenum target, GLenum format, GLenum type, GLsizei bufSize, void* table)) \
  X(void, glGetnCompressedTexImageARB, (GLenum target, GLint lod, GLsizei bufSize, void* img)) \
  X(void, glGetnConvolutionFilterARB, (GLenum target, GLenum format, GLenum type, GLsizei bufSize, void* image)) \
  X(void, glGetnHistogramARB, (GLenum target, GLboolean reset, GLenum format, GLenum type, GLsizei bufSize, void* values)) \
  X(void, glGetnMapdvARB, (GLenum target, GLenum query, GLsizei bufSize, GLdouble* v)) \
  X(void, glGetnMapfvARB, (GLenum target, GLenum query, GLsizei bufSize, GLfloat* v)) \
  X(void, glGetnMapivARB, (GLenum target, GLenum query, GLsizei bufSize, GLint* v)) \
  X(void, glGetnMinmaxARB, (GLenum target, GLboolean reset, GLenum format, GLenum type, GLsizei bufSize, void* values)) \
  X(void, glGetnPixelMapfvARB, (GLenum map, GLsizei bufSize, GLfloat* values)) \
  X(void, glGetnPixelMapuivARB, (GLenum map, GLsizei bufSize, GLuint* values)) \
  X(void, glGetnPixelMapusvARB, (GLenum map, GLsizei bufSize, GLushort* values)) \
  X(void, glGetnPolygonStippleARB, (GLsizei bufSize, GLubyte* pattern)) \
  X(void, glGetnSeparableFilterARB, (GLenum target, GLenum format, GLenum type, GLsizei rowBufSize, void* row, GLsizei columnBufSize, void* column, void* span)) \
  X(void, glGetnTexImageARB, (GLenum target, GLint level, GLenum format, GLenum type, GLsizei bufSize, void* img)) \
  X(void, glGetnUniformdvARB, (GLuint program, GLint location, GLsizei bufSize, GLdouble* params)) \
  X(void, glGetnUniformfvARB, (GLuint program, GLint location, GLsizei bufSize, GLfloat* params)) \
  X(void, glGetnUniformivARB, (GLuint program, GLint location, GLsizei bufSize, GLint* params)) \
  X(void, glGetnUniformuivARB, (GLuint program, GLint location, GLsizei bufSize, GLuint* params)) \
  X(void, glHint, (GLenum target, GLenum mode)) \
  X(void, glIndexMask, (GLuint mask)) \
  X(void, glIndexPointer, (GLenum type, GLsizei stride, const void* pointer)) \
  X(void, glIndexd, (GLdouble c)) \
  X(void, glIndexdv, (const GLdouble* c)) \
  X(void, glIndexf, (GLfloat c)) \
  X(void, glIndexfv, (const GLfloat* c)) \
  X(void, glIndexi, (GLint c)) \
  X(void, glIndexiv, (const GLint* c)) \
  X(void, glIndexs, (GLshort c)) \
  X(void, glIndexsv, (const GLshort* c)) \
  X(void, glIndexub, (GLubyte c)) \
  X(void, glIndexubv, (const GLubyte* c)) \
  X(void, glInitNames, ()) \
  X(void, glInterleavedArrays, (GLenum format, GLsizei stride, const void* pointer)) \
  X(GLboolean, glIsBuffer, (GLuint buffer)) \
  X(GLboolean, glIsEnabled, (GLenum cap)) \
  X(GLboolean, glIsEnabledi, (GLenum target, GLuint index)) \
  X(GLboolean, glIsFramebuffer, (GLuint framebuffer)) \
  X(GLboolean, glIsList, (GLuint list)) \
  X(GLboolean, glIsProgram, (GLuint program)) \
  X(GLboolean, glIsQuery, (GLuint id)) \
  X(GLboolean, glIsRenderbuffer, (GLuint renderbuffer)) \
  X(GLboolean, glIsSampler, (GLuint sampler)) \
  X(GLboolean, glIsShader, (GLuint shader)) \
  X(GLboolean, glIsSync, (GLsync sync)) \
  X(GLboolean, glIsTexture, (GLuint texture)) \
  X(GLboolean, glIsVertexArray, (GLuint array)) \
  X(void, glLightModelf, (GLenum pname, GLfloat param)) \
  X(void, glLightModelfv, (GLenum pname, const GLfloat* params)) \
  X(void, glLightModeli, (GLenum pname, GLint param)) \
  X(void, glLightModeliv, (GLenum pname, const GLint* params)) \
  X(void, glLightf, (GLenum light, GLenum pname, GLfloat param)) \
  X(void, glLightfv, (GLenum light, GLenum pname, const GLfloat* params)) \
  X(void, glLighti, (GLenum light, GLenum pname, GLint param)) \
  X(void, glLightiv, (GLenum light, GLenum pname, const GLint* params)) \
  X(void, glLineStipple, (GLint factor, GLushort pattern)) \
  X(void, glLineWidth, (GLfloat width)) \
  X(void, glLinkProgram, (GLuint program)) \
  X(void, glListBase, (GLuint base)) \
  X(void, glLoadIdentity, ()) \
  X(void, glLoadMatrixd, (const GLdouble* m)) \
  X(void, glLoadMatrixf, (const GLfloat* m)) \
  X(void, glLoadName, (GLuint name)) \
  X(void, glLoadTransposeMatrixd, (const GLdouble* m)) \
  X(void, glLoadTransposeMatrixf, (const GLfloat* m)) \
  X(void, glLogicOp, (GLenum opcode)) \
  X(void, glMap1d, (GLenum target, GLdouble u1, GLdouble u2, GLint stride, GLint order, const GLdouble* points)) \
  X(void, glMap1f, (GLenum target, GLfloat u1, GLfloat u2, GLint stride, GLint order, const GLfloat* points)) \
  X(void, glMap2d, (GLenum target, GLdouble u1, GLdouble u2, GLint ustride, GLint uorder, GLdouble v1, GLdouble v2, GLint vstride, GLint vorder, const GLdouble* points)) \
  X(void, glMap2f, (GLenum target, GLfloat u1, GLfloat u2, GLint ustride, GLint uorder, GLfloat v1, GLfloat v2, GLint vstride, GLint vorder, const GLfloat* points)) \
  X(void*, glMapBuffer, (GLenum target, GLenum access)) \
  X(void*, glMapBufferRange, (GLenum target, GLintptr offset, GLsizeiptr length, GLbitfield access)) \
  X(void, glMapGrid1d, (GLint un, GLdouble u1, GLdouble u2)) \
  X(void, glMapGrid1f, (GLint un, GLfloat u1, GLfloat u2)) \
  X(void, glMapGrid2d, (GLint un, GLdouble u1, GLdouble u2, GLint vn, GLdouble v1, GLdouble v2)) \
  X(void, glMapGrid2f, (GLint un, GLfloat u1, GLfloat u2, GLint vn, GLfloat v1, GLfloat v2)) \
  X(void, glMaterialf, (GLenum face, GLenum pname, GLfloat param)) \
  X(void, glMaterialfv, (GLenum face, GLenum pname, const GLfloat* params)) \
  X(void, glMateriali, (GLenum face, GLenum pname, GLint param)) \
  X(void, glMaterialiv, (GLenum face, GLenum pname, const GLint* params)) \
  X(void, glMatrixMode, (GLenum mode)) \
  X(void, glMultMatrixd, (const GLdouble* m)) \
  X(void, glMultMatrixf, (const GLfloat* m)) \
  X(void, glMultTransposeMatrixd, (const GLdouble* m)) \
  X(void, glMultTransposeMatrixf, (const GLfloat* m)) \
  X(void, glMultiDrawArrays, (GLenum mode, const GLint* first, const GLsizei* count, GLsizei drawcount)) \
  X(void, glMultiDrawElements, (GLenum mode, const GLsizei* count, GLenum type, const void* const* indices, GLsizei drawcount)) \
  X(void, glMultiDrawElementsBaseVertex, (GLenum mode, const GLsizei* count, GLenum type, const void* const* indices, GLsizei drawcount, const GLint* basevertex)) \
  X(void, glMultiTexCoord1d, (GLenum target, GLdouble s)) \
  X(void, glMultiTexCoord1dv, (GLenum target, const GLdouble* v)) \
  X(void, glMultiTexCoord1f, (GLenum target, GLfloat s)) \
  X(void, glMultiTexCoord1fv, (GLenum target, const GLfloat* v)) \
  X(void, glMultiTexCoord1i, (GLenum target, GLint s)) \
  X(void, glMultiTexCoord1iv, (GLenum target, const GLint* v)) \
  X(void, glMultiTexCoord1s, (GLenum target, GLshort s)) \
  X(void, glMultiTexCoord1sv, (GLenum target, const GLshort* v)) \
  X(void, glMultiTexCoord2d, (GLenum target, GLdouble s, GLdouble t)) \
  X(void, glMultiTexCoord2dv, (GLenum target, const GLdouble* v)) \
  X(void, glMultiTexCoord2f, (GLenum target, GLfloat s, GLfloat t)) \
  X(void, glMultiTexCoord2fv, (GLenum target, const GLfloat* v)) \
  X(void, glMultiTexCoord2i, (GLenum target, GLint s, GLint t)) \
  X(void, glMultiTexCoord2iv, (GLenum target, const GLint* v)) \
  X(void, glMultiTexCoord2s, (GLenum target, GLshort s, GLshort t)) \
  X(void, glMultiTexCoord2sv, (GLenum target, const GLshort* v)) \
  X(void, glMultiTexCoord3d, (GLenum target, GLdouble s, GLdouble t, GLdouble r)) \
  X(void, glMultiTexCoord3dv, (GLenum target, const GLdouble* v)) \
  X(void, glMultiTexCoord3f, (GLenum target, GLfloat s, GLfloat t, GLfloat r)) \
  X(void, glMultiTexCoord3fv, (GLenum target, const GLfloat* v)) \
  X(void, glMultiTexCoord3i, (GLenum target, GLint s, GLint t, GLint r)) \
  X(void, glMultiTexCoord3iv, (GLenum target, const GLint* v)) \
  X(void, glMultiTexCoord3s, (GLenum target, GLshort s, GLshort t, GLshort r)) \
  X(void, glMultiTexCoord3sv, (GLenum target, const GLshort* v)) \
  X(void, glMultiTexCoord4d, (GLenum target, GLdouble s, GLdouble t, GLdouble r, GLdouble q)) \
  X(void, glMultiTexCoord4dv, (GLenum target, const GLdouble* v)) \
  X(void, glMultiTexCoord4f, (GLenum target, GLfloat s, GLfloat t, GLfloat r, GLfloat q)) \
  X(void, glMultiTexCoord4fv, (GLenum target, const GLfloat* v)) \
  X(void, glMultiTexCoord4i, (GLenum target, GLint s, GLint t, GLint r, GLint q)) \
  X(void, glMultiTexCoord4iv, (GLenum target, const GLint* v)) \
  X(void, glMultiTexCoord4s, (GLenum target, GLshort s, GLshort t, GLshort r, GLshort q)) \
  X(void, glMultiTexCoord4sv, (GLenum target, const GLshort* v)) \
  X(void, glMultiTexCoordP1ui, (GLenum texture, GLenum type, GLuint coords)) \
  X(void, glMultiTexCoordP1uiv, (GLenum texture, GLenum type, const GLuint* coords)) \
  X(void, glMultiTexCoordP2ui, (GLenum texture, GLenum type, GLuint coords)) \
  X(void, glMultiTexCoordP2uiv, (GLenum texture, GLenum type, const GLuint* coords)) \
  X(void, glMultiTexCoordP3ui, (GLenum texture, GLenum type, GLuint coords)) \
  X(void, glMultiTexCoordP3uiv, (GLenum texture, GLenum type, const GLuint* coords)) \
  X(void, glMultiTexCoordP4ui, (GLenum texture, GLenum type, GLuint coords)) \
  X(void, glMultiTexCoordP4uiv, (GLenum texture, GLenum type, const GLuint* coords)) \
  X(void, glNewList, (GLuint list, GLenum mode)) \
  X(void, glNormal3b, (GLbyte nx, GLbyte ny, GLbyte nz)) \
  X(void, glNormal3bv, (const GLbyte* v)) \
  X(void, glNormal3d, (GLdouble nx, GLdouble ny, GLdouble nz)) \
  X(void, glNormal3dv, (const GLdouble* v)) \
  X(void, glNormal3f, (GLfloat nx, GLfloat ny, GLfloat nz)) \
  X(void, glNormal3fv, (const GLfloat* v)) \
  X(void, glNormal3i, (GLint nx, GLint ny, GLint nz)) \
  X(void, glNormal3iv, (const GLint* v)) \
  X(void, glNormal3s, (GLshort nx, GLshort ny, GLshort nz)) \
  X(void, glNormal3sv, (const GLshort* v)) \
  X(void, glNormalP3ui, (GLenum type, GLuint coords)) \
  X(void, glNormalP3uiv, (GLenum type, const GLuint* coords)) \
  X(void, glNormalPointer, (GLenum type, GLsizei stride, const void* pointer)) \
  X(void, glObjectLabel, (GLenum identifier, GLuint name, GLsizei length, const GLchar* label)) \
  X(void, glObjectPtrLabel, (const void* ptr, GLsizei length, const GLchar* label)) \
  X(void, glOrtho, (GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar)) \
  X(void, glPassThrough, (GLfloat token)) \
  X(void, glPixelMapfv, (GLenum map, GLsizei mapsize, const GLfloat* values)) \
  X(void, glPixelMapuiv, (GLenum map, GLsizei mapsize, const GLuint* values)) \
  X(void, glPixelMapusv, (GLenum map, GLsizei mapsize, const GLushort* values)) \
  X(void, glPixelStoref, (GLenum pname, GLfloat param)) \
  X(void, glPixelStorei, (GLenum pname, GLint param)) \
  X(void, glPixelTransferf, (GLenum pname, GLfloat param)) \
  X(void, glPixelTransferi, (GLenum pname, GLint param)) \
  X(void, glPixelZoom, (GLfloat xfactor, GLfloat yfactor)) \
  X(void, glPointParameterf, (GLenum pname, GLfloat param)) \
  X(void, glPointParameterfv, (GLenum pname, const GLfloat* params)) \
  X(void, glPointParameteri, (GLenum pname, GLint param)) \
  X(void, glPointParameteriv, (GLenum pname, const GLint* params)) \
  X(void, glPointSize, (GLfloat size)) \
  X(void, glPolygonMode, (GLenum face, GLenum mode)) \
  X(void, glPolygonOffset, (GLfloat factor, GLfloat units)) \
  X(void, glPolygonStipple, (const GLubyte* mask)) \
  X(void, glPopAttrib, ()) \
  X(void, glPopClientAttrib, ()) \
  X(void, glPopDebugGroup, ()) \
  X(void, glPopMatrix, ()) \
  X(void, glPopName, ()) \
  X(void, glPrimitiveRestartIndex, (GLuint index)) \
  X(void, glPrioritizeTextures, (GLsizei n, const GLuint* textures, const GLfloat* priorities)) \
  X(void, glProvokingVertex, (GLenum mode)) \
  X(void, glPushAttrib, (GLbitfield mask)) \
  X(void, glPushClientAttrib, (GLbitfield mask)) \
  X(void, glPushDebugGroup, (GLenum source, GLuint id, GLsizei length, const GLchar* message)) \
  X(void, glPushMatrix, ()) \
  X(void, glPushName, (GLuint name)) \
  X(void, glQueryCounter, (GLuint id, GLenum target)) \
  X(void, glRasterPos2d, (GLdouble x, GLdouble y)) \
  X(void, glRasterPos2dv, (const GLdouble* v)) \
  X(void, glRasterPos2f, (GLfloat x, GLfloat y)) \
  X(void, glRasterPos2fv, (const GLfloat* v)) \
  X(void, glRasterPos2i, (GLint x, GLint y)) \
  X(void, glRasterPos2iv, (const GLint* v)) \
  X(void, glRasterPos2s, (GLshort x, GLshort y)) \
  X(void, glRasterPos2sv, (const GLshort* v)) \
  X(void, glRasterPos3d, (GLdouble x, GLdouble y, GLdouble z)) \
  X(void, glRasterPos3dv, (const GLdouble* v)) \
  X(void, glRasterPos3f, (GLfloat x, GLfloat y, GLfloat z)) \
  X(void, glRasterPos3fv, (const GLfloat* v)) \
  X(void, glRasterPos3i, (GLint x, GLint y, GLint z)) \
  X(void, glRasterPos3iv, (const GLint* v)) \
  X(void, glRasterPos3s, (GLshort x, GLshort y, GLshort z)) \
  X(void, glRasterPos3sv, (const GLshort* v)) \
  X(void, glRasterPos4d, (GLdouble x, GLdouble y, GLdouble z, GLdouble w)) \
  X(void, glRasterPos4dv, (const GLdouble* v)) \
  X(void, glRasterPos4f, (GLfloat x, GLfloat y, GLfloat z, GLfloat w)) \
  X(void, glRasterPos4fv, (const GLfloat* v)) \
  X(void, glRasterPos4i, (GLint x, GLint y, GLint z, GLint w)) \
  X(void, glRasterPos4iv, (const GLint* v)) \
  X(void, glRasterPos4s, (GLshort x, GLshort y, GLshort z, GLshort w)) \
  X(void, glRasterPos4sv, (const GLshort* v)) \
  X(void, glReadBuffer, (GLenum src)) \
  X(void, glReadPixels, (GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void* pixels)) \
  X(void, glReadnPixelsARB, (GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, GLsizei bufSize, void* data)) \
  X(void, glRectd, (GLdouble x1, GLdouble y1, GLdouble x2, GLdouble y2)) \
  X(void, glRectdv, (const GLdouble* v1, const GLdouble* v2)) \
  X(void, glRectf, (GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2)) \
  X(void, glRectfv, (const GLfloat* v1, const GLfloat* v2)) \
  X(void, glRecti, (GLint x1, GLint y1, GLint x2, GLint y2)) \
  X(void, glRectiv, (const GLint* v1, const GLint* v2)) \
  X(void, glRects, (GLshort x1, GLshort y1, GLshort x2, GLshort y2)) \
  X(void, glRectsv, (const GLshort* v1, const GLshort* v2)) \
  X(GLint, glRenderMode, (GLenum mode)) \
  X(void, glRenderbufferStorage, (GLenum target, GLenum internalformat, GLsizei width, GLsizei height)) \
  X(void, glRenderbufferStorageMultisample, (GLenum target, GLsizei samples, GLenum internalformat, GLsizei width, GLsizei height)) \
  X(void, glRotated, (GLdouble angle, GLdouble x, GLdouble y, GLdouble z)) \
  X(void, glRotatef, (GLfloat angle, GLfloat x, GLfloat y, GLfloat z)) \
  X(void, glSampleCoverage, (GLfloat value, GLboolean invert)) \
  X(void, glSampleCoverageARB, (GLfloat value, GLboolean invert)) \
  X(void, glSampleMaski, (GLuint maskNumber, GLbitfield mask)) \
  X(void, glSamplerParameterIiv, (GLuint sampler, GLenum pname, const GLint* param)) \
  X(void, glSamplerParameterIuiv, (GLuint sampler, GLenum pname, const GLuint* param)) \
  X(void, glSamplerParameterf, (GLuint sampler, GLenum pname, GLfloat param)) \
  X(void, glSamplerParameterfv, (GLuint sampler, GLenum pname, const GLfloat* param)) \
  X(void, glSamplerParameteri, (GLuint sampler, GLenum pname, GLint param)) \
  X(void, glSamplerParameteriv, (GLuint sampler, GLenum pname, const GLint* param)) \
  X(void, glScaled, (GLdouble x, GLdouble y, GLdouble z)) \
  X(void, glScalef, (GLfloat x, GLfloat y, GLfloat z)) \
  X(void, glScissor, (GLint x, GLint y, GLsizei width, GLsizei height)) \
  X(void, glSecondaryColor3b, (GLbyte red, GLbyte green, GLbyte blue)) \
  X(void, glSecondaryColor3bv, (const GLbyte* v)) \
  X(void, glSecondaryColor3d, (GLdouble red, GLdouble green, GLdouble blue)) \
  X(void, glSecondaryColor3dv, (const GLdouble* v)) \
  X(void, glSecondaryColor3f, (GLfloat red, GLfloat green, GLfloat blue)) \
  X(void, glSecondaryColor3fv, (const GLfloat* v)) \
  X(void, glSecondaryColor3i, (GLint red, GLint green, GLint blue)) \
  X(void, glSecondaryColor3iv, (const GLint* v)) \
  X(void, glSecondaryColor3s, (GLshort red, GLshort green, GLshort blue)) \
  X(void, glSecondaryColor3sv, (const GLshort* v)) \
  X(void, glSecondaryColor3ub, (GLubyte red, GLubyte green, GLubyte blue)) \
  X(void, glSecondaryColor3ubv, (const GLubyte* v)) \
  X(void, glSecondaryColor3ui, (GLuint red, GLuint green, GLuint blue)) \
  X(void, glSecondaryColor3uiv, (const GLuint* v)) \
  X(void, glSecondaryColor3us, (GLushort red, GLushort green, GLushort blue)) \
  X(void, glSecondaryColor3usv, (const GLushort* v)) \
  X(void, glSecondaryColorP3ui, (GLenum type, GLuint color)) \
  X(void, glSecondaryColorP3uiv, (GLenum type, const GLuint* color)) \
  X(void, glSecondaryColorPointer, (GLint size, GLenum type, GLsizei stride, const void* pointer)) \
  X(void, glSelectBuffer, (GLsizei size, GLuint* buffer)) \
  X(void, glShadeModel, (GLenum mode)) \
  X(void, glShaderSource, (GLuint shader, GLsizei count, const GLchar* const* string, const GLint* length)) \
  X(void, glStencilFunc, (GLenum func, GLint ref, GLuint mask)) \
  X(void, glStencilFuncSeparate, (GLenum face, GLenum func, GLint ref, GLuint mask)) \
  X(void, glStencilMask, (GLuint mask)) \
  X(void, glStencilMaskSeparate, (GLenum face, GLuint mask)) \
  X(void, glStencilOp, (GLenum fail, GLenum zfail, GLenum zpass)) \
  X(void, glStencilOpSeparate, (GLenum face, GLenum sfail, GLenum dpfail, GLenum dppass)) \
  X(void, glTexBuffer, (GLenum target, GLenum internalformat, GLuint buffer)) \
  X(void, glTexCoord1d, (GLdouble s)) \
  X(void, glTexCoord1dv, (const GLdouble* v)) \
  X(void, glTexCoord1f, (GLfloat s)) \
  X(void, glTexCoord1fv, (const GLfloat* v)) \
  X(void, glTexCoord1i, (GLint s)) \
  X(void, glTexCoord1iv, (const GLint* v)) \
  X(void, glTexCoord1s, (GLshort s)) \
  X(void, glTexCoord1sv, (const GLshort* v)) \
  X(void, glTexCoord2d, (GLdouble s, GLdouble t)) \
  X(void, glTexCoord2dv, (const GLdouble* v)) \
  X(void, glTexCoord2f, (GLfloat s, GLfloat t)) \
  X(void, glTexCoord2fv, (const GLfloat* v)) \
  X(void, glTexCoord2i, (GLint s, GLint t)) \
  X(void, glTexCoord2iv, (const GLint* v)) \
  X(void, glTexCoord2s, (GLshort s, GLshort t)) \
  X(void, glTexCoord2sv, (const GLshort* v)) \
  X(void, glTexCoord3d, (GLdouble s, GLdouble t, GLdouble r)) \
  X(void, glTexCoord3dv, (const GLdouble* v)) \
  X(void, glTexCoord3f, (GLfloat s, GLfloat t, GLfloat r)) \
  X(void, glTexCoord3fv, (const GLfloat* v)) \
  X(void, glTexCoord3i, (GLint s, GLint t, GLint r)) \
  X(void, glTexCoord3iv, (const GLint* v)) \
  X(void, glTexCoord3s, (GLshort s, GLshort t, GLshort r)) \
  X(void, glTexCoord3sv, (const GLshort* v)) \
  X(void, glTexCoord4d, (GLdouble s, GLdouble t, GLdouble r, GLdouble q)) \
  X(void, glTexCoord4dv, (const GLdouble* v)) \
  X(void, glTexCoord4f, (GLfloat s, GLfloat t, GLfloat r, GLfloat q)) \
  X(void, glTexCoord4fv, (const GLfloat* v)) \
  X(void, glTexCoord4i, (GLint s, GLint t, GLint r, GLint q)) \
  X(void, glTexCoord4iv, (const GLint* v)) \
  X(void, glTexCoord4s, (GLshort s, GLshort t, GLshort r, GLshort q)) \
  X(void, glTexCoord4sv, (const GLshort* v)) \
  X(void, glTexCoordP1ui, (GLenum type, GLuint coords)) \
  X(void, glTexCoordP1uiv, (GLenum type, const GLuint* coords)) \
  X(void, glTexCoordP2ui, (GLenum type, GLuint coords)) \
  X(void, glTexCoordP2uiv, (GLenum type, const GLuint* coords)) \
  X(void, glTexCoordP3ui, (GLenum type, GLuint coords)) \
  X(void, glTexCoordP3uiv, (GLenum type, const GLuint* coords)) \
  X(void, glTexCoordP4ui, (GLenum type, GLuint coords)) \
  X(void, glTexCoordP4uiv, (GLenum type, const GLuint* coords)) \
  X(void, glTexCoordPointer, (GLint size, GLenum type, GLsizei stride, const void* pointer)) \
  X(void, glTexEnvf, (GLenum target, GLenum pname, GLfloat param)) \
  X(void, glTexEnvfv, (GLenum target, GLenum pname, const GLfloat* params)) \
  X(void, glTexEnvi, (GLenum target, GLenum pname, GLint param)) \
  X(void, glTexEnviv, (GLenum target, GLenum pname, const GLint* params)) \
  X(void, glTexGend, (GLenum coord, GLenum pname, GLdouble param)) \
  X(void, glTexGendv, (GLenum coord, GLenum pname, const GLdouble* params)) \
  X(void, glTexGenf, (GLenum coord, GLenum pname, GLfloat param)) \
  X(void, glTexGenfv, (GLenum coord, GLenum pname, const GLfloat* params)) \
  X(void, glTexGeni, (GLenum coord, GLenum pname, GLint param)) \
  X(void, glTexGeniv, (GLenum coord, GLenum pname, const GLint* params)) \
  X(void, glTexImage1D, (GLenum target, GLint level, GLint internalformat, GLsizei width, GLint border, GLenum format, GLenum type, const void* pixels)) \
  X(void, glTexImage2D, (GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height, GLint border, GLenum format, GLenum type, const void* pixels)) \
  X(void, glTexImage2DMultisample, (GLenum target, GLsizei samples, GLenum internalformat, GLsizei width, GLsizei height, GLboolean fixedsamplelocations)) \
  X(void, glTexImage3D, (GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height, GLsizei depth, GLint border, GLenum format, GLenum type, const void* pixels)) \
  X(void, glTexImage3DMultisample, (GLenum target, GLsizei samples, GLenum internalformat, GLsizei width, GLsizei height, GLsizei depth, GLboolean fixedsamplelocations)) \
  X(void, glTexParameterIiv, (GLenum target, GLenum pname, const GLint* params)) \
  X(void, glTexParameterIuiv, (GLenum target, GLenum pname, const GLuint* params)) \
  X(void, glTexParameterf, (GLenum target, GLenum pname, GLfloat param)) \
  X(void, glTexParameterfv, (GLenum target, GLenum pname, const GLfloat* params)) \
  X(void, glTexParameteri, (GLenum target, GLenum pname, GLint param)) \
  X(void, glTexParameteriv, (GLenum target, GLenum pname, const GLint* params)) \
  X(void, glTexSubImage1D, (GLenum target, GLint level, GLint xoffset, GLsizei width, GLenum format, GLenum type, const void* pixels)) \
  X(void, glTexSubImage2D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLsizei width, GLsizei height, GLenum format, GLenum type, const void* pixels)) \
  X(void, glTexSubImage3D, (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint zoffset, GLsizei width, GLsizei height, GLsizei depth, GLenum format, GLenum type, const void* pixels)) \
  X(void, glTransformFeedbackVaryings, (GLuint program, GLsizei count, const GLchar* const* varyings, GLenum bufferMode)) \
  X(void, glTranslated, (GLdouble x, GLdouble y, GLdouble z)) \
  X(void, glTranslatef, (GLfloat x, GLfloat y, GLfloat z)) \
  X(void, glUniform1f, (GLint location, GLfloat v0)) \
  X(void, glUniform1fv, (GLint location, GLsizei count, const GLfloat* value)) \
  X(void, glUniform1i, (GLint location, GLint v0)) \
  X(void, glUniform1iv, (GLint location, GLsizei count, const GLint* value)) \
  X(void, glUniform1ui, (GLint location, GLuint v0)) \
  X(void, glUniform1uiv, (GLint location, GLsizei count, const GLuint* value)) \
  X(void, glUniform2f, (GLint location, GLfloat v0, GLfloat v1)) \
  X(void, glUniform2fv, (GLint location, GLsizei count, const GLfloat* value)) \
  X(void, glUniform2i, (GLint location, GLint v0, GLint v1)) \
  X(void, glUniform2iv, (GLint location, GLsizei count, const GLint* value)) \
  X(void, glUniform2ui, (GLint location, GLuint v0, GLuint v1)) \
  X(void, glUniform2uiv, (GLint location, GLsizei count, const GLuint* value)) \
  X(void, glUniform3f, (GLint location, GLfloat v0, GLfloat v1, GLfloat v2)) \
  X(void, glUniform3fv, (GLint location, GLsizei count, const GLfloat* value)) \
  X(void, glUniform3i, (GLint location, GLint v0, GLint v1, GLint v2)) \
  X(void, glUniform3iv, (GLint location, GLsizei count, const GLint* value)) \
  X(void, glUniform3ui, (GLint location, GLuint v0, GLuint v1, GLuint v2)) \
  X(void, glUniform3uiv, (GLint location, GLsizei count, const GLuint* value)) \
  X(void, glUniform4f, (GLint location, GLfloat v0, GLfloat v1, GLfloat v2, GLfloat v3)) \
  X(void, glUniform4fv, (GLint location, GLsizei count, const GLfloat* value)) \
  X(void, glUniform4i, (GLint location, GLint v0, GLint v1, GLint v2, GLint v3)) \
  X(void, glUniform4iv, (GLint location, GLsizei count, const GLint* value)) \
  X(void, glUniform4ui, (GLint location, GLuint v0, GLuint v1, GLuint v2, GLuint v3)) \
  X(void, glUniform4uiv, (GLint location, GLsizei count, const GLuint* value)) \
  X(void, glUniformBlockBinding, (GLuint program, GLuint uniformBlockIndex, GLuint uniformBlockBinding)) \
  X(void, glUniformMatrix2fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value)) \
  X(void, glUniformMatrix2x3fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value)) \
  X(void, glUniformMatrix2x4fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value)) \
  X(void, glUniformMatrix3fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value)) \
  X(void, glUniformMatrix3x2fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value)) \
  X(void, glUniformMatrix3x4fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value)) \
  X(void, glUniformMatrix4fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value)) \
  X(void, glUniformMatrix4x2fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value)) \
  X(void, glUniformMatrix4x3fv, (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value)) \
  X(GLboolean, glUnmapBuffer, (GLenum target)) \
  X(void, glUseProgram, (GLuint program)) \
  X(void, glValidateProgram, (GLuint program)) \
  X(void, glVertex2d, (GLdouble x, GLdouble y)) \
  X(void, glVertex2dv, (const GLdouble* v)) \
  X(void, glVertex2f, (GLfloat x, GLfloat y)) \
  X(void, glVertex2fv, (const GLfloat* v)) \
  X(void, glVertex2i, (GLint x, GLint y)) \
  X(void, glVertex2iv, (const GLint* v)) \
  X(void, glVertex2s, (GLshort x, GLshort y)) \
  X(void, glVertex2sv, (const GLshort* v)) \
  X(void, glVertex3d, (GLdouble x, GLdouble y, GLdouble z)) \
  X(void, glVertex3dv, (const GLdouble* v)) \
  X(void, glVertex3f, (GLfloat x, GLfloat y, GLfloat z)) \
  X(void, glVertex3fv, (const GLfloat* v)) \
  X(void, glVertex3i, (GLint x, GLint y, GLint z)) \
  X(void, glVertex3iv, (const GLint* v)) \
  X(void, glVertex3s, (GLshort x, GLshort y, GLshort z)) \
  X(void, glVertex3sv, (const GLshort* v)) \
  X(void, glVertex4d, (GLdouble x, GLdouble y, GLdouble z, GLdouble w)) \
  X(void, glVertex4dv, (const GLdouble* v)) \
  X(void, glVertex4f, (GLfloat x, GLfloat y, GLfloat z, GLfloat w)) \
  X(void, glVertex4fv, (const GLfloat* v)) \
  X(void, glVertex4i, (GLint x, GLint y, GLint z, GLint w)) \
  X(void, glVertex4iv, (const GLint* v)) \
  X(void, glVertex4s, (GLshort x, GLshort y, GLshort z, GLshort w)) \
  X(void, glVertex4sv, (const GLshort* v)) \
  X(void, glVertexAttrib1d, (GLuint index, GLdouble x)) \
  X(void, glVertexAttrib1dv, (GLuint index, const GLdouble* v)) \
  X(void, glVertexAttrib1f, (GLuint index, GLfloat x)) \
  X(void, glVertexAttrib1fv, (GLuint index, const GLfloat* v)) \
  X(void, glVertexAttrib1s, (GLuint index, GLshort x)) \
  X(void, glVertexAttrib1sv, (GLuint index, const GLshort* v)) \
  X(void, glVertexAttrib2d, (GLuint index, GLdouble x, GLdouble y)) \
  X(void, glVertexAttrib2dv, (GLuint index, const GLdouble* v)) \
  X(void, glVertexAttrib2f, (GLuint index, GLfloat x, GLfloat y)) \
  X(void, glVertexAttrib2fv, (GLuint index, const GLfloat* v)) \
  X(void, glVertexAttrib2s, (GLuint index, GLshort x, GLshort y)) \
  X(void, glVertexAttrib2sv, (GLuint index, const GLshort* v)) \
  X(void, glVertexAttrib3d, (GLuint index, GLdouble x, GLdouble y, GLdouble z)) \
  X(void, glVertexAttrib3dv, (GLuint index, const GLdouble* v)) \
  X(void, glVertexAttrib3f, (GLuint index, GLfloat x, GLfloat y, GLfloat z)) \
  X(void, glVertexAttrib3fv, (GLuint index, const GLfloat* v)) \
  X(void, glVertexAttrib3s, (GLuint index, GLshort x, GLshort y, GLshort z)) \
  X(void, glVertexAttrib3sv, (GLuint index, const GLshort* v)) \
  X(void, glVertexAttrib4Nbv, (GLuint index, const GLbyte* v)) \
  X(void, glVertexAttrib4Niv, (GLuint index, const GLint* v)) \
  X(void, glVertexAttrib4Nsv, (GLuint index, const GLshort* v)) \
  X(void, glVertexAttrib4Nub, (GLuint index, GLubyte x, GLubyte y, GLubyte z, GLubyte w)) \
  X(void, glVertexAttrib4Nubv, (GLuint index, const GLubyte* v)) \
  X(void, glVertexAttrib4Nuiv, (GLuint index, const GLuint* v)) \
  X(void, glVertexAttrib4Nusv, (GLuint index, const GLushort* v)) \
  X(void, glVertexAttrib4bv, (GLuint index, const GLbyte* v)) \
  X(void, glVertexAttrib4d, (GLuint index, GLdouble x, GLdouble y, GLdouble z, GLdouble w)) \
  X(void, glVertexAttrib4dv, (GLuint index, const GLdouble* v)) \
  X(void, glVertexAttrib4f, (GLuint index, GLfloat x, GLfloat y, GLfloat z, GLfloat w)) \
  X(void, glVertexAttrib4fv, (GLuint index, const GLfloat* v)) \
  X(void, glVertexAttrib4iv, (GLuint index, const GLint* v)) \
  X(void, glVertexAttrib4s, (GLuint index, GLshort x, GLshort y, GLshort z, GLshort w)) \
  X(void, glVertexAttrib4sv, (GLuint index, const GLshort* v)) \
  X(void, glVertexAttrib4ubv, (GLuint index, const GLubyte* v)) \
  X(void, glVertexAttrib4uiv, (GLuint index, const GLuint* v)) \
  X(void, glVertexAttrib4usv, (GLuint index, const GLushort* v)) \
  X(void, glVertexAttribDivisor, (GLuint index, GLuint divisor)) \
  X(void, glVertexAttribI1i, (GLuint index, GLint x)) \
  X(void, glVertexAttribI1iv, (GLuint index, const GLint* v)) \
  X(void, glVertexAttribI1ui, (GLuint index, GLuint x)) \
  X(void, glVertexAttribI1uiv, (GLuint index, const GLuint* v)) \
  X(void, glVertexAttribI2i, (GLuint index, GLint x, GLint y)) \
  X(void, glVertexAttribI2iv, (GLuint index, const GLint* v)) \
  X(void, glVertexAttribI2ui, (GLuint index, GLuint x, GLuint y)) \
  X(void, glVertexAttribI2uiv, (GLuint index, const GLuint* v)) \
  X(void, glVertexAttribI3i, (GLuint index, GLint x, GLint y, GLint z)) \
  X(void, glVertexAttribI3iv, (GLuint index, const GLint* v)) \
  X(void, glVertexAttribI3ui, (GLuint index, GLuint x, GLuint y, GLuint z)) \
  X(void, glVertexAttribI3uiv, (GLuint index, const GLuint* v)) \
  X(void, glVertexAttribI4bv, (GLuint index, const GLbyte* v)) \
  X(void, glVertexAttribI4i, (GLuint index, GLint x, GLint y, GLint z, GLint w)) \
  X(void, glVertexAttribI4iv, (GLuint index, const GLint* v)) \
  X(void, glVertexAttribI4sv, (GLuint index, const GLshort* v)) \
  X(void, glVertexAttribI4ubv, (GLuint index, const GLubyte* v)) \
  X(void, glVertexAttribI4ui, (GLuint index, GLuint x, GLuint y, GLuint z, GLuint w)) \
  X(void, glVertexAttribI4uiv, (GLuint index, const GLuint* v)) \
  X(void, glVertexAttribI4usv, (GLuint index, const GLushort* v)) \
  X(void, glVertexAttribIPointer, (GLuint index, GLint size, GLenum type, GLsizei stride, const void* pointer)) \
  X(void, glVertexAttribP1ui, (GLuint index, GLenum type, GLboolean normalized, GLuint value)) \
  X(void, glVertexAttribP1uiv, (GLuint index, GLenum type, GLboolean normalized, const GLuint* value)) \
  X(void, glVertexAttribP2ui, (GLuint index, GLenum type, GLboolean normalized, GLuint value)) \
  X(void, glVertexAttribP2uiv, (GLuint index, GLenum type, GLboolean normalized, const GLuint* value)) \
  X(void, glVertexAttribP3ui, (GLuint index, GLenum type, GLboolean normalized, GLuint value)) \
  X(void, glVertexAttribP3uiv, (GLuint index, GLenum type, GLboolean normalized, const GLuint* value)) \
  X(void, glVertexAttribP4ui, (GLuint index, GLenum type, GLboolean normalized, GLuint value)) \
  X(void, glVertexAttribP4uiv, (GLuint index, GLenum type, GLboolean normalized, const GLuint* value)) \
  X(void, glVertexAttribPointer, (GLuint index, GLint size, GLenum type, GLboolean normalized, GLsizei stride, const void* pointer)) \
  X(void, glVertexP2ui, (GLenum type, GLuint value)) \
  X(void, glVertexP2uiv, (GLenum type, const GLuint* value)) \
  X(void, glVertexP3ui, (GLenum type, GLuint value)) \
  X(void, glVertexP3uiv, (GLenum type, const GLuint* value)) \
  X(void, glVertexP4ui, (GLenum type, GLuint value)) \
  X(void, glVertexP4uiv, (GLenum type, const GLuint* value)) \
  X(void, glVertexPointer, (GLint size, GLenum type, GLsizei stride, const void* pointer)) \
  X(void, glViewport, (GLint x, GLint y, GLsizei width, GLsizei height)) \
  X(void, glWaitSync, (GLsync sync, GLbitfield flags, GLuint64 timeout)) \
  X(void, glWindowPos2d, (GLdouble x, GLdouble y)) \
  X(void, glWindowPos2dv, (const GLdouble* v)) \
  X(void, glWindowPos2f, (GLfloat x, GLfloat y)) \
  X(void, glWindowPos2fv, (const GLfloat* v)) \
  X(void, glWindowPos2i, (GLint x, GLint y)) \
  X(void, glWindowPos2iv, (const GLint* v)) \
  X(void, glWindowPos2s, (GLshort x, GLshort y)) \
  X(void, glWindowPos2sv, (const GLshort* v)) \
  X(void, glWindowPos3d, (GLdouble x, GLdouble y, GLdouble z)) \
  X(void, glWindowPos3dv, (const GLdouble* v)) \
  X(void, glWindowPos3f, (GLfloat x, GLfloat y, GLfloat z)) \
  X(void, glWindowPos3fv, (const GLfloat* v)) \
  X(void, glWindowPos3i, (GLint x, GLint y, GLint z)) \
  X(void, glWindowPos3iv, (const GLint* v)) \
  X(void, glWindowPos3s, (GLshort x, GLshort y, GLshort z)) \
  X(void, glWindowPos3sv, (const GLshort* v)) \


// OpenGL 1.0: 306, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_1_0(X) \
  X(glAccum) \
  X(glAlphaFunc) \
  X(glBegin) \
  X(glBitmap) \
  X(glBlendFunc) \
  X(glCallList) \
  X(glCallLists) \
  X(glClear) \
  X(glClearAccum) \
  X(glClearColor) \
  X(glClearDepth) \
  X(glClearIndex) \
  X(glClearStencil) \
  X(glClipPlane) \
  X(glColor3b) \
  X(glColor3bv) \
  X(glColor3d) \
  X(glColor3dv) \
  X(glColor3f) \
  X(glColor3fv) \
  X(glColor3i) \
  X(glColor3iv) \
  X(glColor3s) \
  X(glColor3sv) \
  X(glColor3ub) \
  X(glColor3ubv) \
  X(glColor3ui) \
  X(glColor3uiv) \
  X(glColor3us) \
  X(glColor3usv) \
  X(glColor4b) \
  X(glColor4bv) \
  X(glColor4d) \
  X(glColor4dv) \
  X(glColor4f) \
  X(glColor4fv) \
  X(glColor4i) \
  X(glColor4iv) \
  X(glColor4s) \
  X(glColor4sv) \
  X(glColor4ub) \
  X(glColor4ubv) \
  X(glColor4ui) \
  X(glColor4uiv) \
  X(glColor4us) \
  X(glColor4usv) \
  X(glColorMask) \
  X(glColorMaterial) \
  X(glCopyPixels) \
  X(glCullFace) \
  X(glDeleteLists) \
  X(glDepthFunc) \
  X(glDepthMask) \
  X(glDepthRange) \
  X(glDisable) \
  X(glDrawBuffer) \
  X(glDrawPixels) \
  X(glEdgeFlag) \
  X(glEdgeFlagv) \
  X(glEnable) \
  X(glEnd) \
  X(glEndList) \
  X(glEvalCoord1d) \
  X(glEvalCoord1dv) \
  X(glEvalCoord1f) \
  X(glEvalCoord1fv) \
  X(glEvalCoord2d) \
  X(glEvalCoord2dv) \
  X(glEvalCoord2f) \
  X(glEvalCoord2fv) \
  X(glEvalMesh1) \
  X(glEvalMesh2) \
  X(glEvalPoint1) \
  X(glEvalPoint2) \
  X(glFeedbackBuffer) \
  X(glFinish) \
  X(glFlush) \
  X(glFogf) \
  X(glFogfv) \
  X(glFogi) \
  X(glFogiv) \
  X(glFrontFace) \
  X(glFrustum) \
  X(glGenLists) \
  X(glGetBooleanv) \
  X(glGetClipPlane) \
  X(glGetDoublev) \
  X(glGetError) \
  X(glGetFloatv) \
  X(glGetIntegerv) \
  X(glGetLightfv) \
  X(glGetLightiv) \
  X(glGetMapdv) \
  X(glGetMapfv) \
  X(glGetMapiv) \
  X(glGetMaterialfv) \
  X(glGetMaterialiv) \
  X(glGetPixelMapfv) \
  X(glGetPixelMapuiv) \
  X(glGetPixelMapusv) \
  X(glGetPolygonStipple) \
  X(glGetString) \
  X(glGetTexEnvfv) \
  X(glGetTexEnviv) \
  X(glGetTexGendv) \
  X(glGetTexGenfv) \
  X(glGetTexGeniv) \
  X(glGetTexImage) \
  X(glGetTexLevelParameterfv) \
  X(glGetTexLevelParameteriv) \
  X(glGetTexParameterfv) \
  X(glGetTexParameteriv) \
  X(glHint) \
  X(glIndexMask) \
  X(glIndexd) \
  X(glIndexdv) \
  X(glIndexf) \
  X(glIndexfv) \
  X(glIndexi) \
  X(glIndexiv) \
  X(glIndexs) \
  X(glIndexsv) \
  X(glInitNames) \
  X(glIsEnabled) \
  X(glIsList) \
  X(glLightModelf) \
  X(glLightModelfv) \
  X(glLightModeli) \
  X(glLightModeliv) \
  X(glLightf) \
  X(glLightfv) \
  X(glLighti) \
  X(glLightiv) \
  X(glLineStipple) \
  X(glLineWidth) \
  X(glListBase) \
  X(glLoadIdentity) \
  X(glLoadMatrixd) \
  X(glLoadMatrixf) \
  X(glLoadName) \
  X(glLogicOp) \
  X(glMap1d) \
  X(glMap1f) \
  X(glMap2d) \
  X(glMap2f) \
  X(glMapGrid1d) \
  X(glMapGrid1f) \
  X(glMapGrid2d) \
  X(glMapGrid2f) \
  X(glMaterialf) \
  X(glMaterialfv) \
  X(glMateriali) \
  X(glMaterialiv) \
  X(glMatrixMode) \
  X(glMultMatrixd) \
  X(glMultMatrixf) \
  X(glNewList) \
  X(glNormal3b) \
  X(glNormal3bv) \
  X(glNormal3d) \
  X(glNormal3dv) \
  X(glNormal3f) \
  X(glNormal3fv) \
  X(glNormal3i) \
  X(glNormal3iv) \
  X(glNormal3s) \
  X(glNormal3sv) \
  X(glOrtho) \
  X(glPassThrough) \
  X(glPixelMapfv) \
  X(glPixelMapuiv) \
  X(glPixelMapusv) \
  X(glPixelStoref) \
  X(glPixelStorei) \
  X(glPixelTransferf) \
  X(glPixelTransferi) \
  X(glPixelZoom) \
  X(glPointSize) \
  X(glPolygonMode) \
  X(glPolygonStipple) \
  X(glPopAttrib) \
  X(glPopMatrix) \
  X(glPopName) \
  X(glPushAttrib) \
  X(glPushMatrix) \
  X(glPushName) \
  X(glRasterPos2d) \
  X(glRasterPos2dv) \
  X(glRasterPos2f) \
  X(glRasterPos2fv) \
  X(glRasterPos2i) \
  X(glRasterPos2iv) \
  X(glRasterPos2s) \
  X(glRasterPos2sv) \
  X(glRasterPos3d) \
  X(glRasterPos3dv) \
  X(glRasterPos3f) \
  X(glRasterPos3fv) \
  X(glRasterPos3i) \
  X(glRasterPos3iv) \
  X(glRasterPos3s) \
  X(glRasterPos3sv) \
  X(glRasterPos4d) \
  X(glRasterPos4dv) \
  X(glRasterPos4f) \
  X(glRasterPos4fv) \
  X(glRasterPos4i) \
  X(glRasterPos4iv) \
  X(glRasterPos4s) \
  X(glRasterPos4sv) \
  X(glReadBuffer) \
  X(glReadPixels) \
  X(glRectd) \
  X(glRectdv) \
  X(glRectf) \
  X(glRectfv) \
  X(glRecti) \
  X(glRectiv) \
  X(glRects) \
  X(glRectsv) \
  X(glRenderMode) \
  X(glRotated) \
  X(glRotatef) \
  X(glScaled) \
  X(glScalef) \
  X(glScissor) \
  X(glSelectBuffer) \
  X(glShadeModel) \
  X(glStencilFunc) \
  X(glStencilMask) \
  X(glStencilOp) \
  X(glTexCoord1d) \
  X(glTexCoord1dv) \
  X(glTexCoord1f) \
  X(glTexCoord1fv) \
  X(glTexCoord1i) \
  X(glTexCoord1iv) \
  X(glTexCoord1s) \
  X(glTexCoord1sv) \
  X(glTexCoord2d) \
  X(glTexCoord2dv) \
  X(glTexCoord2f) \
  X(glTexCoord2fv) \
  X(glTexCoord2i) \
  X(glTexCoord2iv) \
  X(glTexCoord2s) \
  X(glTexCoord2sv) \
  X(glTexCoord3d) \
  X(glTexCoord3dv) \
  X(glTexCoord3f) \
  X(glTexCoord3fv) \
  X(glTexCoord3i) \
  X(glTexCoord3iv) \
  X(glTexCoord3s) \
  X(glTexCoord3sv) \
  X(glTexCoord4d) \
  X(glTexCoord4dv) \
  X(glTexCoord4f) \
  X(glTexCoord4fv) \
  X(glTexCoord4i) \
  X(glTexCoord4iv) \
  X(glTexCoord4s) \
  X(glTexCoord4sv) \
  X(glTexEnvf) \
  X(glTexEnvfv) \
  X(glTexEnvi) \
  X(glTexEnviv) \
  X(glTexGend) \
  X(glTexGendv) \
  X(glTexGenf) \
  X(glTexGenfv) \
  X(glTexGeni) \
  X(glTexGeniv) \
  X(glTexImage1D) \
  X(glTexImage2D) \
  X(glTexParameterf) \
  X(glTexParameterfv) \
  X(glTexParameteri) \
  X(glTexParameteriv) \
  X(glTranslated) \
  X(glTranslatef) \
  X(glVertex2d) \
  X(glVertex2dv) \
  X(glVertex2f) \
  X(glVertex2fv) \
  X(glVertex2i) \
  X(glVertex2iv) \
  X(glVertex2s) \
  X(glVertex2sv) \
  X(glVertex3d) \
  X(glVertex3dv) \
  X(glVertex3f) \
  X(glVertex3fv) \
  X(glVertex3i) \
  X(glVertex3iv) \
  X(glVertex3s) \
  X(glVertex3sv) \
  X(glVertex4d) \
  X(glVertex4dv) \
  X(glVertex4f) \
  X(glVertex4fv) \
  X(glVertex4i) \
  X(glVertex4iv) \
  X(glVertex4s) \
  X(glVertex4sv) \
  X(glViewport) \


// OpenGL 1.1: 30, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_1_1(X) \
  X(glAreTexturesResident) \
  X(glArrayElement) \
  X(glBindTexture) \
  X(glColorPointer) \
  X(glCopyTexImage1D) \
  X(glCopyTexImage2D) \
  X(glCopyTexSubImage1D) \
  X(glCopyTexSubImage2D) \
  X(glDeleteTextures) \
  X(glDisableClientState) \
  X(glDrawArrays) \
  X(glDrawElements) \
  X(glEdgeFlagPointer) \
  X(glEnableClientState) \
  X(glGenTextures) \
  X(glGetPointerv) \
  X(glIndexPointer) \
  X(glIndexub) \
  X(glIndexubv) \
  X(glInterleavedArrays) \
  X(glIsTexture) \
  X(glNormalPointer) \
  X(glPolygonOffset) \
  X(glPopClientAttrib) \
  X(glPrioritizeTextures) \
  X(glPushClientAttrib) \
  X(glTexCoordPointer) \
  X(glTexSubImage1D) \
  X(glTexSubImage2D) \
  X(glVertexPointer) \


// OpenGL 1.2: 4, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_1_2(X) \
  X(glCopyTexSubImage3D) \
  X(glDrawRangeElements) \
  X(glTexImage3D) \
  X(glTexSubImage3D) \


// OpenGL 1.3: 46, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_1_3(X) \
  X(glActiveTexture) \
  X(glClientActiveTexture) \
  X(glCompressedTexImage1D) \
  X(glCompressedTexImage2D) \
  X(glCompressedTexImage3D) \
  X(glCompressedTexSubImage1D) \
  X(glCompressedTexSubImage2D) \
  X(glCompressedTexSubImage3D) \
  X(glGetCompressedTexImage) \
  X(glLoadTransposeMatrixd) \
  X(glLoadTransposeMatrixf) \
  X(glMultTransposeMatrixd) \
  X(glMultTransposeMatrixf) \
  X(glMultiTexCoord1d) \
  X(glMultiTexCoord1dv) \
  X(glMultiTexCoord1f) \
  X(glMultiTexCoord1fv) \
  X(glMultiTexCoord1i) \
  X(glMultiTexCoord1iv) \
  X(glMultiTexCoord1s) \
  X(glMultiTexCoord1sv) \
  X(glMultiTexCoord2d) \
  X(glMultiTexCoord2dv) \
  X(glMultiTexCoord2f) \
  X(glMultiTexCoord2fv) \
  X(glMultiTexCoord2i) \
  X(glMultiTexCoord2iv) \
  X(glMultiTexCoord2s) \
  X(glMultiTexCoord2sv) \
  X(glMultiTexCoord3d) \
  X(glMultiTexCoord3dv) \
  X(glMultiTexCoord3f) \
  X(glMultiTexCoord3fv) \
  X(glMultiTexCoord3i) \
  X(glMultiTexCoord3iv) \
  X(glMultiTexCoord3s) \
  X(glMultiTexCoord3sv) \
  X(glMultiTexCoord4d) \
  X(glMultiTexCoord4dv) \
  X(glMultiTexCoord4f) \
  X(glMultiTexCoord4fv) \
  X(glMultiTexCoord4i) \
  X(glMultiTexCoord4iv) \
  X(glMultiTexCoord4s) \
  X(glMultiTexCoord4sv) \
  X(glSampleCoverage) \


// OpenGL 1.4: 47, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_1_4(X) \
  X(glBlendColor) \
  X(glBlendEquation) \
  X(glBlendFuncSeparate) \
  X(glFogCoordPointer) \
  X(glFogCoordd) \
  X(glFogCoorddv) \
  X(glFogCoordf) \
  X(glFogCoordfv) \
  X(glMultiDrawArrays) \
  X(glMultiDrawElements) \
  X(glPointParameterf) \
  X(glPointParameterfv) \
  X(glPointParameteri) \
  X(glPointParameteriv) \
  X(glSecondaryColor3b) \
  X(glSecondaryColor3bv) \
  X(glSecondaryColor3d) \
  X(glSecondaryColor3dv) \
  X(glSecondaryColor3f) \
  X(glSecondaryColor3fv) \
  X(glSecondaryColor3i) \
  X(glSecondaryColor3iv) \
  X(glSecondaryColor3s) \
  X(glSecondaryColor3sv) \
  X(glSecondaryColor3ub) \
  X(glSecondaryColor3ubv) \
  X(glSecondaryColor3ui) \
  X(glSecondaryColor3uiv) \
  X(glSecondaryColor3us) \
  X(glSecondaryColor3usv) \
  X(glSecondaryColorPointer) \
  X(glWindowPos2d) \
  X(glWindowPos2dv) \
  X(glWindowPos2f) \
  X(glWindowPos2fv) \
  X(glWindowPos2i) \
  X(glWindowPos2iv) \
  X(glWindowPos2s) \
  X(glWindowPos2sv) \
  X(glWindowPos3d) \
  X(glWindowPos3dv) \
  X(glWindowPos3f) \
  X(glWindowPos3fv) \
  X(glWindowPos3i) \
  X(glWindowPos3iv) \
  X(glWindowPos3s) \
  X(glWindowPos3sv) \


// OpenGL 1.5: 19, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_1_5(X) \
  X(glBeginQuery) \
  X(glBindBuffer) \
  X(glBufferData) \
  X(glBufferSubData) \
  X(glDeleteBuffers) \
  X(glDeleteQueries) \
  X(glEndQuery) \
  X(glGenBuffers) \
  X(glGenQueries) \
  X(glGetBufferParameteriv) \
  X(glGetBufferPointerv) \
  X(glGetBufferSubData) \
  X(glGetQueryObjectiv) \
  X(glGetQueryObjectuiv) \
  X(glGetQueryiv) \
  X(glIsBuffer) \
  X(glIsQuery) \
  X(glMapBuffer) \
  X(glUnmapBuffer) \


// OpenGL 2.0: 93, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_2_0(X) \
  X(glAttachShader) \
  X(glBindAttribLocation) \
  X(glBlendEquationSeparate) \
  X(glCompileShader) \
  X(glCreateProgram) \
  X(glCreateShader) \
  X(glDeleteProgram) \
  X(glDeleteShader) \
  X(glDetachShader) \
  X(glDisableVertexAttribArray) \
  X(glDrawBuffers) \
  X(glEnableVertexAttribArray) \
  X(glGetActiveAttrib) \
  X(glGetActiveUniform) \
  X(glGetAttachedShaders) \
  X(glGetAttribLocation) \
  X(glGetProgramInfoLog) \
  X(glGetProgramiv) \
  X(glGetShaderInfoLog) \
  X(glGetShaderSource) \
  X(glGetShaderiv) \
  X(glGetUniformLocation) \
  X(glGetUniformfv) \
  X(glGetUniformiv) \
  X(glGetVertexAttribPointerv) \
  X(glGetVertexAttribdv) \
  X(glGetVertexAttribfv) \
  X(glGetVertexAttribiv) \
  X(glIsProgram) \
  X(glIsShader) \
  X(glLinkProgram) \
  X(glShaderSource) \
  X(glStencilFuncSeparate) \
  X(glStencilMaskSeparate) \
  X(glStencilOpSeparate) \
  X(glUniform1f) \
  X(glUniform1fv) \
  X(glUniform1i) \
  X(glUniform1iv) \
  X(glUniform2f) \
  X(glUniform2fv) \
  X(glUniform2i) \
  X(glUniform2iv) \
  X(glUniform3f) \
  X(glUniform3fv) \
  X(glUniform3i) \
  X(glUniform3iv) \
  X(glUniform4f) \
  X(glUniform4fv) \
  X(glUniform4i) \
  X(glUniform4iv) \
  X(glUniformMatrix2fv) \
  X(glUniformMatrix3fv) \
  X(glUniformMatrix4fv) \
  X(glUseProgram) \
  X(glValidateProgram) \
  X(glVertexAttrib1d) \
  X(glVertexAttrib1dv) \
  X(glVertexAttrib1f) \
  X(glVertexAttrib1fv) \
  X(glVertexAttrib1s) \
  X(glVertexAttrib1sv) \
  X(glVertexAttrib2d) \
  X(glVertexAttrib2dv) \
  X(glVertexAttrib2f) \
  X(glVertexAttrib2fv) \
  X(glVertexAttrib2s) \
  X(glVertexAttrib2sv) \
  X(glVertexAttrib3d) \
  X(glVertexAttrib3dv) \
  X(glVertexAttrib3f) \
  X(glVertexAttrib3fv) \
  X(glVertexAttrib3s) \
  X(glVertexAttrib3sv) \
  X(glVertexAttrib4Nbv) \
  X(glVertexAttrib4Niv) \
  X(glVertexAttrib4Nsv) \
  X(glVertexAttrib4Nub) \
  X(glVertexAttrib4Nubv) \
  X(glVertexAttrib4Nuiv) \
  X(glVertexAttrib4Nusv) \
  X(glVertexAttrib4bv) \
  X(glVertexAttrib4d) \
  X(glVertexAttrib4dv) \
  X(glVertexAttrib4f) \
  X(glVertexAttrib4fv) \
  X(glVertexAttrib4iv) \
  X(glVertexAttrib4s) \
  X(glVertexAttrib4sv) \
  X(glVertexAttrib4ubv) \
  X(glVertexAttrib4uiv) \
  X(glVertexAttrib4usv) \
  X(glVertexAttribPointer) \


// OpenGL 2.1: 6, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_2_1(X) \
  X(glUniformMatrix2x3fv) \
  X(glUniformMatrix2x4fv) \
  X(glUniformMatrix3x2fv) \
  X(glUniformMatrix3x4fv) \
  X(glUniformMatrix4x2fv) \
  X(glUniformMatrix4x3fv) \


// OpenGL 3.0: 84, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_3_0(X) \
  X(glBeginConditionalRender) \
  X(glBeginTransformFeedback) \
  X(glBindBufferBase) \
  X(glBindBufferRange) \
  X(glBindFragDataLocation) \
  X(glBindFramebuffer) \
  X(glBindRenderbuffer) \
  X(glBindVertexArray) \
  X(glBlitFramebuffer) \
  X(glCheckFramebufferStatus) \
  X(glClampColor) \
  X(glClearBufferfi) \
  X(glClearBufferfv) \
  X(glClearBufferiv) \
  X(glClearBufferuiv) \
  X(glColorMaski) \
  X(glDeleteFramebuffers) \
  X(glDeleteRenderbuffers) \
  X(glDeleteVertexArrays) \
  X(glDisablei) \
  X(glEnablei) \
  X(glEndConditionalRender) \
  X(glEndTransformFeedback) \
  X(glFlushMappedBufferRange) \
  X(glFramebufferRenderbuffer) \
  X(glFramebufferTexture1D) \
  X(glFramebufferTexture2D) \
  X(glFramebufferTexture3D) \
  X(glFramebufferTextureLayer) \
  X(glGenFramebuffers) \
  X(glGenRenderbuffers) \
  X(glGenVertexArrays) \
  X(glGenerateMipmap) \
  X(glGetBooleani_v) \
  X(glGetFragDataLocation) \
  X(glGetFramebufferAttachmentParameteriv) \
  X(glGetIntegeri_v) \
  X(glGetRenderbufferParameteriv) \
  X(glGetStringi) \
  X(glGetTexParameterIiv) \
  X(glGetTexParameterIuiv) \
  X(glGetTransformFeedbackVarying) \
  X(glGetUniformuiv) \
  X(glGetVertexAttribIiv) \
  X(glGetVertexAttribIuiv) \
  X(glIsEnabledi) \
  X(glIsFramebuffer) \
  X(glIsRenderbuffer) \
  X(glIsVertexArray) \
  X(glMapBufferRange) \
  X(glRenderbufferStorage) \
  X(glRenderbufferStorageMultisample) \
  X(glTexParameterIiv) \
  X(glTexParameterIuiv) \
  X(glTransformFeedbackVaryings) \
  X(glUniform1ui) \
  X(glUniform1uiv) \
  X(glUniform2ui) \
  X(glUniform2uiv) \
  X(glUniform3ui) \
  X(glUniform3uiv) \
  X(glUniform4ui) \
  X(glUniform4uiv) \
  X(glVertexAttribI1i) \
  X(glVertexAttribI1iv) \
  X(glVertexAttribI1ui) \
  X(glVertexAttribI1uiv) \
  X(glVertexAttribI2i) \
  X(glVertexAttribI2iv) \
  X(glVertexAttribI2ui) \
  X(glVertexAttribI2uiv) \
  X(glVertexAttribI3i) \
  X(glVertexAttribI3iv) \
  X(glVertexAttribI3ui) \
  X(glVertexAttribI3uiv) \
  X(glVertexAttribI4bv) \
  X(glVertexAttribI4i) \
  X(glVertexAttribI4iv) \
  X(glVertexAttribI4sv) \
  X(glVertexAttribI4ubv) \
  X(glVertexAttribI4ui) \
  X(glVertexAttribI4uiv) \
  X(glVertexAttribI4usv) \
  X(glVertexAttribIPointer) \


// OpenGL 3.1: 15, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_3_1(X) \
  X(glBindBufferBase) \
  X(glBindBufferRange) \
  X(glCopyBufferSubData) \
  X(glDrawArraysInstanced) \
  X(glDrawElementsInstanced) \
  X(glGetActiveUniformBlockName) \
  X(glGetActiveUniformBlockiv) \
  X(glGetActiveUniformName) \
  X(glGetActiveUniformsiv) \
  X(glGetIntegeri_v) \
  X(glGetUniformBlockIndex) \
  X(glGetUniformIndices) \
  X(glPrimitiveRestartIndex) \
  X(glTexBuffer) \
  X(glUniformBlockBinding) \


// OpenGL 3.2: 19, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_3_2(X) \
  X(glClientWaitSync) \
  X(glDeleteSync) \
  X(glDrawElementsBaseVertex) \
  X(glDrawElementsInstancedBaseVertex) \
  X(glDrawRangeElementsBaseVertex) \
  X(glFenceSync) \
  X(glFramebufferTexture) \
  X(glGetBufferParameteri64v) \
  X(glGetInteger64i_v) \
  X(glGetInteger64v) \
  X(glGetMultisamplefv) \
  X(glGetSynciv) \
  X(glIsSync) \
  X(glMultiDrawElementsBaseVertex) \
  X(glProvokingVertex) \
  X(glSampleMaski) \
  X(glTexImage2DMultisample) \
  X(glTexImage3DMultisample) \
  X(glWaitSync) \


// OpenGL 3.3: 58, resolved in this order.
#define JAGGO_GL_GROUP_VERSION_3_3(X) \
  X(glBindFragDataLocationIndexed) \
  X(glBindSampler) \
  X(glColorP3ui) \
  X(glColorP3uiv) \
  X(glColorP4ui) \
  X(glColorP4uiv) \
  X(glDeleteSamplers) \
  X(glGenSamplers) \
  X(glGetFragDataIndex) \
  X(glGetQueryObjecti64v) \
  X(glGetQueryObjectui64v) \
  X(glGetSamplerParameterIiv) \
  X(glGetSamplerParameterIuiv) \
  X(glGetSamplerParameterfv) \
  X(glGetSamplerParameteriv) \
  X(glIsSampler) \
  X(glMultiTexCoordP1ui) \
  X(glMultiTexCoordP1uiv) \
  X(glMultiTexCoordP2ui) \
  X(glMultiTexCoordP2uiv) \
  X(glMultiTexCoordP3ui) \
  X(glMultiTexCoordP3uiv) \
  X(glMultiTexCoordP4ui) \
  X(glMultiTexCoordP4uiv) \
  X(glNormalP3ui) \
  X(glNormalP3uiv) \
  X(glQueryCounter) \
  X(glSamplerParameterIiv) \
  X(glSamplerParameterIuiv) \
  X(glSamplerParameterf) \
  X(glSamplerParameterfv) \
  X(glSamplerParameteri) \
  X(glSamplerParameteriv) \
  X(glSecondaryColorP3ui) \
  X(glSecondaryColorP3uiv) \
  X(glTexCoordP1ui) \
  X(glTexCoordP1uiv) \
  X(glTexCoordP2ui) \
  X(glTexCoordP2uiv) \
  X(glTexCoordP3ui) \
  X(glTexCoordP3uiv) \
  X(glTexCoordP4ui) \
  X(glTexCoordP4uiv) \
  X(glVertexAttribDivisor) \
  X(glVertexAttribP1ui) \
  X(glVertexAttribP1uiv) \
  X(glVertexAttribP2ui) \
  X(glVertexAttribP2uiv) \
  X(glVertexAttribP3ui) \
  X(glVertexAttribP3uiv) \
  X(glVertexAttribP4ui) \
  X(glVertexAttribP4uiv) \
  X(glVertexP2ui) \
  X(glVertexP2uiv) \
  X(glVertexP3ui) \
  X(glVertexP3uiv) \
  X(glVertexP4ui) \
  X(glVertexP4uiv) \


// GL_ARB_multisample: 1, resolved in this order.
#define JAGGO_GL_GROUP_ARB_multisample(X) \
  X(glSampleCoverageARB) \


// GL_ARB_robustness: 20, resolved in this order.
#define JAGGO_GL_GROUP_ARB_robustness(X) \
  X(glGetGraphicsResetStatusARB) \
  X(glGetnColorTableARB) \
  X(glGetnCompressedTexImageARB) \
  X(glGetnConvolutionFilterARB) \
  X(glGetnHistogramARB) \
  X(glGetnMapdvARB) \
  X(glGetnMapfvARB) \
  X(glGetnMapivARB) \
  X(glGetnMinmaxARB) \
  X(glGetnPixelMapfvARB) \
  X(glGetnPixelMapuivARB) \
  X(glGetnPixelMapusvARB) \
  X(glGetnPolygonStippleARB) \
  X(glGetnSeparableFilterARB) \
  X(glGetnTexImageARB) \
  X(glGetnUniformdvARB) \
  X(glGetnUniformfvARB) \
  X(glGetnUniformivARB) \
  X(glGetnUniformuivARB) \
  X(glReadnPixelsARB) \


// GL_KHR_debug: 11, resolved in this order.
#define JAGGO_GL_GROUP_KHR_debug(X) \
  X(glDebugMessageCallback) \
  X(glDebugMessageControl) \
  X(glDebugMessageInsert) \
  X(glGetDebugMessageLog) \
  X(glGetObjectLabel) \
  X(glGetObjectPtrLabel) \
  X(glGetPointerv) \
  X(glObjectLabel) \
  X(glObjectPtrLabel) \
  X(glPopDebugGroup) \
  X(glPushDebugGroup) \


// GL_ARB_internalformat_query: 1, resolved in this order.
#define JAGGO_GL_GROUP_ARB_internalformat_query(X) \
  X(glGetInternalformativ) \


// The version groups in resolution order: X(flag, list macro).
#define JAGGO_GL_VERSION_GROUPS(X) \
  X(gl_version_1_0, JAGGO_GL_GROUP_VERSION_1_0) \
  X(gl_version_1_1, JAGGO_GL_GROUP_VERSION_1_1) \
  X(gl_version_1_2, JAGGO_GL_GROUP_VERSION_1_2) \
  X(gl_version_1_3, JAGGO_GL_GROUP_VERSION_1_3) \
  X(gl_version_1_4, JAGGO_GL_GROUP_VERSION_1_4) \
  X(gl_version_1_5, JAGGO_GL_GROUP_VERSION_1_5) \
  X(gl_version_2_0, JAGGO_GL_GROUP_VERSION_2_0) \
  X(gl_version_2_1, JAGGO_GL_GROUP_VERSION_2_1) \
  X(gl_version_3_0, JAGGO_GL_GROUP_VERSION_3_0) \
  X(gl_version_3_1, JAGGO_GL_GROUP_VERSION_3_1) \
  X(gl_version_3_2, JAGGO_GL_GROUP_VERSION_3_2) \
  X(gl_version_3_3, JAGGO_GL_GROUP_VERSION_3_3) \


// The extension groups in resolution order: X(flag, list macro).
#define JAGGO_GL_EXTENSION_GROUPS(X) \
  X(gl_arb_multisample, JAGGO_GL_GROUP_ARB_multisample) \
  X(gl_arb_robustness, JAGGO_GL_GROUP_ARB_robustness) \
  X(gl_khr_debug, JAGGO_GL_GROUP_KHR_debug) \
  X(gl_arb_internalformat_query, JAGGO_GL_GROUP_ARB_internalformat_query) \


// clang-format on
