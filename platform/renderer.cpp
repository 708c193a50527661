#include "platform/renderer.hpp"

#include <epoxy/gl.h>

#include <algorithm>
#include <vector>

namespace detail {
namespace {

// Enough for any scene in one draw call; the index list for it is made once.
constexpr int kMaxQuads = 65536;

const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec2 a_pos;
layout(location = 1) in vec2 a_uv;
layout(location = 2) in vec4 a_color;
uniform vec2 u_scale;
out vec2 v_uv;
out vec4 v_color;
void main() {
  // Projection units to clip space, y down: (0,0) is the top-left corner.
  gl_Position = vec4(a_pos.x * u_scale.x - 1.0, 1.0 - a_pos.y * u_scale.y, 0.0, 1.0);
  v_uv = a_uv;
  v_color = a_color;
}
)";

const char* kFragmentShader = R"(#version 330 core
in vec2 v_uv;
in vec4 v_color;
uniform sampler2D u_texture;
uniform float u_alpha_test;
out vec4 o_color;
void main() {
  vec4 c = texture(u_texture, v_uv) * v_color;
  if (c.a <= u_alpha_test) discard;
  o_color = c;
}
)";

struct Renderer {
  bool ready = false;
  unsigned generation = 0;
  GLuint program = 0, vao = 0, vbo = 0, ibo = 0, white = 0;
  GLint u_scale = -1, u_alpha_test = -1;
  std::vector<Vertex> vertices;
  // State the pending batch will be drawn with, and what the GPU has now.
  unsigned texture = 0;
  unsigned gpu_texture = ~0u;
  int blend = -1;
  int gpu_blend = -1;
  int clip[4] = {0, 0, 0, 0};
  bool clip_on = false;
  float proj_w = 1.0f, proj_h = 1.0f;
  int back_w = 1, back_h = 1;
  RenderStats current, last;
  int live_textures = 0;  // made by CreateTexture in this context and not yet deleted
} g;

GLuint Compile(GLenum type, const char* source) {
  GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

void ApplyBlend(int mode) {
  switch (mode) {
    case MASKBLEND:
      glDisable(GL_BLEND);
      glUniform1f(g.u_alpha_test, 0.5f);
      break;
    case ALPHABLEND:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      glUniform1f(g.u_alpha_test, -1.0f);
      break;
    case LIGHTBLEND:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE);
      glUniform1f(g.u_alpha_test, -1.0f);
      break;
    case SHADEBLEND:
      glEnable(GL_BLEND);
      glBlendFunc(GL_DST_COLOR, GL_ZERO);
      glUniform1f(g.u_alpha_test, -1.0f);
      break;
    default:  // solid, and any unknown mode
      glDisable(GL_BLEND);
      glUniform1f(g.u_alpha_test, -1.0f);
      break;
  }
}

void ApplyClip() {
  if (g.clip_on) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(g.clip[0], g.back_h - (g.clip[1] + g.clip[3]), std::max(g.clip[2], 0),
              std::max(g.clip[3], 0));
  } else {
    glDisable(GL_SCISSOR_TEST);
  }
}

void ApplyProjection() { glUniform2f(g.u_scale, 2.0f / g.proj_w, 2.0f / g.proj_h); }

}  // namespace

