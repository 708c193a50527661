// What ends a batch. Pending quads are drawn later with the state of the moment they go out,
// so the batch is flushed before anything that would change how they look, and at no other
// time:
//   texture      another one selected, or one the batch may sample uploaded, rewrapped or
//                deleted;
//   blend        another mode selected;
//   shader       a quad that needs another program or sampler;
//   projection   another projection size;
//   viewport     another back-buffer size;
//   clip         another clip rectangle, or the clip turned on or off;
//   back buffer  cleared, read or resampled into;
//   full buffer  kMaxQuads pending;
//   frame end    RendererFlush before the swap.
// Setting any of these to what it already is flushes nothing. Texture, blend, program and
// sampler reach the GPU when the batch is drawn (FlushBatch); projection, viewport and clip when
// set, after the flush.
#include "platform/renderer.hpp"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/texture_pixels.hpp"

namespace vorpel::detail {
namespace {

// Enough for any scene in one batch.
constexpr int kMaxQuads = 65536;
// Quads one draw takes at most: a batch goes out in draws of this many, each drawing from its
// own first vertex with the one short index list.
constexpr int kQuadsPerDraw = 4096;

// The vertex shader of every program; UV is the type of the texture coordinates, vec2 for one
// texture and vec4 for a pair.
const char* kVertexShaderBody = R"(
layout(location = 0) in vec2 a_pos;
layout(location = 1) in UV a_uv;
layout(location = 2) in vec4 a_color;
uniform vec2 u_scale;
out UV v_uv;
// Without perspective (there is none in 2D): a software rasteriser's fast path blends a
// perspective-interpolated colour wrongly.
noperspective out vec4 v_color;
void main() {
  // Projection units to clip space, y down: (0,0) is the top-left corner.
  gl_Position = vec4(a_pos.x * u_scale.x - 1.0, 1.0 - a_pos.y * u_scale.y, 0.0, 1.0);
  v_uv = a_uv;
  v_color = a_color;
}
)";

// Quads are drawn by one of three programs: textured and tinted; textured only, for quads in
// plain white (most pictures); and tinted with the mask blend's alpha test. A software
// rasteriser draws rectangles of a shader with no discard on a much faster path, and one that
// only copies texels faster still.
const char* kTintedFragmentShader = R"(#version 330 core
in vec2 v_uv;
noperspective in vec4 v_color;
uniform sampler2D u_texture;
out vec4 o_color;
void main() {
  o_color = texture(u_texture, v_uv) * v_color;
}
)";

const char* kPlainFragmentShader = R"(#version 330 core
in vec2 v_uv;
uniform sampler2D u_texture;
out vec4 o_color;
void main() {
  o_color = texture(u_texture, v_uv);
}
)";

const char* kMaskFragmentShader = R"(#version 330 core
in vec2 v_uv;
noperspective in vec4 v_color;
uniform sampler2D u_texture;
out vec4 o_color;
void main() {
  vec4 c = texture(u_texture, v_uv) * v_color;
  if (c.a <= 0.5) discard;
  o_color = c;
}
)";

std::string VertexShader(const char* uv_type) {
  return std::string("#version 330 core\n#define UV ") + uv_type + "\n" + kVertexShaderBody;
}

// What sampling a texture needs, as its last upload and wrap setting left it.
struct TextureInfo {
  int width = 0, height = 0;
  bool filtered = false, mipmapped = false, repeat = false;
  PackedLevels packed;  // no levels: the texture is the picture itself
};

struct QuadProgram {
  GLuint id = 0;
  GLint u_scale = -1;
};

enum { kTinted, kPlain, kMask, kQuadPrograms };

