#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct GifFileType;

namespace tavlo {

// A picture handed to the GIF writer: 32-bit pixels 0xAARRGGBB (alpha ignored), row after row,
// `stride` pixels from the start of one row to the next.
struct PixelView {
  const std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride) + static_cast<std::size_t>(x)];
  }
};

// An animated GIF built frame by frame in memory, looping for ever. Every frame is a full picture
// of the animation's size; the file stores only the rectangle that differs from the frame before,
// with its own palette (the exact colours when there are at most 256, 256 cut from its histogram otherwise).
// Encoding happens as frames arrive, so finishing the file costs next to nothing.
class GifAnimation {
 public:
  static constexpr int kMaxFrameDelayMs = 655350;

  GifAnimation(int width, int height);
  ~GifAnimation();
  GifAnimation(const GifAnimation&) = delete;
  GifAnimation& operator=(const GifAnimation&) = delete;

  enum class Added { Frame, Same, Failed };
  // Adds a frame shown for `delayMs` (rounded to the GIF's hundredths of a second, at least two).
  // A picture equal to the previous frame adds nothing (Same); a picture of another size, or a
  // failure of the encoder, adds nothing either (Failed, with Error() saying why).
  Added AddFrame(const PixelView& frame, int delayMs);
  int FrameCount() const { return frames_; }
  // Changes the display time of the newest frame.
  void SetLastDelay(int delayMs);
  // Closes the animation and hands over the bytes of the whole file; empty when no frame was
  // added or the encoder failed. Nothing can be added afterwards.
  std::string Finish();
  const std::string& Error() const { return error_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
  };
  bool Open();
  Rect ChangedRect(const PixelView& frame) const;
  bool WriteFrame(const PixelView& frame, const Rect& rect, int delayMs);
  void Fail(const std::string& what, int code);
  static int Write(GifFileType* gif, const unsigned char* bytes, int length);

  int width_;
  int height_;
  GifFileType* gif_ = nullptr;
  std::string bytes_;
  std::vector<std::uint32_t> previous_;  // the newest frame as given, to find what changed
  std::size_t lastDelayAt_ = 0;          // where the newest frame's delay lies in bytes_
  int frames_ = 0;
  bool finished_ = false;
  std::string error_;
};

// GIF display times are hundredths of a second: `ms` rounded to the nearest, 2 .. 65535. Players
// show a frame of 0 or 1 hundredth for a tenth of a second, so the shortest delay written is 2.
int GifDelayHundredths(int ms);

}  // namespace tavlo
