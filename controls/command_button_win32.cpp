// The push button on the host; see command_button_win32.h.
#include "controls/command_button_win32.h"

#include <cmath>
#include <utility>

#include "host/twips.h"

namespace controls {

namespace {

constexpr uint32_t kHoverIntervalMs = 100;
constexpr int kCaptionHeightTwips = 195;  // one line of the design font

// The face pictures, as resources of the program that shows the button.
constexpr const char* kFaceResources[] = {"FACE_NORMAL", "FACE_HIGHLIGHT", "FACE_SELECTED",
                                          "FACE_HIGHLIGHTSELECT", "FACE_PRESSED", "FACE_DISABLE"};

// A piece in twips of the face at 96 DPI, as pixels at dpi: the face pictures are made for
// that DPI by the same rule, so a piece cut from them meets its neighbours at any scale.
RECT PixelsOfSlice(int16_t x, int16_t y, int16_t width, int16_t height, int dpi) {
    const host::PixelRect px = host::PixelsOf(host::TwipsRect{x, y, width, height}, dpi);
    return RECT{px.left, px.top, px.right, px.bottom};
}

}  // namespace

CommandButton::CommandButton(host::Container& container, const host::TwipsRect& place, host::PropertyStore stored)
    : host::UserControl(container, place),
      stored_(std::move(stored)),
      caption_(*this, host::TwipsRect{0, 0, place.width, kCaptionHeightTwips}, button_.look.caption,
               host::LabelLook{button_.look.font, RGB(0, 0, 0), /*centred*/ true, /*border*/ false}),
      hoverTimer_(AddTimer(kHoverIntervalMs, false, [this] { OnHoverTick(); })) {
    UsePicturesAt(dpi());

    events.mouseMove = [this](const host::MouseEvent&) { Carry(OnButtonMouseMove(button_)); };
    events.mouseDown = [this](const host::MouseEvent& e) { Carry(OnButtonMouseDown(button_, e.button)); };
    events.mouseUp = [this](const host::MouseEvent& e) { Carry(OnButtonMouseUp(button_, e.button)); };
    events.gotFocus = [this] { Carry(OnButtonGotFocus(button_)); };
    events.lostFocus = [this] { Carry(OnButtonLostFocus(button_)); };
    // The caption's mouse events are the button's own.
    caption_.events.mouseMove = events.mouseMove;
    caption_.events.mouseDown = events.mouseDown;
    caption_.events.mouseUp = events.mouseUp;
    if (container.window()) CreateIn(container.window());
}

void CommandButton::CreateIn(HWND parent) {
    if (window()) return;
    host::UserControl::CreateIn(parent);
    if (!window() || propertiesRead_) return;
    // As a control loaded with its form: its stored properties, then its first resize.
    Carry(ReadButtonProperties(button_, stored_, AmbientFont()));
    propertiesRead_ = true;
    OnResized();
}

void CommandButton::OnResized() {
    if (propertiesRead_) Carry(ApplyEnabledLook(button_));
}

void CommandButton::UsePicturesAt(int dpi) {
    if (picturesDpi_ == dpi) return;
    const HINSTANCE module = GetModuleHandleA(nullptr);
    for (size_t i = 0; i < pictures_.size(); ++i) {
        pictures_[i] = host::Picture::FromBitmapResourceAt(module, kFaceResources[i], dpi);
    }
    picturesDpi_ = dpi;
}

void CommandButton::Initialize() {
    InitializeButton(button_);
    hoverTimer_.SetEnabled(true);
    hoverTimer_.SetInterval(kHoverIntervalMs);
}

void CommandButton::Carry(const ButtonSteps& steps) {
    for (const ButtonStep& step : steps) {
        if (step.kind == ButtonStep::Kind::RaiseClick) {
            ShowCaption();
            RaiseEvent(Click);
            continue;
        }
        if (!PaintFace(step.picture) && step.blackCaptionOnFailure) button_.look.fontColour = 0;
    }
    ShowCaption();
    if (lookChanged && !steps.empty()) lookChanged();
}

void CommandButton::ShowCaption() {
    caption_.SetCaption(button_.look.caption);
    if (caption_.font() != button_.look.font) caption_.SetFont(button_.look.font);
    caption_.SetTextColour(static_cast<COLORREF>(button_.look.fontColour));
    caption_.SetEnabled(button_.look.captionEnabled);
    if (button_.look.backStyle != backStyle()) SetBackStyle(button_.look.backStyle);
}

bool CommandButton::PaintFace(FacePicture picture) {
    OrientGradient(gradientInverted_, button_.state.FaceState);
    UsePicturesAt(dpi());
    // The geometry is the face's at 96 DPI, in twips; its pieces land at this DPI's pixels.
    const int width = host::PixelsToTwipsAt(scaleWidthPx(), dpi());
    const int height = host::PixelsToTwipsAt(scaleHeightPx(), dpi());
    UpdateFaceSlices(slices_, width, height);
    Cls();
    DrawGradient();
    const std::shared_ptr<const host::Picture>& source = pictures_[static_cast<size_t>(picture)];
    if (source) {
        for (const FaceSlice& s : slices_) {
            // Skipped by design: a piece that cannot be copied leaves the gradient there.
            surface().PaintPicture(*source, PixelsOfSlice(s.destX, s.destY, s.destWidth, s.destHeight, dpi()),
                                   PixelsOfSlice(s.sourceX, s.sourceY, s.sourceWidth, s.sourceHeight, dpi()));
        }
    }
    Refresh();
    const auto top = static_cast<int>(std::lround(CaptionTopTwips(height, caption_.placeTwips().height)));
    caption_.Move(host::TwipsRect{0, top, width, caption_.placeTwips().height});
    return source != nullptr;
}

void CommandButton::DrawGradient() {
    const auto vertices = GradientVertices(gradientInverted_, surface().widthPx(), surface().heightPx());
    TRIVERTEX platformVertices[3];
    for (size_t i = 0; i < vertices.size(); ++i) {
        platformVertices[i] = TRIVERTEX{vertices[i].x, vertices[i].y, vertices[i].red, vertices[i].green,
                                        vertices[i].blue, vertices[i].alpha};
    }
    // NOTE: upper-left names the second vertex; the fill puts each colour at its vertex's
    // row whichever index is named first, so the orientation follows the vertices.
    GRADIENT_RECT rect{1, 0};
    // Skipped by design: a failed fill leaves the cleared surface.
    GradientFill(surface().dc(), platformVertices, 3, &rect, 1, GRADIENT_FILL_RECT_V);
    Refresh();
}

void CommandButton::OnHoverTick() {
    if (pointerOverButton) {
        Carry(OnButtonHoverTick(button_, pointerOverButton()));
        return;
    }
    POINT pointer{};
    // Skipped by design: an unread position is taken as the screen's corner.
    GetCursorPos(&pointer);
    // The caption has no window of its own, so over it the button's window is found.
    Carry(OnButtonHoverTick(button_, WindowFromPoint(pointer) == window()));
}

void CommandButton::SetCaption(const std::wstring& caption) {
    button_.look.caption = caption;
    ShowCaption();
    PropertyChanged(L"Caption");
}

bool CommandButton::Enabled() {
    bool enabled = false;
    Carry(ReadEnabled(button_, enabled));
    return enabled;
}

void CommandButton::SetEnabled(bool enabled) {
    PropertyChanged(L"Enabled");
    Carry(WriteEnabled(button_, enabled));
}

void CommandButton::SetFont(const host::FontInfo& font) {
    button_.look.font = font;
    ShowCaption();
    PropertyChanged(L"Font");
}

int32_t CommandButton::FontColour() {
    int32_t colour = 0;
    Carry(ReadFontColour(button_, colour));
    return colour;
}

bool CommandButton::Visible() {
    bool visible = true;
    Carry(ReadVisible(button_, visible));
    return visible;
}

void CommandButton::SetVisible(bool visible) {
    Carry(WriteVisible(button_, visible));
    PropertyChanged(L"Visible");
}

}  // namespace controls
