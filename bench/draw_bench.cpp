// Draws many rotated, scaled, tinted quads of one 1024 x 1024 atlas through the drawing layer,
// then submits the same quads as one prebuilt vertex array with raw GL, and compares.
//   draw_bench [--frames N]
#include <SDL.h>
#include <epoxy/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "platform/graphics.hpp"
#include "platform/random.hpp"
#include "platform/renderer.hpp"

namespace {

constexpr int kScreenW = 1280, kScreenH = 800;
constexpr float kVirtualW = 800, kVirtualH = 500;

double ThreadCpuMs() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Quad {
  float x, y, rot, scale;
  int sx, sy, sw, sh;
  int r, g, b;
  float alpha;
};

std::vector<Quad> MakeQuads(int count) {
  SeedRnd(1234);
  std::vector<Quad> quads(static_cast<std::size_t>(count));
  for (Quad& q : quads) {
    q.x = float(Rnd(0, kVirtualW));
    q.y = float(Rnd(0, kVirtualH));
    q.rot = float(Rnd(0, 360));
    q.scale = float(Rnd(0.05, 0.2));
    q.sx = Rand(0, 7) * 128;
    q.sy = Rand(0, 7) * 128;
    q.sw = q.sh = 128;
    q.r = Rand(128, 255);
    q.g = Rand(128, 255);
    q.b = Rand(128, 255);
    q.alpha = float(Rnd(0.3, 1.0));
  }
  return quads;
}

ImagePtr MakeAtlas() {
  auto pixmap = std::make_shared<TPixmap>(1024, 1024);
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 1024; ++x) {
      int cx = x % 128 - 64, cy = y % 128 - 64;
      std::uint32_t a = cx * cx + cy * cy < 60 * 60 ? 255 : 0;
      pixmap->WritePixel(x, y, (a << 24) | (std::uint32_t(x / 4) << 16) | (std::uint32_t(y / 4) << 8) | 200);
    }
  return ImageFromPixmap(pixmap, FILTEREDIMAGE | MIPMAPPEDIMAGE);
}

// Our path: the public API, one state setup and one frame draw per quad, as sprites do.
void DrawOurs(const ImagePtr& atlas, const std::vector<Quad>& quads) {
  SetBlend(ALPHABLEND);
  TImageFrame* frame = atlas->Frame(0);
  for (const Quad& q : quads) {
    SetColor(q.r, q.g, q.b);
    SetAlpha(q.alpha);
    SetTransform(q.rot, q.scale, q.scale);
    frame->SetUV(q.sx / 1024.0f, q.sy / 1024.0f, (q.sx + q.sw) / 1024.0f, (q.sy + q.sh) / 1024.0f);
    float hw = q.sw * 0.5f, hh = q.sh * 0.5f;
    frame->Draw(-hw, -hh, hw, hh, q.x, q.y);
  }
  frame->SetUV(0, 0, 1, 1);
}

// The raw path: the same quads as a vertex array built once, uploaded and drawn each frame.
struct RawPath {
  GLuint program = 0, vao = 0, vbo = 0, ibo = 0;
  std::vector<vorpel::detail::Vertex> vertices;
  GLsizei index_count = 0;

  void Build(const std::vector<Quad>& quads) {
    vertices.clear();
    for (const Quad& q : quads) {
      double rad = q.rot * M_PI / 180.0;
      float c = float(std::cos(rad)), s = float(std::sin(rad));
      float ix = c * q.scale, iy = -s * q.scale, jx = s * q.scale, jy = c * q.scale;
      float hw = q.sw * 0.5f, hh = q.sh * 0.5f;
      const float corners[4][2] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}};
      const float uvs[4][2] = {{q.sx / 1024.0f, q.sy / 1024.0f},
                               {(q.sx + q.sw) / 1024.0f, q.sy / 1024.0f},
                               {(q.sx + q.sw) / 1024.0f, (q.sy + q.sh) / 1024.0f},
                               {q.sx / 1024.0f, (q.sy + q.sh) / 1024.0f}};
      std::uint32_t rgba = vorpel::detail::PackColor(q.r, q.g, q.b, q.alpha);
      for (int i = 0; i < 4; ++i) {
        float u = corners[i][0], v = corners[i][1];
        vertices.push_back({u * ix + v * iy + q.x, u * jx + v * jy + q.y, uvs[i][0], uvs[i][1], rgba});
      }
    }
    std::vector<GLuint> indices;
    for (GLuint i = 0; i < GLuint(quads.size()); ++i)
      for (GLuint k : {0u, 1u, 2u, 0u, 2u, 3u}) indices.push_back(i * 4 + k);
    index_count = GLsizei(indices.size());
    if (!program) CreateObjects();
    glBindVertexArray(vao);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * 4), indices.data(), GL_STATIC_DRAW);
  }

  void CreateObjects() {
    const char* vs = "#version 330 core\nlayout(location=0) in vec2 p; layout(location=1) in vec2 t;"
                     "layout(location=2) in vec4 c; uniform vec2 s; out vec2 vt; out vec4 vc;"
                     "void main(){gl_Position=vec4(p.x*s.x-1.0,1.0-p.y*s.y,0,1);vt=t;vc=c;}";
    const char* fs = "#version 330 core\nin vec2 vt; in vec4 vc; uniform sampler2D tex; out vec4 o;"
                     "void main(){o=texture(tex,vt)*vc;}";
    GLuint v = glCreateShader(GL_VERTEX_SHADER), f = glCreateShader(GL_FRAGMENT_SHADER);
    glShaderSource(v, 1, &vs, nullptr);
    glShaderSource(f, 1, &fs, nullptr);
    glCompileShader(v);
    glCompileShader(f);
    program = glCreateProgram();
    glAttachShader(program, v);
    glAttachShader(program, f);
    glLinkProgram(program);
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, &vbo);
    glGenBuffers(1, &ibo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    auto stride = GLsizei(sizeof(vorpel::detail::Vertex));
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, (void*)0);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, (void*)8);
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, (void*)16);
    for (GLuint i = 0; i < 3; ++i) glEnableVertexAttribArray(i);
  }

  void Draw(unsigned texture) {
    glUseProgram(program);
    glUniform2f(glGetUniformLocation(program, "s"), 2.0f / kVirtualW, 2.0f / kVirtualH);
    glBindVertexArray(vao);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(vorpel::detail::Vertex)),
                 vertices.data(), GL_STREAM_DRAW);
    glDrawElements(GL_TRIANGLES, index_count, GL_UNSIGNED_INT, nullptr);
  }
};

