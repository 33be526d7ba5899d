#include "resources/Pictures.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace plevo::pictures {
namespace {

using ui::Colour;
using ui::PointF;
using ui::RectF;
using Points = std::vector<PointF>;

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{0xff, 0xff, 0xff};
constexpr Colour kRed{0xd0, 0x10, 0x10};
constexpr Colour kBlue{0x10, 0x50, 0xb0};

// The step pictures are designed on a grid of 66 pixels and shown at 33: this surface halves
// what is drawn on it.
class Scaled : public ui::Surface {
public:
    Scaled(ui::Surface& to, double factor) : to_(to), f_(factor) {}

    void pen(Colour colour, double width) override { to_.pen(colour, width * f_); }
    void noPen() override { to_.noPen(); }
    void brush(Colour colour) override { to_.brush(colour); }
    void noBrush() override { to_.noBrush(); }
    void clearBrush() override { to_.clearBrush(); }
    void line(PointF from, PointF to) override { to_.line(at(from), at(to)); }
    void polyline(std::span<const PointF> points) override { to_.polyline(all(points)); }
    void polygon(std::span<const PointF> points) override { to_.polygon(all(points)); }
    void rectangle(RectF box) override { to_.rectangle(at(box)); }
    void roundRectangle(RectF box, double radius) override {
        to_.roundRectangle(at(box), radius * f_);
    }
    void ellipse(RectF box) override { to_.ellipse(at(box)); }
    void arc(RectF box, double start, double span) override { to_.arc(at(box), start, span); }
    void text(RectF box, std::string_view text, const ui::Font& font, Colour colour,
              ui::TextAlign align) override {
        ui::Font scaled = font;
        scaled.pixels = static_cast<int>(std::lround(font.pixels * f_));
        to_.text(at(box), text, scaled, colour, align);
    }

private:
    PointF at(PointF p) const { return {p.x * f_, p.y * f_}; }
    RectF at(RectF r) const { return {r.x * f_, r.y * f_, r.w * f_, r.h * f_}; }
    Points all(std::span<const PointF> points) const {
        Points out;
        out.reserve(points.size());
        for (const PointF& p : points) out.push_back(at(p));
        return out;
    }

