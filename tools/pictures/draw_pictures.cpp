// Draws the program's pictures into res/: the toolbar strip, the about picture, the
// product-family logo and name plate, and the two icons. The files are committed; run
// this again only to change the art:
//
//   c++ -std=c++20 -O2 tools/pictures/draw_pictures.cpp -o /tmp/draw_pictures
//   /tmp/draw_pictures res
//
// Shapes are filled on a 4× finer grid and averaged down, so edges are smooth; indexed
// pictures then take the nearest colour of their palette. Toolbar pixels left empty get
// the light grey 192,192,192 that the toolbar shows as the button face.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kScale = 4;  // samples per pixel along each axis
constexpr double kPi = 3.14159265358979323846;

struct Rgb {
  uint8_t r, g, b;
};

// Colours of the art, shared by every picture so that they look alike.
constexpr Rgb kInk{0x1F, 0x2A, 0x44};        // outlines
constexpr Rgb kPaper{0xFF, 0xFF, 0xFF};
constexpr Rgb kPaperShade{0xDD, 0xE6, 0xF0};
constexpr Rgb kLine{0x8F, 0xA8, 0xC8};       // ruled lines on a sheet
constexpr Rgb kBlue{0x2F, 0x6F, 0xC0};
constexpr Rgb kDeepBlue{0x1C, 0x45, 0x8A};
constexpr Rgb kSky{0xBF, 0xDD, 0xF5};
constexpr Rgb kFolder{0xF2, 0xC2, 0x4B};
constexpr Rgb kFolderBack{0xD8, 0x9E, 0x2A};
constexpr Rgb kFolderEdge{0x8A, 0x5E, 0x10};
constexpr Rgb kGreen{0x2E, 0x9E, 0x4A};
constexpr Rgb kDarkGreen{0x1B, 0x6B, 0x30};
constexpr Rgb kRed{0xD6, 0x3A, 0x32};
constexpr Rgb kDarkRed{0x8E, 0x1E, 0x1A};
constexpr Rgb kGold{0xF0, 0xA8, 0x30};
constexpr Rgb kDove{0xF7, 0xF9, 0xFC};
constexpr Rgb kDoveShade{0xC9, 0xD6, 0xE6};
constexpr Rgb kGrey{0x6E, 0x78, 0x86};
constexpr Rgb kLightGrey{0xB4, 0xBC, 0xC6};
constexpr Rgb kHighlight{0x9C, 0xC8, 0xF4};  // a chosen row
constexpr Rgb kButtonFace{0xC0, 0xC0, 0xC0};

struct Vec {
  double x, y;
};

using Polygon = std::vector<Vec>;

// Points are placed through a transform so a shape can be drawn at any size and place.
struct Transform {
  double scale = 1, dx = 0, dy = 0, angle = 0;
  Vec operator()(Vec p) const {
    const double c = std::cos(angle), s = std::sin(angle);
    return {dx + scale * (c * p.x - s * p.y), dy + scale * (s * p.x + c * p.y)};
  }
};

// A path of closed polygons, with curves flattened as they are added.
class Path {
 public:
  explicit Path(Transform t = {}) : t_(t) {}
  Path& move(double x, double y) {
    polygons_.push_back({t_({x, y})});
    last_ = {x, y};
    return *this;
  }
  Path& line(double x, double y) {
    polygons_.back().push_back(t_({x, y}));
    last_ = {x, y};
    return *this;
  }
  Path& curve(double x1, double y1, double x2, double y2, double x, double y) {
    const Vec p0 = last_;
    for (int i = 1; i <= 16; ++i) {
      const double t = i / 16.0, u = 1 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      line(a * p0.x + b * x1 + c * x2 + d * x, a * p0.y + b * y1 + c * y2 + d * y);
    }
    return *this;
  }
  Path& ellipse(double cx, double cy, double rx, double ry) {
    move(cx + rx, cy);
    for (int i = 1; i < 48; ++i) {
      const double a = 2 * kPi * i / 48;
      line(cx + rx * std::cos(a), cy + ry * std::sin(a));
    }
    return *this;
  }
  Path& rect(double x, double y, double w, double h) {
    return move(x, y).line(x + w, y).line(x + w, y + h).line(x, y + h);
  }
  const std::vector<Polygon>& polygons() const { return polygons_; }

 private:
  Transform t_;
  std::vector<Polygon> polygons_;
  Vec last_{0, 0};
};

struct Pixel {
  double r = 0, g = 0, b = 0, a = 0;  // premultiplied by a
};

// An RGBA picture on the fine grid.
class Canvas {
 public:
  Canvas(int width, int height) : w_(width), h_(height), samples_(size_t(width) * height * kScale * kScale) {}
  int width() const { return w_; }
  int height() const { return h_; }