struct Renderer {
  bool ready = false;
  unsigned generation = 0;
  QuadProgram quad[kQuadPrograms];
  int program = kTinted;         // the pending batch's
  int gpu_program = -1;          // the one in use, -1 when another program may be
  GLuint vao = 0, vbo = 0, ibo = 0, white = 0;
  std::vector<Vertex> vertices;
  // State the pending batch will be drawn with, and what the GPU has now.
  unsigned texture = 0;
  unsigned gpu_texture = ~0u;
  int blend = -1;
  int gpu_blend = -1;
  GLuint sampler = 0;  // 0: the texture's own sampling
  GLuint gpu_sampler = ~0u;
  // Bilinear without mip levels, clamped [0] and repeating [1]: what a filtered, mip-mapped
  // texture samples like wherever it is magnified.
  GLuint magnify_sampler[2] = {0, 0};
  std::unordered_map<unsigned, TextureInfo> textures;  // made here and not yet deleted
  int clip[4] = {0, 0, 0, 0};
  bool clip_on = false;
  float proj_w = 1.0f, proj_h = 1.0f;
  int back_w = 1, back_h = 1;
  int max_texture_size = 0;
  // Mesa's software rasteriser splits a draw into runs of the vertices that fill a 4 KiB
  // buffer (85 of ours), cutting a quad in two where a run ends; a cut quad is drawn as two
  // triangles, which keep every 64 x 64 tile they touch off its fast path for rectangles. There
  // a batch goes out in draws of whole quads that fit one run.
  GLsizei quads_per_draw = kQuadsPerDraw;
  // Mesa's software rasteriser, for which mip-mapped pictures keep their levels side by side:
  // a GPU blends two levels for every pixel at no cost.
  bool software = false;
  RenderStats current, last;
} renderer;

// The driver's account of a failed compile or link is the only clue to what it lacks.
void PrintLog(const char* what, GLuint object, bool program) {
  GLint length = 0;
  program ? glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length)
          : glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
  std::string log(std::size_t(std::max(length, 1)), '\0');
  program ? glGetProgramInfoLog(object, GLsizei(log.size()), nullptr, log.data())
          : glGetShaderInfoLog(object, GLsizei(log.size()), nullptr, log.data());
  std::fprintf(stderr, "%s failed: %s\n", what, log.c_str());
}

GLuint Compile(GLenum type, const char* source) {
  GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    PrintLog("shader compile", shader, false);
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

// Textures are stored with their bytes in blue, green, red, alpha order, the order of a
// software rasteriser's colour buffer: only such textures are drawn on its fast path. The
// unsized internal format lets the driver keep the order it is given.
void TexImage(int width, int height, const void* bgra) {
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, bgra);
}

void UseProgram(int program) {
  if (renderer.gpu_program == program) return;
  glUseProgram(renderer.quad[program].id);
  renderer.gpu_program = program;
}

// The one place the blend reaches the GPU, when something is drawn with it.
void UseBlend(int mode) {
  if (renderer.gpu_blend == mode) return;
  renderer.gpu_blend = mode;
  switch (mode) {
    case ALPHABLEND:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      break;
    case LIGHTBLEND:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE);
      break;
    case SHADEBLEND:
      glEnable(GL_BLEND);
      glBlendFunc(GL_DST_COLOR, GL_ZERO);
      break;
    default:  // mask, solid, and any unknown mode
      glDisable(GL_BLEND);
      break;
  }
}

void ApplyClip() {
  if (renderer.clip_on) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(renderer.clip[0], renderer.back_h - (renderer.clip[1] + renderer.clip[3]),
              std::max(renderer.clip[2], 0), std::max(renderer.clip[3], 0));
  } else {
    glDisable(GL_SCISSOR_TEST);
  }
}

// The viewport is the whole back buffer, and the clip is counted from its top.
void ApplyBackBuffer() {
  glViewport(0, 0, renderer.back_w, renderer.back_h);
  ApplyClip();
}

// Projection units to clip space, for every quad program.
void SetScale(float width, float height) {
  for (int i = 0; i < kQuadPrograms; ++i) {
    UseProgram(i);
    glUniform2f(renderer.quad[i].u_scale, 2.0f / width, 2.0f / height);
  }
}