struct Result {
  int quads;
  double ms_ours, ms_raw, wall_ours, wall_raw;
  int draw_calls;
};

template <typename F>
void Measure(int frames, F draw, double& cpu_ms, double& wall_ms) {
  for (int i = 0; i < 5; ++i) {
    Cls();
    draw();
    glFinish();
    Flip(0);
  }
  double cpu = 0;
  Uint64 start = SDL_GetPerformanceCounter();
  for (int i = 0; i < frames; ++i) {
    double c0 = ThreadCpuMs();
    Cls();
    draw();
    Flip(0);
    glFinish();
    cpu += ThreadCpuMs() - c0;
  }
  wall_ms = double(SDL_GetPerformanceCounter() - start) * 1000.0 / double(SDL_GetPerformanceFrequency()) / frames;
  cpu_ms = cpu / frames;
}

}  // namespace

int main(int argc, char** argv) {
  int frames = 20;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--frames") == 0) frames = std::max(1, std::atoi(argv[i + 1]));
  if (!std::getenv("SDL_VIDEODRIVER")) setenv("SDL_VIDEODRIVER", "offscreen", 1);
  if (!GraphicsOpen(kScreenW, kScreenH, 0, 60, 0)) {
    std::fprintf(stderr, "cannot open graphics\n");
    return 1;
  }
  SetProjectionSize(kVirtualW, kVirtualH);
  ImagePtr atlas = MakeAtlas();
  unsigned texture = atlas->Frame(0)->Texture();

  std::vector<Result> results;
  RawPath raw;
  for (int count : {10000, 50000}) {
    std::vector<Quad> quads = MakeQuads(count);
    Result r{count, 0, 0, 0, 0, 0};
    Measure(frames, [&] { DrawOurs(atlas, quads); }, r.ms_ours, r.wall_ours);
    r.draw_calls = LastFrameStats().draw_calls;
    raw.Build(quads);
    Measure(frames, [&] { raw.Draw(texture); }, r.ms_raw, r.wall_raw);
    vorpel::detail::RendererResume();
    results.push_back(r);
  }

  std::printf("%8s %12s %12s %8s %12s %12s %11s\n", "quads", "cpu_ours_ms", "cpu_raw_ms", "ratio",
              "wall_ours_ms", "wall_raw_ms", "draw_calls");
  for (const Result& r : results)
    std::printf("%8d %12.2f %12.2f %8.2f %12.2f %12.2f %11d\n", r.quads, r.ms_ours, r.ms_raw,
                r.ms_ours / r.ms_raw, r.wall_ours, r.wall_raw, r.draw_calls);
  std::string json = "{\"results\":[";
  for (std::size_t i = 0; i < results.size(); ++i) {
    const Result& r = results[i];
    char buf[256];
    std::snprintf(buf, sizeof buf,
                  "%s{\"quads\":%d,\"ms_ours\":%.3f,\"ms_raw\":%.3f,\"ratio\":%.3f,\"draw_calls\":%d}",
                  i ? "," : "", r.quads, r.ms_ours, r.ms_raw, r.ms_ours / r.ms_raw, r.draw_calls);
    json += buf;
  }
  std::printf("%s]}\n", json.c_str());
  GraphicsClose();
  return 0;
}