  // Fills the path (non-zero winding) with an opaque colour, or a see-through one.
  void fill(const Path& path, Rgb color, double opacity = 1) {
    paint(coverage(path.polygons()), color, opacity);
  }
  // Strokes each polygon of the path, closed or open, with round joins.
  void stroke(const Path& path, Rgb color, double width, bool closed = true) {
    std::vector<uint8_t> mask(samples_.size(), 0);
    for (const Polygon& polygon : path.polygons()) {
      const size_t n = polygon.size();
      const size_t segments = closed ? n : n - 1;
      for (size_t i = 0; i < segments; ++i) {
        addSegment(mask, polygon[i], polygon[(i + 1) % n], width);
      }
    }
    paint(mask, color, 1);
  }
  // The whole picture in one colour.
  void clear(Rgb color) {
    for (Pixel& p : samples_) p = {double(color.r), double(color.g), double(color.b), 1};
  }
  // A vertical blend from `top` to `bottom`.
  void gradient(Rgb top, Rgb bottom) {
    const int rows = h_ * kScale, columns = w_ * kScale;
    for (int y = 0; y < rows; ++y) {
      const double t = double(y) / (rows - 1);
      const Pixel p{top.r + t * (bottom.r - top.r), top.g + t * (bottom.g - top.g),
                    top.b + t * (bottom.b - top.b), 1};
      for (int x = 0; x < columns; ++x) samples_[size_t(y) * columns + x] = p;
    }
  }
  // The averaged pixel (x, y): straight colour and its coverage.
  Pixel at(int x, int y) const {
    Pixel sum;
    for (int j = 0; j < kScale; ++j) {
      for (int i = 0; i < kScale; ++i) {
        const Pixel& p = samples_[size_t(y * kScale + j) * w_ * kScale + x * kScale + i];
        sum.r += p.r;
        sum.g += p.g;
        sum.b += p.b;
        sum.a += p.a;
      }
    }
    if (sum.a == 0) return {};
    return {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / (kScale * kScale)};
  }

 private:
  std::vector<uint8_t> coverage(const std::vector<Polygon>& polygons) const {
    std::vector<uint8_t> mask(samples_.size(), 0);
    fillInto(mask, polygons);
    return mask;
  }

  void fillInto(std::vector<uint8_t>& mask, const std::vector<Polygon>& polygons) const {
    const int rows = h_ * kScale, columns = w_ * kScale;
    std::vector<std::pair<double, int>> crossings;
    for (int row = 0; row < rows; ++row) {
      const double y = (row + 0.5) / kScale;
      crossings.clear();
      for (const Polygon& polygon : polygons) {
        for (size_t i = 0; i < polygon.size(); ++i) {
          const Vec a = polygon[i], b = polygon[(i + 1) % polygon.size()];
          if ((a.y <= y) == (b.y <= y)) continue;
          const double x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
          crossings.push_back({x, a.y < b.y ? 1 : -1});
        }
      }
      std::sort(crossings.begin(), crossings.end());
      int winding = 0;
      for (size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].second;
        if (winding == 0) continue;
        const int from = std::max(0, int(std::ceil(crossings[i].first * kScale - 0.5)));
        const int to = std::min(columns, int(std::ceil(crossings[i + 1].first * kScale - 0.5)));
        for (int x = from; x < to; ++x) mask[size_t(row) * columns + x] = 1;
      }
    }
  }

  void addSegment(std::vector<uint8_t>& mask, Vec a, Vec b, double width) const {
    const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
    const double r = width / 2;
    std::vector<Polygon> pieces;
    if (length > 0) {
      const double nx = -dy / length * r, ny = dx / length * r;
      pieces.push_back({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}});
    }
    for (Vec c : {a, b}) {
      Polygon round;
      for (int i = 0; i < 24; ++i) {
        const double t = 2 * kPi * i / 24;
        round.push_back({c.x + r * std::cos(t), c.y + r * std::sin(t)});
      }
      pieces.push_back(round);
    }
    for (const Polygon& piece : pieces) fillInto(mask, {piece});
  }

  void paint(const std::vector<uint8_t>& mask, Rgb color, double opacity) {
    for (size_t i = 0; i < samples_.size(); ++i) {
      if (!mask[i]) continue;
      Pixel& p = samples_[i];
      const double k = 1 - opacity;
      p = {color.r * opacity + p.r * k, color.g * opacity + p.g * k, color.b * opacity + p.b * k,
           opacity + p.a * k};
    }
  }

  int w_, h_;
  std::vector<Pixel> samples_;
};

// ---- Files -------------------------------------------------------------------------

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

void putInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageSize,
                   uint32_t colours) {
  put32(out, 40);
  put32(out, uint32_t(width));
  put32(out, uint32_t(height));
  put16(out, 1);
  put16(out, uint32_t(bits));
  put32(out, 0);  // no compression
  put32(out, imageSize);
  put32(out, 2835);  // 72 dots per inch
  put32(out, 2835);
  put32(out, colours);
  put32(out, 0);
}