void ApplyProjection() { SetScale(renderer.proj_w, renderer.proj_h); }

GLuint Link(const std::string& vertex, const char* fragment) {
  GLuint vs = Compile(GL_VERTEX_SHADER, vertex.c_str());
  GLuint fs = Compile(GL_FRAGMENT_SHADER, fragment);
  GLuint program = 0;
  if (vs && fs) {
    program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
      PrintLog("shader link", program, true);
      glDeleteProgram(program);
      program = 0;
    }
  }
  if (vs) glDeleteShader(vs);
  if (fs) glDeleteShader(fs);
  return program;
}

void InitSamplers() {
  glGenSamplers(2, renderer.magnify_sampler);
  for (int repeat = 0; repeat < 2; ++repeat) {
    GLuint sampler = renderer.magnify_sampler[repeat];
    GLint wrap = repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, wrap);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, wrap);
  }
}

bool InitQuadProgram(QuadProgram& p, const char* fragment) {
  p.id = Link(VertexShader("vec2"), fragment);
  if (!p.id) return false;
  glUseProgram(p.id);
  p.u_scale = glGetUniformLocation(p.id, "u_scale");
  glUniform1i(glGetUniformLocation(p.id, "u_texture"), 0);
  return true;
}

}  // namespace

bool RendererInit() {
  RendererShutdown();
  const char* fragment[kQuadPrograms] = {kTintedFragmentShader, kPlainFragmentShader,
                                         kMaskFragmentShader};
  for (int i = 0; i < kQuadPrograms; ++i)
    if (!InitQuadProgram(renderer.quad[i], fragment[i])) return false;
  InitSamplers();
  if (!TileDrawingInit()) return false;
  // The compiler's tables (megabytes of built-in functions) are not needed again. The call is
  // OpenGL 4.1's (or an extension's); older drivers keep their tables.
  if (epoxy_gl_version() >= 41 || epoxy_has_gl_extension("GL_ARB_ES2_compatibility"))
    glReleaseShaderCompiler();
  renderer.gpu_program = -1;

  glGenVertexArrays(1, &renderer.vao);
  glBindVertexArray(renderer.vao);
  glGenBuffers(1, &renderer.vbo);
  glBindBuffer(GL_ARRAY_BUFFER, renderer.vbo);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), (void*)offsetof(Vertex, x));
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), (void*)offsetof(Vertex, u));
  glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex),
                        (void*)offsetof(Vertex, rgba));
  glEnableVertexAttribArray(0);
  glEnableVertexAttribArray(1);
  glEnableVertexAttribArray(2);

  // Every quad is two triangles over its four corners; one index list serves every draw.
  std::vector<GLuint> indices(std::size_t(kQuadsPerDraw) * 6);
  for (GLuint q = 0; q < GLuint(kQuadsPerDraw); ++q) {
    GLuint* i = &indices[q * 6];
    i[0] = q * 4;
    i[1] = q * 4 + 1;
    i[2] = q * 4 + 2;
    i[3] = q * 4;
    i[4] = q * 4 + 2;
    i[5] = q * 4 + 3;
  }
  glGenBuffers(1, &renderer.ibo);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, renderer.ibo);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(GLuint)),
               indices.data(), GL_STATIC_DRAW);

  std::uint32_t white = 0xFFFFFFFFu;
  glGenTextures(1, &renderer.white);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, renderer.white);
  TexImage(1, 1, &white);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);

  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &renderer.max_texture_size);
  const char* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  renderer.software = name && std::strstr(name, "llvmpipe");
  renderer.quads_per_draw = renderer.software ? 16 : kQuadsPerDraw;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  renderer.vertices.reserve(std::size_t(kMaxQuads) * 4);
  renderer.ready = true;
  ++renderer.generation;
  renderer.gpu_texture = ~0u;
  renderer.gpu_blend = -1;
  renderer.gpu_sampler = ~0u;
  renderer.texture = 0;
  renderer.blend = MASKBLEND;
  renderer.current = renderer.last = RenderStats{};
  renderer.textures.clear();
  ApplyProjection();
  ApplyClip();
  return true;
}

