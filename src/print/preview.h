// The print preview window's state and rules: the run mode it composes in,
// the sheet it shows and the sheet count of the last run, the enabling of
// its four navigation buttons, the sheet label, the enlargement field, the
// fitting of the page image into its scroll box, the centre lines and frame
// outline drawn over the image, and where the window first stands.
//
// Sheets count from 1. Image sizes and positions are screen pixels; paper
// sizes and the geometry are printer pixels; the frame is mm. Texts are
// Shift-JIS.
#pragma once

#include "print/layout_geometry.h"
#include "print/print_run.h"
#include "settings/print_format.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zenpa::print {

// The enlargement field keeps to this range (percent).
inline constexpr int kMinPreviewZoom = 25;
inline constexpr int kMaxPreviewZoom = 400;

// The zoom "決定" takes from the field: a text that is no integer keeps the
// old zoom; an integer is clamped to kMinPreviewZoom..kMaxPreviewZoom.
int ZoomFromText(std::string_view text, int oldZoom);

struct PreviewNavigation {
  bool first = false;    // "始頁"
  bool previous = false; // "前頁"
  bool next = false;     // "次頁"
  bool last = false;     // "終頁"
};

// Why the preview might compose its sheet again.
enum class PreviewCause {
  Layout,   // the document or a setting changed and the layout ran
  Range,    // the page range, copies, pass or page-number start changed
  Paper,    // the printer or the paper changed
  Load,     // another document was opened
  NewName,  // the document was saved under or renamed to another name
  Navigate, // a navigation button or "決定"
};

class Preview {
public:
  bool IsOpen() const { return open_; }
  // True while the preview follows every change (after "調整").
  bool Following() const { return open_ && mode_ == RunMode::PreviewFollowing; }
  // The mode a run is made in now: Preview for the preview button's run,
  // PreviewFollowing for every later one (the buttons' runs included).
  RunMode Mode() const { return mode_ == RunMode::Preview ? mode_ : RunMode::PreviewFollowing; }
  bool AdjustVisible() const { return adjustVisible_; }
  int WantedSheet() const { return wanted_; }
  int SheetCount() const { return count_; }
  bool RangeError() const { return rangeError_; }

  // The preview button: mode Preview on sheet 1, "調整" shown.
  void Open();
  // After the opening run: the preview waits, not following changes.
  void Opened() { mode_ = RunMode::Print; }
  // "調整": follows every change until the status label is clicked.
  void PressAdjust();
  // The "調整中" label: following ends, "調整" shows again.
  void ClickAdjusting();
  // The print button makes "調整" visible again, following ends.
  void ShowAdjust() { ClickAdjusting(); }
  void Close();

  void First() { wanted_ = 1; }
  void Previous() { wanted_ = wanted_ > 1 ? wanted_ - 1 : 1; }
  void Next() { wanted_ = wanted_ < count_ ? wanted_ + 1 : wanted_; }
  void Last() { wanted_ = count_ > 0 ? count_ : 1; }

  // Whether a change of this kind composes the sheet again.
  bool RerunsOn(PreviewCause cause) const;

  // Takes the sheet count and the sheet shown from a preview run.
  void Took(const PrintWorkResult &result, bool rangeError);

  PreviewNavigation Navigation() const;
  // "n/count", or "印刷頁エラー" when the page range selects nothing.
  std::string SheetLabel() const;

private:
  bool open_ = false;
  RunMode mode_ = RunMode::Print;
  bool adjustVisible_ = true;
  bool rangeError_ = false;
  int wanted_ = 1;
  int count_ = 0;
};

// "調整中", the status label while following.
std::string AdjustingText();

struct ImageSize {
  int width = 0;
  int height = 0;
};

// The page image in the scroll box: landscape and square paper fill the box
// width less BAI(40), portrait paper its height less BAI(42); the other side
// follows the paper's aspect ratio, and both grow by zoom percent.
ImageSize FitPageImage(int paperW, int paperH, int boxW, int boxH, int uiScale, int zoom);

struct ImageRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ImageRect &) const = default;
};

// What is drawn over the page image, in image pixels.
struct PreviewOverlay {
  int centreX = 0; // the vertical grey centre line
  int centreY = 0; // the horizontal one
  bool frameShown = false;
  ImageRect frame;               // the frame outline
  bool frameSolid = false;       // solid when printed, dotted grey otherwise
  std::uint32_t frameColour = 0; // 0x00BBGGRR of a solid outline
};

// backPage: the even pass of duplex printing is shown.
PreviewOverlay OverlayOf(const settings::PrintFormat &format, const PageGeometry &geometry,
                         ImageSize image, bool backPage);

// The window's size (550 × 600 unscaled once composed) and first place: 40
// pixels above and to the left of the main window, the top never above 0.
struct WindowPlace {
  int x = 0, y = 0;
};
WindowPlace FirstPreviewPlace(int mainX, int mainY);
inline constexpr int kPreviewWidth = 550;
inline constexpr int kPreviewHeight = 600;
inline constexpr int kPreviewMinWidth = 400;
// Pixels the page image scrolls per wheel step, both ways together.
inline constexpr int kPreviewWheelStep = 32;

} // namespace zenpa::print