bool save(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!file) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return bool(file);
}

// The colour of a pixel over a background; see-through pixels of a keyed picture take
// the key exactly.
Rgb flatten(const Pixel& p, Rgb background) {
  auto mix = [&](double c, uint8_t under) {
    return uint8_t(std::clamp(std::lround(c * p.a + under * (1 - p.a)), 0L, 255L));
  };
  return {mix(p.r, background.r), mix(p.g, background.g), mix(p.b, background.b)};
}

int nearest(const std::vector<Rgb>& palette, Rgb c) {
  int best = 0;
  long bestDistance = -1;
  for (size_t i = 0; i < palette.size(); ++i) {
    const long dr = long(palette[i].r) - c.r, dg = long(palette[i].g) - c.g, db = long(palette[i].b) - c.b;
    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (bestDistance < 0 || d < bestDistance) {
      best = int(i);
      bestDistance = d;
    }
  }
  return best;
}

// A bottom-up BMP with a palette of 16 or 256 colours. With `keyed`, pixels less than
// half covered are the background itself and the rest are drawn without it.
bool writeIndexedBmp(const std::string& path, const Canvas& canvas, const std::vector<Rgb>& palette,
                     int bits, Rgb background, bool keyed) {
  const int w = canvas.width(), h = canvas.height();
  const int stride = ((w * bits + 31) / 32) * 4;
  const uint32_t colours = 1u << bits;
  const uint32_t offset = 14 + 40 + 4 * colours;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  put32(out, offset + uint32_t(stride * h));
  put32(out, 0);
  put32(out, offset);
  putInfoHeader(out, w, h, bits, uint32_t(stride * h), colours);
  for (uint32_t i = 0; i < colours; ++i) {
    const Rgb c = i < palette.size() ? palette[i] : Rgb{0, 0, 0};
    out.insert(out.end(), {c.b, c.g, c.r, 0});
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(stride), 0);
    for (int x = 0; x < w; ++x) {
      Pixel p = canvas.at(x, y);
      Rgb c = background;
      if (!keyed) {
        c = flatten(p, background);
      } else if (p.a >= 0.5) {
        p.a = 1;
        c = flatten(p, background);
      }
      const int index = (keyed && p.a < 0.5) ? nearest(palette, background) : nearest(palette, c);
      if (bits == 8) {
        row[size_t(x)] = uint8_t(index);
      } else {
        row[size_t(x / 2)] |= uint8_t(x % 2 == 0 ? index << 4 : index);
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return save(path, out);
}

bool writeBmp24(const std::string& path, const Canvas& canvas, Rgb background) {
  const int w = canvas.width(), h = canvas.height();
  const int stride = ((w * 24 + 31) / 32) * 4;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  put32(out, 54 + uint32_t(stride * h));
  put32(out, 0);
  put32(out, 54);
  putInfoHeader(out, w, h, 24, uint32_t(stride * h), 0);
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(stride), 0);
    for (int x = 0; x < w; ++x) {
      const Rgb c = flatten(canvas.at(x, y), background);
      row[size_t(3 * x)] = c.b;
      row[size_t(3 * x + 1)] = c.g;
      row[size_t(3 * x + 2)] = c.r;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return save(path, out);
}

// An icon file of 32-bit images with their AND masks, one per size.
bool writeIcon(const std::string& path, const std::vector<Canvas>& images) {
  std::vector<std::vector<uint8_t>> bodies;
  for (const Canvas& c : images) {
    const int s = c.width();
    const int maskStride = ((s + 31) / 32) * 4;
    std::vector<uint8_t> body;
    putInfoHeader(body, s, 2 * s, 32, uint32_t(4 * s * s + maskStride * s), 0);
    std::vector<uint8_t> mask;
    for (int y = s - 1; y >= 0; --y) {
      std::vector<uint8_t> maskRow(size_t(maskStride), 0);
      for (int x = 0; x < s; ++x) {
        const Pixel p = c.at(x, y);
        const uint8_t alpha = uint8_t(std::lround(p.a * 255));
        const Rgb rgb = flatten({p.r, p.g, p.b, 1}, {0, 0, 0});
        body.insert(body.end(), {rgb.b, rgb.g, rgb.r, alpha});
        if (alpha == 0) maskRow[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
      }
      mask.insert(mask.end(), maskRow.begin(), maskRow.end());
    }
    body.insert(body.end(), mask.begin(), mask.end());
    bodies.push_back(body);
  }
  std::vector<uint8_t> out;
  put16(out, 0);
  put16(out, 1);
  put16(out, uint32_t(images.size()));
  uint32_t offset = 6 + 16 * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int s = images[i].width();
    out.push_back(uint8_t(s));
    out.push_back(uint8_t(s));
    out.push_back(0);
    out.push_back(0);
    put16(out, 1);
    put16(out, 32);
    put32(out, uint32_t(bodies[i].size()));
    put32(out, offset);
    offset += uint32_t(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return save(path, out);
}

// ---- Shapes shared by the pictures ---------------------------------------------------

// The parts of a dove flying to the right, wings raised, in a 100 × 100 box.
Path doveFarWing(Transform t) {
  Path p(t);
  p.move(60, 46).curve(66, 32, 72, 18, 78, 4).curve(80, 18, 76, 34, 68, 44).line(60, 46);
  return p;
}
Path doveBody(Transform t) {
  Path p(t);
  p.move(70, 33).curve(60, 40, 45, 52, 30, 57).line(6, 54).line(14, 62).line(5, 70).line(32, 67)
      .curve(48, 75, 70, 72, 80, 57).curve(85, 50, 88, 45, 87, 40).curve(86, 30, 76, 27, 70, 33);
  return p;
}
Path doveBeak(Transform t) {
  Path p(t);
  p.move(86, 36).line(97, 40).line(86, 44);
  return p;
}
Path doveEye(Transform t) {
  Path p(t);
  p.ellipse(80, 37, 2.8, 2.8);
  return p;
}
Path doveWing(Transform t) {
  Path p(t);
  p.move(62, 46).curve(64, 30, 60, 14, 52, 2).curve(50, 8, 48, 14, 45, 19).curve(42, 12, 39, 8, 34, 5)
      .curve(34, 12, 33, 18, 32, 24).curve(28, 20, 24, 18, 17, 16)
      .curve(22, 32, 28, 48, 38, 58).curve(46, 56, 54, 52, 62, 46);
  return p;
}
Path doveFeathers(Transform t) {
  Path p(t);
  p.move(45, 20).curve(46, 30, 47, 40, 50, 50);
  p.move(32, 25).curve(35, 35, 38, 45, 43, 54);
  return p;
}

// The dove in white with dark outlines.
void drawDove(Canvas& c, Transform t, double outline) {
  const double line = outline * t.scale;
  c.fill(doveFarWing(t), kDoveShade);
  c.stroke(doveFarWing(t), kInk, line);
  c.fill(doveBody(t), kDove);
  c.stroke(doveBody(t), kInk, line);
  c.fill(doveBeak(t), kGold);
  c.stroke(doveBeak(t), kInk, line * 0.8);
  c.fill(doveEye(t), kInk);
  c.fill(doveWing(t), kDove);
  c.stroke(doveWing(t), kInk, line);
  c.stroke(doveFeathers(t), kDoveShade, line * 0.9, false);
}

// The dove as one blue shape, for pictures too small for outlines.
void drawDoveSilhouette(Canvas& c, Transform t, bool feathers) {
  c.fill(doveFarWing(t), kDeepBlue);
  c.fill(doveBody(t), kBlue);
  c.fill(doveBeak(t), kGold);
  c.fill(doveWing(t), kBlue);
  if (feathers) {
    c.stroke(doveFeathers(t), kHighlight, 3 * t.scale, false);
    c.stroke(doveWing(t), kDeepBlue, 2.5 * t.scale);
  }
  c.fill(doveEye(t), kPaper);
}

// A sheet of paper with a folded corner and ruled lines, in a 100 × 100 box.
void drawSheet(Canvas& c, Transform t, double outline, Rgb lines = kLine) {
  Path sheet(t);
  sheet.move(18, 4).line(66, 4).line(86, 24).line(86, 96).line(18, 96);
  c.fill(sheet, kPaper);
  Path fold(t);
  fold.move(66, 4).line(66, 24).line(86, 24);
  c.fill(fold, kPaperShade);
  Path rules(t);
  for (double y : {40.0, 52.0, 64.0, 76.0}) rules.move(28, y).line(76, y);
  c.stroke(rules, lines, 4 * t.scale, false);
  c.stroke(sheet, kInk, outline * t.scale);
  c.stroke(fold, kInk, outline * t.scale, false);
}

// The program's sign: a sheet with the dove flying out of it.
void drawSign(Canvas& c, Transform t, double outline) {
  drawSheet(c, {t.scale * 0.74, t.dx - t.scale * 10, t.dy + t.scale * 26}, outline / 0.74);
  drawDove(c, {t.scale * 0.76, t.dx + t.scale * 25, t.dy + t.scale * 0}, outline / 0.76);
}

// ---- The toolbar, one 32 × 32 image per button -----------------------------------------

constexpr double kStroke = 1.0;

void folder(Canvas& c, double x, double y, double w, double h) {
  Path back;
  back.move(x, y + 3).line(x + w * 0.4, y + 3).line(x + w * 0.4 + 3, y).line(x + w, y).line(x + w, y + h)
      .line(x, y + h);
  c.fill(back, kFolderBack);
  c.stroke(back, kFolderEdge, kStroke);
  Path front;
  front.move(x, y + 6).line(x + w, y + 6).line(x + w, y + h).line(x, y + h);
  c.fill(front, kFolder);
  c.stroke(front, kFolderEdge, kStroke);
}

// Letters of five by five pixels for the file-type tags.
const std::array<const char*, 5>& glyph(char letter) {
  static const std::array<const char*, 5> d{"####.", "#...#", "#...#", "#...#", "####."};
  static const std::array<const char*, 5> w{"#...#", "#...#", "#.#.#", "#.#.#", ".#.#."};
  static const std::array<const char*, 5> g{".####", "#....", "#..##", "#...#", ".###."};
  static const std::array<const char*, 5> x{"#...#", ".#.#.", "..#..", ".#.#.", "#...#"};
  static const std::array<const char*, 5> f{"#####", "#....", "####.", "#....", "#...."};
  switch (letter) {
    case 'D': return d;
    case 'W': return w;
    case 'G': return g;
    case 'X': return x;
    default: return f;
  }
}

// A coloured tag with three letters, its top-left at (x, y): 21 × 9 pixels.
void tag(Canvas& c, int x, int y, const char* text, Rgb color, Rgb edge) {
  Path box;
  box.rect(x, y, 21, 9);
  c.fill(box, color);
  Path border;
  border.rect(x + 0.5, y + 0.5, 20, 8);
  c.stroke(border, edge, kStroke);
  for (int i = 0; i < 3; ++i) {
    const auto& rows = glyph(text[i]);
    for (int r = 0; r < 5; ++r) {
      for (int k = 0; k < 5; ++k) {
        if (rows[size_t(r)][k] != '#') continue;
        Path dot;
        dot.rect(x + 2 + i * 6 + k, y + 2 + r, 1, 1);
        c.fill(dot, kPaper);
      }
    }
  }
}

void sheet(Canvas& c, double x, double y, double w, double h) {
  Path page;
  page.move(x, y).line(x + w - 5, y).line(x + w, y + 5).line(x + w, y + h).line(x, y + h);
  c.fill(page, kPaper);
  c.stroke(page, kInk, kStroke);
  Path fold;
  fold.move(x + w - 5, y).line(x + w - 5, y + 5).line(x + w, y + 5);
  c.fill(fold, kPaperShade);
  c.stroke(fold, kInk, kStroke, false);
}

// A small table of `rows` rows; `chosenRow` and `chosenColumn` (or -1) are highlighted.
void table(Canvas& c, double x, double y, double w, int rows, int chosenRow, int chosenColumn) {
  const double rowHeight = 5, h = rows * rowHeight + 4;
  Path frame;
  frame.rect(x, y, w, h);
  c.fill(frame, kPaper);
  Path header;
  header.rect(x, y, w, 4);
  c.fill(header, kLightGrey);
  const double columnWidth = w / 3;
  if (chosenRow >= 0) {
    Path row;
    row.rect(x, y + 4 + chosenRow * rowHeight, w, rowHeight);
    c.fill(row, kHighlight);
  }
  if (chosenColumn >= 0) {
    Path column;
    column.rect(x + chosenColumn * columnWidth, y + 4, columnWidth, h - 4);
    c.fill(column, kHighlight);
  }
  Path grid;
  for (int i = 1; i <= rows; ++i) grid.move(x, y + 4 + i * rowHeight - 0.5).line(x + w, y + 4 + i * rowHeight - 0.5);
  for (int i = 1; i < 3; ++i) grid.move(x + i * columnWidth - 0.5, y).line(x + i * columnWidth - 0.5, y + h);
  c.stroke(grid, kLightGrey, kStroke, false);
  Path border;
  border.rect(x + 0.5, y + 0.5, w - 1, h - 1);
  c.stroke(border, kInk, kStroke);
}

void pencil(Canvas& c, double x, double y) {  // point at (x, y), leaning up-right
  Transform t{1, x, y, -kPi / 4};
  Path wood(t);
  wood.move(0, 0).line(5, -2.5).line(5, 2.5);
  c.fill(wood, kGold);
  Path body(t);
  body.rect(5, -2.5, 11, 5);
  c.fill(body, kBlue);
  Path end(t);
  end.rect(16, -2.5, 3, 5);
  c.fill(end, kRed);
  Path outline(t);
  outline.move(0, 0).line(5, -2.5).line(19, -2.5).line(19, 2.5).line(5, 2.5);
  c.stroke(outline, kInk, kStroke);
}

void arrow(Canvas& c, double cx, double top, double bottom, Rgb color, Rgb edge) {
  const bool down = bottom > top;
  const double head = down ? bottom - 7 : bottom + 7;
  Path a;
  a.move(cx - 2.5, top).line(cx + 2.5, top).line(cx + 2.5, head).line(cx + 6.5, head).line(cx, bottom)
      .line(cx - 6.5, head).line(cx - 2.5, head);
  c.fill(a, color);
  c.stroke(a, edge, kStroke);
}

void plus(Canvas& c, double cx, double cy) {
  Path p;
  p.move(cx - 1.5, cy - 6).line(cx + 1.5, cy - 6).line(cx + 1.5, cy - 1.5).line(cx + 6, cy - 1.5)
      .line(cx + 6, cy + 1.5).line(cx + 1.5, cy + 1.5).line(cx + 1.5, cy + 6).line(cx - 1.5, cy + 6)
      .line(cx - 1.5, cy + 1.5).line(cx - 6, cy + 1.5).line(cx - 6, cy - 1.5).line(cx - 1.5, cy - 1.5);
  c.fill(p, kGreen);
  c.stroke(p, kDarkGreen, kStroke);
}

void gear(Canvas& c, double cx, double cy, double r) {
  Path g;
  const int teeth = 8;
  for (int i = 0; i < teeth * 4; ++i) {
    const double a = 2 * kPi * (i - 0.5) / (teeth * 4);
    const double radius = (i % 4 < 2) ? r : r * 0.72;
    if (i == 0) g.move(cx + radius * std::cos(a), cy + radius * std::sin(a));
    else g.line(cx + radius * std::cos(a), cy + radius * std::sin(a));
  }
  c.fill(g, kGrey);
  c.stroke(g, kInk, kStroke);
  Path hole;
  hole.ellipse(cx, cy, r * 0.3, r * 0.3);
  c.fill(hole, kPaper);
  c.stroke(hole, kInk, kStroke);
}

void drawToolbarImage(Canvas& c, int button) {
  switch (button) {
    case 330: {  // the folder-select dialog: folders to tick
      folder(c, 2.5, 6.5, 22, 17);
      Path tick;
      tick.move(15, 20).line(20, 26).line(30, 11);
      c.stroke(tick, kDarkGreen, 5, false);
      c.stroke(tick, kGreen, 2.6, false);
      break;
    }
    case 331: {  // DWG files of a folder and its subfolders
      folder(c, 1.5, 2.5, 16, 12);
      Path branch;
      branch.move(5.5, 15).line(5.5, 21.5).line(9, 21.5);
      c.stroke(branch, kInk, kStroke, false);
      folder(c, 9.5, 14.5, 14, 10);
      tag(c, 10, 22, "DWG", kBlue, kDeepBlue);
      break;
    }
    case 332:  // DWG files of a folder
      folder(c, 2.5, 4.5, 26, 19);
      tag(c, 10, 21, "DWG", kBlue, kDeepBlue);
      break;
    case 333:  // DXF files of a folder
      folder(c, 2.5, 4.5, 26, 19);
      tag(c, 10, 21, "DXF", kGreen, kDarkGreen);
      break;
    case 334: {  // drawing files picked one by one
      sheet(c, 5.5, 2.5, 19, 25);
      Path rules;
      for (double y : {11.5, 15.5, 19.5}) rules.move(9, y).line(20, y);
      c.stroke(rules, kLine, kStroke, false);
      plus(c, 23, 23);
      break;
    }
    case 335: {  // delete the chosen rows
      table(c, 2, 3, 22, 4, 1, -1);
      Path cross;
      cross.move(17, 16).line(29, 28);
      cross.move(29, 16).line(17, 28);
      c.stroke(cross, kDarkRed, 5.5, false);
      c.stroke(cross, kRed, 3, false);
      break;
    }
    case 336: {  // run the CAD application over the rows
      sheet(c, 2.5, 2.5, 16, 21);
      Path play;
      play.move(12.5, 10.5).line(29.5, 20).line(12.5, 29.5);
      c.fill(play, kGreen);
      c.stroke(play, kDarkGreen, kStroke);
      break;
    }
    case 337: {  // printers and their paper sizes
      Path paperOut;
      paperOut.rect(9.5, 2.5, 13, 10);
      c.fill(paperOut, kPaper);
      c.stroke(paperOut, kInk, kStroke);
      Path printer;
      printer.move(3.5, 11.5).line(28.5, 11.5).line(28.5, 23.5).line(3.5, 23.5);
      c.fill(printer, kLightGrey);
      c.stroke(printer, kInk, kStroke);
      Path tray;
      tray.rect(7.5, 19.5, 17, 9);
      c.fill(tray, kPaper);
      c.stroke(tray, kInk, kStroke);
      Path light;
      light.rect(23, 14, 3, 2);
      c.fill(light, kGreen);
      break;
    }
    case 338:  // the initial values of the columns
      table(c, 2, 3, 22, 3, 0, -1);
      gear(c, 22, 22, 8.5);
      break;
    case 339:  // edit the chosen rows
      table(c, 2, 3, 24, 4, 1, -1);
      pencil(c, 15, 28);
      break;
    case 340:  // copy a row
      table(c, 2, 2, 20, 3, 1, -1);
      table(c, 10, 12, 20, 3, 1, -1);
      break;
    case 341: {  // paste into the chosen rows
      Path board;
      board.rect(4.5, 4.5, 20, 25);
      c.fill(board, kFolderBack);
      c.stroke(board, kFolderEdge, kStroke);
      Path clip;
      clip.rect(10.5, 2.5, 8, 4);
      c.fill(clip, kGrey);
      c.stroke(clip, kInk, kStroke);
      table(c, 12, 13, 18, 3, 1, -1);
      break;
    }
    case 342:  // edit a column of every row
      table(c, 2, 3, 24, 4, -1, 1);
      pencil(c, 15, 28);
      break;
    case 343:  // move the row down
      table(c, 2, 3, 18, 4, 0, -1);
      arrow(c, 25, 6, 29, kBlue, kDeepBlue);
      break;
    case 344:  // move the row up
      table(c, 2, 3, 18, 4, 3, -1);
      arrow(c, 25, 26, 3, kBlue, kDeepBlue);
      break;
    case 345: {  // the manual
      Path cover;
      cover.move(5.5, 3.5).line(25.5, 3.5).line(25.5, 26.5).line(5.5, 26.5);
      c.fill(cover, kBlue);
      c.stroke(cover, kDeepBlue, kStroke);
      Path pages;
      pages.rect(7.5, 26.5, 18, 3);
      c.fill(pages, kPaper);
      c.stroke(pages, kInk, kStroke);
      Path spine;
      spine.move(8.5, 4).line(8.5, 26);
      c.stroke(spine, kDeepBlue, kStroke, false);
      Path mark;
      mark.move(13, 10).curve(13, 5.5, 21, 5.5, 21, 10).curve(21, 13.5, 17, 13.5, 17, 17.5);
      c.stroke(mark, kPaper, 2.6, false);
      Path dot;
      dot.ellipse(17, 21.5, 1.6, 1.6);
      c.fill(dot, kPaper);
      break;
    }
    default: {  // 346: leave the program
      Path frame;
      frame.rect(4.5, 2.5, 16, 27);
      c.fill(frame, kLightGrey);
      c.stroke(frame, kInk, kStroke);
      Path door;
      door.move(4.5, 2.5).line(14.5, 6.5).line(14.5, 31).line(4.5, 29.5);
      c.fill(door, kFolderBack);
      c.stroke(door, kFolderEdge, kStroke);
      Path out;
      out.move(17.5, 13.5).line(23, 13.5).line(23, 9).line(30.5, 16).line(23, 23).line(23, 18.5)
          .line(17.5, 18.5);
      c.fill(out, kRed);
      c.stroke(out, kDarkRed, kStroke);
      break;
    }
  }
}

std::vector<Rgb> toolbarPalette() {
  // The drawing colours first, exactly, then a colour cube and greys for the edges.
  std::vector<Rgb> palette{kButtonFace, {0, 0, 0}, {0xFF, 0xFF, 0xFF}, kInk, kPaperShade, kLine,
                           kBlue, kDeepBlue, kFolder, kFolderBack, kFolderEdge, kGreen,
                           kDarkGreen, kRed, kDarkRed, kGold, kGrey, kLightGrey, kHighlight};
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) palette.push_back({uint8_t(51 * r), uint8_t(51 * g), uint8_t(51 * b)});
    }
  }
  for (int i = 1; palette.size() < 256; ++i) {
    const uint8_t v = uint8_t(i * 7);
    if (v == 0xC0) continue;  // the button face stays the one see-through grey
    palette.push_back({v, v, v});
  }
  return palette;
}

bool drawToolbar(const std::string& folder) {
  constexpr int kButtons = 17;
  std::vector<Canvas> images;
  for (int i = 0; i < kButtons; ++i) {
    images.emplace_back(32, 32);
    drawToolbarImage(images.back(), 330 + i);
  }
  const int w = 32 * kButtons, h = 32;
  const std::vector<Rgb> palette = toolbarPalette();
  const int stride = w;  // 544 is a multiple of 4
  std::vector<uint8_t> out;
  const uint32_t offset = 14 + 40 + 4 * 256;
  out.push_back('B');
  out.push_back('M');
  put32(out, offset + uint32_t(stride * h));
  put32(out, 0);
  put32(out, offset);
  putInfoHeader(out, w, h, 8, uint32_t(stride * h), 256);
  for (const Rgb& c : palette) out.insert(out.end(), {c.b, c.g, c.r, 0});
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      Pixel p = images[size_t(x / 32)].at(x % 32, y);
      int index = 0;  // the button face
      if (p.a >= 0.5) {
        p.a = 1;
        index = nearest(palette, flatten(p, kButtonFace));
        if (index == 0) index = nearest({palette.begin() + 1, palette.end()}, flatten(p, kButtonFace)) + 1;
      }
      out.push_back(uint8_t(index));
    }
  }
  return save(folder + "/toolbar.bmp", out);
}