void RendererShutdown() {
  if (!renderer.ready) return;
  glDeleteTextures(1, &renderer.white);
  glDeleteBuffers(1, &renderer.vbo);
  glDeleteBuffers(1, &renderer.ibo);
  glDeleteVertexArrays(1, &renderer.vao);
  for (QuadProgram& p : renderer.quad) glDeleteProgram(p.id);
  TileDrawingShutdown();
  glDeleteSamplers(2, renderer.magnify_sampler);
  renderer.vertices.clear();
  renderer.ready = false;
  ++renderer.generation;  // textures of the old context are gone with it
}

bool RendererReady() { return renderer.ready; }
int RendererLiveTextures() { return renderer.ready ? int(renderer.textures.size()) : 0; }
unsigned RendererGeneration() { return renderer.generation; }

namespace {
void FlushBatch() {
  if (!renderer.ready || renderer.vertices.empty()) return;
  UseProgram(renderer.program);
  if (renderer.gpu_texture != renderer.texture) {
    glBindTexture(GL_TEXTURE_2D, renderer.texture ? renderer.texture : renderer.white);
    renderer.gpu_texture = renderer.texture;
  }
  UseBlend(renderer.blend);
  if (renderer.gpu_sampler != renderer.sampler) {
    glBindSampler(0, renderer.sampler);
    renderer.gpu_sampler = renderer.sampler;
  }
  GLsizeiptr bytes = GLsizeiptr(renderer.vertices.size() * sizeof(Vertex));
  // Fresh storage each time, so the driver need not wait for the previous draw to finish.
  glBufferData(GL_ARRAY_BUFFER, bytes, renderer.vertices.data(), GL_STREAM_DRAW);
  const GLsizei quads = GLsizei(renderer.vertices.size() / 4);
  for (GLsizei first = 0; first < quads; first += renderer.quads_per_draw)
    glDrawElementsBaseVertex(GL_TRIANGLES, std::min(renderer.quads_per_draw, quads - first) * 6,
                             GL_UNSIGNED_INT, nullptr, first * 4);
  renderer.current.draw_calls++;
  renderer.vertices.clear();
}
}  // namespace

void RendererFlush() { FlushBatch(); }