bool RendererInit() {
  RendererShutdown();
  GLuint vs = Compile(GL_VERTEX_SHADER, kVertexShader);
  GLuint fs = Compile(GL_FRAGMENT_SHADER, kFragmentShader);
  if (!vs || !fs) return false;
  g.program = glCreateProgram();
  glAttachShader(g.program, vs);
  glAttachShader(g.program, fs);
  glLinkProgram(g.program);
  glDeleteShader(vs);
  glDeleteShader(fs);
  GLint ok = 0;
  glGetProgramiv(g.program, GL_LINK_STATUS, &ok);
  if (!ok) return false;
  glUseProgram(g.program);
  g.u_scale = glGetUniformLocation(g.program, "u_scale");
  g.u_alpha_test = glGetUniformLocation(g.program, "u_alpha_test");
  glUniform1i(glGetUniformLocation(g.program, "u_texture"), 0);

  glGenVertexArrays(1, &g.vao);
  glBindVertexArray(g.vao);
  glGenBuffers(1, &g.vbo);
  glBindBuffer(GL_ARRAY_BUFFER, g.vbo);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), (void*)offsetof(Vertex, x));
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), (void*)offsetof(Vertex, u));
  glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex),
                        (void*)offsetof(Vertex, rgba));
  glEnableVertexAttribArray(0);
  glEnableVertexAttribArray(1);
  glEnableVertexAttribArray(2);

  // Every quad is two triangles over its four corners; one index list serves every batch.
  std::vector<GLuint> indices(std::size_t(kMaxQuads) * 6);
  for (GLuint q = 0; q < GLuint(kMaxQuads); ++q) {
    GLuint* i = &indices[q * 6];
    i[0] = q * 4;
    i[1] = q * 4 + 1;
    i[2] = q * 4 + 2;
    i[3] = q * 4;
    i[4] = q * 4 + 2;
    i[5] = q * 4 + 3;
  }
  glGenBuffers(1, &g.ibo);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, g.ibo);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(GLuint)),
               indices.data(), GL_STATIC_DRAW);

  std::uint32_t white = 0xFFFFFFFFu;
  glGenTextures(1, &g.white);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, g.white);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, &white);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);

  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  g.vertices.reserve(std::size_t(kMaxQuads) * 4);
  g.ready = true;
  ++g.generation;
  g.gpu_texture = ~0u;
  g.gpu_blend = -1;
  g.texture = 0;
  g.blend = MASKBLEND;
  g.current = g.last = RenderStats{};
  g.live_textures = 0;
  ApplyProjection();
  ApplyClip();
  return true;
}

void RendererShutdown() {
  if (!g.ready) return;
  glDeleteTextures(1, &g.white);
  glDeleteBuffers(1, &g.vbo);
  glDeleteBuffers(1, &g.ibo);
  glDeleteVertexArrays(1, &g.vao);
  glDeleteProgram(g.program);
  g.vertices.clear();
  g.ready = false;
  ++g.generation;  // textures of the old context are gone with it
}

bool RendererReady() { return g.ready; }
int RendererLiveTextures() { return g.ready ? g.live_textures : 0; }
unsigned RendererGeneration() { return g.generation; }

void RendererFlush() {
  if (!g.ready || g.vertices.empty()) return;
  if (g.gpu_texture != g.texture) {
    glBindTexture(GL_TEXTURE_2D, g.texture ? g.texture : g.white);
    g.gpu_texture = g.texture;
  }
  if (g.gpu_blend != g.blend) {
    ApplyBlend(g.blend);
    g.gpu_blend = g.blend;
  }
  GLsizeiptr bytes = GLsizeiptr(g.vertices.size() * sizeof(Vertex));
  // Fresh storage each time, so the driver need not wait for the previous draw to finish.
  glBufferData(GL_ARRAY_BUFFER, bytes, g.vertices.data(), GL_STREAM_DRAW);
  GLsizei quads = GLsizei(g.vertices.size() / 4);
  glDrawElements(GL_TRIANGLES, quads * 6, GL_UNSIGNED_INT, nullptr);
  g.current.draw_calls++;
  g.vertices.clear();
}

void RendererResume() {
  if (!g.ready) return;
  glUseProgram(g.program);
  glBindVertexArray(g.vao);
  glBindBuffer(GL_ARRAY_BUFFER, g.vbo);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, g.ibo);
  glActiveTexture(GL_TEXTURE0);
  g.gpu_texture = ~0u;
  g.gpu_blend = -1;
  ApplyProjection();
  ApplyClip();
}

void RendererCountStateChange() { g.current.state_changes++; }

void RendererSetTexture(unsigned texture) {
  if (texture == g.texture) return;
  RendererFlush();
  g.texture = texture;
  g.current.state_changes++;
}

void RendererSetBlend(int mode) {
  if (mode == g.blend) return;
  RendererFlush();
  g.blend = mode;
  g.current.state_changes++;
}