// ---- The about picture, the product-family pictures and the icons ---------------------

bool drawAboutPicture(const std::string& folder) {
  Canvas c(139, 66);
  c.gradient(kSky, kPaper);
  // Sheets flying one after another behind the dove, as the drawings of a batch.
  for (int i = 0; i < 4; ++i) {
    const double s = 0.2 + 0.04 * i;
    drawSheet(c, {s, 8.0 + i * 16, 36.0 - i * 6, -0.25 + 0.12 * i}, 5 / s * 0.2);
  }
  drawSign(c, {0.62, 64, 2}, 3.2);
  Path ground;
  ground.move(0, 58).curve(40, 52, 90, 64, 139, 56).line(139, 66).line(0, 66);
  c.fill(ground, kHighlight, 0.6);
  return writeBmp24(folder + "/about.bmp", c, kPaper);
}

std::vector<Rgb> familyPalette() {
  return {kPaper, kInk, kPaperShade, kLine, kBlue, kDeepBlue, kSky, kGold,
          kDoveShade, kGrey, kLightGrey, {0x7E, 0x88, 0xA0}, {0xE9, 0xEE, 0xF5}, {0x4F, 0x5A, 0x74},
          {0xF7, 0xD8, 0x9C}, {0xA9, 0xB8, 0xCC}};
}

