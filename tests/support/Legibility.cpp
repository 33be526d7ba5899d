#include "support/Legibility.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace plevo::test {
namespace {

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(ui::Colour c) {
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

bool shown(const ui::Control& c) {
    for (const ui::Control* p = &c; p; p = p->parent())
        if (!p->visible()) return false;
    return true;
}

bool usable(const ui::Control& c) {
    for (const ui::Control* p = &c; p; p = p->parent())
        if (!p->enabled()) return false;
    return true;
}

bool inClientArea(const ui::Control& c, ui::Size client) {
    ui::Rect r = c.geometry();
    for (const ui::Control* p = c.parent(); p; p = p->parent()) {
        r.x += p->geometry().x;
        r.y += p->geometry().y;
    }
    return r.x < client.w && r.y < client.h && r.right() > 0 && r.bottom() > 0;
}

std::string hex(ui::Colour c) {
    char text[8];
    std::snprintf(text, sizeof(text), "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

}  // namespace

double contrastRatio(ui::Colour a, ui::Colour b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string illegibleTexts(const ui::Form& window) {
    std::string found;
    for (const ui::Control* c : window.controls()) {
        switch (c->kind()) {
            case ui::Kind::Label:
            case ui::Kind::Panel:
            case ui::Kind::GroupBox:
                // A caption greyed while its step cannot be used says just that.
                if (!usable(*c) || c->caption().find_first_not_of(' ') == std::string::npos)
                    continue;
                break;
            case ui::Kind::Edit:
                // A one-line box that cannot be used now holds no data to read but an input that
                // is not available: the system's grey says so.
                if (!usable(*c)) continue;
                break;
            case ui::Kind::Memo:
            case ui::Kind::ListBox:
            case ui::Kind::Grid:
                break;
            default:
                continue;
        }
        if (!shown(*c) || !inClientArea(*c, window.clientSize())) continue;
        const auto check = [&](const std::optional<DrawnColours>& drawn, const char* part) {
            if (!drawn) return;
            const double ratio = contrastRatio(drawn->text, drawn->background);
            if (ratio >= 4.5) return;
            char figure[16];
            std::snprintf(figure, sizeof(figure), "%.2f", ratio);
            found += (found.empty() ? "" : "; ") + window.name() + "/" + c->name() + part + ": " +
                     figure + " (" + hex(drawn->text) + " on " + hex(drawn->background) + ")";
        };
        check(drawnColours(*c), "");
        if (const auto* grid = dynamic_cast<const ui::Grid*>(c))
            check(drawnTitleColours(*grid), " titles");
    }
    return found;
}

}  // namespace plevo::test