namespace {

// The sampler to draw a quad with: a filtered, mip-mapped texture spread over at least a pixel
// per texel along both edges of the quad is only ever magnified, so the plain bilinear sampler
// gives the same picture without the mip-mapping work (a third of the shading of a quad in a
// software rasteriser). That holds for any rectangle, turned or not, when its texture
// rectangle is upright. 0 keeps the texture's own sampling.
GLuint MagnifySampler(const TextureInfo& t, const float xy[8], const float uv[8]) {
  if (!t.filtered || !t.mipmapped) return 0;
  const bool upright = uv[1] == uv[3] && uv[0] == uv[6];
  if (!upright) return 0;
  const float to_px_x = float(renderer.back_w) / renderer.proj_w,
              to_px_y = float(renderer.back_h) / renderer.proj_h;
  const float ax = (xy[2] - xy[0]) * to_px_x, ay = (xy[3] - xy[1]) * to_px_y;  // first edge
  const float bx = (xy[6] - xy[0]) * to_px_x, by = (xy[7] - xy[1]) * to_px_y;  // second edge
  const float a2 = ax * ax + ay * ay, b2 = bx * bx + by * by;
  const float dot = ax * bx + ay * by;
  if (!(dot * dot <= 1e-6f * a2 * b2)) return 0;  // not a rectangle on the screen
  const float tu = (uv[2] - uv[0]) * float(t.width), tv = (uv[7] - uv[1]) * float(t.height);
  if (!(a2 >= tu * tu && b2 >= tv * tv)) return 0;
  return renderer.magnify_sampler[t.repeat ? 1 : 0];
}

const TextureInfo* InfoOf(unsigned texture) {
  auto it = renderer.textures.find(texture);
  return it == renderer.textures.end() ? nullptr : &it->second;
}

// How a quad samples its texture: the sampler (MagnifySampler) and the texture coordinates. A
// texture with packed mip levels is sampled from the level the quad needs, with its own plain
// bilinear (or nearest) filter.
GLuint Sampling(unsigned texture, const float xy[8], const float uv[8], float out[8]) {
  std::copy(uv, uv + 8, out);
  const TextureInfo* t = InfoOf(texture);
  if (!t) return 0;
  if (t->packed.levels.empty()) return MagnifySampler(*t, xy, uv);
  const float to_px_x = float(renderer.back_w) / renderer.proj_w,
              to_px_y = float(renderer.back_h) / renderer.proj_h;
  float px[8], texels[8];
  for (int i = 0; i < 4; ++i) {
    px[i * 2] = xy[i * 2] * to_px_x;
    px[i * 2 + 1] = xy[i * 2 + 1] * to_px_y;
    texels[i * 2] = uv[i * 2] * float(t->width);
    texels[i * 2 + 1] = uv[i * 2 + 1] * float(t->height);
  }
  LevelUV(t->packed, QuadLevel(px, texels, int(t->packed.levels.size())), uv, out);
  return 0;
}

}  // namespace

unsigned RendererMagnifySampler(unsigned texture, const float xy[8], const float uv[8]) {
  const TextureInfo* t = InfoOf(texture);
  return t ? MagnifySampler(*t, xy, uv) : 0;
}

unsigned LinkQuadProgram(const char* uv_type, const char* fragment) {
  return Link(VertexShader(uv_type), fragment);
}

void RendererCountDraw(int quads) {
  renderer.current.draw_calls++;
  renderer.current.quads += quads;
}

void RendererResume() {
  if (!renderer.ready) return;
  renderer.gpu_program = -1;
  glBindVertexArray(renderer.vao);
  glBindBuffer(GL_ARRAY_BUFFER, renderer.vbo);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, renderer.ibo);
  glActiveTexture(GL_TEXTURE0);
  renderer.gpu_texture = ~0u;
  renderer.gpu_blend = -1;
  renderer.gpu_sampler = ~0u;
  ApplyProjection();
  ApplyBackBuffer();
}

void RendererCountStateChange() { renderer.current.state_changes++; }

void RendererSetTexture(unsigned texture) {
  if (texture == renderer.texture) return;
  FlushBatch();
  renderer.texture = texture;
  renderer.current.state_changes++;
}

void RendererSetBlend(int mode) {
  if (mode == renderer.blend) return;
  FlushBatch();
  renderer.blend = mode;
  renderer.current.state_changes++;
}

void RendererSetClip(int x, int y, int w, int h, bool enabled) {
  if (enabled == renderer.clip_on && (!enabled || (x == renderer.clip[0] && y == renderer.clip[1] &&
                                                   w == renderer.clip[2] && h == renderer.clip[3])))
    return;
  RendererFlush();
  renderer.clip_on = enabled;
  renderer.clip[0] = x;
  renderer.clip[1] = y;
  renderer.clip[2] = w;
  renderer.clip[3] = h;
  if (renderer.ready) ApplyClip();
  renderer.current.state_changes++;
}

void RendererSetProjection(float width, float height) {
  if (!(width > 0.0f) || !(height > 0.0f)) return;
  if (width == renderer.proj_w && height == renderer.proj_h) return;
  RendererFlush();
  renderer.proj_w = width;
  renderer.proj_h = height;
  if (renderer.ready) ApplyProjection();
  renderer.current.state_changes++;
}