void RendererSetClip(int x, int y, int w, int h, bool enabled) {
  if (enabled == g.clip_on &&
      (!enabled || (x == g.clip[0] && y == g.clip[1] && w == g.clip[2] && h == g.clip[3])))
    return;
  RendererFlush();
  g.clip_on = enabled;
  g.clip[0] = x;
  g.clip[1] = y;
  g.clip[2] = w;
  g.clip[3] = h;
  if (g.ready) ApplyClip();
  g.current.state_changes++;
}

void RendererSetProjection(float width, float height) {
  if (!(width > 0.0f) || !(height > 0.0f)) return;
  if (width == g.proj_w && height == g.proj_h) return;
  RendererFlush();
  g.proj_w = width;
  g.proj_h = height;
  if (g.ready) ApplyProjection();
  g.current.state_changes++;
}

void RendererSetBackBuffer(int width, int height) {
  g.back_w = std::max(width, 1);
  g.back_h = std::max(height, 1);
  if (g.ready) {
    glViewport(0, 0, g.back_w, g.back_h);
    ApplyClip();
  }
}

void RendererQuad(const float xy[8], const float uv[8], std::uint32_t rgba) {
  if (!g.ready) return;
  if (g.vertices.size() >= std::size_t(kMaxQuads) * 4) RendererFlush();
  for (int i = 0; i < 4; ++i)
    g.vertices.push_back(Vertex{xy[i * 2], xy[i * 2 + 1], uv[i * 2], uv[i * 2 + 1], rgba});
  g.current.quads++;
}

void RendererTriangle(const float xy[6], std::uint32_t rgba) {
  const float quad[8] = {xy[0], xy[1], xy[2], xy[3], xy[4], xy[5], xy[4], xy[5]};
  const float uv[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  RendererQuad(quad, uv, rgba);
}

void RendererClear(float r, float g_, float b) {
  if (!g.ready) return;
  RendererFlush();
  glClearColor(r, g_, b, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void RendererEndFrame() {
  g.last = g.current;
  g.current = RenderStats{};
}

RenderStats RendererCurrentStats() { return g.current; }
RenderStats RendererLastStats() { return g.last; }

namespace {
void SetFilters(bool filtered, bool mipmapped) {
  GLint mag = filtered ? GL_LINEAR : GL_NEAREST;
  GLint min = mipmapped ? (filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST) : mag;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mag);
}

void BindForChange(unsigned texture) {
  // The pending batch may still sample this texture as it was.
  RendererFlush();
  glBindTexture(GL_TEXTURE_2D, texture);
  g.gpu_texture = texture;
}
}  // namespace

void UploadTexture(unsigned texture, const TPixmap& rgba, bool filtered, bool mipmapped) {
  if (!g.ready || !texture) return;
  BindForChange(texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, rgba.width, rgba.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               rgba.pixels.data());
  SetFilters(filtered, mipmapped);
  if (mipmapped) glGenerateMipmap(GL_TEXTURE_2D);
}

unsigned CreateTexture(const TPixmap& rgba, bool filtered, bool mipmapped) {
  if (!g.ready) return 0;
  GLuint texture = 0;
  glGenTextures(1, &texture);
  if (texture) ++g.live_textures;
  BindForChange(texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  UploadTexture(texture, rgba, filtered, mipmapped);
  return texture;
}

void SetTextureRepeat(unsigned texture, bool repeat) {
  if (!g.ready || !texture) return;
  BindForChange(texture);
  GLint mode = repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, mode);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, mode);
}

void DeleteTexture(unsigned texture) {
  if (!g.ready || !texture) return;
  if (g.texture == texture) {
    RendererFlush();
    g.texture = 0;
  }
  if (g.gpu_texture == texture) g.gpu_texture = ~0u;
  GLuint name = texture;
  glDeleteTextures(1, &name);
  --g.live_textures;
}

std::uint32_t PackColor(int r, int g_, int b, float alpha) {
  auto clamp = [](int v) { return std::uint32_t(v < 0 ? 0 : v > 255 ? 255 : v); };
  std::uint32_t a = clamp(int(alpha * 255.0f));
  return clamp(r) | (clamp(g_) << 8) | (clamp(b) << 16) | (a << 24);
}

}  // namespace detail
