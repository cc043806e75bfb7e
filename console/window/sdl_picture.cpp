#include "console/window/sdl_picture.hpp"

#include "console/window/x11_desktop.hpp"

#include <algorithm>

namespace {

SDL_Surface* window_surface(sdl_picture& p) {
    return SDL_GetWindowSurface(p.window);
}

// The largest whole scale that fits, centred: crisp pixels, black around.
void lay_out(sdl_picture& p, const SDL_Surface& target) {
    p.scale = std::max(1, std::min(target.w / p.width, target.h / p.height));
    int w = p.width * p.scale, h = p.height * p.scale;
    p.place = {(target.w - w) / 2, (target.h - h) / 2, w, h};
    p.laid_on = {&target, target.w, target.h};
}

bool laid_out_for(const sdl_picture& p, const SDL_Surface& target) {
    return p.laid_on.surface == &target && p.laid_on.width == target.w &&
           p.laid_on.height == target.h;
}

void copy_rows(sdl_picture& p, SDL_Surface& target, int first, int count) {
    SDL_Rect from{0, first, p.width, count};
    SDL_Rect to{p.place.x, p.place.y + first * p.scale, p.width * p.scale, count * p.scale};
    if (p.scale == 1)
        SDL_BlitSurface(p.source, &from, &target, &to);
    else
        SDL_BlitScaled(p.source, &from, &target, &to);
}

// Centred with its frame, as far as the window manager has told its size.
void centre(sdl_picture& p) {
    int index = SDL_GetWindowDisplayIndex(p.window);
    SDL_Rect bounds;
    if (index < 0 || SDL_GetDisplayBounds(index, &bounds) != 0) return;
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(p.window, &top, &left, &bottom, &right);
    int outer_width = p.width + left + right, outer_height = p.height + top + bottom;
    SDL_SetWindowPosition(p.window, bounds.x + (bounds.w - outer_width) / 2 + left,
                          bounds.y + (bounds.h - outer_height) / 2 + top);
    p.centred_with_frame = top || left || bottom || right;
}

bool fill_display(sdl_picture& p) {
    int index = SDL_GetWindowDisplayIndex(p.window);
    SDL_Rect bounds;
    if (index < 0 || SDL_GetDisplayBounds(index, &bounds) != 0) return false;
    SDL_SetWindowBordered(p.window, SDL_FALSE);
    SDL_SetWindowSize(p.window, bounds.w, bounds.h);
    SDL_SetWindowPosition(p.window, bounds.x, bounds.y);
    SDL_RaiseWindow(p.window);
    p.display_sized = true;
    return true;
}

// Without a window manager nobody acts on SDL's full-screen request, and
// the window would keep its size with a picture laid out for the display.
bool enter_full_screen(sdl_picture& p) {
    if (x11_without_window_manager(p.window)) return fill_display(p);
    return SDL_SetWindowFullscreen(p.window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

bool leave_full_screen(sdl_picture& p) {
    if (p.display_sized) {
        SDL_SetWindowSize(p.window, p.width, p.height);
        SDL_SetWindowBordered(p.window, SDL_TRUE);
        p.display_sized = false;
    } else if (SDL_SetWindowFullscreen(p.window, 0) != 0) {
        return false;
    }
    centre(p);
    return true;
}

} // namespace

bool picture_open(sdl_picture& p, const picture_request& request) {
    p = sdl_picture{};
    p.width = request.width;
    p.height = request.height;
    p.source = SDL_CreateRGBSurfaceWithFormatFrom(request.framebuffer, p.width, p.height, 32,
                                                  p.width * 4, SDL_PIXELFORMAT_ARGB8888);
    p.window = SDL_CreateWindow(request.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                p.width, p.height, SDL_WINDOW_HIDDEN);
    p.arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (!p.source || !p.window || !window_surface(p)) {
        picture_close(p);
        return false;
    }
    // The top byte is no alpha: the picture is copied, never blended.
    SDL_SetSurfaceBlendMode(p.source, SDL_BLENDMODE_NONE);
    if (p.arrow) SDL_SetCursor(p.arrow);
    if (request.full_screen && !enter_full_screen(p)) {
        picture_close(p);
        return false;
    }
    p.full_screen = request.full_screen;
    SDL_ShowWindow(p.window);
    if (!p.full_screen) centre(p);
    SDL_RaiseWindow(p.window);
    picture_show_all(p);
    return true;
}

void picture_close(sdl_picture& p) {
    if (p.window) SDL_DestroyWindow(p.window);
    if (p.source) SDL_FreeSurface(p.source);
    if (p.arrow) SDL_FreeCursor(p.arrow);
    p = sdl_picture{};
}

void picture_show_rows(sdl_picture& p, int first, int last) {
    SDL_Surface* target = window_surface(p);
    if (!target) return;
    // A new window surface since the last layout starts blank.
    if (!laid_out_for(p, *target)) return picture_show_all(p);
    copy_rows(p, *target, first, last - first + 1);
    SDL_Rect changed{p.place.x, p.place.y + first * p.scale, p.place.w,
                     (last - first + 1) * p.scale};
    SDL_Rect all{0, 0, target->w, target->h};
    SDL_Rect shown;
    if (SDL_IntersectRect(&changed, &all, &shown))
        SDL_UpdateWindowSurfaceRects(p.window, &shown, 1);
}

void picture_show_all(sdl_picture& p) {
    SDL_Surface* target = window_surface(p);
    if (!target) return;
    lay_out(p, *target);
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    copy_rows(p, *target, 0, p.height);
    SDL_UpdateWindowSurface(p.window);
}

void picture_settle(sdl_picture& p) {
    if (p.full_screen || p.centred_with_frame) return;
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(p.window, &top, &left, &bottom, &right);
    if (top || left || bottom || right) centre(p);
}

void picture_switch_full_screen(sdl_picture& p) {
    bool to_full = !p.full_screen;
    if (to_full ? enter_full_screen(p) : leave_full_screen(p))
        p.full_screen = to_full;
    else if (to_full)
        leave_full_screen(p);
    else
        enter_full_screen(p);
    picture_show_all(p);
}