void RendererSetBackBuffer(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width != renderer.back_w || height != renderer.back_h) RendererFlush();
  renderer.back_w = width;
  renderer.back_h = height;
  // Applied even when unchanged: a fresh context starts with a viewport of its own.
  if (renderer.ready) ApplyBackBuffer();
}

void RendererBackBufferSize(int& width, int& height) {
  width = renderer.back_w;
  height = renderer.back_h;
}

void RendererProjectionSize(float& width, float& height) {
  width = renderer.proj_w;
  height = renderer.proj_h;
}

void RendererReadPixels(int x, int y, int width, int height, std::uint8_t* rgba) {
  if (!renderer.ready || width <= 0 || height <= 0) return;
  RendererFlush();
  glReadBuffer(GL_BACK);
  glReadPixels(x, renderer.back_h - (y + height), width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  // GL's rows run bottom-up.
  const std::size_t row_bytes = std::size_t(width) * 4;
  std::vector<std::uint8_t> row(row_bytes);
  for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
    std::uint8_t* a = rgba + std::size_t(top) * row_bytes;
    std::uint8_t* b = rgba + std::size_t(bottom) * row_bytes;
    std::memcpy(row.data(), a, row_bytes);
    std::memcpy(a, b, row_bytes);
    std::memcpy(b, row.data(), row_bytes);
  }
}

void RendererQuad(const float xy[8], const float uv[8], std::uint32_t rgba) {
  if (!renderer.ready) return;
  float sampled_uv[8];
  const GLuint sampler = Sampling(renderer.texture, xy, uv, sampled_uv);
  const int program = renderer.blend == MASKBLEND ? kMask : rgba == 0xFFFFFFFFu ? kPlain : kTinted;
  if (sampler != renderer.sampler || program != renderer.program) {
    FlushBatch();
    renderer.sampler = sampler;
    renderer.program = program;
  }
  if (renderer.vertices.size() >= std::size_t(kMaxQuads) * 4) RendererFlush();
  for (int i = 0; i < 4; ++i)
    renderer.vertices.push_back(
        Vertex{xy[i * 2], xy[i * 2 + 1], sampled_uv[i * 2], sampled_uv[i * 2 + 1], rgba});
  renderer.current.quads++;
}

void RendererTriangle(const float xy[6], std::uint32_t rgba) {
  const float quad[8] = {xy[0], xy[1], xy[2], xy[3], xy[4], xy[5], xy[4], xy[5]};
  const float uv[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  RendererQuad(quad, uv, rgba);
}

void RendererClear(float r, float green, float b) {
  if (!renderer.ready) return;
  RendererFlush();
  glClearColor(r, green, b, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void RendererEndFrame() {
  renderer.last = renderer.current;
  renderer.current = RenderStats{};
}

RenderStats RendererCurrentStats() { return renderer.current; }
RenderStats RendererLastStats() { return renderer.last; }

namespace {
void SetFilters(bool filtered, bool mipmapped) {
  GLint mag = filtered ? GL_LINEAR : GL_NEAREST;
  GLint min = mipmapped ? (filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST) : mag;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mag);
}

void BindForChange(unsigned texture) {
  // The pending batch may still sample this texture as it was.
  FlushBatch();
  glBindTexture(GL_TEXTURE_2D, texture);
  renderer.gpu_texture = texture;
}
}  // namespace

void UploadTexture(unsigned texture, const TPixmap& rgba, bool filtered, bool mipmapped,
                   bool pack_levels) {
  if (!renderer.ready || !texture) return;
  BindForChange(texture);
  TextureInfo& info = renderer.textures[texture];
  info.width = rgba.width;
  info.height = rgba.height;
  info.filtered = filtered;
  info.mipmapped = mipmapped;
  info.packed = PackedLevels{};
  auto put = [](int x, int y, int w, int h, const std::uint8_t* bgra) {
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, h, GL_BGRA, GL_UNSIGNED_BYTE, bgra);
  };
  if (mipmapped && pack_levels && renderer.software) {
    PackedLevels layout = PackedLayout(rgba.width, rgba.height);
    if (layout.width <= renderer.max_texture_size && layout.height <= renderer.max_texture_size) {
      TexImage(layout.width, layout.height, nullptr);
      PackLevels(rgba, layout, put);
      SetFilters(filtered, false);
      info.packed = std::move(layout);
      return;
    }
  }
  TexImage(rgba.width, rgba.height, nullptr);
  BgraBlocks(rgba, put);
  SetFilters(filtered, mipmapped);
  if (mipmapped) glGenerateMipmap(GL_TEXTURE_2D);
}

unsigned CreateTexture(const TPixmap& rgba, bool filtered, bool mipmapped, bool pack_levels) {
  if (!renderer.ready) return 0;
  GLuint texture = 0;
  glGenTextures(1, &texture);
  if (!texture) return 0;
  BindForChange(texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  UploadTexture(texture, rgba, filtered, mipmapped, pack_levels);
  return texture;
}

void SetTextureRepeat(unsigned texture, bool repeat) {
  if (!renderer.ready || !texture) return;
  BindForChange(texture);
  GLint mode = repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, mode);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, mode);
  if (auto it = renderer.textures.find(texture); it != renderer.textures.end())
    it->second.repeat = repeat;
}