bool drawLogo(const std::string& folder) {
  Canvas c(63, 67);
  c.clear(kPaper);
  drawSign(c, {0.62, 0, 2}, 3.4);
  return writeIndexedBmp(folder + "/family_logo.bmp", c, familyPalette(), 4, kPaper, false);
}

// Capital letters as strokes on a grid 10 wide and 14 high.
void strokeLetter(Canvas& c, char letter, Transform t, double width, Rgb color) {
  Path p(t);
  switch (letter) {
    case 'O':
      p.move(5, 0).curve(-1.6, 0, -1.6, 14, 5, 14).curve(11.6, 14, 11.6, 0, 5, 0);
      break;
    case 'R':
      p.move(0, 14).line(0, 0).line(5, 0).curve(10, 0, 10, 7, 5, 7).line(0, 7);
      p.move(4.5, 7).line(9, 14);
      break;
    case 'I':
      p.move(5, 0).line(5, 14);
      break;
    default:  // 'N'
      p.move(0, 14).line(0, 0).line(9, 14).line(9, 0);
      break;
  }
  c.stroke(p, color, width, false);
}

bool drawNamePlate(const std::string& folder) {
  Canvas c(263, 63);
  c.clear(kPaper);
  Path plate;
  plate.move(12, 3).line(251, 3).curve(258, 3, 260, 5, 260, 12).line(260, 51).curve(260, 58, 258, 60, 251, 60)
      .line(12, 60).curve(5, 60, 3, 58, 3, 51).line(3, 12).curve(3, 5, 5, 3, 12, 3);
  c.fill(plate, kDeepBlue);
  c.stroke(plate, kGold, 3);
  Path inner;
  inner.move(14, 9).line(249, 9).curve(254, 9, 254, 9, 254, 14).line(254, 49).curve(254, 54, 254, 54, 249, 54)
      .line(14, 54).curve(9, 54, 9, 54, 9, 49).line(9, 14).curve(9, 9, 9, 9, 14, 9);
  c.stroke(inner, kBlue, 1.5);
  drawDove(c, {0.42, 16, 10}, 4);
  // Letter places on the grid: four units apart, the I being only a stroke.
  const char* name = "ORRIN";
  const double places[] = {0, 14, 27, 35, 44};
  const double size = 2.6;
  for (int i = 0; i < 5; ++i) {
    const Transform at{size, 87 + places[i] * size, 13};
    strokeLetter(c, name[i], {at.scale, at.dx + 1.2, at.dy + 1.2}, 6, kInk);
    strokeLetter(c, name[i], at, 6, kPaper);
  }
  return writeIndexedBmp(folder + "/family_plate.bmp", c, familyPalette(), 4, kPaper, false);
}

// The icon: a sheet with a blue dove flying off it, bold enough for 16 pixels.
Canvas iconImage(int size) {
  Canvas c(size, size);
  const double s = size / 100.0;
  const double outline = size <= 16 ? 9 : size <= 32 ? 5.5 : 4;
  drawSheet(c, {s * 0.72, -s * 9, s * 28}, outline / 0.72, size <= 16 ? kPaper : kLine);
  drawDoveSilhouette(c, {s * 0.8, s * 20, s * 0}, size > 16);
  return c;
}

bool drawIcons(const std::string& folder) {
  return writeIcon(folder + "/dovevar.ico", {iconImage(48), iconImage(32), iconImage(16)}) &&
         writeIcon(folder + "/dovevar_small.ico", {iconImage(16), iconImage(32)});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_pictures RES_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool ok = drawToolbar(folder) && drawAboutPicture(folder) && drawLogo(folder) &&
                  drawNamePlate(folder) && drawIcons(folder);
  return ok ? 0 : 1;
}