    ui::Surface& to_;
    double f_;
};

Colour mix(Colour a, Colour b, double t) {
    auto m = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

// Points of a shape turned by `degrees` (clockwise on the screen) about `centre`.
Points turned(const Points& points, PointF centre, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    const double c = std::cos(a);
    const double s = std::sin(a);
    Points out;
    out.reserve(points.size());
    for (const PointF& p : points)
        out.push_back({centre.x + p.x * c - p.y * s, centre.y + p.x * s + p.y * c});
    return out;
}

Points corners(RectF r) {
    return {{r.x, r.y}, {r.x + r.w, r.y}, {r.x + r.w, r.y + r.h}, {r.x, r.y + r.h}};
}

// The outline of a rounded rectangle, each corner a quarter circle of a few points.
Points roundedCorners(RectF r, double radius) {
    constexpr int kSteps = 4;
    const std::array<PointF, 4> centres{{{r.x + r.w - radius, r.y + radius},
                                         {r.x + r.w - radius, r.y + r.h - radius},
                                         {r.x + radius, r.y + r.h - radius},
                                         {r.x + radius, r.y + radius}}};
    Points out;
    for (int corner = 0; corner < 4; ++corner) {
        const double from = -90 + corner * 90;
        for (int i = 0; i <= kSteps; ++i) {
            const double a = (from + 90.0 * i / kSteps) * std::numbers::pi / 180;
            out.push_back({centres[static_cast<std::size_t>(corner)].x + radius * std::cos(a),
                           centres[static_cast<std::size_t>(corner)].y + radius * std::sin(a)});
        }
    }
    return out;
}

// A quadratic curve from `from` to `to` pulled towards `control`, without its first point.
void curve(Points& out, PointF from, PointF control, PointF to) {
    constexpr int kSteps = 10;
    for (int i = 1; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const double u = 1 - t;
        out.push_back({u * u * from.x + 2 * u * t * control.x + t * t * to.x,
                       u * u * from.y + 2 * u * t * control.y + t * t * to.y});
    }
}

void book(ui::Surface& s, int frame) {
    s.pen({0x50, 0x30, 0x10}, 2);
    s.brush({0x8b, 0x45, 0x13});
    s.roundRectangle({4, 18, 58, 40}, 4);
    s.brush(kWhite);
    s.rectangle({8, 14, 24, 40});
    s.rectangle({34, 14, 24, 40});
    s.pen({0x90, 0x90, 0x90}, 1.5);
    for (int y = 22; y < 50; y += 6) {
        s.line({12.0, double(y)}, {28.0, double(y)});
        s.line({38.0, double(y)}, {54.0, double(y)});
    }
    if (frame > 0) {
        // A page on its way from right to left.
        const double t = frame / 5.0;
        const double x = 58 - 48 * t;
        Points page{{33, 14}};
        curve(page, {33, 14}, {(33 + x) / 2, 4}, {x, 12 + 6 * std::sin(t * std::numbers::pi)});
        page.push_back({x, 52});
        curve(page, {x, 52}, {(33 + x) / 2, 46}, {33, 54});
        s.pen({0x60, 0x60, 0x60}, 1.5);
        s.brush({0xf8, 0xf8, 0xe8});
        s.polygon(page);
    }
}

void gear(ui::Surface& s, bool shaded) {
    const PointF c{33, 33};
    constexpr int kTeeth = 8;
    Points wheel;
    for (int i = 0; i < kTeeth * 2; ++i) {
        const double a0 = i * std::numbers::pi / kTeeth;
        const double a1 = (i + 1) * std::numbers::pi / kTeeth;
        const double r = (i % 2 == 0) ? 30 : 23;
        wheel.push_back({c.x + r * std::cos(a0), c.y + r * std::sin(a0)});
        wheel.push_back({c.x + r * std::cos(a1), c.y + r * std::sin(a1)});
    }
    auto disc = [&](double r) { return RectF{c.x - r, c.y - r, 2 * r, 2 * r}; };
    if (!shaded) {
        s.noBrush();
        s.pen({0x20, 0x40, 0x90}, 3);
        s.polygon(wheel);
        s.ellipse(disc(9));
        return;
    }
    // Lighter towards the hub, in three bands.
    s.pen({0x30, 0x30, 0x30}, 2);
    s.brush({0x70, 0x70, 0x80});
    s.polygon(wheel);
    s.noPen();
    s.brush({0xa0, 0xa0, 0xa8});
    s.ellipse(disc(20));
    s.brush({0xd0, 0xd0, 0xd4});
    s.ellipse(disc(14));
    s.pen({0x30, 0x30, 0x30}, 2);
    s.clearBrush();
    s.ellipse(disc(9));
}

void hand(ui::Surface& s, bool pressed) {
    const double down = pressed ? 4 : 0;
    s.pen(kBlack, 2);
    s.brush({0xc0, 0x20, 0x20});
    s.roundRectangle({14, 44 + down / 2, 38, 14 - down / 2}, 4);
    // The finger and the fist are one outline: both outlined, then both filled again inside
    // the outline, which covers where they overlap.
    const std::array<std::pair<RectF, double>, 2> parts{
        {{{28, 6 + down * 2, 10, 34}, 5}, {{26, 28 + down * 2, 26, 16}, 6}}};
    s.brush({0xf1, 0xc2, 0x7d});
    for (const auto& [box, radius] : parts) s.roundRectangle(box, radius);
    s.noPen();
    for (const auto& [box, radius] : parts)
        s.roundRectangle({box.x + 1, box.y + 1, box.w - 2, box.h - 2}, radius - 1);
}

void paintStep(ui::Surface& s, Step kind, int frame) {
    const RectF whole{0, 0, 66, 66};
    switch (kind) {
        case Step::OpenBook:
            book(s, frame);
            break;
        case Step::Remove:
            s.text(whole, "@", {.pixels = 40, .bold = true}, kBlue, ui::TextAlign::Centre);
            s.pen(kRed, 5);
            s.line({10, 56}, {56, 10});
            break;
        case Step::Edit: {
            const PointF c{33, 33};
            s.pen(kBlack, 2);
            s.brush({0xf5, 0xc5, 0x18});
            s.polygon(turned(corners({-24, -7, 38, 14}), c, -45));
            s.brush({0xe8, 0x9a, 0x9a});
            s.polygon(turned(corners({-30, -7, 6, 14}), c, -45));
            s.brush({0xf0, 0xd8, 0xb0});
            s.polygon(turned({{14, -7}, {28, 0}, {14, 7}}, c, -45));
            break;
        }
        case Step::Delete:
            s.pen(kBlack, 2);
            s.brush(kWhite);
            s.rectangle({6, 6, 30, 40});
            s.rectangle({28, 20, 30, 40});
            s.pen(kRed, 5);
            s.line({32, 26}, {54, 54});
            s.line({54, 26}, {32, 54});
            break;
        case Step::Sort:
            s.pen({0x20, 0x60, 0x20}, 5);
            for (int i = 0; i < 4; ++i) s.line({8.0, 12.0 + i * 14}, {18.0 + i * 9, 12.0 + i * 14});
            s.pen(kBlue, 4);
            s.line({52, 8}, {52, 56});
            s.line({44, 46}, {52, 56});
            s.line({60, 46}, {52, 56});
            break;
        case Step::Save:
            s.pen(kBlack, 2);
            s.brush({0x20, 0x40, 0x90});
            s.roundRectangle({6, 6, 54, 54}, 4);
            s.brush(kWhite);
            s.rectangle({14, 6, 36, 20});
            s.brush({0xc0, 0xc0, 0xc0});
            s.rectangle({16, 38, 34, 22});
            break;
        case Step::GearOutline:
            gear(s, false);
            break;
        case Step::GearShaded:
            gear(s, true);
            break;
        case Step::HandUp:
            hand(s, false);
            break;
        case Step::HandDown:
            hand(s, true);
            break;
        case Step::OpenFolder:
            s.pen({0x80, 0x60, 0x00}, 2);
            s.brush({0xf0, 0xc0, 0x40});
            s.rectangle({6, 16, 54, 40});
            s.brush({0xff, 0xd8, 0x60});
            s.polygon(Points{{6, 56}, {16, 28}, {64, 28}, {54, 56}});
            break;
        case Step::Help:
            s.noPen();
            s.brush(kBlue);
            s.ellipse({4, 4, 58, 58});
            s.text(whole, "?", {.pixels = 44, .bold = true}, kWhite, ui::TextAlign::Centre);
            break;
        case Step::Close:
            s.pen(kBlack, 2);
            s.brush({0x99, 0x66, 0x33});
            s.rectangle({10, 6, 32, 54});
            s.pen(kRed, 5);
            s.line({30, 33}, {60, 33});
            s.line({50, 23}, {60, 33});
            s.line({50, 43}, {60, 33});
            break;
        case Step::Clear: {
            const PointF c{33, 33};
            s.pen(kBlack, 2);
            s.brush({0xf0, 0x90, 0xb0});
            s.polygon(turned(roundedCorners({-26, -12, 30, 24}, 3), c, -30));
            s.brush({0x40, 0x70, 0xd0});
            s.polygon(turned(roundedCorners({4, -12, 22, 24}, 3), c, -30));
            break;
        }
    }
}

constexpr std::array<const char*, 14> kStepNames{
    "OpenBook",   "Remove", "Edit",     "Delete",     "Sort", "Save",  "GearOutline",
    "GearShaded", "HandUp", "HandDown", "OpenFolder", "Help", "Close", "Clear"};

std::string sized(const char* name, int width, int height) {
    return std::string(name) + "/" + std::to_string(width) + "x" + std::to_string(height);
}

// A dialog of the system as the pictures show it: grey face, a title bar shading from dark to
// light blue in three bands.
void dialogFrame(ui::Surface& s, int width, int height, std::string_view title) {
    s.pen({0x80, 0x80, 0x80}, 1);
    s.brush({0xd4, 0xd0, 0xc8});
    s.rectangle({0, 0, width - 1.0, height - 1.0});
    s.noPen();
    const Colour dark{0x0a, 0x24, 0x6a};
    const Colour light{0xa6, 0xca, 0xf0};
    const double bar = (width - 4) / 3.0;
    for (int i = 0; i < 3; ++i) {
        s.brush(mix(dark, light, (2 * i + 1) / 6.0));
        s.rectangle({2 + i * bar, 2, bar, 16});
    }
    s.text({6, 2, width - 12.0, 16}, title, {.pixels = 11, .bold = true}, kWhite);
}

void button(ui::Surface& s, RectF r, std::string_view text) {
    s.pen({0x40, 0x40, 0x40}, 1);
    s.brush({0xd4, 0xd0, 0xc8});
    s.rectangle(r);
    s.text(r, text, {}, kBlack, ui::TextAlign::Centre);
}

// A white box with a black frame and its text.
void field(ui::Surface& s, RectF r, std::string_view text) {
    s.pen(kBlack, 1);
    s.brush(kWhite);
    s.rectangle(r);
    s.text({r.x + 4, r.y, r.w - 8, r.h}, text, {}, kBlack);
}

}  // namespace

ui::Drawing step(Step kind, int frame) {
    return {.key = std::string("step/") + kStepNames[static_cast<std::size_t>(kind)] + "/" +
                   std::to_string(frame),
            .width = 33,
            .height = 33,
            .paint = [kind, frame](ui::Surface& s) {
                Scaled half(s, 0.5);
                paintStep(half, kind, frame);
            }};
}

ui::Drawing banner(int width, int height) {
    return {.key = sized("banner", width, height),
            .width = width,
            .height = height,
            .paint = [width, height](ui::Surface& s) {
                // The night sky darkens from the top left corner in three diagonal bands.
                const Colour top{0x10, 0x20, 0x60};
                const Colour bottom{0x00, 0x00, 0x00};
                const double w = width;
                const double h = height;
                auto band = [&](double along) { return mix(top, bottom, along); };
                s.noPen();
                s.brush(band(1 / 6.0));
                s.polygon(Points{{0, 0}, {w * 2 / 3, 0}, {0, h * 2 / 3}});
                s.brush(band(0.5));
                s.polygon(
                    Points{{w * 2 / 3, 0}, {w, 0}, {w, h / 3}, {w / 3, h}, {0, h}, {0, h * 2 / 3}});
                s.brush(band(5 / 6.0));
                s.polygon(Points{{w, h / 3}, {w, h}, {w / 3, h}});
                // Envelopes on their way, each clearer than the one before, the last one
                // stopped by a bar.
                for (int i = 0; i < 5; ++i) {
                    const RectF env{w - 260 + i * 44, 30.0 + (i % 2) * 14, 34, 22};
                    const double along = ((env.x + 17) / w + (env.y + 11) / h) / 2;
                    s.pen({0xc0, 0xc0, 0xc0}, 1.5);
                    s.brush(mix(band(along), {0xf0, 0xf0, 0xf0}, (60 + i * 40) / 255.0));
                    s.rectangle(env);
                    const PointF centre{env.x + env.w / 2, env.y + env.h / 2};
                    s.line({env.x, env.y}, centre);
                    s.line({env.x + env.w, env.y}, centre);
                }
                s.pen(kRed, 5);
                s.line({w - 26, 16}, {w - 26, h - 16});
            }};
}

ui::Drawing runBox(int width, int height) {
    return {.key = sized("runBox", width, height),
            .width = width,
            .height = height,
            .paint = [width, height](ui::Surface& s) {
                const double w = width;
                const double h = height;
                dialogFrame(s, width, height, "Run");
                s.text({8, 22, w - 16, 13}, "Type the name of a program, and it", {}, kBlack);
                s.text({8, 35, w - 16, 13}, "will be opened for you.", {}, kBlack);
                s.text({8, 54, 40, 16}, "Open:", {}, kBlack);
                field(s, {48, 54, w - 58, 16}, "regedit");
                button(s, {w - 120, h - 22, 50, 16}, "OK");
                button(s, {w - 64, h - 22, 56, 16}, "Cancel");
            }};
}

ui::Drawing exportDialog(int width, int height) {
    return {.key = sized("exportDialog", width, height),
            .width = width,
            .height = height,
            .paint = [width, height](ui::Surface& s) {
                const double w = width;
                const double h = height;
                dialogFrame(s, width, height, "Export Registry File");
                s.text({12, 26, 80, 18}, "Save in:", {}, kBlack);
                field(s, {92, 26, w - 200, 18}, "My Documents");
                s.pen(kBlack, 1);
                s.brush(kWhite);
                s.rectangle({12, 50, w - 24, 120});
                s.text({12, 180, 80, 18}, "File name:", {}, kBlack);
                field(s, {92, 180, w - 200, 18}, "Registry backup");
                button(s, {w - 96, 180, 80, 18}, "Save");
                s.pen(kBlack, 1);
                s.noBrush();
                s.rectangle({12, 210, w - 24, h - 220});
                s.text({20, 204, 100, 14}, " Export range ", {}, kBlack);
                s.brush(kWhite);
                s.ellipse({24, 228, 10, 10});
                s.brush(kBlack);
                s.ellipse({27, 231, 4, 4});
                s.text({40, 224, 60, 18}, "All", {}, kBlack);
                s.brush(kWhite);
                s.ellipse({24, 250, 10, 10});
                s.text({40, 246, 120, 18}, "Selected branch", {}, kBlack);
                s.pen(kRed, 3);
                s.noBrush();
                s.ellipse({16, 220, 70, 26});
            }};
}

ui::Drawing markNotDone() {
    return {.key = "markNotDone", .width = 16, .height = 16, .paint = [](ui::Surface& s) {
                s.pen(kRed, 3);
                s.line({3, 3}, {13, 13});
                s.line({13, 3}, {3, 13});
            }};
}

ui::Drawing markDone() {
    return {.key = "markDone", .width = 16, .height = 16, .paint = [](ui::Surface& s) {
                s.pen({0x10, 0xa0, 0x10}, 3);
                s.polyline(Points{{2, 9}, {6, 13}, {14, 3}});
            }};
}

ui::Drawing listMark(Colour colour) {
    const std::string key = "listMark" + std::to_string(colour.r) + "." + std::to_string(colour.g) +
                            "." + std::to_string(colour.b);
    return {.key = key, .width = 12, .height = 12, .paint = [colour](ui::Surface& s) {
                s.pen(kWhite, 1);
                s.brush(colour);
                s.ellipse({1, 1, 10, 10});
            }};
}

}  // namespace plevo::pictures