void DeleteTexture(unsigned texture) {
  if (!renderer.ready || !texture) return;
  if (renderer.texture == texture) {
    RendererFlush();
    renderer.texture = 0;
  }
  if (renderer.gpu_texture == texture) renderer.gpu_texture = ~0u;
  GLuint name = texture;
  glDeleteTextures(1, &name);
  renderer.textures.erase(texture);
}

unsigned ResampleTexture(unsigned source, const float uv[4], int width, int height) {
  if (!renderer.ready || !source || width <= 0 || height <= 0) return 0;
  RendererFlush();
  GLuint copy = 0, fbo = 0;
  glGenTextures(1, &copy);
  BindForChange(copy);
  TexImage(width, height, nullptr);
  SetFilters(false, false);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glGenFramebuffers(1, &fbo);
  glBindFramebuffer(GL_FRAMEBUFFER, fbo);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, copy, 0);
  const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  if (complete) {
    glViewport(0, 0, width, height);
    glDisable(GL_SCISSOR_TEST);
    SetScale(float(width), float(height));
    UseProgram(kPlain);
    UseBlend(SOLIDBLEND);
    glBindTexture(GL_TEXTURE_2D, source);
    glBindSampler(0, renderer.magnify_sampler[1]);
    // GL counts rows from the bottom: the quad's top edge takes the part's last row (v1), so
    // the copy's rows run the same way as the source's.
    const float w = float(width), h = float(height);
    const Vertex quad[4] = {{0, 0, uv[0], uv[3], 0xFFFFFFFFu}, {w, 0, uv[2], uv[3], 0xFFFFFFFFu},
                            {w, h, uv[2], uv[1], 0xFFFFFFFFu}, {0, h, uv[0], uv[1], 0xFFFFFFFFu}};
    glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad, GL_STREAM_DRAW);
    glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_INT, nullptr);
    glBindSampler(0, 0);
  }
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteFramebuffers(1, &fbo);
  RendererResume();
  if (!complete) {
    glDeleteTextures(1, &copy);
    return 0;
  }
  TextureInfo& info = renderer.textures[copy];
  info.width = width;
  info.height = height;
  return copy;
}

std::uint32_t PackColor(int r, int green, int b, float alpha) {
  auto clamp = [](int v) { return std::uint32_t(v < 0 ? 0 : v > 255 ? 255 : v); };
  std::uint32_t a = clamp(int(alpha * 255.0f));
  return clamp(r) | (clamp(green) << 8) | (clamp(b) << 16) | (a << 24);
}

}  // namespace vorpel::detail
